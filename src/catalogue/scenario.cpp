#include "catalogue/scenario.h"

#include <tinyxml2.h>

#include <cstdint>

#include "catalogue/xml_file.h"
#include "platform/files.h"
#include "platform/random.h"
#include "settings/int_text.h"
#include "shell/data_dir.h"

namespace {

// The first scene element: the first "Scene" inside the root's first
// "Scenes". It and every element after it among its siblings are the list.
tinyxml2::XMLElement* firstSceneElement(tinyxml2::XMLDocument& doc) {
    tinyxml2::XMLElement* root = doc.FirstChildElement();
    if (!root) return nullptr;
    tinyxml2::XMLElement* scenes = root->FirstChildElement("Scenes");
    return scenes ? scenes->FirstChildElement("Scene") : nullptr;
}

// "enabled" the "%d" way: absent means enabled, unreadable text reads as 0.
int readEnabled(const tinyxml2::XMLElement* e) {
    const char* text = e->Attribute("enabled");
    if (!text) return 1;
    int32_t value = 0;
    return readDecimalInt(text, &value) ? value : 0;
}

}  // namespace

Scenario::Scenario() = default;
Scenario::~Scenario() = default;

void Scenario::clear() {
    document_.reset();
    infos_.clear();
    count_ = 0;
    enabled_.clear();
    candidates_.clear();
    lastChoice_ = -1;
    paths_.clear();
}

void Scenario::load(const char* fileName) {
    clear();
    const std::string path = DataDir + "/" + fileName;
    // The document belongs to the list whatever happens next, so that save
    // knows what was (or was not) loaded.
    document_ = std::make_unique<tinyxml2::XMLDocument>();
    if (path.size() > catalogue::kMaxXmlPathChars || !catalogue::loadXmlFile(path, *document_)) {
        document_->Clear();
        catalogue::reportUnreadableFile(path);
        return;
    }
    tinyxml2::XMLElement* first = firstSceneElement(*document_);
    for (tinyxml2::XMLElement* e = first; e; e = e->NextSiblingElement()) ++count_;

    infos_.resize(count_);
    enabled_.resize(count_);
    candidates_.assign(count_, -1);
    paths_.resize(count_);
    int i = 0;
    for (tinyxml2::XMLElement* e = first; e; e = e->NextSiblingElement(), ++i) {
        const char* p = e->Attribute("path");
        paths_[i] = p ? p : "";
        enabled_[i] = readEnabled(e);
        readSceneInfo(paths_[i].c_str(), infos_[i]);
    }
}

bool Scenario::save(const char* fileName) {
    if (!document_ || !document_->FirstChildElement()) return false;
    int i = 0;
    for (tinyxml2::XMLElement* e = firstSceneElement(*document_); e && i < count_; e = e->NextSiblingElement(), ++i)
        e->SetAttribute("enabled", enabled_[i]);
    // Stray text beside the root parses, but once printed it would not parse
    // again and the next load would lose every flag; it means nothing, so it
    // is left out of the file.
    for (tinyxml2::XMLNode* n = document_->FirstChild(); n;) {
        tinyxml2::XMLNode* next = n->NextSibling();
        if (n->ToText()) document_->DeleteChild(n);
        n = next;
    }
    tinyxml2::XMLPrinter printer;
    document_->Print(&printer);
    return platform::writeFileAtomically(DataDir + "/" + fileName, printer.CStr());
}

int Scenario::countEnabled() {
    int n = 0;
    for (int j = 0; j < count_; ++j) candidates_[j] = -1;
    for (int j = 0; j < count_; ++j)
        if (enabled_[j] != 0) candidates_[n++] = j;
    return n;
}

int Scenario::chooseIndex() {
    const int n = countEnabled();
    if (n == 0) return 0;
    int choice = candidates_[0];
    if (n > 1) {
        do {
            choice = candidates_[platform::nextRandom() % n];
        } while (choice == lastChoice_);
    }
    lastChoice_ = choice;
    return choice;
}

std::string Scenario::choosePath() {
    const int i = chooseIndex();
    return inRange(i) ? paths_[i] : std::string();
}

const char* Scenario::path(int i) const { return inRange(i) ? paths_[i].c_str() : nullptr; }

int Scenario::isEnabled(int i) const { return inRange(i) ? enabled_[i] : -1; }

void Scenario::setEnabled(int i, int flag) {
    if (inRange(i)) enabled_[i] = flag;
}

const char* Scenario::title(int i) const { return inRange(i) ? infos_[i].title.c_str() : nullptr; }
const char* Scenario::author(int i) const { return inRange(i) ? infos_[i].author.c_str() : nullptr; }
const char* Scenario::url(int i) const { return inRange(i) ? infos_[i].url.c_str() : nullptr; }
const char* Scenario::description(int i) const { return inRange(i) ? infos_[i].description.c_str() : nullptr; }
