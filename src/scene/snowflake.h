// One snowflake: a point with a velocity per frame step that drives one
// sprite. It fades with its depth and, once it has fallen through the floor,
// comes back above the top at a new depth and across position.
#pragma once

class Sprite;

class Snowflake {
public:
    float x = 0, y = 0, z = 0;
    float vx = 0, vy = 0, vz = 0;
    Sprite* sprite = nullptr;  // not owned

    void init(Sprite* sprite, float x, float y, float z, float vx, float vy, float vz);

    // One step: alpha from the current depth, move, respawn when fallen,
    // sprite to the new position. False (and nothing changed) without a sprite.
    bool step();

    // The motion and respawn of step() without placing the sprite or
    // setting its alpha: for the steps whose sprite values nothing draws,
    // since the next step rewrites them. Draws from the generator exactly as
    // step() does. Nothing happens without a sprite.
    void advance();

    // Puts a flake that falls (vy < 0) and lies below the floor back above
    // the top; draws three numbers from the generator. True when it did.
    bool respawn();

    // Start values of flake index (0 to 999) with its sprite: draws three
    // numbers from the generator (fall speed, height, across position); the
    // depth is spread evenly by index and the wind is still.
    void start(Sprite* sprite, int index);
};

// Opacity of a flake at depth z: fading in from the back up to 50, full to
// 90, fading out towards the eye. Not clamped.
float snowflakeAlpha(float z);
