#pragma once
// Match-3 level designs: the readable text form kept under content/levels/ and the two binary
// files the game reads, "levels/level_<n>.lvl" (cells) and "levels/border_<n>.lvl" (frame).
//
// Text form. Lines starting with "#" and blank lines are ignored. A design holds up to three
// grids, each introduced by its header line and made of 12 rows of 20 characters (top row first):
//
//   cells:    .  not part of the field          o  field square, random piece at the start
//             v  entry: new pieces drop in here  _  field square that starts empty
//             ^  entry that starts empty         a..f  preset piece (a hat, b shell, c compass,
//                                                       d rock, e float, f egg)
//             A..F  entry with a preset piece
//   colour:   1  one colour layer (blue tile)    2  two colour layers (dark blue tile)
//   locks:    1  crate (single lock)             2  roped crate (double lock)
//
// In the colour and locks grids "." and "o" mean nothing, so they can sketch the field's shape.
// "cells:" is required, the other two are optional. Pieces slide diagonally around holes on their
// own; the cell word has no slide marks.
//
// Border numbering. The frame is drawn under the tiles. Border point (i, j), i = 0..21 across and
// j = 0..13 down, is drawn with its picture's top-left at (193 + 55i, 33 + 55j), so a 110 x 110
// picture there is centred on the corner shared by the cells (i - 1, j - 1), (i, j - 1),
// (i - 1, j) and (i, j). Its number says which of those four cells belong to the field:
//   1 top-left, 2 top-right, 4 bottom-left, 8 bottom-right; border n = the sum for n = 1..14.
// A corner with no field cell around it, or with all four (the tiles cover it), gets 0.
// Numbers 16..29 are the same frame pieces as n - 15 with an ornament (a rope lashing); the forge
// uses them on every fourth point of a straight edge: a horizontal edge (3 or 12) where
// i mod 4 = 2 and a vertical edge (5 or 10) where j mod 4 = 2, giving 18, 27, 20 and 25.
// Points in column 21 and row 13 never touch a cell and stay 0.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace level {

constexpr int kColumns = 20;
constexpr int kRows = 12;
constexpr int kCellCount = kColumns * kRows;
constexpr int kBorderColumns = 22;
constexpr int kBorderRows = 14;
constexpr int kBorderCount = kBorderColumns * kBorderRows;
constexpr size_t kCellFileSize = kCellCount * 4;      // 960
constexpr size_t kBorderFileSize = kBorderCount * 2;  // 616

// Bits of a cell word.
constexpr uint32_t kActive = 0x1;
constexpr uint32_t kEntry = 0x2;
constexpr uint32_t kLock1 = 0x4;
constexpr uint32_t kLock2 = 0x8;
constexpr uint32_t kLayer1 = 0x10;
constexpr uint32_t kLayer2 = 0x20;
constexpr uint32_t kRandomFill = 0x40;
constexpr uint32_t kStartsEmpty = 0x80;
constexpr int kPresetShift = 8;  // preset colour + 1 in bits 8..11

constexpr int kOrnamentOffset = 15;  // border n + 15 is piece n with an ornament

}  // namespace level

// A design as the game stores it: cell words row-major (index col + 20 * row) and border values
// column-major (index i * 14 + j).
struct LevelDesign {
    std::array<uint32_t, level::kCellCount> cells{};
    std::array<int16_t, level::kBorderCount> borders{};

    uint32_t cell(int col, int row) const { return cells[static_cast<size_t>(row * level::kColumns + col)]; }
    bool active(int col, int row) const;  // false outside the grid
};

// Reads the text form into cell words. On failure `error` names the line and the fault.
bool parseLevelDesign(const std::string& text, LevelDesign& design, std::string& error);

// A design the game can finish: it has an entry and a coloured square, and every field square can
// be reached by pieces falling or sliding down from an entry (otherwise a cleared square there
// would stay empty for good).
bool checkLevelDesign(const LevelDesign& design, std::string& error);

// Fills `borders` from the field's shape (numbering above).
void deriveBorders(LevelDesign& design);

std::vector<uint8_t> cellFileBytes(const LevelDesign& design);    // 960 bytes, little-endian
std::vector<uint8_t> borderFileBytes(const LevelDesign& design);  // 616 bytes, little-endian
