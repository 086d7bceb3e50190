#pragma once
// Five shafts of light under the title's surface, each pulsing between 20 % and 100 % with a
// period of 180 steps, 60 degrees apart. The title owns it for the whole run; the ray picture is
// borrowed from the title's pictures.
#include <array>
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class RayDrawer : public LDvOverlay {
public:
    static constexpr int kRayCount = 5;
    static constexpr int32_t kPhaseStep = 2;            // degrees per step

    void OnTick(int drawerStep) override;
    void Draw() override;

    // trunc(60 + 40 sin(phase)) / 100
    static float OpacityAt(int32_t phaseDegrees);

    std::array<int32_t, kRayCount> phases{0, 60, 120, 180, 240};   // degrees; they grow without bound
    LDvOverlay* picture = nullptr;      // "states/title/rays.png"; not owned
};
