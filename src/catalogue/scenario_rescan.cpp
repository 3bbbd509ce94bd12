// Discovery of scene folders: the list file is rebuilt from the folders of
// the data directory that hold a scene.xml.
#include <tinyxml2.h>

#include <cstdio>
#include <cstring>

#include "catalogue/scenario.h"
#include "catalogue/xml_file.h"
#include "platform/files.h"
#include "platform/find_file.h"
#include "shell/data_dir.h"

bool Scenario::hasSceneFile(const char* folderPath) {
    const std::string path = std::string(folderPath) + "/scene.xml";
    if (path.size() > catalogue::kMaxFolderPathChars) return false;
    return platform::fileReadable(path);
}

int Scenario::enabledByName(const char* folderName) const {
    for (int i = 0; i < count_; ++i)
        if (std::strcmp(paths_[i].c_str(), folderName) == 0) return enabled_[i];
    return 1;
}

void Scenario::rescan(const char* folderPath) {
    const std::string folder = folderPath;
    const std::string pattern = folder + "/*.*";

    tinyxml2::XMLDocument doc;
    doc.InsertEndChild(doc.NewDeclaration("xml version=\"1.0\""));
    tinyxml2::XMLElement* root = doc.NewElement("SCENARIO");
    doc.InsertEndChild(root);
    tinyxml2::XMLElement* scenes = doc.NewElement("Scenes");
    root->InsertEndChild(scenes);

    WIN32_FIND_DATAA entry;
    HANDLE_FIND find = pattern.size() <= catalogue::kMaxFolderPathChars ? FindFirstFileA(pattern.c_str(), &entry)
                                                                         : INVALID_FIND_HANDLE;
    if (find == INVALID_FIND_HANDLE) {
        std::printf("No files in %s \n", pattern.c_str());
    } else {
        do {
            // Only plain folders: read-only, hidden, linked or any other
            // attribute besides "directory" keeps an entry out.
            if (entry.dwFileAttributes != FILE_ATTRIBUTE_DIRECTORY) continue;
            if (entry.cFileName[0] == '.') continue;
            const std::string sceneFolder = folder + "/" + entry.cFileName;
            if (sceneFolder.size() > catalogue::kMaxFolderPathChars) continue;
            if (!hasSceneFile(sceneFolder.c_str())) continue;
            tinyxml2::XMLElement* scene = doc.NewElement("Scene");
            scene->SetAttribute("path", entry.cFileName);
            scene->SetAttribute("enabled", enabledByName(entry.cFileName) != 0 ? "1" : "0");
            scenes->InsertEndChild(scene);
        } while (FindNextFileA(find, &entry));
        FindClose(find);
        std::printf("\n");
    }
    std::fflush(stdout);

    tinyxml2::XMLPrinter printer;
    doc.Print(&printer);
    // A list that cannot be written leaves the old file; nothing is reported.
    platform::writeFileAtomically(DataDir + "/" + "defaultScenario.xml", printer.CStr());
}
