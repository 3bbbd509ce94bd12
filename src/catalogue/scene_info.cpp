#include <tinyxml2.h>

#include "catalogue/scenario.h"
#include "catalogue/xml_file.h"
#include "shell/data_dir.h"

void Scenario::readSceneInfo(const char* folderName, SceneInfo& info) {
    info = SceneInfo();
    // A list entry without a folder name has no scene to describe.
    if (!folderName || !*folderName) return;
    const std::string path = DataDir + folderName + "/scene.xml";
    tinyxml2::XMLDocument doc;
    if (path.size() > catalogue::kMaxXmlPathChars || !catalogue::loadXmlFile(path, doc)) {
        catalogue::reportUnreadableFile(path);
        return;
    }
    const tinyxml2::XMLElement* root = doc.FirstChildElement();
    const tinyxml2::XMLElement* e = root ? root->FirstChildElement("Info") : nullptr;
    if (!e) return;
    auto text = [e](const char* name) {
        const char* v = e->Attribute(name);
        return std::string(v ? v : "");
    };
    info.title = text("Title");
    info.author = text("Author");
    info.url = text("Url");
    info.description = text("Description");
}
