// A small stroke font of capital letters, drawn as anti-aliased round-ended
// strokes, for the names painted into the dialog pictures. Glyphs are
// designed on a grid six units tall.
#pragma once

#include <string>

#include "image.h"

namespace paint {

struct TextStyle {
    float capHeight = 20.0f;  // pixels
    float weight = 0.16f;     // stroke width relative to the cap height
    float tracking = 1.3f;    // extra space between letters, in grid units
};

// Width in pixels of the text as drawText would paint it.
float textWidth(const std::string& text, const TextStyle& style);

// Paints the text with its top-left corner at (x, y). Letters the font
// does not have are left as blanks of their width.
void drawText(Image& image, const std::string& text, float x, float y, const TextStyle& style, Rgb colour,
              float opacity = 1.0f);

}  // namespace paint
