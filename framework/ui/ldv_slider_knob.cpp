#include "framework/ui/ldv_slider_knob.h"

#include <algorithm>

namespace {

constexpr float kFullValue = 100.0f;

}  // namespace

// A vertical knob measures along y with its height; reading its x would turn the value into
// nonsense after a click on it.
void LDvSliderKnob::ComputeValue() {
    const float place = vertical ? y : x;
    const int knobSize = vertical ? GetFrameHeight() : GetFrameWidth();
    const int travel = trackEnd - trackStart - knobSize;
    if (travel <= 0) {
        value = 0;
        return;
    }
    value = static_cast<int32_t>((place - static_cast<float>(trackStart)) / static_cast<float>(travel) * kFullValue);
}

void LDvSliderKnob::PlaceFromValue() {
    const float share = static_cast<float>(value) / kFullValue;
    if (vertical) {
        x = static_cast<float>(fixedCoordinate);
        y = static_cast<float>(trackStart) + share * static_cast<float>(trackEnd - GetFrameHeight() - trackStart);
    } else {
        x = static_cast<float>(trackStart) + share * static_cast<float>(trackEnd - GetFrameWidth() - trackStart);
        y = static_cast<float>(fixedCoordinate);
    }
}

void LDvSliderKnob::BeginDrag(int px, int py) {
    const LDvRect box = GetBounds();
    if (px >= box.left && px <= box.right && py >= box.top && py <= box.bottom) dragging = true;
}

void LDvSliderKnob::DragTo(int px, int, int, int, int, int) {
    if (vertical || !dragging) return;
    const int width = GetFrameWidth();
    const int left = std::max(trackStart, std::min(px - width / 2, trackEnd - width));
    x = static_cast<float>(left);
    y = static_cast<float>(fixedCoordinate);
    ComputeValue();
}

// Only a drag that moved this knob recomputes: the dialog hands every drag end to every knob, and
// recomputing a value placed by PlaceFromValue can lose a percent to rounding each time.
void LDvSliderKnob::EndDrag(int, int) {
    if (!dragging) return;
    dragging = false;
    ComputeValue();
}
