#include "render/fps_overlay.h"

#include <GL/gl.h>

#include <cstdint>

#include "platform/clock.h"
#include "platform/gl_surface.h"
#include "platform/window.h"
#include "render/fps_meter.h"
#include "render/surface.h"

namespace {

const int kGlyphWidth = 3;
const int kGlyphHeight = 5;
const int kGlyphAdvance = kGlyphWidth + 1;
const int kMarginPx = 6;
const int kPaddingCells = 1;

struct Glyph {
    char c;
    uint8_t rows[kGlyphHeight];  // top row first; bit 2 is the left column
};
const Glyph kFont[] = {
    {'0', {7, 5, 5, 5, 7}}, {'1', {2, 6, 2, 2, 7}}, {'2', {7, 1, 7, 4, 7}}, {'3', {7, 1, 7, 1, 7}},
    {'4', {5, 5, 7, 1, 1}}, {'5', {7, 4, 7, 1, 7}}, {'6', {7, 4, 7, 5, 7}}, {'7', {7, 1, 1, 1, 1}},
    {'8', {7, 5, 7, 5, 7}}, {'9', {7, 5, 7, 1, 7}}, {'.', {0, 0, 0, 0, 2}}, {':', {0, 2, 0, 2, 0}},
    {'-', {0, 0, 7, 0, 0}}, {'F', {7, 4, 7, 4, 4}}, {'P', {7, 5, 7, 4, 4}}, {'S', {3, 4, 2, 1, 6}},
};

const Glyph* glyphFor(char c) {
    for (const Glyph& g : kFont)
        if (g.c == c) return &g;
    return nullptr;  // a blank, like the space
}

// Pixels per cell: readable on a large screen, still small in a preview.
int cellSize(int windowHeight) {
    const int size = windowHeight / 270;
    return size < 1 ? 1 : (size > 6 ? 6 : size);
}

void quad(int x0, int y0, int x1, int y1) {
    glVertex2i(x0, y0);
    glVertex2i(x1, y0);
    glVertex2i(x1, y1);
    glVertex2i(x0, y1);
}

FpsMeter g_meter;

}  // namespace

std::vector<GlyphCell> textCells(const std::string& text) {
    std::vector<GlyphCell> cells;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const Glyph* g = glyphFor(text[i]);
        if (!g) continue;
        for (int row = 0; row < kGlyphHeight; ++row)
            for (int col = 0; col < kGlyphWidth; ++col)
                if (g->rows[row] & (4 >> col))
                    cells.push_back({static_cast<int>(i) * kGlyphAdvance + col, row});
    }
    return cells;
}

int textColumns(const std::string& text) {
    return text.empty() ? 0 : static_cast<int>(text.size()) * kGlyphAdvance - 1;
}

void drawCornerText(const std::string& text, int windowWidth, int windowHeight) {
    if (windowWidth <= 0 || windowHeight <= 0 || text.empty()) return;
    const int cell = cellSize(windowHeight);
    glPushAttrib(GL_ENABLE_BIT | GL_CURRENT_BIT | GL_VIEWPORT_BIT | GL_COLOR_BUFFER_BIT | GL_TRANSFORM_BIT |
                 GL_LIGHTING_BIT);
    glViewport(0, 0, windowWidth, windowHeight);
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    // Pixels, y from the top of the window down.
    glOrtho(0, windowWidth, windowHeight, 0, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);

    const int left = kMarginPx, top = kMarginPx;
    glBegin(GL_QUADS);
    glColor4f(0.0f, 0.0f, 0.0f, 0.6f);
    quad(left, top, left + (textColumns(text) + 2 * kPaddingCells) * cell,
         top + (kGlyphHeight + 2 * kPaddingCells) * cell);
    glColor4f(1.0f, 1.0f, 0.6f, 1.0f);
    for (const GlyphCell& c : textCells(text)) {
        const int x = left + (kPaddingCells + c.column) * cell;
        const int y = top + (kPaddingCells + c.row) * cell;
        quad(x, y, x + cell, y + cell);
    }
    glEnd();

    glPopMatrix();
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glPopAttrib();
}

void drawFpsOverlay() {
    g_meter.frameAt(platform::clockMillis());
    RECT client = {0, 0, 0, 0};
    if (!GetClientRect(WindowFromDC(renderDC), &client)) return;
    drawCornerText(g_meter.text(), client.right, client.bottom);
}
