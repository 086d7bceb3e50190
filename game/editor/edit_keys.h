#pragma once
// What the level editor's single keys do to a design: the cell keys rewrite the word of the cell
// under the pointer, the border keys the frame piece at the border point under it. Plain functions
// on plain values, so the play screen's edit mode and the tests share them.
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "game/match3/level_files.h"

constexpr int kCellKeyRemove = '\b';       // backspace: the cell leaves the field
constexpr int kMinBorderValue = 1;
constexpr int kMaxBorderValue = 30;

// The word after the cell key `key` (a typed character, or kCellKeyRemove); false for a key that
// is not a cell key, leaving `word` unchanged. Letters count in either case.
bool applyCellKey(int key, uint32_t& word);

// The border point (0..21 across, 0..13 down) under a canvas point; false outside the frame.
bool borderPointUnder(LDvPoint point, LDvPoint& borderPoint);
// The index of a border point in a border array.
int borderIndexOf(LDvPoint borderPoint);

// The frame piece that fits border point (i, j) of a design, judged from the field squares
// around it; 0 where the point is itself part of the field or touches none.
int fittingBorderPiece(const LevelWords& words, LDvPoint borderPoint);
