// One OpenGL 2D texture with its three creators: a mipmapped JPEG, a JPEG
// colour picture paired with a JPEG whose grey level is the alpha, and a
// 24- or 32-bit TGA. A creator that fails leaves id 0, which binds texture 0,
// so whatever uses the texture draws as a plain coloured quad.
#pragma once

#include <GL/gl.h>

class Texture {
public:
    GLuint id = 0;
    bool sphereMap = false;

    void createFromJpeg(const char* path);
    void createFromJpegPair(const char* colourPath, const char* alphaPath);
    void createFromTga(const char* path);
    void bind() const;
    void destroy();
};
