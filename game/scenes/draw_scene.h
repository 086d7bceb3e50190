#pragma once
// The overlay that draws the adventure scene: its background, sections and effects, then its text
// box. It borrows the scene, which lives as long as the game.
#include "framework/ui/ldv_overlay.h"

class Scene;

class DrawScene : public LDvOverlay {
public:
    void Draw() override;

    Scene* scene = nullptr;  // set when the scene is first entered
};
