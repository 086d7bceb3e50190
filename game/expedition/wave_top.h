#pragma once
// Wave crests that appear and fade on the sea: every tenth step a crest is born at a random point
// of the spawn rectangle, swells to its peak opacity and fades over 200 steps while it drifts and
// sways. A ring of 64 crests is plenty: at most 20 live at a time. Draws through the game's wave
// sheet ("fx/wavebit.png", 8 frames), borrowed; nothing is drawn until it is armed.
//
// Arming also makes a sheet of its own from the wave sheet's pixels (when the picture still holds
// them): the frames at the emitter's scale, once per step of opacity. Drawn from it, a crest needs
// neither scaling nor fading from SDL's software renderer, which does both per pixel on a slow
// path. The sheet lives until the next Arm or Release; without it the crests are drawn as before.
#include <array>
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

class WaveTop : public LDvOverlay {
public:
    static constexpr int kSlots = 64;
    static constexpr int kSpawnEvery = 10;   // steps
    static constexpr int kLife = 200;        // steps of a crest

    struct Spawn {
        LDvRect area;                        // crests are born at integer points inside, edges included
        float scale = 1.0f;
        float peakOpacity = 1.0f;
        float dx = 0.0f, dy = 0.0f;          // drift per step
    };

    // Clears every crest and starts spawning in `spawn`.
    void Arm(LDvSprite& waveSheet, const Spawn& spawn);

    // Lets go of the emitter's own sheet; the crests draw from the wave sheet until the next Arm.
    void Release();

    void OnTick(int tickCount) override;
    void Draw() override;

    static constexpr int kOpacityLevels = 32;  // steps from the peak down, each a row of the own sheet

    struct Crest {
        float x = 0.0f, y = 0.0f;
        int32_t frame = 0;
        int32_t life = 0;                    // steps left
        float opacity = 0.0f;
        float scale = 1.0f;
        uint8_t alive = 0;
        float phase = 0.0f;                  // radians; the crest sways 10 pixels either way
    };

    float scale = 1.0f;
    float peakOpacity = 1.0f;
    uint8_t active = 0;
    int32_t nextSlot = 0;
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float dx = 0.0f, dy = 0.0f;
    std::array<Crest, kSlots> crests{};
    LDvSprite* sheet = nullptr;              // not owned
    LDvSprite fadedSheet;                    // the emitter's own: frames in a row, a row per opacity level
    int32_t fadedOffsetX = 0;                // a faded frame's top-left from the scaled frame's
    int32_t fadedOffsetY = 0;

private:
    void SpawnCrest();
    void StepCrest(Crest& crest) const;
    void MakeFadedSheet();
    bool DrawFaded(const Crest& crest, float cx);
};
