// One complete scene the saver animates: a background picture, an optional
// sun, a snowfall of 1000 flakes and the black quad of the fades. Built from
// its folder under DataDir (described by the folder's scene.xml) while the
// rendering context that draws it is current; destroyed the same way.
//
// A scene whose scene.xml cannot be read (or holds no element) is failed: it
// holds no sprites and no flakes, draws nothing, never asks for a change, and
// every operation on it is safe.
#pragma once

#include <string>

#include "scene/sprite_batch.h"

class Texture;
class Sprite;
class Snowflake;

class Scene {
public:
    static constexpr int kFlakeCount = 1000;
    static constexpr int kMaxSnowflakeTextures = 10;
    static constexpr int kWarmUpSteps = 2000;

    // folder: the scene's folder name as the scene list gives it, relative
    // to DataDir. Reads DataDir and g_options.xSpeed.
    explicit Scene(const char* folder);
    ~Scene();
    Scene(const Scene&) = delete;
    Scene& operator=(const Scene&) = delete;

    // Background with blending off, then the sun and the flakes in index
    // order with alpha blending; the flakes in one batched call.
    void draw();
    // The same picture as draw(), with every flake drawn as its own quad:
    // the reference the batched drawing is checked and measured against.
    void drawSnowflakesOneByOne();
    // Steps flakes 0 to 999 once, in index order.
    void update();
    void setWindX(float vx);
    void setWindZ(float vz);
    // The wind slider's setting (50 is calm) as a horizontal velocity.
    void setWindFromSlider(int setting);
    // Draws the fade quad as frame count a requires (g_options.changeFrequency
    // gives the interval); true when the scene change is due.
    bool fade(int a);

    bool loaded() const { return snowflakes_ != nullptr; }
    const std::string& folder() const { return folder_; }

    // For inspection (the flakes also for tests and benchmarks that place
    // them); null when the scene has no such thing.
    Snowflake* snowflake(int i) const;
    const Sprite* snowflakeSprite(int i) const;
    const Sprite* backgroundSprite() const { return backgroundSprite_; }
    const Sprite* sunSprite() const { return sunSprite_; }
    const Sprite* fadeSprite() const { return fadeSprite_; }
    const Texture* backgroundTexture() const { return backgroundTexture_; }
    const Texture* sunTexture() const { return sunTexture_; }
    const Texture* snowflakeTexture(int i) const;
    int snowflakeTextureCount() const { return snowflakeTextureCount_; }

private:
    void load();
    // Background, sun and the flakes' blend function: all draw() does
    // before the flakes.
    void drawBackdrop();

    Texture* snowflakeTextures_[kMaxSnowflakeTextures];
    int snowflakeTextureCount_ = 0;
    Texture* backgroundTexture_ = nullptr;
    Texture* sunTexture_ = nullptr;
    Sprite* backgroundSprite_ = nullptr;
    Sprite* sunSprite_ = nullptr;
    Sprite** snowflakeSprites_ = nullptr;
    Snowflake** snowflakes_ = nullptr;
    Sprite* fadeSprite_ = nullptr;
    std::string folder_;
    SpriteBatch flakeBatch_;
};

// Slider setting (50 calm) to the horizontal velocity every flake gets,
// scaled by the fall speed vy0 of the first flake: (setting - 50) * |vy0| / 100.
float windFromSlider(int setting, float vy0);
