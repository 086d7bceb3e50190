#include "game/expedition/player_icon.h"

#include <cmath>

#include "framework/effects/bit.h"
#include "framework/ui/overlay_images.h"
#include "game/expedition/placemarker.h"

namespace {

constexpr LDvPoint kHeadCorner{-54, -138};
constexpr LDvPoint kArrowCorner{-12, -43};
constexpr float kQuarterTurn = 1.5707963f;  // radians

}  // namespace

void PlayerIcon::LoadPictures() {
    if (!head.loaded) LoadImage(&head, "states/map/prof_head.png");
    if (!arrow.loaded) LoadImage(&arrow, "states/map/icon_arrow.png");
}

void PlayerIcon::ReleasePictures() {
    UnloadImage(&head);
    UnloadImage(&arrow);
}

void PlayerIcon::PlaceAt(const LDvString& locationId, LDvPoint point) {
    current = start = target = point;
    currentLocation = locationId;
    travelCounter = 0;
    arrived = 0;
}

void PlayerIcon::TravelTo(const LDvString& locationId, LDvPoint point) {
    start = current;
    target = point;
    previousLocation = currentLocation;
    currentLocation = locationId;
    travelCounter = kTravelTicks;
    arrived = 0;
}

void PlayerIcon::Appear() {
    hidden = false;
    arrivalPulse = kAppearTicks;
    bobOffset = 0;
    scale = WobbleScale(arrivalPulse, kAppearTicks);
}

bool PlayerIcon::TakeArrival() {
    if (arrived == 0) return false;
    arrived = 0;
    return true;
}

void PlayerIcon::Step() {
    ++ticks;
    if (arrivalPulse > 0) {
        --arrivalPulse;
        scale = WobbleScale(arrivalPulse, kAppearTicks);
        if (arrivalPulse == 0) bobOffset = kArrowDrop;
    }
    if (travelCounter > 0 && paused == 0) StepTravel();
}

// Along the straight line from the start, easing out; it ends exactly on the target.
void PlayerIcon::StepTravel() {
    --travelCounter;
    bobOffset = kArrowDrop;
    if (travelCounter == 0) {
        current = target;
        arrived = 1;
        return;
    }
    const float u = Elapsed(travelCounter, kTravelTicks);
    const float s = std::sin(kQuarterTurn * u);
    const float dx = static_cast<float>(target.x - start.x);
    const float dy = static_cast<float>(target.y - start.y);
    const float distance = std::sqrt(dx * dx + dy * dy);
    if (distance <= 0.0f) return;
    current.x = start.x + static_cast<int>(dx / distance * distance * s);
    current.y = start.y + static_cast<int>(dy / distance * distance * s);
}

void PlayerIcon::Draw() {
    if (hidden) return;
    const float x = static_cast<float>(ScreenX(current.x));
    const float y = static_cast<float>(ScreenY(current.y));
    SpriteLook look;
    look.zoom = scale;
    DrawTopLeft(head, x + kHeadCorner.x, y + kHeadCorner.y, look);
    DrawTopLeft(arrow, x + kArrowCorner.x, y + static_cast<float>(kArrowCorner.y + bobOffset), look);
}
