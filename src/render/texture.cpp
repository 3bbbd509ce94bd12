#include "render/texture.h"

#include <GL/glu.h>

#include <cstddef>
#include <vector>

#include "render/jpeg_reader.h"
#include "render/tga_reader.h"

namespace {

// Rows of 24-bit pictures are tightly packed; an upload must never assume
// the GL's default padding of rows to 4 bytes.
void prepareUpload() { glPixelStorei(GL_UNPACK_ALIGNMENT, 1); }

void useLinearFilters() {
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
}

void enableSphereMapping() {
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
}

}  // namespace

void Texture::createFromJpeg(const char* path) {
    std::unique_ptr<JpegImage> image = loadJpegImage(path);
    if (!image) return;
    prepareUpload();
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    // GLU scales sides that are not powers of two and builds the mipmaps.
    gluBuild2DMipmaps(GL_TEXTURE_2D, 4, image->width, image->height, GL_RGB, GL_UNSIGNED_BYTE,
                      image->pixels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    if (sphereMap) enableSphereMapping();
}

void Texture::createFromJpegPair(const char* colourPath, const char* alphaPath) {
    // Both are read, so that each missing picture reports itself.
    std::unique_ptr<JpegImage> colour = loadJpegImage(colourPath);
    std::unique_ptr<JpegImage> alpha = loadJpegImage(alphaPath);
    if (!colour || !alpha || colour->width != alpha->width || colour->height != alpha->height)
        return;

    const std::size_t count = static_cast<std::size_t>(colour->width) * colour->height;
    std::vector<unsigned char> rgba(count * 4);
    const unsigned char* c = colour->pixels.data();
    const unsigned char* a = alpha->pixels.data();
    for (std::size_t i = 0; i < count; ++i) {
        rgba[4 * i] = c[3 * i];
        rgba[4 * i + 1] = c[3 * i + 1];
        rgba[4 * i + 2] = c[3 * i + 2];
        rgba[4 * i + 3] = static_cast<unsigned char>((a[3 * i] + a[3 * i + 1] + a[3 * i + 2]) / 3);
    }
    prepareUpload();
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, colour->width, colour->height, 0, GL_RGBA, GL_UNSIGNED_BYTE,
                 rgba.data());
    useLinearFilters();
    if (sphereMap) enableSphereMapping();
}

void Texture::createFromTga(const char* path) {
    TgaImage image;
    if (!loadTgaImage(image, path)) return;
    prepareUpload();
    glGenTextures(1, &id);
    glBindTexture(GL_TEXTURE_2D, id);
    glTexImage2D(GL_TEXTURE_2D, 0, 4, static_cast<GLsizei>(image.width),
                 static_cast<GLsizei>(image.height), 0, image.format, GL_UNSIGNED_BYTE,
                 image.pixels.data());
    useLinearFilters();
}

void Texture::bind() const { glBindTexture(GL_TEXTURE_2D, id); }

void Texture::destroy() {
    if (id != 0) glDeleteTextures(1, &id);
    id = 0;  // a second destroy, or a later bind, must not touch a reused name
}
