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
// Words are written the way the level editor saves them (the random-fill bit on every square that
// does not start empty), so loading and saving a design in the editor leaves its file unchanged.
// "cells:" is required, the other two are optional. Pieces slide diagonally around holes on their
// own; the cell word has no slide marks.
//
// The frame is derived from the field's shape with the numbering the border pictures are painted
// for (game/match3/board_border_rule.h): pieces lie on the squares around the field.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/match3/board_cell.h"

namespace level {

constexpr int kColumns = 20;
constexpr int kRows = 12;
constexpr int kCellCount = kColumns * kRows;
constexpr int kBorderColumns = 22;
constexpr int kBorderRows = 14;
constexpr int kBorderCount = kBorderColumns * kBorderRows;
constexpr size_t kCellFileSize = kCellCount * 4;      // 960
constexpr size_t kBorderFileSize = kBorderCount * 2;  // 616

// Bits of a cell word, as the board reads them.
constexpr uint32_t kActive = kCellActive;
constexpr uint32_t kEntry = kCellEntry;
constexpr uint32_t kLock1 = kCellSingleLock;
constexpr uint32_t kLock2 = kCellDoubleLock;
constexpr uint32_t kLayer1 = kCellOneLayer;
constexpr uint32_t kLayer2 = kCellTwoLayers;
constexpr uint32_t kRandomFill = kCellRandomFill;
constexpr uint32_t kStartsEmpty = kCellStartsEmpty;
constexpr uint32_t kPresetShift = kCellColourShift;  // preset colour + 1 in bits 8..11


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

// The border piece at border point (i, j) (numbering above), 0 where none belongs.
int borderPieceAt(const LevelDesign& design, int i, int j);
// Fills `borders` from the field's shape.
void deriveBorders(LevelDesign& design);

std::vector<uint8_t> cellFileBytes(const LevelDesign& design);    // 960 bytes, little-endian
std::vector<uint8_t> borderFileBytes(const LevelDesign& design);  // 616 bytes, little-endian
