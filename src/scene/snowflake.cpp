#include "scene/snowflake.h"

#include "platform/random.h"
#include "render/sprite.h"

namespace {
constexpr float kFloor = -120.0f;  // a falling flake below it comes back above the top
}

void Snowflake::init(Sprite* s, float x0, float y0, float z0, float vx0, float vy0, float vz0) {
    sprite = s;
    x = x0;
    y = y0;
    z = z0;
    vx = vx0;
    vy = vy0;
    vz = vz0;
}

void Snowflake::start(Sprite* s, int index) {
    // The draws come in this order: fall speed, height, across position.
    const int t = platform::nextRandom() % 200;
    const double fall = -0.2 - t / 1000.0;
    const int w = platform::nextRandom() % 1000;
    const double height = 50.0 - w / 10.0;
    const int b = platform::nextRandom() % 400;
    const double across = 200 - b;
    const double depth = index * 50 / 1000.0;
    init(s, static_cast<float>(across), static_cast<float>(height), static_cast<float>(depth), 0.0f,
         static_cast<float>(fall), 0.0f);
}

float snowflakeAlpha(float z) {
    double a;
    if (z < 50)
        a = 1.0 - (50.0 - z) / 50.0;
    else if (z <= 90)
        a = 1.0;
    else
        a = 1.0 - (z - 90.0) / 10.0;
    return static_cast<float>(a);
}

void Snowflake::advance() {
    if (!sprite) return;
    x = x + vx;
    y = y + vy;
    z = z + vz;
    respawn();
}

bool Snowflake::step() {
    if (!sprite) return false;
    sprite->alpha = snowflakeAlpha(z);
    advance();
    sprite->setPosition(x, y, z);
    return true;
}

bool Snowflake::respawn() {
    if (!(vy < 0 && y < kFloor)) return false;
    z = static_cast<float>((platform::nextRandom() % 500) / 10.0);
    x = static_cast<float>(150.0 - platform::nextRandom() % 300 - 200.0 * vx);
    y = static_cast<float>(platform::nextRandom() % 30 + 120);
    // Invisible in the frame it comes back in; the next step gives it the
    // alpha of its new depth.
    if (sprite) {
        sprite->red = sprite->green = sprite->blue = 1.0f;
        sprite->alpha = 0.0f;
    }
    return true;
}
