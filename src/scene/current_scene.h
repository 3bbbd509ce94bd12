// The process-wide scene being shown. Null before the first rendering start
// and after the window that drew it was destroyed.
#pragma once

class Scene;

extern Scene* currentScene;

// Replaces the scene in slot: the old one is deleted first, then the new one
// is built from the folder name. Needs the rendering context current.
void replaceScene(Scene*& slot, const char* folder);

// Deletes the scene in slot and leaves it null.
void deleteScene(Scene*& slot);
