#include "game/frontend/wave_drawer.h"

namespace {
constexpr int kFirstX = 100;
constexpr int kSpacing = 200;
}  // namespace

WaveDrawer::WaveDrawer() {
    for (int i = 0; i < kWaveCount; ++i) waves[static_cast<size_t>(i)].waveX = kFirstX + kSpacing * i;
}

void WaveDrawer::OnTick(int drawerStep) {
    for (Wave& wave : waves) wave.OnTick(drawerStep);
}

void WaveDrawer::Draw() {
    for (Wave& wave : waves) wave.Draw();
}

void WaveDrawer::SetSheet(LDvOverlay* sheet) {
    for (Wave& wave : waves) wave.sheet = sheet;
}
