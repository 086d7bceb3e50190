#pragma once
// The order the title's animation sheets are shown in: forward through their 40 frames and back
// again (0, 1, ..., 39, 38, ..., 1), 78 entries, so a looping index plays a smooth stroke.
#include <array>
#include <cstdint>

inline constexpr int kSwimSheetFrames = 40;
inline constexpr int kSwimSequenceLength = 2 * kSwimSheetFrames - 2;

using SwimSequence = std::array<int16_t, kSwimSequenceLength>;

const SwimSequence& TheSwimSequence();
