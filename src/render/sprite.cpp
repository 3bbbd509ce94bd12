#include "render/sprite.h"

#include <GL/gl.h>

#include "render/texture.h"

void Sprite::set(Texture* tex, float newX, float newY, float newZ, float newWidth,
                 float newHeight) {
    texture = tex;
    x = newX;
    y = newY;
    z = newZ;
    width = newWidth;
    height = newHeight;
}

void Sprite::setPosition(float newX, float newY, float newZ) {
    x = newX;
    y = newY;
    z = newZ;
}

void Sprite::draw() const {
    const float halfWidth = width * 0.5f;
    const float halfHeight = height * 0.5f;
    glColor4f(red, green, blue, alpha);
    if (texture)
        texture->bind();
    else
        glBindTexture(GL_TEXTURE_2D, 0);  // no image: the plain colour shows
    // Counter-clockwise from the bottom right; t = 0 is the bottom edge, where
    // the readers put a picture's bottom row.
    glBegin(GL_QUADS);
    glTexCoord2f(1, 0);
    glVertex3f(x + halfWidth, y - halfHeight, z);
    glTexCoord2f(1, 1);
    glVertex3f(x + halfWidth, y + halfHeight, z);
    glTexCoord2f(0, 1);
    glVertex3f(x - halfWidth, y + halfHeight, z);
    glTexCoord2f(0, 0);
    glVertex3f(x - halfWidth, y - halfHeight, z);
    glEnd();
}
