#include "game/frontend/swim_sequence.h"

#include <cstddef>

namespace {

constexpr SwimSequence BuildSequence() {
    SwimSequence sequence{};
    for (int i = 0; i < kSwimSheetFrames; ++i) sequence[static_cast<std::size_t>(i)] = static_cast<int16_t>(i);
    for (int i = kSwimSheetFrames; i < kSwimSequenceLength; ++i) {
        sequence[static_cast<std::size_t>(i)] = static_cast<int16_t>(kSwimSequenceLength - i);
    }
    return sequence;
}

constexpr SwimSequence kSequence = BuildSequence();
static_assert(kSequence[kSwimSheetFrames - 1] == kSwimSheetFrames - 1 && kSequence[kSwimSheetFrames] == kSwimSheetFrames - 2);
static_assert(kSequence[kSwimSequenceLength - 1] == 1);

}  // namespace

const SwimSequence& TheSwimSequence() { return kSequence; }
