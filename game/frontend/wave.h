#pragma once
// One crest of the title's surface: the wave sheet drawn three times round its place, a large soft
// swell with two smaller crests on its shoulders, rolling slowly through the swim sequence. The
// wave drawer owns its waves; the sheet is borrowed from the title's pictures.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class Wave : public LDvOverlay {
public:
    static constexpr int kStepsPerFrame = 3;

    Wave();                         // starts at a random frame index 0..50

    void OnTick(int drawerStep) override;
    void Draw() override;

    int32_t frameIndex = 0;         // into the swim sequence
    int32_t waveX = 0;              // canvas x of the swell's centre
    bool secondStyle = false;       // nothing sets it
    LDvOverlay* sheet = nullptr;    // "states/title/wavetop.png", 40 frames; not owned

private:
    void DrawCrest(int cx, int cy, float zoom, float opacity);
};
