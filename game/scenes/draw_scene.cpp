#include "game/scenes/draw_scene.h"

#include "game/scenes/scene.h"

void DrawScene::Draw() {
    if (scene != nullptr) scene->DrawContent();
}
