#pragma once
// One named object of an adventure scene, made from one group of the scene's document: an
// optional picture (the group's "IMG" layer) and an optional hit mask (its "HIT" layer). Scripts
// address sections by name. A section owns its picture and its mask; the scene owns its sections
// until the next scene is loaded.
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

class Section {
public:
    // Opacity changes by this much per step while fading.
    static constexpr float kFadeStep = 0.01f;

    // True when the canvas point lies on a set bit of the mask and the section is active.
    bool IsHit(int x, int y) const;
    // One step of a running fade of the picture; a section without a picture has nothing to fade.
    void StepFade();
    bool HasMask() const { return maskWidth > 0 && maskHeight > 0; }

    bool fadingOut = false;
    bool fadingIn = false;
    bool active = true;          // only active sections are hit and found by name
    bool drawMiddle = false;     // drawn in the second pass
    bool drawTop = false;        // drawn in the third pass; neither flag: the first pass
    LDvString name;              // the group's name
    std::unique_ptr<LDvSprite> picture;  // none when the group has no "IMG" layer
    // maskWidth x maskHeight bits, row-major; bit n is bit (n mod 8) of byte n / 8. Sized to the
    // "HIT" layer; empty (0 x 0) without one.
    std::vector<uint8_t> hitMask;
    int32_t maskWidth = 0;
    int32_t maskHeight = 0;
    float maskX = 0.0f;          // canvas position of the mask's top-left pixel
    float maskY = 0.0f;
};
