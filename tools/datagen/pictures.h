// Every picture of the installation data, each painted from code alone.
#pragma once

#include "image.h"

namespace paint {

// Scene backgrounds are 1000 x 500 and lie at depth -100 from x -500 to 500
// and y -250 to 250. The sun sprite, 60 x 60 units at (0, 50), therefore
// covers the picture around this point, with rows counted from the top; a
// 16:9 screen sees roughly columns 76 to 924 and rows 12 to 488.
constexpr int kBackWidth = 1000;
constexpr int kBackHeight = 500;
constexpr float kSunX = 500.0f;
constexpr float kSunY = 200.0f;
constexpr float kSunSpan = 60.0f;  // picture pixels the sun sprite covers

Image paintFrozenLake();
Image paintAlpinePeaks();
Image paintPineDusk();
Image paintPaleSunHills();

// Square sprites with alpha that fades to nothing well inside the border
// (textures repeat, so a border that is not clear would bleed).
Image paintMoon(int size);
Image paintDawnSun(int size);
Image paintPaleSun(int size);

// The snowflake: colour in RGB, coverage in alpha.
Image paintSnowflake(int size);

// The configuration dialog's pictures.
Image paintBanner();         // 684 x 66, the product name
Image paintSidePicture();    // 200 x 420, the About page
Image paintSiblingBanner();  // 319 x 76, Brightwater and Skyloft

}  // namespace paint
