// Many sprites drawn with one vertex-array call per run of sprites that share
// a texture, instead of one begin/end pair each. The picture is the same as
// drawing them one by one with Sprite::draw: the same order, colours,
// textures, texture coordinates and vertex order per quad.
#pragma once

#include <vector>

class Sprite;

class SpriteBatch {
public:
    // Room for this many sprites is made once; drawing more grows it.
    explicit SpriteBatch(int capacity = 0);

    // Draws sprites[0..count) in order with the current blending. Leaves the
    // GL as Sprite::draw of the last sprite does: its colour current and its
    // texture (or texture 0) bound; no client array stays enabled.
    void draw(const Sprite* const* sprites, int count);

private:
    // One vertex as the arrays hold it: texture coordinate, colour, position.
    struct Vertex {
        float s, t;
        float r, g, b, a;
        float x, y, z;
    };
    void drawRun(const Vertex* first, int quads, const Sprite& sprite);

    std::vector<Vertex> vertices_;
};

// The reference the batch is measured and checked against: Sprite::draw of
// each sprite in order.
void drawSpritesOneByOne(const Sprite* const* sprites, int count);
