#pragma once
// The tornado of the wind bonus: ten spiral layers stacked upwards, each turning at its own pace
// and swaying sideways, fading in and out over its 150 steps. The play screen owns one and starts
// it where the wind was aimed; it borrows the spiral sprite from the picture bank.
#include <array>
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class Tornado : public LDvOverlay {
public:
    static constexpr int kLayers = 10;
    static constexpr int kLifetime = 150;

    explicit Tornado(LDvSprite& spiral);

    // Runs the tornado centred on (cx, cy) for its whole lifetime.
    void start(int cx, int cy);
    bool isRunning() const { return remaining > 0; }

    void OnTick(int tick) override;
    void Draw() override;

    std::array<float, kLayers> angles{};   // degrees
    std::array<int32_t, kLayers> xWobble{};
    int32_t remaining = 0;                 // steps left
    float alpha = 0.0f;
    float centreX = 0.0f;
    float centreY = 0.0f;

private:
    LDvSprite& spiral;
};
