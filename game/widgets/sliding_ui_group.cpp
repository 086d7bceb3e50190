#include "game/widgets/sliding_ui_group.h"

#include "framework/ui/ldv_button.h"
#include "framework/ui/ldv_touch_button.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"

namespace {

constexpr int32_t kRestBeforeInput = 30;   // steps at rest a button waits before it responds
constexpr int32_t kPressShiftY = 2;

bool ReadyForInput(const SlidingUI& entry) { return entry.tweenCounter == 0 && entry.ticksAtRest > kRestBeforeInput; }

void Disable(LDvButton* button) {
    if (auto* touch = dynamic_cast<LDvTouchButton*>(button)) {
        touch->disabled = true;
    } else if (button != nullptr) {
        button->enabled = false;
    }
}

}  // namespace

LDvButton* EnabledButton(const SlidingUI& entry) {
    auto* button = dynamic_cast<LDvButton*>(entry.MainOverlay());
    if (button == nullptr || !button->enabled) return nullptr;
    if (auto* touch = dynamic_cast<LDvTouchButton*>(button)) {
        return touch->touchEnabled && !touch->disabled ? button : nullptr;
    }
    return button;
}

SlidingUI& SlidingUIGroup::Add(LDvOverlay* overlay, int delay, float endX, float endY, float startX, float startY) {
    auto entry = std::make_unique<SlidingUI>();
    entry->startX = entry->currentX = startX;
    entry->startY = entry->currentY = startY;
    entry->endX = endX;
    entry->endY = endY;
    entry->configuredDelay = entry->delayCounter = delay;
    entry->Attach(overlay, LDvPoint{0, 0});
    entry->PlaceOverlays();
    return *entries.Add(std::move(entry));
}

SlidingUI* SlidingUIGroup::Entry(int index) {
    if (index < 0 || index >= entries.Count()) return nullptr;
    return entries.Get(index).get();
}

void SlidingUIGroup::SlideInAll() {
    for (auto& entry : entries) entry->pressOffsetX = entry->pressOffsetY = 0;
    for (auto& entry : entries) entry->StartSlideIn();
}

void SlidingUIGroup::SlideIn(int index) {
    SlidingUI* entry = Entry(index);
    if (entry == nullptr) return;
    entry->pressOffsetX = entry->pressOffsetY = 0;
    entry->StartSlideIn();
}

void SlidingUIGroup::SlideOut() {
    for (auto& entry : entries) Disable(dynamic_cast<LDvButton*>(entry->MainOverlay()));
    for (auto& entry : entries) {
        if (entry->IsAtRest()) entry->StartSlideOut();
    }
}

bool SlidingUIGroup::IsSettled() {
    for (auto& entry : entries) {
        if (!ReadyForInput(*entry)) return false;
    }
    return true;
}

SlidingUI* SlidingUIGroup::PressAt(LDvPoint point) {
    for (auto& entry : entries) {
        if (!ReadyForInput(*entry)) continue;
        LDvButton* button = EnabledButton(*entry);
        if (button == nullptr || !button->Contains(point.x, point.y)) continue;
        PlayGameSound(sounds::kButtonClick);
        entry->pressOffsetX = 0;
        entry->pressOffsetY = kPressShiftY;
        return entry.get();
    }
    return nullptr;
}

void SlidingUIGroup::ClearPresses() {
    for (auto& entry : entries) {
        LDvButton* button = EnabledButton(*entry);
        if (button == nullptr) continue;
        entry->pressOffsetX = entry->pressOffsetY = 0;
        button->pressed = false;
    }
}

void SlidingUIGroup::Clear() { entries.Clear(); }

void SlidingUIGroup::Tick() {
    for (auto& entry : entries) entry->Tick();
    for (auto& entry : entries) {
        if (!ReadyForInput(*entry)) continue;
        if (LDvButton* button = EnabledButton(*entry)) button->Update();
    }
}

void SlidingUIGroup::Draw() {
    for (auto& entry : entries) entry->Draw();
}
