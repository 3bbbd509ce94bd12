// A flat, optionally textured, tinted quad centred on a point, parallel to
// the x-y plane. The background, the sun, every snowflake and the fade quad
// are sprites.
#pragma once

class Texture;

class Sprite {
public:
    float x = 0, y = 0, z = 0;
    float width = 1, height = 1;
    float red = 1, green = 1, blue = 1, alpha = 1;
    Texture* texture = nullptr;  // not owned; none draws an untextured quad

    void set(Texture* tex, float x, float y, float z, float width, float height);
    void setPosition(float x, float y, float z);
    void draw() const;
};
