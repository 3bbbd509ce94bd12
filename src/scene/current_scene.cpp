#include "scene/current_scene.h"

#include "scene/scene.h"

Scene* currentScene = nullptr;

void replaceScene(Scene*& slot, const char* folder) {
    deleteScene(slot);
    slot = new Scene(folder);
}

void deleteScene(Scene*& slot) {
    delete slot;
    slot = nullptr;
}
