#pragma once
// The level editor's pages of designs: page ("set") s shows the twelve designs 12 s .. 12 s + 11,
// so the pages together reach every design, including every one "LEVEL_ORDER" plays.
#include <climits>

constexpr int kDesignsPerSet = 12;
constexpr int kMinLastDesignSet = 10;          // pages there are even when the order names fewer designs

inline int designSetBase(int set) { return set * kDesignsPerSet; }

// The last page: at least 10, and far enough to show the highest design number given.
inline int lastDesignSetFor(int highestDesign) {
    constexpr int kLastPossibleSet = (INT_MAX - kDesignsPerSet) / kDesignsPerSet;
    const int needed = highestDesign > 0 ? highestDesign / kDesignsPerSet : 0;
    if (needed > kLastPossibleSet) return kLastPossibleSet;
    return needed > kMinLastDesignSet ? needed : kMinLastDesignSet;
}
