#pragma once
// The scenery behind the board, chosen by the chapter: the beach ("match3_backgrounds/back1.jpg")
// or the jungle ("back2.jpg") with its animated foreground: leaves hanging from both top corners
// that sway sideways and light rays ("back2_rays.png") whose glow breathes slowly. Owns its pictures,
// loaded once for the run.
#include <array>
#include <cstdint>
#include <vector>

#include "framework/ui/ldv_overlay.h"

struct DecodedImage;

class PlayBackground : public LDvOverlay {
public:
    static constexpr int kBeach = 1;
    static constexpr int kJungle = 2;
    // The rays' breathing is shown by switching between copies of the rays picture made at this
    // many strengths: a picture drawn at full opacity blends several times faster on the software
    // renderer than one faded while drawing, and 16 steps are too fine to see.
    static constexpr int kRayLevels = 16;

    void load();
    // 2 shows the jungle (its light rays are made the first time); every other chapter background
    // the beach.
    void choose(int chapterBackground);
    int32_t shown() const { return scenery; }

    void OnTick(int tickCount) override;
    void Draw() override;

    // The animated layers' state of the current step, in pixels and 0..1.
    float leftSway = 0.0f;
    float rightSway = 0.0f;
    float raysOpacity = 0.0f;

    // Rows of the rays picture and the columns their light spans; only these are drawn.
    struct LitBand {
        int top = 0, bottom = 0, left = 0, right = 0;
    };

private:
    void drawJungleLayers();
    void loadRays();
    void makeRayLevels(const DecodedImage& rays);

    int32_t scenery = kBeach;
    LDvSprite beach;
    LDvSprite jungle;
    LDvSprite leavesLeft;
    LDvSprite leavesRight;
    std::array<LDvSprite, kRayLevels> rayLevels;  // weakest first, cropped to the lit columns
    int32_t rayCropLeft = 0;
    std::vector<LitBand> rayBands;
    bool raysLoaded = false;
};
