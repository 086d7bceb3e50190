#pragma once
// One square of the 20 x 12 match-3 grid, and its 32-bit word in the level files.
#include <cstdint>

struct BoardCell {
    bool disabled = false;      // not part of the playing field
    bool entry = false;         // new pieces enter the board here
    bool randomFill = true;     // receives a random piece at level start
    bool startsEmpty = false;   // starts the level without a piece
    bool fedFromAbove = false;  // a piece can reach it by falling straight down (recomputed)
    int32_t revealDelay = 0;
    int32_t revealTicks = 0;
    int32_t revealTotal = 0;
    float revealStartX = 0.0f, revealStartY = 0.0f;
    float revealOffsetX = 0.0f, revealOffsetY = 0.0f;
    int32_t revealAlpha = 0;    // percent
    int32_t lock = 0;           // 0 none, 1 single, 2 double
    int32_t colourLayers = 0;   // colour layers still to clear
    int32_t fixedColour = 0;    // 0 none, else the preset piece colour + 1
};

// Cell-word bits of the level files.
constexpr uint32_t kCellActive = 0x1;
constexpr uint32_t kCellEntry = 0x2;
constexpr uint32_t kCellSingleLock = 0x4;
constexpr uint32_t kCellDoubleLock = 0x8;
constexpr uint32_t kCellOneLayer = 0x10;
constexpr uint32_t kCellTwoLayers = 0x20;
constexpr uint32_t kCellRandomFill = 0x40;
constexpr uint32_t kCellStartsEmpty = 0x80;
constexpr uint32_t kCellColourShift = 8;
constexpr uint32_t kCellColourMask = 0xF00;

// A fresh cell with the word's fields applied in bit order (later bits win).
BoardCell decodeCellWord(uint32_t word);
uint32_t encodeCellWord(const BoardCell& cell);
