// The configuration dialog's pictures, in the style of the scenes: the
// banner across the top with the product name, the About page's tall side
// picture, and the banner of the sibling savers Brightwater and Skyloft.
#include <cmath>

#include "landscape.h"
#include "noise.h"
#include "pictures.h"
#include "shapes.h"
#include "stroke_font.h"

namespace paint {

namespace {

// Text with a soft dark shadow under it, readable on any sky.
void titledText(Image& image, const std::string& text, float x, float y, const TextStyle& style, Rgb colour,
                Rgb shadow) {
    drawText(image, text, x + 1.2f, y + 1.6f, style, shadow, 0.55f);
    drawText(image, text, x, y, style, colour, 1.0f);
}

}  // namespace

Image paintBanner() {
    const int w = 684, h = 66;
    Image image(w, h);
    image.fillVertical({{0.0f, rgb255(8, 14, 40)}, {0.6f, rgb255(28, 46, 88)}, {1.0f, rgb255(60, 86, 128)}});
    stars(image, 6100, 260, 50.0f, 0.9f);
    const float moonX = 600.0f, moonY = 20.0f;
    glow(image, moonX, moonY, 60.0f, rgb255(90, 115, 170), 0.25f);
    glow(image, moonX, moonY, 14.0f, rgb255(170, 190, 230), 0.3f);
    disc(image, moonX, moonY, 7.0f, rgb255(240, 242, 236), 1.0f);

    auto far = [](float x) { return 50.0f - 20.0f * ridged1(x * 0.012f, 6101, 4); };
    paintLayer(image, far, [](int, int, float depth) {
        return mix(rgb255(120, 140, 180), rgb255(62, 82, 122), smoothstep(0.0f, 14.0f, depth));
    });
    auto near = [](float x) { return 58.0f - 6.0f * fbm1(x * 0.01f, 6102, 3); };
    PineStyle pines;
    pines.needles = rgb255(10, 18, 30);
    pines.needlesLit = rgb255(22, 34, 48);
    pines.snow = rgb255(170, 186, 220);
    pines.snowShade = rgb255(80, 96, 136);
    pines.snowAmount = 0.5f;
    pines.lightFromX = 0.0f;
    paintPineRow(image, pines, near, 330, w, 7.0f, 10.0f, 26.0f, 6103);
    paintLayer(image, near, [](int x, int y, float) {
        return snowSurface(x, y, 20, rgb255(200, 212, 238), rgb255(110, 126, 170), 0.0f, 6104);
    });

    TextStyle title;
    title.capHeight = 30.0f;
    title.weight = 0.15f;
    title.tracking = 1.4f;
    titledText(image, "FLURRYDALE", 22.0f, 11.0f, title, rgb255(250, 252, 255), rgb255(0, 6, 20));
    TextStyle sub;
    sub.capHeight = 9.0f;
    sub.weight = 0.16f;
    sub.tracking = 2.6f;
    titledText(image, "SCREEN SAVER", 24.0f + textWidth("FLURRYDALE", title) + 12.0f, 32.0f, sub,
               rgb255(180, 200, 236), rgb255(0, 6, 20));
    return image;
}

Image paintSidePicture() {
    // Only the top 198 x 356 pixels show on the About page; the rest is a
    // margin that continues the snow.
    const int w = 200, h = 420;
    Image image(w, h);
    image.fillVertical({{0.0f, rgb255(6, 10, 30)}, {0.45f, rgb255(22, 38, 76)}, {0.7f, rgb255(52, 74, 112)}});
    stars(image, 6200, 260, 230.0f, 1.0f);
    const float moonX = 128.0f, moonY = 70.0f;
    glow(image, moonX, moonY, 90.0f, rgb255(70, 95, 150), 0.25f);
    glow(image, moonX, moonY, 24.0f, rgb255(160, 182, 226), 0.28f);
    disc(image, moonX, moonY, 13.0f, rgb255(238, 240, 236), 1.0f);
    disc(image, moonX + 4, moonY - 3, 4.0f, rgb255(200, 206, 218), 0.5f, 3.0f);
    disc(image, moonX - 5, moonY + 4, 3.0f, rgb255(205, 210, 222), 0.5f, 2.5f);

    auto far = [](float x) { return 250.0f - 60.0f * ridged1(x * 0.012f + 2.0f, 6201, 5); };
    auto ground = [](float x) { return 300.0f - 12.0f * fbm1(x * 0.02f, 6202, 3); };
    paintLayer(image, far, [&](int x, int, float depth) {
        const float s = 2.0f + depth * 0.3f;
        const float slope = (far(x + s) - far(x - s)) / (2 * s);
        const Rgb c = mix(rgb255(60, 76, 116), rgb255(160, 178, 214), clamp01(0.5f - 1.5f * slope));
        return mix(c, rgb255(56, 76, 112), smoothstep(0.0f, 60.0f, depth));
    }, 1.0f, ground);
    PineStyle pines;
    pines.needles = rgb255(16, 26, 42);
    pines.needlesLit = rgb255(30, 44, 62);
    pines.snow = rgb255(150, 168, 206);
    pines.snowShade = rgb255(80, 96, 136);
    pines.snowAmount = 0.5f;
    pines.haze = rgb255(56, 76, 112);
    pines.hazeAmount = 0.3f;
    paintPineRow(image, pines, ground, 0, w, 6.0f, 14.0f, 30.0f, 6203);
    paintLayer(image, ground, [](int x, int y, float depth) {
        const Rgb c = snowSurface(x, y, 30, rgb255(196, 208, 236), rgb255(86, 102, 146), 0.0f, 6204);
        return mix(c, c * 0.75f, smoothstep(0.0f, 100.0f, depth));
    });
    sparkles(image, 6205, 300, h, 0.006f, 0.5f);
    pines.needles = rgb255(8, 14, 24);
    pines.needlesLit = rgb255(22, 34, 46);
    pines.snow = rgb255(200, 214, 240);
    pines.snowShade = rgb255(84, 100, 142);
    pines.snowAmount = 0.7f;
    pines.hazeAmount = 0.0f;
    pines.lightFromX = 0.6f;
    paintPine(image, pines, 40.0f, 350.0f, 260.0f, 6206);
    paintPine(image, pines, 92.0f, 338.0f, 120.0f, 6207);
    // Flakes drifting in the air, softly out of focus.
    Sequence seq(6208);
    for (int i = 0; i < 70; ++i) {
        const float x = seq.range(0, w), y = seq.range(0, h), r = seq.range(0.6f, 2.2f);
        disc(image, x, y, r, rgb255(235, 240, 250), 0.35f + 0.4f * seq.unit(), 1.0f + r * 0.6f);
    }
    return image;
}

Image paintSiblingBanner() {
    const int w = 319, h = 76;
    Image image(w, h);
    // Brightwater on the left: a clear morning over a sunlit lake.
    // Skyloft on the right: high above a sea of cloud.
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const float split = smoothstep(150.0f, 170.0f, x + (y - h * 0.5f) * 0.3f);
            Rgb water = ramp({{0.0f, rgb255(70, 140, 200)}, {0.55f, rgb255(170, 214, 236)}, {0.56f, rgb255(40, 110, 160)},
                              {1.0f, rgb255(20, 70, 120)}},
                             (y + 0.5f) / h);
            if (y > h * 0.56f) {
                const float ripple = valueNoise(x * 0.08f, y * 0.6f, 6301);
                water = water + rgb255(120, 170, 200) * (smoothstep(0.7f, 0.9f, ripple) * 0.5f);
            }
            Rgb sky = ramp({{0.0f, rgb255(40, 70, 150)}, {1.0f, rgb255(140, 170, 220)}}, (y + 0.5f) / h);
            const float cloud = fbm(x * 0.025f, y * 0.06f, 6302, 5);
            sky = mix(sky, rgb255(250, 250, 255), smoothstep(0.45f, 0.7f, cloud) * smoothstep(30.0f, 60.0f, y));
            image.at(x, y) = mix(water, sky, split);
        }
    }
    glow(image, 60.0f, 30.0f, 24.0f, rgb255(255, 240, 200), 0.5f);
    auto hills = [](float x) { return 42.0f - 8.0f * fbm1(x * 0.03f, 6303, 3); };
    paintLayer(image, [&](float x) { return x < 165.0f ? hills(x) : 1000.0f; },
               [](int, int, float depth) { return mix(rgb255(70, 110, 130), rgb255(40, 80, 100), smoothstep(0.0f, 8.0f, depth)); });

    TextStyle name;
    name.capHeight = 12.0f;
    name.weight = 0.17f;
    name.tracking = 1.5f;
    const std::string left = "BRIGHTWATER", right = "SKYLOFT";
    titledText(image, left, (160.0f - textWidth(left, name)) * 0.5f, 54.0f, name, rgb255(255, 255, 255), rgb255(0, 20, 40));
    titledText(image, right, 160.0f + (159.0f - textWidth(right, name)) * 0.5f, 14.0f, name, rgb255(255, 255, 255),
               rgb255(10, 30, 70));
    return image;
}

}  // namespace paint
