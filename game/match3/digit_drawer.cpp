#include "game/match3/digit_drawer.h"

#include <cmath>
#include <cstdio>

#include "framework/ui/overlay_images.h"

namespace {

constexpr int32_t kStepsPerSecond = 60;
constexpr int32_t kSecondsPerMinute = 60;
constexpr int32_t kPulseSteps = 40;        // one red pulse
constexpr float kPi = 3.14159265f;

}  // namespace

void DigitDrawer::setSheet(const LDvSprite& digitSheet) {
    SharePicture(&digits, &digitSheet);
    frameWidth = digits.frameWidth;
    frameHeight = digits.frameHeight;
}

void DigitDrawer::showTime(int32_t timeLeftSteps) {
    const int32_t seconds = timeLeftSteps > 0 ? timeLeftSteps / kStepsPerSecond : 0;
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d", static_cast<int>(seconds / kSecondsPerMinute),
                  static_cast<int>(seconds % kSecondsPerMinute));
    shown = text;
}

void DigitDrawer::OnTick(int) { pulseTick = urgent ? (pulseTick + 1) % kPulseSteps : 0; }

int DigitDrawer::GetWidth() { return digits.frameWidth * static_cast<int>(shown.size()); }

// The sheet is shared with the counters, so its tint is set for these digits and put back after.
void DigitDrawer::Draw() {
    if (hidden || !digits.loaded) return;
    if (urgent) {
        const float pulse = 0.5f + 0.5f * std::cos(2.0f * kPi * static_cast<float>(pulseTick) / kPulseSteps);
        digits.SetColor(1.0f, 0.45f + 0.3f * pulse, 0.35f + 0.25f * pulse, 1.0f);
    }
    float left = x;
    for (char c : shown) {
        const int frame = c == ':' ? kColonFrame : c - '0';
        if (frame >= 0 && frame <= kColonFrame) {
            digits.SetFrame(frame);
            digits.x = left;
            digits.y = y;
            digits.opacity = opacity;
            digits.Draw();
        }
        left += static_cast<float>(digits.frameWidth);
    }
    if (urgent) digits.SetColor(1.0f, 1.0f, 1.0f, 1.0f);
}
