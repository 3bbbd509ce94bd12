// The batched flake drawing must give exactly the picture that drawing every
// sprite with its own quad gives: both are read back and compared byte for
// byte.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gl_scene_fixture.h"
#include "platform/random.h"
#include "render/texture.h"
#include "scene/sprite_batch.h"

namespace {

// Pixels that differ between two read-backs of the same size.
int differingPixels(const std::vector<unsigned char>& a, const std::vector<unsigned char>& b) {
    if (a.size() != b.size()) return -1;
    int n = 0;
    for (std::size_t i = 0; i < a.size(); i += 4)
        if (a[i] != b[i] || a[i + 1] != b[i + 1] || a[i + 2] != b[i + 2] || a[i + 3] != b[i + 3]) ++n;
    return n;
}

int litPixels(const std::vector<unsigned char>& frame) {
    int n = 0;
    for (std::size_t i = 0; i < frame.size(); i += 4)
        if (frame[i] + frame[i + 1] + frame[i + 2] > 0) ++n;
    return n;
}

// A texture whose four corners differ in colour and alpha, sampled without
// filtering, so a swapped texture coordinate or corner shows.
GLuint cornerTexture(unsigned char base) {
    const unsigned char texels[] = {
        255, base, 0, 255,   0, 255, base, 128,  // bottom row
        base, 0, 255, 64,    255, 255, 255, 200,  // top row
    };
    GLuint id = 0;
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return id;
}

class SpriteBatchDraw : public GlTest {
protected:
    SpriteBatchDraw() : GlTest(96, 64) {}
    void SetUp() override {
        GlTest::SetUp();
        a_.id = cornerTexture(40);
        b_.id = cornerTexture(200);
    }
    void TearDown() override {
        a_.destroy();
        b_.destroy();
        GlTest::TearDown();
    }
    std::vector<unsigned char> drawn(const std::vector<const Sprite*>& sprites, bool batched) {
        clearTo(0, 0, 0);
        if (batched)
            batch_.draw(sprites.data(), static_cast<int>(sprites.size()));
        else
            drawSpritesOneByOne(sprites.data(), static_cast<int>(sprites.size()));
        capture();
        return frame_;
    }
    Texture a_, b_;
    SpriteBatch batch_;
};

Sprite makeSprite(Texture* t, float x, float y, float w, float h, float r, float g, float b, float alpha) {
    Sprite s;
    s.set(t, x, y, 0, w, h);
    s.red = r;
    s.green = g;
    s.blue = b;
    s.alpha = alpha;
    return s;
}

}  // namespace

TEST_F(SpriteBatchDraw, SamePixelsAsOneQuadEach) {
    // Overlapping translucent quads of both textures and none, at fractional
    // positions, in runs of one texture and in alternation.
    const std::vector<Sprite> pool = {
        makeSprite(&a_, 20.5f, 30.25f, 30, 40, 1, 1, 1, 1),
        makeSprite(&a_, 35.75f, 25, 24, 18, 0.6f, 0.9f, 0.3f, 0.7f),
        makeSprite(nullptr, 50, 32, 16, 50, 0.2f, 0.4f, 1, 0.5f),
        makeSprite(&b_, 60.1f, 20.9f, 40, 22, 1, 0.5f, 0.5f, 0.8f),
        makeSprite(&a_, 70, 45, 28, 28, 1, 1, 1, 0.35f),
        makeSprite(&b_, 12, 10, 9, 7, 0.9f, 0.1f, 0.7f, 1),
    };
    struct Case {
        const char* name;
        std::vector<int> order;
    };
    const Case cases[] = {
        {"one sprite", {0}},
        {"one texture run", {0, 1, 4}},
        {"alternating textures and none", {0, 2, 3, 1, 5, 4}},
        {"every texture change", {3, 0, 5, 1, 2, 4, 3}},
    };
    for (const Case& c : cases) {
        std::vector<const Sprite*> sprites;
        for (int i : c.order) sprites.push_back(&pool[i]);
        const std::vector<unsigned char> reference = drawn(sprites, false);
        const std::vector<unsigned char> batched = drawn(sprites, true);
        EXPECT_GT(litPixels(reference), 100) << c.name;
        EXPECT_EQ(differingPixels(reference, batched), 0) << c.name;
    }
}

TEST_F(SpriteBatchDraw, LeavesTheStateOfTheLastSpriteDrawnAlone) {
    const Sprite first = makeSprite(&a_, 30, 30, 10, 10, 1, 1, 1, 1);
    const Sprite last = makeSprite(&b_, 50, 30, 10, 10, 0.25f, 0.5f, 0.75f, 0.125f);
    const Sprite untextured = makeSprite(nullptr, 50, 30, 10, 10, 1, 0, 0, 1);
    struct Case {
        std::vector<const Sprite*> sprites;
        GLint texture;
        const Sprite* colour;
    };
    const Case cases[] = {
        {{&first, &last}, static_cast<GLint>(b_.id), &last},
        {{&last, &untextured}, 0, &untextured},
    };
    for (const Case& c : cases) {
        batch_.draw(c.sprites.data(), static_cast<int>(c.sprites.size()));
        GLfloat colour[4];
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_FLOAT_EQ(colour[0], c.colour->red);
        EXPECT_FLOAT_EQ(colour[1], c.colour->green);
        EXPECT_FLOAT_EQ(colour[2], c.colour->blue);
        EXPECT_FLOAT_EQ(colour[3], c.colour->alpha);
        GLint bound = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        EXPECT_EQ(bound, c.texture);
        for (GLenum array : {GL_VERTEX_ARRAY, GL_TEXTURE_COORD_ARRAY, GL_COLOR_ARRAY})
            EXPECT_FALSE(glIsEnabled(array)) << array;
    }
}

class SceneBatchDraw : public GlSceneTest {};

TEST_F(SceneBatchDraw, SceneFramesMatchTheOneByOneDrawing) {
    // Flake pictures with structure in colour and alpha, so that every
    // texture coordinate matters; a sun; wind, so flakes respawn upwind.
    tmp.write("_snowflakes/sf4.jpg", pictures::colourJpeg(16, 16, [](int x, int y) {
                  return pictures::Rgb{static_cast<unsigned char>(x * 16), 255, static_cast<unsigned char>(y * 16)};
              }));
    tmp.write("_snowflakes/sf4a.jpg", pictures::colourJpeg(16, 16, [](int x, int y) {
                  const unsigned char g = static_cast<unsigned char>((x + y) * 8);
                  return pictures::Rgb{g, g, g};
              }));
    writePictureScene("s", true);
    g_options.xSpeed = 80;
    platform::seedRandom(77);
    Scene scene("s");
    ASSERT_TRUE(scene.loaded());
    ASSERT_NE(scene.sunSprite(), nullptr);

    auto frame = [&](bool batched) {
        clear();
        if (batched)
            scene.draw();
        else
            scene.drawSnowflakesOneByOne();
        capture();
        return frame_;
    };
    for (int step = 0; step < 3; ++step) {
        scene.update();
        EXPECT_EQ(differingPixels(frame(false), frame(true)), 0) << "frame " << step;
    }
    // Large flakes show every texel of the flake picture.
    for (int i = 0; i < Scene::kFlakeCount; ++i) {
        Sprite* s = scene.snowflake(i)->sprite;
        s->width = 9;
        s->height = 6;
    }
    const std::vector<unsigned char> reference = frame(false);
    const std::vector<unsigned char> batched = frame(true);
    const Rgba back = backgroundColour(scene);
    frame_ = reference;
    EXPECT_GT(countPixels([&](const Rgba& p) { return !nearColour(p, back, 8); }), kWidth * kHeight / 20);
    EXPECT_EQ(differingPixels(reference, batched), 0);
}
