// The frame rate shown in the top left corner of a hack run, drawn with GL
// from a tiny built-in bitmap font (digits, "FPS", ".", ":", "-"), so no
// font file or font server is needed.
#pragma once

#include <string>
#include <vector>

// One lit cell of the font: the column from the left of the text and the
// row from its top. A glyph is 3 cells wide and 5 high, one column apart.
struct GlyphCell {
    int column;
    int row;
};
std::vector<GlyphCell> textCells(const std::string& text);
// Columns the text takes, the gaps between glyphs included.
int textColumns(const std::string& text);

// Draws text over a dark backdrop in the top left corner of a window of
// that size, each cell a square of a few pixels, and leaves the GL state
// (viewport, matrices, enables, colour) as it found it.
void drawCornerText(const std::string& text, int windowWidth, int windowHeight);

// For setFrameOverlay: counts the frame and shows the rate on the window
// frames are presented on.
void drawFpsOverlay();
