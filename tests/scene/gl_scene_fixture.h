// The saver's camera on the shared off-screen context, and a data directory
// with small generated pictures, for the scene tests that draw.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "render/picture_files.h"
#include "render/sprite.h"
#include "scene/scene.h"
#include "scene/snowflake.h"
#include "settings/options.h"
#include "shell/data_dir.h"
#include "support/gl_test.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

class GlSceneTest : public GlTest {
protected:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 400;
    static constexpr pictures::Rgb kBackground{40, 90, 200};

    GlSceneTest() : GlTest(kWidth, kHeight) {}

    void SetUp() override {
        GlTest::SetUp();
        savedOptions_ = g_options;
        savedDataDir_ = DataDir;
        DataDir = tmp.path() + "/";
        // The saver's camera: 100 degrees, near plane 0, the eye at z 100.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(100.0, static_cast<double>(kWidth) / kHeight, 0.0, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0, 0, 100, 0, 0, 0, 0, 1, 0);

        // White flakes, fully opaque where their alpha picture is white.
        tmp.write("_snowflakes/sf4.jpg", pictures::solidJpeg(8, 8, {255, 255, 255}));
        tmp.write("_snowflakes/sf4a.jpg", pictures::greyJpeg(8, 8, 255));
    }
    void TearDown() override {
        g_options = savedOptions_;
        DataDir = savedDataDir_;
        GlTest::TearDown();
    }

    // A scene folder with a solid background picture and, when asked, a
    // solid red sun.
    void writePictureScene(const std::string& folder, bool sun) {
        tmp.write(folder + "/back.jpg", pictures::solidJpeg(64, 32, kBackground));
        std::string xml = "<Scene><Back file=\"back.jpg\"/>";
        if (sun) {
            std::string tga = pictures::tgaHeader(2, 4, 4, 32, 8);
            for (int i = 0; i < 16; ++i) tga += pictures::bytes({0, 0, 255, 255});  // B, G, R, A
            tmp.write(folder + "/sun.tga", tga);
            xml += "<Sun file=\"sun.tga\"/>";
        }
        tmp.write(folder + "/scene.xml", xml + "</Scene>");
    }

    void clear() { clearTo(0, 0, 0); }

    // The colour the background picture shows in the saver's fixed state:
    // the background sprite drawn alone, read at the centre.
    Rgba backgroundColour(const Scene& scene) {
        clear();
        glDisable(GL_BLEND);
        scene.backgroundSprite()->draw();
        capture();
        return pixel(kWidth / 2, kHeight / 2);
    }

    // Parks every flake far outside the view, still, to look at the rest.
    static void clearSnow(Scene& scene) {
        for (int i = 0; i < Scene::kFlakeCount; ++i) {
            Snowflake& f = *scene.snowflake(i);
            f.init(f.sprite, 5000, 0, 25, 0, 0, 0);
        }
        scene.update();
    }

    template <typename Pred>
    int countPixels(Pred pred) const {
        int n = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (pred(pixel(x, y))) ++n;
        return n;
    }

    TempDir tmp;
    MessageBoxRecorder boxes;

private:
    Options savedOptions_;
    std::string savedDataDir_;
};

inline Rgba scaled(const Rgba& c, double f) {
    return {static_cast<int>(c.r * f + 0.5), static_cast<int>(c.g * f + 0.5), static_cast<int>(c.b * f + 0.5), c.a};
}
