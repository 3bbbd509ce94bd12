#include "settings/options.h"

#include <tinyxml2.h>

#include <string>

#include "platform/files.h"
#include "platform/message_box.h"
#include "settings/int_text.h"
#include "settings/run_overrides.h"
#include "shell/data_dir.h"

// Constant-initialised (the record has only constant member initialisers),
// so it holds its initial values before any static constructor runs.
Options g_options;

namespace {

// The longest path the settings file may have.
const std::size_t kMaxPathLength = 255;
// A settings file larger than this is not a settings file.
const std::size_t kMaxFileBytes = 1024 * 1024;

struct Field {
    const char* element;
    const char* attribute;
    int32_t Options::*member;
    int32_t absentDefault;  // stored when the element has no such attribute
};

// In the order the file holds them. The last two share the Date element.
const Field kFields[] = {
    {"KeepAspect_1_6", "v", &Options::KeepAspect_1_6, 0},
    {"SoundsEnabled", "v", &Options::SoundsEnabled, 0},
    {"DoNotUseAccumBuffer", "v", &Options::DoNotUseAccumBuffer, 0},
    {"SleepEnabled", "v", &Options::SleepEnabled, 1},
    {"IgnoreMouseMove", "v", &Options::IgnoreMouseMove, 1},
    {"RunCount", "v", &Options::RunCount, 0},
    {"xSpeed", "v", &Options::xSpeed, 0},
    {"zSpeed", "v", &Options::zSpeed, 0},
    {"changeSkyAtStartUp", "v", &Options::changeSkyAtStartUp, 0},
    {"changeSkyDuring", "v", &Options::changeSkyDuring, 0},
    {"changeFrequency", "v", &Options::changeFrequency, 0},
    {"Date", "Day", &Options::Day, 0},
    {"Date", "Month", &Options::Month, 0},
};

// DataDir, a separator and the file name; empty when there is no data
// directory or the result is longer than a settings path may be.
std::string settingsPath(const char* fileName, std::string* shown) {
    std::string path = DataDir + "/" + (fileName ? fileName : "");
    if (shown) *shown = path;
    if (DataDir.empty() || path.size() > kMaxPathLength) return std::string();
    return path;
}

void reportUnreadable(const std::string& path) {
    MessageBoxA(nullptr, "Error opening file for reading", path.c_str(), MB_OK);
}

// Reads the file into record; on failure every field keeps its value.
void readInto(Options& record, const char* fileName) {
    std::string shown;
    const std::string path = settingsPath(fileName, &shown);
    std::string text;
    if (path.empty() || platform::readWholeFile(path, text, kMaxFileBytes) != platform::ReadResult::Ok) {
        reportUnreadable(shown);
        return;
    }
    tinyxml2::XMLDocument doc;
    if (doc.Parse(text.data(), text.size()) != tinyxml2::XML_SUCCESS) {
        reportUnreadable(shown);
        return;
    }
    const tinyxml2::XMLElement* root = doc.FirstChildElement();
    if (!root) return;
    for (const Field& f : kFields) {
        const tinyxml2::XMLElement* element = root->FirstChildElement(f.element);
        if (!element) continue;
        const char* value = element->Attribute(f.attribute);
        if (!value)
            record.*f.member = f.absentDefault;
        else
            readDecimalInt(value, &(record.*f.member));  // unreadable text keeps the field
    }
}

}  // namespace

void Options::load(const char* fileName) {
    if (this != &g_options) {
        readInto(*this, fileName);
        return;
    }
    // The file holds the user's values; settings given for this run only go
    // over them again afterwards.
    Options stored = storedOptions(*this);
    readInto(stored, fileName);
    adoptStoredOptions(*this, stored);
}

void Options::save(const char* fileName) const {
    // Without a data directory there is nowhere to keep the settings; like
    // any other failed save this is not reported.
    const std::string path = settingsPath(fileName, nullptr);
    if (path.empty()) return;
    // A run's own settings are never written in place of the user's.
    const Options record = this == &g_options ? storedOptions(*this) : *this;
    tinyxml2::XMLDocument doc;
    doc.InsertEndChild(doc.NewDeclaration("xml version=\"1.0\""));
    tinyxml2::XMLElement* root = doc.NewElement("OPTIONS");
    doc.InsertEndChild(root);
    tinyxml2::XMLElement* element = nullptr;
    for (const Field& f : kFields) {
        if (!element || std::string(element->Name()) != f.element) {
            element = doc.NewElement(f.element);
            root->InsertEndChild(element);
        }
        element->SetAttribute(f.attribute, static_cast<int>(record.*f.member));
    }
    tinyxml2::XMLPrinter printer;
    doc.Print(&printer);
    platform::writeFileAtomically(path, std::string(printer.CStr()));
}
