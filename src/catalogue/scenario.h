// The list of scenes the saver may show: one entry per scene folder under
// DataDir with its enabled flag and information texts, kept in
// defaultScenario.xml. The list is rebuilt from the folders at every
// rendering start (rescan), read back (load), edited by the dialog
// (setEnabled, save) and makes the random choice of the next scene.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "catalogue/scene_info.h"

namespace tinyxml2 {
class XMLDocument;
}

class Scenario {
public:
    Scenario();
    ~Scenario();
    Scenario(const Scenario&) = delete;
    Scenario& operator=(const Scenario&) = delete;

    // Reads the list file DataDir + "/" + fileName and every listed scene's
    // information. An unreadable file gives the "Error opening file for
    // reading" box and an empty list.
    void load(const char* fileName);

    // Writes a fresh DataDir + "defaultScenario.xml" from the scene folders
    // found in folderPath, keeping the flags of this list by folder name.
    // The list in memory is not changed.
    void rescan(const char* folderPath);

    // True when folderPath + "/scene.xml" can be opened for reading.
    static bool hasSceneFile(const char* folderPath);

    // The flag of the listed scene with exactly this name; 1 when none has it.
    int enabledByName(const char* folderName) const;

    // Writes the current enabled flags into the loaded document and saves it
    // atomically as DataDir + "/" + fileName; everything else in the
    // document is kept. False when there was nothing to save or the file
    // could not be written (the old file then stays).
    bool save(const char* fileName);

    // Number of enabled scenes; refills the candidates. No allocation.
    int countEnabled();
    // The index of the scene to show next: random among the enabled ones,
    // never the previous choice when two or more are enabled; 0 when none is.
    int chooseIndex();
    // The folder name of the scene chooseIndex picks; "" when nothing is listed.
    std::string choosePath();

    int count() const { return count_; }
    // Folder name of scene i; nullptr when i is out of range.
    const char* path(int i) const;
    // Enabled flag of scene i (0 disabled, anything else enabled); -1 when
    // i is out of range.
    int isEnabled(int i) const;
    // Ignored when i is out of range.
    void setEnabled(int i, int flag);

    // Information texts of scene i; nullptr when i is out of range.
    const char* title(int i) const;
    const char* author(int i) const;
    const char* url(int i) const;
    const char* description(int i) const;

    // Reads the "Info" texts of DataDir + folderName + "/scene.xml". An
    // unreadable file gives the "Error opening file for reading" box; every
    // text that cannot be read is empty.
    static void readSceneInfo(const char* folderName, SceneInfo& info);

    // The indexes counted by the last countEnabled, the rest -1.
    const std::vector<int>& candidates() const { return candidates_; }
    int lastChoice() const { return lastChoice_; }

private:
    void clear();
    bool inRange(int i) const { return i >= 0 && i < count_; }

    std::unique_ptr<tinyxml2::XMLDocument> document_;
    std::vector<SceneInfo> infos_;
    int count_ = 0;
    std::vector<int> enabled_;
    std::vector<int> candidates_;
    int lastChoice_ = -1;
    std::vector<std::string> paths_;
};
