#include "game/frontend/wave.h"

#include "framework/core/game_random.h"
#include "game/frontend/swim_sequence.h"

namespace {

constexpr int kFirstFrameSpread = 50;
constexpr int kSwellY = 562;
constexpr float kSwellZoom = 8.0f;
constexpr float kSwellOpacity = 0.5f;
constexpr int kCrestY = 529;
constexpr int kCrestOffsetX = 50;
constexpr float kCrestZoom = 4.0f;
constexpr float kCrestOpacity = 0.4f;
constexpr int32_t kNormalBlend = 0;

}  // namespace

Wave::Wave() { frameIndex = RandomRange(0, kFirstFrameSpread); }

void Wave::OnTick(int drawerStep) {
    if (drawerStep % kStepsPerFrame != 0) return;
    if (++frameIndex >= kSwimSequenceLength) frameIndex = 0;
}

void Wave::Draw() {
    if (sheet == nullptr || !sheet->loaded) return;
    sheet->SetFrame(TheSwimSequence()[static_cast<size_t>(frameIndex)]);
    sheet->blendMode = kNormalBlend;
    sheet->angle = 0.0f;
    DrawCrest(waveX, kSwellY, kSwellZoom, kSwellOpacity);
    DrawCrest(waveX - kCrestOffsetX, kCrestY, kCrestZoom, kCrestOpacity);
    DrawCrest(waveX + kCrestOffsetX, kCrestY, kCrestZoom, kCrestOpacity);
}

// Zoomed about the frame's middle, so the crest stays centred on its point.
void Wave::DrawCrest(int cx, int cy, float zoom, float opacity) {
    sheet->zoom = zoom;
    sheet->opacity = opacity;
    sheet->DrawAt(cx - sheet->GetFrameWidth() / 2, cy - sheet->GetFrameHeight() / 2);
}
