#pragma once
// An animation: the timelines of one skeleton, applied in list order. Owns its timelines.
#include <memory>
#include <string_view>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "game/cinematics/spine_frames.h"

struct SpineSkeleton;

struct SpineAnimation {
    SpineAnimation() = default;
    SpineAnimation(const SpineAnimation&) = delete;
    SpineAnimation& operator=(const SpineAnimation&) = delete;

    LDvList<std::unique_ptr<SpineFrames>> timelines;
    float duration = 0.0f;  // seconds: the latest last key of any timeline
};

// Reads an animation file's text for `skeleton` (loaded before) into an empty animation. Bones
// and slots are found by name; timelines naming none are kept but change nothing, and are logged
// with `source` (the file's name), as are keys with a colour that is not eight hexadecimal digits.
void LoadAnimation(std::string_view text, const LDvString& source, const SpineSkeleton& skeleton,
                   SpineAnimation& animation);

// Reads "rrggbbaa" into four values of 0..1; false (values untouched) for any other text.
bool ReadSpineColor(std::string_view text, float rgba[4]);
