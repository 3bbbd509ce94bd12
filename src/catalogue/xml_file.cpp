#include "catalogue/xml_file.h"

#include <tinyxml2.h>

#include "platform/files.h"
#include "platform/message_box.h"

namespace catalogue {

bool loadXmlFile(const std::string& path, tinyxml2::XMLDocument& doc) {
    std::string text;
    if (platform::readWholeFile(path, text, kMaxXmlFileBytes) != platform::ReadResult::Ok) return false;
    // An empty file counts as unreadable; a document of comments alone parses.
    return doc.Parse(text.data(), text.size()) == tinyxml2::XML_SUCCESS;
}

void reportUnreadableFile(const std::string& path) {
    MessageBoxA(nullptr, "Error opening file for reading", path.c_str(), MB_OK);
}

}  // namespace catalogue
