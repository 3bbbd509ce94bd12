// Feeds arbitrary text to the scene loader as a scene folder's scene.xml,
// with every picture missing, so no GL is needed (any GL call traps). The
// scene loads or fails cleanly, and the dialog's reading of the same file
// agrees with the engine about whether it can be read at all.
#include <string>

#include "catalogue/scenario.h"
#include "memory_files.h"
#include "render/texture.h"
#include "scene/scene.h"

namespace {

const char* const kScenePath = "/fuzz/data/Scene/scene.xml";

int boxesWithText(const char* text) {
    int n = 0;
    for (const std::string& t : fuzzing::boxTexts()) n += t == text;
    return n;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzing::files().clear();
    fuzzing::files()[kScenePath] = std::string(reinterpret_cast<const char*>(data), size);

    fuzzing::resetBoxes();
    SceneInfo info;
    Scenario::readSceneInfo("Scene", info);
    const int infoBoxes = fuzzing::boxCount();
    FUZZ_CHECK(infoBoxes == boxesWithText("Error opening file for reading"));
    FUZZ_CHECK(infoBoxes <= 1);
    if (infoBoxes == 1) FUZZ_CHECK(info.title.empty() && info.description.empty());

    fuzzing::resetBoxes();
    {
        Scene scene("Scene");
        if (infoBoxes == 1) {
            // Unreadable for the dialog, unreadable for the engine.
            FUZZ_CHECK(!scene.loaded() && fuzzing::boxCount() == 1);
            FUZZ_CHECK(boxesWithText("Error opening file for reading") == 1);
        }
        if (scene.loaded()) {
            FUZZ_CHECK(boxesWithText("Error opening file for reading") == 0);
            // Both snowflake pictures report themselves; a background or sun
            // that was named does too.
            FUZZ_CHECK(boxesWithText("Unable to load JPG File!") ==
                       2 + (scene.backgroundTexture() != nullptr));
            FUZZ_CHECK(boxesWithText("Could not open texture file") == (scene.sunTexture() != nullptr));
            FUZZ_CHECK(scene.backgroundSprite() && scene.fadeSprite());
            FUZZ_CHECK((scene.sunSprite() != nullptr) == (scene.sunTexture() != nullptr));
            FUZZ_CHECK(scene.snowflakeTextureCount() == 1 && scene.snowflakeTexture(0)->id == 0);
            FUZZ_CHECK(!scene.backgroundTexture() || scene.backgroundTexture()->id == 0);
            for (int i = 0; i < Scene::kFlakeCount; i += 97)
                FUZZ_CHECK(scene.snowflake(i) && scene.snowflakeSprite(i));
        } else {
            FUZZ_CHECK(!scene.backgroundSprite() && !scene.snowflake(0) && !scene.fade(0));
            scene.update();
        }
    }
    return 0;
}
