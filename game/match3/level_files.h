#pragma once
// The match-3 level designs of the data folder: "levels.ini" orders the designs and gives each its
// time limit; every design F has a cell file "levels/level_F.lvl" (240 little-endian 32-bit cell
// words, row-major, top row first) and a border file "levels/border_F.lvl" (308 little-endian
// signed 16-bit border picture numbers, column-major: index i * 14 + j).
//
// These functions work on plain arrays so that the play screen, the editor and the tools share
// them without a board. Nothing here keeps state; every call reads the files again.
#include <array>
#include <cstddef>
#include <cstdint>

#include "framework/core/ldv_string.h"

constexpr int kLevelColumns = 20;
constexpr int kLevelRows = 12;
constexpr int kLevelWordCount = kLevelColumns * kLevelRows;
constexpr int kLevelBorderColumns = 22;
constexpr int kLevelBorderRows = 14;
constexpr int kLevelBorderCount = kLevelBorderColumns * kLevelBorderRows;
constexpr size_t kCellFileBytes = 4 * kLevelWordCount;     // 960
constexpr size_t kBorderFileBytes = 2 * kLevelBorderCount;  // 616

using LevelWords = std::array<uint32_t, kLevelWordCount>;      // index col + 20 * row
using LevelBorders = std::array<int16_t, kLevelBorderCount>;   // index i * 14 + j, 0 none

// The design played for level L: entry (L - 1) mod count of the comma-separated "LEVEL_ORDER"
// of levels.ini (default "1,2,3,4,5"); an entry that is not a number gives 0.
int levelFileNumber(int level);
int levelFileNumberIn(const LDvString& order, int level);
// The highest design number "LEVEL_ORDER" names (0 when none is a number).
int highestOrderedDesign();
int highestOrderedDesignIn(const LDvString& order);

// The time limit of design F in seconds, from "TIMES"/"LEVEL_TIME_F" of levels.ini (300 when
// missing). Values are seconds ("90") or minutes and seconds ("4:30").
int levelTimeSeconds(int fileNumber);
// Limited so that the time in steps (seconds x 60) always fits an int.
int parseLevelTime(const LDvString& text, int defaultSeconds);

// Data-relative paths of design F's files.
LDvString levelCellFilePath(int fileNumber);
LDvString levelBorderFilePath(int fileNumber);

// The level played before any file was read: columns 4..15 active, entries along the top, one
// colour layer over columns 6..13 of rows 3..8.
LevelWords builtInLevelWords();

// The empty-square tile of level L, 0..4, changing every 3 levels; and its picture.
int boardBackImage(int level);
LDvString boardBackPicture(int tile);

// Decoding the file contents. Fewer bytes than a whole file fail and leave the array unchanged;
// bytes past a whole file are ignored.
bool decodeCellFile(const uint8_t* bytes, size_t size, LevelWords& words);
bool decodeBorderFile(const uint8_t* bytes, size_t size, LevelBorders& borders);
std::array<uint8_t, kCellFileBytes> encodeCellFile(const LevelWords& words);
std::array<uint8_t, kBorderFileBytes> encodeBorderFile(const LevelBorders& borders);

// Reading one file of design F; false with the array unchanged when the file is missing or too
// short (a short file is logged).
bool readCellFile(int fileNumber, LevelWords& words);
bool readBorderFile(int fileNumber, LevelBorders& borders);

// The play screen's load: the cell file replaces `current` only when it can be read (otherwise
// the previous design is played again, and false returned); the borders are cleared when their
// file cannot be read.
bool loadLevelFiles(int fileNumber, LevelWords& current, LevelBorders& borders);
// The editor's save: both files written atomically (the "levels" folder is created when absent).
bool saveLevelFiles(int fileNumber, const LevelWords& words, const LevelBorders& borders);
