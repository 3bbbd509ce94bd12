#include "render/texture.h"

#include <functional>

#include "render/picture_files.h"
#include "render/sprite.h"
#include "support/gl_test.h"
#include "support/message_box_recorder.h"
#include "support/temp_dir.h"

using pictures::Rgb;

namespace {

// A picture in four quarters, as a user would look at it.
const Rgb kBottomLeft{255, 0, 0}, kBottomRight{0, 255, 0}, kTopLeft{0, 0, 255},
    kTopRight{255, 255, 255};

Rgb quarterAt(int x, int y, int width, int height) {  // y counted from the bottom
    bool top = y >= height / 2, right = x >= width / 2;
    return top ? (right ? kTopRight : kTopLeft) : (right ? kBottomRight : kBottomLeft);
}

std::string quarterJpeg(int width, int height) {
    return pictures::colourJpeg(width, height, [=](int x, int yFromTop) {
        return quarterAt(x, height - 1 - yFromTop, width, height);
    });
}

// TGA rows are stored bottom row first; type 10 as one raw packet per pixel.
std::string quarterTga(int type, int width, int height, int depth) {
    std::string file = pictures::tgaHeader(type, width, height, depth);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            Rgb c = quarterAt(x, y, width, height);
            if (type == 10) file += '\0';
            file += pictures::bytes({c.b, c.g, c.r});
            if (depth == 32) file += '\xff';
        }
    return file;
}

class TextureDraw : public GlTest {
protected:
    // Draws the texture over the whole buffer with a white sprite.
    void drawFullScreen(Texture* texture) {
        Sprite sprite;
        sprite.set(texture, width_ / 2.0f, height_ / 2.0f, 0, static_cast<float>(width_),
                   static_cast<float>(height_));
        sprite.draw();
        capture();
    }
    TempDir dir_;
    MessageBoxRecorder boxes_;
};

struct CreatorCase {
    const char* name;
    std::function<void(Texture&, const TempDir&)> create;
    int tolerance;
};

class TextureAppearance : public TextureDraw, public ::testing::WithParamInterface<CreatorCase> {};

TEST_P(TextureAppearance, ShowsThePictureUprightAndUnmirrored) {
    // Another upload may have left the GL's default row padding in force.
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    Texture texture;
    GetParam().create(texture, dir_);
    ASSERT_NE(texture.id, 0u);
    EXPECT_EQ(boxes_.count(), 0u);
    drawFullScreen(&texture);
    struct Probe {
        int x, y;
        Rgb colour;
    };
    for (const Probe& p : {Probe{16, 8, kBottomLeft}, Probe{48, 8, kBottomRight},
                           Probe{16, 24, kTopLeft}, Probe{48, 24, kTopRight}}) {
        EXPECT_TRUE(nearColour(pixel(p.x, p.y), {p.colour.r, p.colour.g, p.colour.b, 255},
                               GetParam().tolerance))
            << "at (" << p.x << ", " << p.y << "): " << pixel(p.x, p.y);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Creators, TextureAppearance,
    ::testing::Values(
        // Rows of 6 x 3 bytes are not a multiple of 4.
        CreatorCase{"UncompressedTga24",
                    [](Texture& t, const TempDir& d) {
                        t.createFromTga(d.write("s.tga", quarterTga(2, 6, 6, 24)).c_str());
                    },
                    0},
        CreatorCase{"RunLengthTga32",
                    [](Texture& t, const TempDir& d) {
                        t.createFromTga(d.write("s.tga", quarterTga(10, 6, 6, 32)).c_str());
                    },
                    0},
        CreatorCase{"MipmappedJpeg",
                    [](Texture& t, const TempDir& d) {
                        t.createFromJpeg(d.write("b.jpg", quarterJpeg(50, 30)).c_str());
                    },
                    12},
        CreatorCase{"JpegPair",
                    [](Texture& t, const TempDir& d) {
                        t.createFromJpegPair(
                            d.write("c.jpg", quarterJpeg(30, 30)).c_str(),
                            d.write("a.jpg", pictures::greyJpeg(30, 30, 255)).c_str());
                    },
                    12}),
    [](const auto& info) { return std::string(info.param.name); });

GLint levelZero(GLenum what) {
    GLint value = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, what, &value);
    return value;
}

bool powerOfTwo(GLint v) { return v > 0 && (v & (v - 1)) == 0; }

TEST_F(TextureDraw, BackgroundIsScaledByGluWhileThePairKeepsItsSize) {
    std::string background = dir_.write("b.jpg", quarterJpeg(1000, 500));
    Texture scaled;
    scaled.createFromJpeg(background.c_str());
    ASSERT_NE(scaled.id, 0u);
    scaled.bind();
    EXPECT_TRUE(powerOfTwo(levelZero(GL_TEXTURE_WIDTH))) << levelZero(GL_TEXTURE_WIDTH);
    EXPECT_TRUE(powerOfTwo(levelZero(GL_TEXTURE_HEIGHT))) << levelZero(GL_TEXTURE_HEIGHT);

    Texture pair;
    pair.createFromJpegPair(background.c_str(), background.c_str());
    ASSERT_NE(pair.id, 0u);
    pair.bind();
    EXPECT_EQ(levelZero(GL_TEXTURE_WIDTH), 1000);
    EXPECT_EQ(levelZero(GL_TEXTURE_HEIGHT), 500);
    EXPECT_EQ(boxes_.count(), 0u);
}

struct AlphaCase {
    Rgb alphaPicture;
    int alpha;
};

class PairAlpha : public TextureDraw, public ::testing::WithParamInterface<AlphaCase> {};

TEST_P(PairAlpha, IsTheMeanOfTheSecondPictureWithTheFractionDropped) {
    // Stored without colour transform, solid pictures decode exactly.
    std::string alphaFile =
        dir_.write("a.jpg", pictures::solidJpeg(8, 8, GetParam().alphaPicture, JCS_RGB));
    Texture texture;
    texture.createFromJpegPair(
        dir_.write("c.jpg", pictures::solidJpeg(8, 8, {10, 20, 30}, JCS_RGB)).c_str(),
        alphaFile.c_str());
    ASSERT_NE(texture.id, 0u);
    std::vector<unsigned char> texels(8 * 8 * 4);
    texture.bind();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels[0], 10);
    EXPECT_EQ(texels[1], 20);
    EXPECT_EQ(texels[2], 30);
    EXPECT_EQ(texels[3], GetParam().alpha);
}

INSTANTIATE_TEST_SUITE_P(Pictures, PairAlpha,
                         ::testing::Values(AlphaCase{{30, 60, 91}, 60},
                                           AlphaCase{{255, 255, 254}, 254},
                                           AlphaCase{{0, 0, 0}, 0}));

TEST_F(TextureDraw, PairAlphaLetsTheBackgroundThrough) {
    Texture flake;
    flake.createFromJpegPair(
        dir_.write("c.jpg", pictures::solidJpeg(16, 16, {255, 255, 255})).c_str(),
        dir_.write("a.jpg", pictures::colourJpeg(16, 16, [](int x, int) {
                       return x < 8 ? Rgb{255, 255, 255} : Rgb{0, 0, 0};
                   })).c_str());
    ASSERT_NE(flake.id, 0u);
    clearTo(0, 0, 1);
    drawFullScreen(&flake);
    EXPECT_TRUE(nearColour(pixel(8, 16), {255, 255, 255, 0}, 8)) << pixel(8, 16);
    EXPECT_TRUE(nearColour(pixel(56, 16), {0, 0, 255, 0}, 8)) << pixel(56, 16);
}

TEST_F(TextureDraw, PairOfDifferentSizesMakesNoTextureAndNoMessage) {
    Texture texture;
    texture.createFromJpegPair(
        dir_.write("c.jpg", pictures::solidJpeg(64, 64, {1, 2, 3})).c_str(),
        dir_.write("a.jpg", pictures::solidJpeg(64, 32, {1, 2, 3})).c_str());
    EXPECT_EQ(texture.id, 0u);
    EXPECT_EQ(boxes_.count(), 0u);
}

TEST_F(TextureDraw, PairReadsBothPicturesEvenWhenTheFirstIsMissing) {
    Texture texture;
    texture.createFromJpegPair(dir_.file("c.jpg").c_str(), dir_.file("a.jpg").c_str());
    EXPECT_EQ(texture.id, 0u);
    EXPECT_EQ(boxes_.summary(),
              (std::vector<std::string>{dir_.file("c.jpg") + "|Unable to load JPG File!",
                                        dir_.file("a.jpg") + "|Unable to load JPG File!"}));
}

TEST_F(TextureDraw, FailedOrMissingTextureDrawsAPlainQuad) {
    Texture good;
    good.createFromTga(dir_.write("s.tga", quarterTga(2, 6, 6, 24)).c_str());
    Texture failed;
    failed.createFromTga(dir_.file("missing.tga").c_str());
    EXPECT_EQ(failed.id, 0u);
    EXPECT_EQ(boxes_.count(), 1u);
    for (Texture* texture : {&failed, static_cast<Texture*>(nullptr)}) {
        drawFullScreen(&good);  // leaves the good texture bound
        Sprite sprite;
        sprite.set(texture, 32, 16, 0, 64, 32);
        sprite.red = sprite.blue = 0;
        sprite.draw();
        capture();
        for (int x : {4, 60})
            for (int y : {4, 28})
                EXPECT_EQ(pixel(x, y), (Rgba{0, 255, 0, 255}))
                    << (texture ? "failed" : "no") << " texture at " << x << "," << y;
    }
}

TEST_F(TextureDraw, DestroyReleasesTheName) {
    Texture texture;
    texture.createFromTga(dir_.write("s.tga", quarterTga(10, 6, 6, 24)).c_str());
    GLuint name = texture.id;
    ASSERT_TRUE(glIsTexture(name));
    texture.destroy();
    EXPECT_EQ(texture.id, 0u);
    EXPECT_FALSE(glIsTexture(name));
    texture.destroy();  // a second destroy is harmless
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TextureDraw, SphereMapSwitchesOnCoordinateGenerationForJpegsOnly) {
    Texture tga;
    tga.sphereMap = true;
    tga.createFromTga(dir_.write("s.tga", quarterTga(2, 6, 6, 24)).c_str());
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_GEN_S));

    Texture jpeg;
    jpeg.sphereMap = true;
    jpeg.createFromJpeg(dir_.write("b.jpg", quarterJpeg(16, 16)).c_str());
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_S));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_GEN_T));
    GLint mode = 0;
    glGetTexGeniv(GL_S, GL_TEXTURE_GEN_MODE, &mode);
    EXPECT_EQ(mode, GL_SPHERE_MAP);
}

}  // namespace
