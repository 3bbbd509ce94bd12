// The four texts a scene describes itself with in the "Info" element of its
// scene.xml, shown by the scenes page of the configuration dialog. A missing
// text is an empty string.
#pragma once

#include <string>

struct SceneInfo {
    std::string title;
    std::string author;
    std::string url;
    std::string description;
};
