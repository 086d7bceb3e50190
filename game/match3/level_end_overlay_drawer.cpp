#include "game/match3/level_end_overlay_drawer.h"

#include <algorithm>

#include "framework/core/frame_context.h"
#include "framework/ui/draw_primitives.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "framework/ui/overlay_images.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"

namespace {

constexpr int kVeilTicks = 20;             // the board darkens this long
constexpr float kVeilOpacity = 0.45f;
constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;

}  // namespace

LevelEndOverlayDrawer::~LevelEndOverlayDrawer() = default;

void LevelEndOverlayDrawer::loadAnimations(LDvTextureAtlas& bundle) {
    bundle.LoadAll();
    winAnimation = LoadActor("levelwin", &bundle);
    loseAnimation = LoadActor("loselevel", &bundle);
}

void LevelEndOverlayDrawer::setDigitSheet(const LDvSprite& sheet) {
    for (Counter& counter : counters) {
        SharePicture(&counter.digitSprite, &sheet);
        counter.digits = kCounterDigits;
    }
}

void LevelEndOverlayDrawer::start(bool win) {
    close();
    showing = true;
    won = win;
    for (SpineActor* actor : {winAnimation.get(), loseAnimation.get()}) {
        if (actor == nullptr) continue;
        RestartActor(*actor);
        actor->looping = false;
    }
    SpineActor* shown = win ? winAnimation.get() : loseAnimation.get();
    if (shown != nullptr) shown->visible = true;
}

void LevelEndOverlayDrawer::showWin(int blueTiles, int bonus, int timeBonus, int total) {
    start(true);
    const std::array<int, 4> values = {blueTiles, bonus, timeBonus, total};
    for (size_t i = 0; i < counters.size(); ++i) {
        Counter& counter = counters[i];
        counter.setValue(0);
        counter.target = std::max(values[i], 0);
        counter.holdTicks = kFirstCountHold + kCountStagger * static_cast<int>(i);
        counter.countTicks = counter.countTotal = kCountTicks;
    }
}

void LevelEndOverlayDrawer::showLoss() { start(false); }

void LevelEndOverlayDrawer::close() {
    showing = won = counting = false;
    shownTicks = 0;
    for (SpineActor* actor : {winAnimation.get(), loseAnimation.get()}) {
        if (actor != nullptr) actor->visible = false;
    }
    for (Counter& counter : counters) counter.setValue(0);
}

bool LevelEndOverlayDrawer::readyForButtons() const {
    if (!showing) return false;
    if (!won) return shownTicks >= kLossButtonsDelay;
    return std::all_of(counters.begin(), counters.end(),
                       [](const Counter& c) { return c.holdTicks == 0 && c.countTicks == 0; });
}

void LevelEndOverlayDrawer::OnTick(int) {
    if (!showing) return;
    ++shownTicks;
    for (SpineActor* actor : {winAnimation.get(), loseAnimation.get()}) {
        if (actor != nullptr) TickActor(*actor);
    }
    if (!won) return;
    for (Counter& counter : counters) counter.countStep();
    if (!counting && counters[0].holdTicks == 0) {
        counting = true;
        PlayGameSound(sounds::kScoreCounting);
    }
}

void LevelEndOverlayDrawer::Draw() {
    if (hidden || !showing) return;
    drawVeil();
    drawAnimation();
    if (!won) return;
    for (size_t i = 0; i < counters.size(); ++i) {
        Counter& counter = counters[i];
        counter.x = static_cast<float>(kCounterRight - counter.digitSprite.frameWidth * counter.digits);
        counter.y = static_cast<float>(kCounterTops[i]);
        counter.Draw();
    }
}

void LevelEndOverlayDrawer::drawVeil() {
    const float alpha = kVeilOpacity * static_cast<float>(std::min(shownTicks, kVeilTicks)) / kVeilTicks;
    DrawRect(0.0f, 0.0f, 0.0f, alpha, true, 0, 0, kCanvasWidth, kCanvasHeight);
}

// The animations draw in window pixels, so the root bone carries the display scale.
void LevelEndOverlayDrawer::drawAnimation() {
    const float scale = WindowPixelScale();
    for (SpineActor* actor : {winAnimation.get(), loseAnimation.get()}) {
        if (actor == nullptr) continue;
        if (SpineBone* root = actor->skeleton.BoneAt(0)) {
            root->scaleX = scale;
            root->scaleY = scale;
        }
        SetActorPosition(*actor, static_cast<float>(kAnimationX), static_cast<float>(kAnimationY));
    }
    SpineActor* shown = won ? winAnimation.get() : loseAnimation.get();
    if (shown != nullptr) DrawActor(*shown);
}
