#pragma once
// One moving entry of a sliding menu: a point that slides between an off-screen start and its
// resting end, or drops onto the end with a few bounces, carrying a main overlay (normally a
// touch button) and badges placed at offsets from it. The overlays are borrowed from the screen,
// which keeps them alive while the entry exists. Times are in steps.
#include <cstdint>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"

class LDvOverlay;

class SlidingUI {
public:
    void Attach(LDvOverlay* overlay, LDvPoint offset);   // drawn at the current position + offset
    void StartSlideIn();
    void StartSlideOut();
    void Drop(float initialSpeed, float dropGravity);
    bool IsAtRest() const;                               // exactly at the end position
    void Tick();
    void PlaceOverlays();
    void Draw();
    LDvOverlay* MainOverlay() const;                     // null when nothing is attached

    float startX = 0.0f, startY = 0.0f;     // off-screen; a slide-out ends here
    float endX = 0.0f, endY = 0.0f;         // the resting place
    float currentX = 0.0f, currentY = 0.0f;
    float speed = 0.0f;                     // drop: pixels per step, downward positive
    float gravity = 0.0f;                   // drop: added to the speed every step
    int32_t tweenCounter = 0;               // steps left in the running slide
    int32_t bounceCount = 0;
    uint8_t drop = 0;                       // at most one of the three motions runs
    uint8_t slideIn = 0;
    uint8_t slideOut = 0;
    int32_t ticksAtRest = 0;                // steps without delay, drop or slide
    int32_t tweenLength = 10;               // steps of a slide
    int32_t configuredDelay = 0;            // steps before each slide starts
    int32_t delayCounter = 0;
    int32_t pressOffsetX = 0;               // (0, 2) while its button is held down
    int32_t pressOffsetY = 0;
    LDvList<LDvOverlay*> overlays;          // not owned; the first is the main overlay
    LDvList<LDvPoint> offsets;              // one per overlay

private:
    void StepDrop();
    void StepSlide();
};
