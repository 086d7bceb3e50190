#pragma once
// The scenery behind the board, chosen by the chapter: the beach ("match3_backgrounds/back1.jpg")
// or the jungle ("back2.jpg") with its animated foreground: leaves hanging from both top corners
// that sway sideways and light rays whose glow breathes slowly. Owns its pictures,
// loaded once for the run.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class PlayBackground : public LDvOverlay {
public:
    static constexpr int kBeach = 1;
    static constexpr int kJungle = 2;

    void load();
    // 2 shows the jungle; every other chapter background the beach.
    void choose(int chapterBackground);
    int32_t shown() const { return scenery; }

    void OnTick(int tickCount) override;
    void Draw() override;

    // The animated layers' state of the current step, in pixels and 0..1.
    float leftSway = 0.0f;
    float rightSway = 0.0f;
    float raysOpacity = 0.0f;

private:
    void drawJungleLayers();

    int32_t scenery = kBeach;
    LDvSprite beach;
    LDvSprite jungle;
    LDvSprite leavesLeft;
    LDvSprite leavesRight;
    LDvSprite rays;
};
