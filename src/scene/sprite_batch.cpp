#include "scene/sprite_batch.h"

#include <GL/gl.h>

#include <cstddef>

#include "render/sprite.h"
#include "render/texture.h"

SpriteBatch::SpriteBatch(int capacity) {
    if (capacity > 0) vertices_.resize(static_cast<std::size_t>(capacity) * 4);
}

void SpriteBatch::draw(const Sprite* const* sprites, int count) {
    if (count <= 0) return;
    if (vertices_.size() < static_cast<std::size_t>(count) * 4)
        vertices_.resize(static_cast<std::size_t>(count) * 4);

    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    Vertex* v = vertices_.data();
    Vertex* runStart = v;
    for (int i = 0; i < count; ++i) {
        const Sprite& sp = *sprites[i];
        // The same arithmetic as Sprite::draw, so the corners are the same
        // floats bit for bit.
        const float halfWidth = sp.width * 0.5f;
        const float halfHeight = sp.height * 0.5f;
        const float left = sp.x - halfWidth, right = sp.x + halfWidth;
        const float bottom = sp.y - halfHeight, top = sp.y + halfHeight;
        v[0] = {1, 0, sp.red, sp.green, sp.blue, sp.alpha, right, bottom, sp.z};
        v[1] = {1, 1, sp.red, sp.green, sp.blue, sp.alpha, right, top, sp.z};
        v[2] = {0, 1, sp.red, sp.green, sp.blue, sp.alpha, left, top, sp.z};
        v[3] = {0, 0, sp.red, sp.green, sp.blue, sp.alpha, left, bottom, sp.z};
        v += 4;
        const bool runEnds = i + 1 == count || sprites[i + 1]->texture != sp.texture;
        if (runEnds) {
            drawRun(runStart, static_cast<int>((v - runStart) / 4), sp);
            runStart = v;
        }
    }
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    // The colour array leaves the current colour undefined; put back what
    // drawing the last sprite alone would have left.
    const Sprite& last = *sprites[count - 1];
    glColor4f(last.red, last.green, last.blue, last.alpha);
}

void SpriteBatch::drawRun(const Vertex* first, int quads, const Sprite& sprite) {
    if (sprite.texture)
        sprite.texture->bind();
    else
        glBindTexture(GL_TEXTURE_2D, 0);
    const GLsizei stride = sizeof(Vertex);
    glTexCoordPointer(2, GL_FLOAT, stride, &first->s);
    glColorPointer(4, GL_FLOAT, stride, &first->r);
    glVertexPointer(3, GL_FLOAT, stride, &first->x);
    glDrawArrays(GL_QUADS, 0, quads * 4);
}

void drawSpritesOneByOne(const Sprite* const* sprites, int count) {
    for (int i = 0; i < count; ++i) sprites[i]->draw();
}
