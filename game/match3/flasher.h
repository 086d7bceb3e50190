#pragma once
// A burst of light over a picture: the borrowed sprite is drawn again additively, pulsing three
// times a second, for a number of steps. The play screen flashes the wind-bonus count and the
// wind-god button this way when an air coin pays a bonus. The sprite must outlive the flasher.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class Flasher : public LDvOverlay {
public:
    static constexpr int kPulseTicks = 20;

    // Flashes `sprite` (at `frame`, -1 keeping its own) centred on (cx, cy) for `ticks` steps.
    void start(LDvSprite& sprite, float cx, float cy, int ticks, int frame = -1);
    void stop() { remaining = 0; }
    bool isFlashing() const { return remaining > 0; }
    float strength() const;              // 0..1, the glow of the current step

    void OnTick(int tickCount) override;
    void Draw() override;

private:
    LDvSprite* sprite = nullptr;
    int32_t remaining = 0;
    int32_t total = 0;
    int32_t frame = -1;
    float centreX = 0.0f;
    float centreY = 0.0f;
};
