#pragma once
// The title's row of eight wave crests along the water's surface, 200 pixels apart from x = 100.
// The title owns it for the whole run; it owns its waves.
#include <array>

#include "game/frontend/wave.h"

class WaveDrawer : public LDvOverlay {
public:
    static constexpr int kWaveCount = 8;

    WaveDrawer();

    void OnTick(int drawerStep) override;
    void Draw() override;
    void SetSheet(LDvOverlay* sheet);

    std::array<Wave, kWaveCount> waves;
};
