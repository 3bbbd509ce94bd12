// An off-screen frame with the saver's camera, and a data directory with
// small generated pictures, for the scene tests that draw.
#pragma once

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gl_offscreen.h"
#include "render/picture_files.h"
#include "settings/options.h"
#include "support/data_dir_test.h"

struct Pixel {
    int r, g, b;
};

class GlSceneTest : public DataDirTest {
protected:
    static constexpr int kWidth = 640;
    static constexpr int kHeight = 400;
    static constexpr pictures::Rgb kBackground{40, 90, 200};

    void SetUp() override {
        DataDirTest::SetUp();
        savedOptions_ = g_options;
        ASSERT_TRUE(gl.ok()) << gl.error();
        ASSERT_TRUE(gl.makeCurrent());
        // The fixed state and camera frames are drawn with: textures on, no
        // lighting or depth test, 100 degrees, the eye at z 100.
        glEnable(GL_TEXTURE_2D);
        glDisable(GL_LIGHTING);
        glDisable(GL_DEPTH_TEST);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        glViewport(0, 0, kWidth, kHeight);
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
        DataDirTest::TearDown();
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
        writeScene(folder, xml + "</Scene>");
    }

    void clear() {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    void readBack() { pixels_ = gl.readPixels(); }
    // (x, y) with y counted from the bottom.
    Pixel at(int x, int y) const {
        const std::size_t i = (static_cast<std::size_t>(y) * kWidth + x) * 4;
        return {pixels_[i], pixels_[i + 1], pixels_[i + 2]};
    }
    template <typename Pred>
    int countPixels(Pred pred) const {
        int n = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = 0; x < kWidth; ++x)
                if (pred(at(x, y))) ++n;
        return n;
    }

    platform::OffscreenGl gl{kWidth, kHeight};

private:
    Options savedOptions_;
    std::vector<unsigned char> pixels_;
};

inline bool near(const Pixel& p, int r, int g, int b, int tolerance = 6) {
    return std::abs(p.r - r) <= tolerance && std::abs(p.g - g) <= tolerance && std::abs(p.b - b) <= tolerance;
}
