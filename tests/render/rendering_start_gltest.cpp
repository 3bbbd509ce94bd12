#include <GL/glew.h>

#include <string>

#include "catalogue/current_scenario.h"
#include "catalogue/scenario.h"
#include "render/frame.h"
#include "render/picture_files.h"
#include "render/surface.h"
#include "scene/current_scene.h"
#include "scene/scene.h"
#include "settings/options.h"
#include "shell/data_dir.h"
#include "support/gl_test.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

namespace {

const pictures::Rgb kBlue{40, 90, 200};
const pictures::Rgb kGreen{30, 160, 60};

// Two scene folders with solid backgrounds and the snowflake pair, on the
// shared off-screen context (160 x 120, narrower than 1.6 : 1).
class RenderingStartTest : public GlTest {
protected:
    RenderingStartTest() : GlTest(160, 120) {}
    void SetUp() override {
        GlTest::SetUp();
        savedOptions = g_options;
        savedDataDir = DataDir;
        savedAccum = accumBufferUsable;
        DataDir = tmp.path() + "/";
        g_options = Options();
        // The off-screen buffer has no accumulation buffer.
        accumBufferUsable = false;
        tmp.write("_snowflakes/sf4.jpg", pictures::solidJpeg(8, 8, {255, 255, 255}));
        tmp.write("_snowflakes/sf4a.jpg", pictures::greyJpeg(8, 8, 255));
        writeScene("Blue", kBlue);
        writeScene("Green", kGreen);
    }
    void TearDown() override {
        deleteScene(currentScene);
        delete currentScenario;
        currentScenario = nullptr;
        g_options = savedOptions;
        DataDir = savedDataDir;
        accumBufferUsable = savedAccum;
        GlTest::TearDown();
    }
    void writeScene(const std::string& folder, pictures::Rgb colour) {
        tmp.write(folder + "/back.jpg", pictures::solidJpeg(64, 32, colour));
        tmp.write(folder + "/scene.xml", "<Scene><Back file=\"back.jpg\"/></Scene>");
    }
    // Starts rendering and returns what it wrote on standard output.
    std::string start() {
        ::testing::internal::CaptureStdout();
        initRendering();
        return ::testing::internal::GetCapturedStdout();
    }
    static bool endsWith(const std::string& s, const std::string& tail) {
        return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
    }

    TempDir tmp;
    MessageBoxRecorder boxes;
    Options savedOptions;
    std::string savedDataDir;
    bool savedAccum = true;
};

TEST_F(RenderingStartTest, BuildsTheListTheFirstSceneAndTheFixedState) {
    // Start from a state unlike the saver's.
    glDisable(GL_LIGHTING);
    glDisable(GL_LIGHT0);
    glDisable(GL_COLOR_MATERIAL);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    glShadeModel(GL_SMOOTH);
    glBlendFunc(GL_ONE, GL_ZERO);
    glMatrixMode(GL_TEXTURE);

    std::string out = start();

    EXPECT_TRUE(endsWith(out, "Ready for OpenGL 2.0\n")) << out;
    // The list did not exist yet: reported once, then written from the folders.
    ASSERT_EQ(boxes.count(), 1u);
    EXPECT_EQ(boxes.calls()[0].text, "Error opening file for reading");
    ASSERT_NE(currentScenario, nullptr);
    EXPECT_EQ(currentScenario->count(), 2);
    std::string list = readFileOrEmpty(tmp.file("defaultScenario.xml"));
    EXPECT_NE(list.find("path=\"Blue\""), std::string::npos) << list;
    EXPECT_NE(list.find("path=\"Green\""), std::string::npos) << list;
    ASSERT_NE(currentScene, nullptr);
    EXPECT_TRUE(currentScene->loaded());
    EXPECT_TRUE(currentScene->folder() == "Blue" || currentScene->folder() == "Green");

    for (GLenum cap : {GL_LIGHTING, GL_LIGHT0, GL_COLOR_MATERIAL, GL_TEXTURE_2D, GL_BLEND})
        EXPECT_TRUE(glIsEnabled(cap)) << "capability 0x" << std::hex << cap;
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    GLint value = 0;
    glGetIntegerv(GL_SHADE_MODEL, &value);
    EXPECT_EQ(value, GL_FLAT);
    glGetIntegerv(GL_BLEND_SRC, &value);
    EXPECT_EQ(value, GL_SRC_ALPHA);
    glGetIntegerv(GL_BLEND_DST, &value);
    EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
    glGetIntegerv(GL_MATRIX_MODE, &value);
    EXPECT_EQ(value, GL_MODELVIEW);
}

TEST_F(RenderingStartTest, ASecondStartKeepsTheFlagsAndChoosesAfresh) {
    start();
    // The user switches Blue off; the next start rebuilds the list from the
    // folders with that flag and can only choose Green.
    std::string list = readFileOrEmpty(tmp.file("defaultScenario.xml"));
    const std::string blue = "path=\"Blue\" enabled=\"1\"";
    ASSERT_NE(list.find(blue), std::string::npos) << list;
    list.replace(list.find(blue), blue.size(), "path=\"Blue\" enabled=\"0\"");
    tmp.write("defaultScenario.xml", list);
    boxes.clear();

    start();

    EXPECT_EQ(boxes.count(), 0u);
    ASSERT_NE(currentScenario, nullptr);
    ASSERT_EQ(currentScenario->count(), 2);
    EXPECT_EQ(currentScenario->countEnabled(), 1);
    ASSERT_NE(currentScene, nullptr);
    EXPECT_EQ(currentScene->folder(), "Green");
}

TEST_F(RenderingStartTest, FrameShowsTheSceneInsideTheKeptAspect) {
    g_options.KeepAspect_1_6 = 1;
    g_options.changeSkyDuring = 0;  // no fade-in over the first frames
    start();
    resizeViewport(160, 120);  // viewport 160 x 100 at y 10
    GLint depth = 0, depthAfter = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    clearTo(1, 0, 0);

    renderFrame();

    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    EXPECT_EQ(depthAfter, depth);
    capture();
    const pictures::Rgb shown = currentScene->folder() == "Blue" ? kBlue : kGreen;
    const Rgba expected{shown.r, shown.g, shown.b, 255};
    // The bands outside the viewport are cleared black; most of the picture
    // is the background (a few pixels may be flakes).
    for (int x : {5, 80, 155}) {
        EXPECT_TRUE(nearColour(pixel(x, 4), {0, 0, 0, 255}, 2)) << pixel(x, 4);
        EXPECT_TRUE(nearColour(pixel(x, 115), {0, 0, 0, 255}, 2)) << pixel(x, 115);
    }
    int background = 0;
    for (int y = 12; y < 108; y += 8)
        for (int x = 4; x < 160; x += 8) background += nearColour(pixel(x, y), expected, 8);
    EXPECT_GT(background, 12 * 20 * 3 / 4);
}

TEST_F(RenderingStartTest, NoSceneDrawsNothing) {
    start();
    deleteScene(currentScene);
    clearTo(1, 0, 0);
    renderFrame();
    capture();
    EXPECT_TRUE(nearColour(pixel(80, 60), {255, 0, 0, 255}, 2)) << pixel(80, 60);
}

}  // namespace
