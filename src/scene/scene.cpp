#include "scene/scene.h"

#include <GL/gl.h>
#include <tinyxml2.h>

#include <cmath>

#include "catalogue/xml_file.h"
#include "render/sprite.h"
#include "render/texture.h"
#include "scene/fade.h"
#include "scene/snowflake.h"
#include "settings/options.h"
#include "shell/data_dir.h"

namespace {

// The "file" attribute of the root's first child with this name, or null.
const char* pictureName(const tinyxml2::XMLElement* root, const char* element) {
    const tinyxml2::XMLElement* e = root->FirstChildElement(element);
    return e ? e->Attribute("file") : nullptr;
}

}  // namespace

float windFromSlider(int setting, float vy0) {
    const float divisor = static_cast<float>(std::fabs(100.0 / vy0));
    return static_cast<float>((setting - 50) / static_cast<double>(divisor));
}

Scene::Scene(const char* folder) : folder_(folder ? folder : "") {
    for (Texture*& t : snowflakeTextures_) t = nullptr;
    load();
}

void Scene::load() {
    // An empty name is what an empty scene list chooses: there is nothing to
    // load and nothing worth a message; the scene stays black.
    if (folder_.empty()) return;

    const std::string scenePath = DataDir + folder_ + "/scene.xml";
    tinyxml2::XMLDocument doc;
    if (scenePath.size() > catalogue::kMaxXmlPathChars || !catalogue::loadXmlFile(scenePath, doc)) {
        catalogue::reportUnreadableFile(scenePath);
        return;
    }
    const tinyxml2::XMLElement* root = doc.FirstChildElement();
    if (!root) return;

    // Every picture path is checked before anything is built, so that a
    // refused one leaves a cleanly failed scene.
    const char* backName = pictureName(root, "Back");
    const char* sunName = pictureName(root, "Sun");
    const std::string backPath = backName ? DataDir + folder_ + "/" + backName : std::string();
    const std::string sunPath = sunName ? DataDir + folder_ + "/" + sunName : std::string();
    const std::string flakeColourPath = DataDir + "_snowflakes//sf4.jpg";
    const std::string flakeAlphaPath = DataDir + "_snowflakes//sf4a.jpg";
    for (const std::string* p : {&backPath, &sunPath, &flakeColourPath, &flakeAlphaPath}) {
        if (p->size() > catalogue::kMaxPicturePathChars) {
            catalogue::reportUnreadableFile(*p);
            return;
        }
    }

    if (backName) {
        backgroundTexture_ = new Texture;
        backgroundTexture_->createFromJpeg(backPath.c_str());
    }
    if (sunName) {
        sunTexture_ = new Texture;
        sunTexture_->createFromTga(sunPath.c_str());
    }
    snowflakeTextures_[0] = new Texture;
    snowflakeTextures_[0]->createFromJpegPair(flakeColourPath.c_str(), flakeAlphaPath.c_str());
    snowflakeTextureCount_ = 1;

    backgroundSprite_ = new Sprite;
    backgroundSprite_->set(backgroundTexture_, 0, 0, -100, 1000, 500);
    if (sunTexture_) {
        sunSprite_ = new Sprite;
        sunSprite_->set(sunTexture_, 0, 50, -99, 60, 60);
    }

    flakeBatch_ = SpriteBatch(kFlakeCount);
    snowflakeSprites_ = new Sprite*[kFlakeCount];
    snowflakes_ = new Snowflake*[kFlakeCount];
    for (int i = 0; i < kFlakeCount; ++i) {
        Sprite* s = new Sprite;
        s->set(snowflakeTextures_[i % snowflakeTextureCount_], 0, 0, 0, 1, 1);
        s->red = s->green = s->blue = s->alpha = 1.0f;
        snowflakeSprites_[i] = s;
        snowflakes_[i] = new Snowflake;
        snowflakes_[i]->start(s, i);
    }

    // The depth wind stays still whatever the settings hold.
    setWindZ(0.0f);
    setWindFromSlider(g_options.xSpeed);

    fadeSprite_ = new Sprite;
    fadeSprite_->set(nullptr, 0, 0, -9, 600, 600);
    fadeSprite_->red = fadeSprite_->green = fadeSprite_->blue = 0.0f;

    // Shown for the first time with the snow already spread over the whole
    // height and drifting with the wind. Only the last step's writes to the
    // sprites are ever drawn, so the steps before it move the flakes alone;
    // this is most of the time a scene change takes.
    for (int n = 0; n < kWarmUpSteps - 1; ++n)
        for (int i = 0; i < kFlakeCount; ++i) snowflakes_[i]->advance();
    update();
}

Scene::~Scene() {
    delete backgroundSprite_;
    delete sunSprite_;
    delete fadeSprite_;
    for (int i = 0; i < snowflakeTextureCount_; ++i) {
        if (!snowflakeTextures_[i]) continue;
        snowflakeTextures_[i]->destroy();
        delete snowflakeTextures_[i];
    }
    for (Texture* t : {backgroundTexture_, sunTexture_}) {
        if (!t) continue;
        t->destroy();
        delete t;
    }
    if (snowflakes_) {
        for (int i = 0; i < kFlakeCount; ++i) {
            delete snowflakeSprites_[i];
            delete snowflakes_[i];
        }
    }
    delete[] snowflakeSprites_;
    delete[] snowflakes_;
}

void Scene::drawBackdrop() {
    glDisable(GL_BLEND);
    backgroundSprite_->draw();
    glEnable(GL_BLEND);
    if (sunSprite_) sunSprite_->draw();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void Scene::draw() {
    if (!loaded()) return;
    drawBackdrop();
    flakeBatch_.draw(snowflakeSprites_, kFlakeCount);
}

void Scene::drawSnowflakesOneByOne() {
    if (!loaded()) return;
    drawBackdrop();
    drawSpritesOneByOne(snowflakeSprites_, kFlakeCount);
}

void Scene::update() {
    if (!loaded()) return;
    for (int i = 0; i < kFlakeCount; ++i) snowflakes_[i]->step();
}

void Scene::setWindX(float vx) {
    if (!loaded()) return;
    for (int i = 0; i < kFlakeCount; ++i) snowflakes_[i]->vx = vx;
}

void Scene::setWindZ(float vz) {
    if (!loaded()) return;
    for (int i = 0; i < kFlakeCount; ++i) snowflakes_[i]->vz = vz;
}

void Scene::setWindFromSlider(int setting) {
    if (!loaded()) return;
    setWindX(windFromSlider(setting, snowflakes_[0]->vy));
}

bool Scene::fade(int a) {
    if (!fadeSprite_) return false;
    const FadeQuads q = fadeQuadsAt(a, g_options.changeFrequency);
    if (q.fadeIn) {
        fadeSprite_->alpha = q.fadeInAlpha;
        fadeSprite_->draw();
    }
    if (q.fadeOut) {
        fadeSprite_->alpha = q.fadeOutAlpha;
        fadeSprite_->draw();
    }
    return q.changeDue;
}

Snowflake* Scene::snowflake(int i) const {
    return loaded() && i >= 0 && i < kFlakeCount ? snowflakes_[i] : nullptr;
}

const Sprite* Scene::snowflakeSprite(int i) const {
    return loaded() && i >= 0 && i < kFlakeCount ? snowflakeSprites_[i] : nullptr;
}

const Texture* Scene::snowflakeTexture(int i) const {
    return i >= 0 && i < snowflakeTextureCount_ ? snowflakeTextures_[i] : nullptr;
}
