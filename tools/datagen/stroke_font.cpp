#include "stroke_font.h"

#include <cmath>
#include <vector>

#include "shapes.h"

namespace paint {

namespace {

struct Glyph {
    float advance;
    std::vector<Segment> segments;
};

constexpr float kPi = 3.14159265f;

// A polyline as segments.
void line(std::vector<Segment>& out, std::initializer_list<std::pair<float, float>> points) {
    const std::pair<float, float>* prev = nullptr;
    for (const auto& p : points) {
        if (prev) out.push_back({prev->first, prev->second, p.first, p.second});
        prev = &p;
    }
}

// An elliptic arc from angle a0 to a1 in degrees; 0 points right and 90
// down (rows grow downwards).
void arc(std::vector<Segment>& out, float cx, float cy, float rx, float ry, float a0, float a1) {
    const int steps = std::max(4, static_cast<int>(std::fabs(a1 - a0) / 10.0f));
    float px = cx + rx * std::cos(a0 * kPi / 180), py = cy + ry * std::sin(a0 * kPi / 180);
    for (int i = 1; i <= steps; ++i) {
        const float a = (a0 + (a1 - a0) * i / steps) * kPi / 180;
        const float x = cx + rx * std::cos(a), y = cy + ry * std::sin(a);
        out.push_back({px, py, x, y});
        px = x;
        py = y;
    }
}

Glyph glyphFor(char c) {
    Glyph g{4.0f, {}};
    auto& s = g.segments;
    switch (c) {
    case 'A': line(s, {{0, 6}, {2, 0}, {4, 6}}); line(s, {{0.7f, 4}, {3.3f, 4}}); break;
    case 'B':
        line(s, {{0, 6}, {0, 0}, {2.3f, 0}}); arc(s, 2.3f, 1.5f, 1.4f, 1.5f, -90, 90);
        line(s, {{2.3f, 3}, {0, 3}, {2.5f, 3}}); arc(s, 2.5f, 4.5f, 1.5f, 1.5f, -90, 90); line(s, {{2.5f, 6}, {0, 6}});
        break;
    case 'C': arc(s, 2.2f, 3, 2.2f, 3, -45, -315); g.advance = 4.0f; break;
    case 'D': line(s, {{1.4f, 0}, {0, 0}, {0, 6}, {1.4f, 6}}); arc(s, 1.4f, 3, 2.6f, 3, 90, -90); break;
    case 'E': line(s, {{3.2f, 0}, {0, 0}, {0, 6}, {3.2f, 6}}); line(s, {{0, 3}, {2.7f, 3}}); g.advance = 3.4f; break;
    case 'F': line(s, {{3.2f, 0}, {0, 0}, {0, 6}}); line(s, {{0, 3}, {2.7f, 3}}); g.advance = 3.3f; break;
    case 'G': arc(s, 2.2f, 3, 2.2f, 3, -45, -320); line(s, {{4.3f, 3.6f}, {4.3f, 5.2f}}); line(s, {{2.6f, 3.6f}, {4.3f, 3.6f}}); g.advance = 4.3f; break;
    case 'H': line(s, {{0, 0}, {0, 6}}); line(s, {{4, 0}, {4, 6}}); line(s, {{0, 3}, {4, 3}}); break;
    case 'I': line(s, {{0, 0}, {0, 6}}); g.advance = 0.2f; break;
    case 'K': line(s, {{0, 0}, {0, 6}}); line(s, {{3.6f, 0}, {0, 3.9f}}); line(s, {{1.3f, 2.6f}, {3.8f, 6}}); g.advance = 3.8f; break;
    case 'L': line(s, {{0, 0}, {0, 6}, {3.1f, 6}}); g.advance = 3.2f; break;
    case 'N': line(s, {{0, 6}, {0, 0}, {4, 6}, {4, 0}}); break;
    case 'O': arc(s, 2.4f, 3, 2.4f, 3, 0, 360); g.advance = 4.8f; break;
    case 'R':
        line(s, {{0, 6}, {0, 0}, {2.3f, 0}}); arc(s, 2.3f, 1.6f, 1.5f, 1.6f, -90, 90); line(s, {{2.3f, 3.2f}, {0, 3.2f}});
        line(s, {{1.9f, 3.2f}, {3.8f, 6}}); g.advance = 3.8f;
        break;
    case 'S': arc(s, 1.9f, 1.5f, 1.8f, 1.5f, -15, -270); arc(s, 1.9f, 4.5f, 1.9f, 1.5f, -90, 165); g.advance = 3.8f; break;
    case 'T': line(s, {{0, 0}, {4, 0}}); line(s, {{2, 0}, {2, 6}}); break;
    case 'U': line(s, {{0, 0}, {0, 4}}); arc(s, 2, 4, 2, 2, 180, 0); line(s, {{4, 4}, {4, 0}}); break;
    case 'V': line(s, {{0, 0}, {2, 6}, {4, 0}}); break;
    case 'W': line(s, {{0, 0}, {1.3f, 6}, {2.7f, 1.2f}, {4.1f, 6}, {5.4f, 0}}); g.advance = 5.4f; break;
    case 'Y': line(s, {{0, 0}, {2, 3}, {4, 0}}); line(s, {{2, 3}, {2, 6}}); break;
    default: g.advance = 2.6f; break;  // a space, or a letter not drawn
    }
    return g;
}

}  // namespace

float textWidth(const std::string& text, const TextStyle& style) {
    const float unit = style.capHeight / 6.0f;
    float width = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        width += glyphFor(text[i]).advance * unit;
        if (i + 1 < text.size()) width += style.tracking * unit;
    }
    return width + style.weight * style.capHeight;
}

void drawText(Image& image, const std::string& text, float x, float y, const TextStyle& style, Rgb colour,
              float opacity) {
    const float unit = style.capHeight / 6.0f;
    const float half = style.weight * style.capHeight * 0.5f;
    float pen = x + half;
    for (char c : text) {
        Glyph g = glyphFor(c);
        for (Segment& s : g.segments) {
            s.ax = pen + s.ax * unit;
            s.bx = pen + s.bx * unit;
            s.ay = y + half + s.ay * unit * (1 - 2 * half / style.capHeight);
            s.by = y + half + s.by * unit * (1 - 2 * half / style.capHeight);
        }
        strokes(image, g.segments, half, colour, opacity);
        pen += (g.advance + style.tracking) * unit;
    }
}

}  // namespace paint
