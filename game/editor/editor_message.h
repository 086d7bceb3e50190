#pragma once
// A line of text that the level editor shows for a few seconds over its screen, centred in a dark
// box: what a save did, or why it did nothing. The owning state registers it with its overlays;
// the font is borrowed from the game.
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

struct LDvFont;

class EditorMessage : public LDvOverlay {
public:
    static constexpr int kShowTicks = 240;      // four seconds
    static constexpr int kCentreX = 800;

    void show(const LDvString& line);
    void clear();
    void OnTick(int tickCount) override;
    void Draw() override;

    LDvString text;
    LDvFont* font = nullptr;                    // not owned
    int32_t centreY = 690;                      // canvas pixels
    int32_t ticksLeft = 0;
};
