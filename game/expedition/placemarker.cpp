#include "game/expedition/placemarker.h"

#include <cmath>

#include "framework/effects/bit.h"

namespace {

constexpr int32_t kFullPercent = 100;
constexpr float kPercent = 100.0f;
constexpr float kWobbleSize = 0.2f;
constexpr float kWobbleSpeed = 0.5f;        // radians per step
constexpr LDvPoint kQuestionMarkCentre{-3, -30};
constexpr LDvPoint kPointerCorner{-60, -50};

}  // namespace

float WobbleScale(int32_t counter, int32_t total) {
    if (counter <= 0 || total <= 0) return 1.0f;
    const float c = static_cast<float>(counter);
    const float left = 1.0f - c / static_cast<float>(total);
    return 1.0f + kWobbleSize * std::sin(kWobbleSpeed * c) * (1.0f - std::sqrt(left));
}

void Placemarker::PopIn() {
    hidden = false;
    popOutCounter = 0;
    wobbleCounter = kWobbleTicks;
    scale = WobbleScale(wobbleCounter, kWobbleTicks);
}

void Placemarker::PopOut() {
    if (hidden) return;
    wobbleCounter = secondWobbleCounter = 0;
    popOutCounter = kPopOutTicks;
}

void Placemarker::HideMarker() {
    hidden = true;
    popOutCounter = wobbleCounter = secondWobbleCounter = 0;
    scale = 1.0f;
}

void Placemarker::BecomeReachable(bool alreadyFound) {
    state = alreadyFound ? kFound : kNew;
    questionOpacity = alreadyFound ? 0 : kFullPercent;
    questionFadeCounter = 0;
    secondWobbleCounter = kWobbleTicks;
}

void Placemarker::BecomeDestination() {
    if (state == kNew) questionFadeCounter = kQuestionFadeTicks;
    state = kCurrent;
}

bool Placemarker::HasExit(const Placemarker* exit) const {
    for (const Placemarker* candidate : exits) {
        if (candidate == exit) return true;
    }
    return false;
}

void Placemarker::Step(int questionFrames) {
    ++tickCount;
    if (popDelay > 0) {
        --popDelay;
        return;
    }
    if (popOutCounter > 0) {
        StepPopOut();
    } else {
        StepWobbles();
    }
    StepQuestionMark(questionFrames);
    if (tickCount % kPointerBobTicks == 0) pointerBob = (pointerBob + 1) % kPointerBobSteps;
}

// The pop-in's wobble first, then the one the state computation started.
void Placemarker::StepWobbles() {
    if (wobbleCounter > 0) {
        --wobbleCounter;
        scale = WobbleScale(wobbleCounter, kWobbleTicks);
    } else if (secondWobbleCounter > 0) {
        --secondWobbleCounter;
        scale = WobbleScale(secondWobbleCounter, kWobbleTicks);
    }
}

void Placemarker::StepPopOut() {
    --popOutCounter;
    const float shrink = std::sqrt(Elapsed(popOutCounter, kPopOutTicks));
    scale = 1.0f - shrink;
    questionOpacity = static_cast<int32_t>(kPercent * (1.0f - shrink));
    if (popOutCounter == 0) HideMarker();
}

void Placemarker::StepQuestionMark(int questionFrames) {
    if (state == kNew && questionFrames > 0 && tickCount % kQuestionFrameTicks == 0) {
        questionFrame = (questionFrame + 1) % questionFrames;
    }
    if (state == kCurrent && questionFadeCounter > 0) {
        --questionFadeCounter;
        questionOpacity = kFullPercent * questionFadeCounter / kQuestionFadeTicks;
    }
}

void Placemarker::DrawMarker(MarkerArt& art) {
    if (hidden) return;
    LDvSprite* const pictures[] = {&art.current, &art.grey, &art.fresh, &art.found};
    LDvSprite& picture = *pictures[state >= kCurrent && state <= kFound ? state : kUnreachable];
    const float cx = static_cast<float>(ScreenX(position.x));
    const float cy = static_cast<float>(ScreenY(position.y));
    SpriteLook look;
    look.zoom = scale;
    DrawCentred(picture, cx, cy, look);
    DrawDecorations(art, cx, cy);
}

// The question mark over new places (and fading over the place just chosen), the pointer beside
// new places.
void Placemarker::DrawDecorations(MarkerArt& art, float cx, float cy) {
    if ((state == kNew || state == kCurrent) && questionOpacity > 0) {
        SpriteLook mark;
        mark.zoom = scale;
        mark.opacity = static_cast<float>(questionOpacity) / kPercent;
        mark.frame = questionFrame;
        DrawCentred(art.questionMark, cx + kQuestionMarkCentre.x, cy + kQuestionMarkCentre.y, mark);
    }
    if (state != kNew || PoppingOut()) return;
    SpriteLook pointer;
    pointer.zoom = scale;
    DrawTopLeft(art.pointer, cx + static_cast<float>(kPointerCorner.x + pointerBob),
                cy + static_cast<float>(kPointerCorner.y + pointerBob), pointer);
}
