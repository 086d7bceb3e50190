#pragma once
// Plays a frame sheet once, looping, or back and forth, centred on a point or placed by its
// top-left corner. It waits until Start. Sheets are named name_columns_rows_frames.png
// (frame_sheet_name.h reads the grid from the name).
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "framework/effects/bit.h"

class TLPlayer : public Bit {
public:
    // opacityFraction 0..1; additive, played once.
    TLPlayer(LDvSprite& sheet, float x, float y, int ticksPerFrame, float opacityFraction, float zoom);
    // At (0, 0), one frame per step, full opacity, zoom 1, normal blending, played once.
    explicit TLPlayer(LDvSprite& sheet);

    void Start();
    void StartAtRandomFrame();

    void OnTick(int tickCount) override;
    void Draw() override;

    LDvSprite& sheet;                  // the owner's; shared with the owner's other players
    bool looping = false;
    int32_t ticksPerFrame = 1;         // the frame advances on every own tick divisible by this
    bool additive = true;
    int32_t opacityPercent = 100;
    int32_t angleDegrees = 0;
    bool started = false;
    bool topLeft = false;              // placed by the top-left corner instead of centred
    bool backAndForth = false;
    int32_t direction = 0;             // +1 or -1 while playing back and forth; set +1 when turning it on
    LDvString name;                    // scene scripts find their templates by it

private:
    void StepForward();
    void StepBackAndForth();
};
