// Reading the saver's small XML data files (scene descriptions and the scene
// list) and reporting the ones that cannot be read.
#pragma once

#include <cstddef>
#include <string>

namespace tinyxml2 {
class XMLDocument;
}

namespace catalogue {

// Data files are a few kilobytes; anything beyond this is not ours.
constexpr std::size_t kMaxXmlFileBytes = 1024 * 1024;

// Reads path into doc and parses it. False when the file cannot be opened,
// is larger than kMaxXmlFileBytes, is empty or is not well-formed XML. A
// well-formed document without any element is a success.
bool loadXmlFile(const std::string& path, tinyxml2::XMLDocument& doc);

// The box every unreadable data file gives: no owner, the text "Error
// opening file for reading", the full path as caption, an OK button.
void reportUnreadableFile(const std::string& path);

// Paths are kept to the sizes of the fixed buffers they were designed for:
// at most 255 characters for XML files, 254 for folders and search
// patterns, 511 for pictures.
constexpr std::size_t kMaxXmlPathChars = 255;
constexpr std::size_t kMaxFolderPathChars = 254;
constexpr std::size_t kMaxPicturePathChars = 511;

}  // namespace catalogue
