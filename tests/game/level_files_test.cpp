// Level files: the cell-word layout, the level table (order and times), the two binary files with
// their size rules, and the built-in level and board tile.
#include "game/match3/level_files.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "engine/k_files.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_game.h"
#include "game/match3/board.h"
#include "game/match3/board_cell.h"
#include "game/match3/board_level_files.h"
#include "game/match3/match3_images.h"
#include "tests/framework/shell_fixture.h"

namespace {

struct CellCase {
    uint32_t word;
    bool disabled, entry;
    int lock, layers;
    bool randomFill, startsEmpty;
    int fixedColour;
    uint32_t encoded;  // saving normalises: random fill is written whenever it is set
};
constexpr CellCase kCells[] = {
    {0x00, true, false, 0, 0, true, false, 0, 0x40},
    {0x0C, true, false, 2, 0, true, false, 0, 0x48},   // the double lock wins
    {0x48, true, false, 2, 0, true, false, 0, 0x48},
    {0x03, false, true, 0, 0, true, false, 0, 0x43},
    {0x15, false, false, 1, 1, true, false, 0, 0x55},
    {0x31, false, false, 0, 2, true, false, 0, 0x61},  // two layers win
    {0x81, false, false, 0, 0, false, true, 0, 0x81},  // starts empty, not filled at start
    {0xC1, false, false, 0, 0, false, true, 0, 0x81},
    {0x301, false, false, 0, 0, true, false, 3, 0x341},  // preset colour 2
    {0xFFFFFFFF, false, true, 2, 2, false, true, 15, 0xFAB},
};

TEST(CellWord, DecodesInBitOrderAndEncodesBackToAStableWord) {
    for (const CellCase& c : kCells) {
        SCOPED_TRACE(c.word);
        const BoardCell cell = decodeCellWord(c.word);
        EXPECT_EQ(cell.disabled, c.disabled);
        EXPECT_EQ(cell.entry, c.entry);
        EXPECT_EQ(cell.lock, c.lock);
        EXPECT_EQ(cell.colourLayers, c.layers);
        EXPECT_EQ(cell.randomFill, c.randomFill);
        EXPECT_EQ(cell.startsEmpty, c.startsEmpty);
        EXPECT_EQ(cell.fixedColour, c.fixedColour);
        EXPECT_FALSE(cell.fedFromAbove);
        EXPECT_EQ(cell.revealDelay + cell.revealTicks + cell.revealTotal + cell.revealAlpha, 0);
        EXPECT_EQ(encodeCellWord(cell), c.encoded);
        EXPECT_EQ(encodeCellWord(decodeCellWord(c.encoded)), c.encoded);
    }
}

struct OrderCase {
    const char* order;
    int level;
    int fileNumber;
};
constexpr OrderCase kOrders[] = {
    {"1,2,3,4,5", 1, 1}, {"1,2,3,4,5", 5, 5}, {"1,2,3,4,5", 6, 1}, {"1,2,3,4,5", 7, 2},
    {"7, 3,x,12b", 2, 3}, {"7, 3,x,12b", 3, 0}, {"7, 3,x,12b", 4, 12}, {"1,,2", 2, 0},
    {"9", 100, 9},        {"4,5", 0, 5},         {"", 1, 0},
    {"1,-2,3", 2, 0},     {"1,+2,3", 2, 0},      {"1,\t 4", 2, 4},  // a sign is no digit
};

TEST(LevelTable, CyclesThroughTheOrderReadingEachEntryAsANumber) {
    for (const OrderCase& c : kOrders) {
        SCOPED_TRACE(std::string(c.order) + " level " + std::to_string(c.level));
        EXPECT_EQ(levelFileNumberIn(c.order, c.level), c.fileNumber);
    }
}

struct TimeCase {
    const char* text;
    int seconds;
};
constexpr TimeCase kTimes[] = {
    {"300", 300}, {"2:05", 125}, {"4:30", 270}, {"7:", 420}, {"90", 90}, {"", 300},
    {":30", 30},  {"x", 0},      {"99999999999:00", 2147483647 / 60},
    {"-30", 0},   {"-1:30", 30}, {"2:-30", 120}, {" 45", 45},  // never a negative time
};

TEST(LevelTable, ReadsTimesInSecondsOrMinutesAndSeconds) {
    for (const TimeCase& c : kTimes) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(parseLevelTime(c.text, 300), c.seconds);
    }
}

struct TileCase {
    int level;
    int tile;
};
constexpr TileCase kTiles[] = {{1, 0}, {2, 0}, {3, 1}, {5, 1}, {6, 2}, {14, 4}, {15, 0}, {18, 1}};

TEST(LevelTable, TileChangesEveryThreeLevelsAndRepeatsEveryFifteen) {
    for (const TileCase& c : kTiles) {
        SCOPED_TRACE(c.level);
        EXPECT_EQ(boardBackImage(c.level), c.tile);
    }
    EXPECT_EQ(boardBackPicture(0), "states/playing/board_back.png");
    EXPECT_EQ(boardBackPicture(1), "states/playing/board_back2.png");
    EXPECT_EQ(boardBackPicture(4), "states/playing/board_back5.png");
}

TEST(LevelTable, BuiltInLevelIsACentredFieldWithALayeredMiddle) {
    // '.' disabled, 'e' entry (3), 'a' active (1), 'c' one colour layer (0x11).
    constexpr const char* kExpected[kLevelRows] = {
        "....eeeeeeeeeeee....", "....aaaaaaaaaaaa....", "....aaaaaaaaaaaa....",
        "....aaccccccccaa....", "....aaccccccccaa....", "....aaccccccccaa....",
        "....aaccccccccaa....", "....aaccccccccaa....", "....aaccccccccaa....",
        "....aaaaaaaaaaaa....", "....aaaaaaaaaaaa....", "....aaaaaaaaaaaa....",
    };
    const LevelWords words = builtInLevelWords();
    for (int row = 0; row < kLevelRows; ++row) {
        std::string drawn;
        for (int col = 0; col < kLevelColumns; ++col) {
            const uint32_t word = words[static_cast<size_t>(col + kLevelColumns * row)];
            drawn += word == 0 ? '.' : word == 3 ? 'e' : word == 1 ? 'a' : word == 0x11 ? 'c' : '?';
        }
        EXPECT_EQ(drawn, kExpected[row]) << "row " << row;
    }
}

class LevelFilesTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        game = std::make_unique<LDvGame>("Quorvane", "Quorvane", 0, 2);
        Frame().rootDirOverride = data.path();
        StartLogging("Quorvane", "0.2", false);
    }
    void TearDown() override {
        ShellTest::TearDown();
        game.reset();
    }
    std::string LogText() const { return dataHome.read("Drovana Games/Quorvane/Ver0.2/log.txt"); }

    // Bytes 0, 1, 2, ... so every word and border value differs from its neighbours.
    static std::string CountingBytes(size_t size) {
        std::string bytes(size, '\0');
        for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>(i * 7 + 1);
        return bytes;
    }

    std::unique_ptr<LDvGame> game;
    TempDir data;
};

TEST_F(LevelFilesTest, LevelTableGivesOrderAndTimesWithDefaults) {
    EXPECT_EQ(levelFileNumber(6), 1);  // no levels.ini: the default order
    EXPECT_EQ(levelTimeSeconds(1), 300);

    data.write("levels.ini", "LEVEL_ORDER=3,1\n[TIMES]\nLEVEL_TIME_3=2:05\nLEVEL_TIME_1=90\n");
    EXPECT_EQ(levelFileNumber(1), 3);
    EXPECT_EQ(levelFileNumber(4), 1);
    EXPECT_EQ(levelTimeSeconds(3), 125);
    EXPECT_EQ(levelTimeSeconds(1), 90);
    EXPECT_EQ(levelTimeSeconds(2), 300);
}

struct SizeCase {
    size_t cellBytes, borderBytes;
    bool cellsRead, bordersRead;
};
constexpr SizeCase kSizes[] = {
    {960, 616, true, true},
    {959, 615, false, false},  // one byte short: treated as missing
    {0, 0, false, false},
    {4000, 700, true, true},  // longer: only the first bytes count
};

TEST_F(LevelFilesTest, ShortFilesCountAsMissingAndLongOnesAreReadToTheirSize) {
    const std::string cellBytes = CountingBytes(4000), borderBytes = CountingBytes(700);
    LevelWords expectedWords{};
    LevelBorders expectedBorders{};
    ASSERT_TRUE(decodeCellFile(reinterpret_cast<const uint8_t*>(cellBytes.data()), kCellFileBytes, expectedWords));
    ASSERT_TRUE(
        decodeBorderFile(reinterpret_cast<const uint8_t*>(borderBytes.data()), kBorderFileBytes, expectedBorders));
    EXPECT_EQ(expectedWords[1], 0x322B241Du);  // little-endian: bytes 1D 24 2B 32
    EXPECT_EQ(expectedBorders[0], 0x0801);

    for (const SizeCase& c : kSizes) {
        SCOPED_TRACE(c.cellBytes);
        data.write("levels/level_2.lvl", cellBytes.substr(0, c.cellBytes));
        data.write("levels/border_2.lvl", borderBytes.substr(0, c.borderBytes));
        LevelWords current = builtInLevelWords();
        LevelBorders borders{};
        borders.fill(5);
        EXPECT_EQ(loadLevelFiles(2, current, borders), c.cellsRead);
        EXPECT_EQ(current, c.cellsRead ? expectedWords : builtInLevelWords());
        EXPECT_EQ(borders, c.bordersRead ? expectedBorders : LevelBorders{});
    }
    EXPECT_NE(LogText().find("Level file too short, ignored: " + data.path() + "/levels/level_2.lvl (959 of 960 bytes)"),
              std::string::npos);
}

TEST_F(LevelFilesTest, MissingFilesKeepThePreviousDesignAndClearTheBorders) {
    LevelWords current = builtInLevelWords();
    current[7] = 0x81;
    const LevelWords before = current;
    LevelBorders borders{};
    borders.fill(3);
    EXPECT_FALSE(loadLevelFiles(0, current, borders));
    EXPECT_EQ(current, before);
    EXPECT_EQ(borders, LevelBorders{});
}

TEST_F(LevelFilesTest, SavedFilesAreLittleEndianAndReadBack) {
    LevelWords words = builtInLevelWords();
    words[1] = 0x341;
    LevelBorders borders{};
    borders[1] = -2;
    borders[21 * kLevelBorderRows + 13] = 29;
    ASSERT_TRUE(saveLevelFiles(4, words, borders));

    const std::string cellFile = data.read("levels/level_4.lvl"), borderFile = data.read("levels/border_4.lvl");
    ASSERT_EQ(cellFile.size(), kCellFileBytes);
    ASSERT_EQ(borderFile.size(), kBorderFileBytes);
    EXPECT_EQ(cellFile.substr(4, 4), std::string("\x41\x03\x00\x00", 4));
    EXPECT_EQ(borderFile.substr(2, 2), std::string("\xFE\xFF", 2));
    EXPECT_EQ(borderFile.substr(kBorderFileBytes - 2), std::string("\x1D\x00", 2));

    LevelWords readWords{};
    LevelBorders readBorders{};
    ASSERT_TRUE(loadLevelFiles(4, readWords, readBorders));
    EXPECT_EQ(readWords, words);
    EXPECT_EQ(readBorders, borders);

    // A failed write leaves the design on disk as it was.
    failNextAtomicWritesForTesting(1);
    EXPECT_FALSE(saveLevelFiles(4, LevelWords{}, borders));
    EXPECT_EQ(data.read("levels/level_4.lvl"), cellFile);
}

TEST_F(LevelFilesTest, EditorSetsABoardUpFromADesignAndSavesItNormalised) {
    LevelWords words = builtInLevelWords();
    words[0] = 0x0C;               // disabled, double lock: saved back as 0x48
    words[5 + 20 * 2] = 0x301;     // a preset compass
    LevelBorders borders{};
    borders[3 * kLevelBorderRows + 2] = 7;
    ASSERT_TRUE(saveLevelFiles(5, words, borders));

    Match3Images images;  // never loaded: draws nothing
    Board board(images);
    loadLevelInto(board, 5);
    EXPECT_EQ(board.levelNumber, 0);
    EXPECT_EQ(board.cellAt(0, 0)->lock, 2);
    EXPECT_EQ(board.pieceAt(5, 2)->colour, 2);
    EXPECT_EQ(board.borders, borders);
    EXPECT_GT(board.allPieces().Count(), 0);

    ASSERT_TRUE(saveLevel(board, 6));
    LevelWords normalised = words;
    for (uint32_t& word : normalised) word = encodeCellWord(decodeCellWord(word));
    EXPECT_EQ(normalised[0], 0x48u);
    const auto expected = encodeCellFile(normalised);
    EXPECT_EQ(data.read("levels/level_6.lvl"), std::string(expected.begin(), expected.end()));
    EXPECT_EQ(data.read("levels/border_6.lvl"), data.read("levels/border_5.lvl"));

    // A missing design leaves an all-active, empty canvas without the previous pieces or borders.
    loadLevelInto(board, 9);
    for (const BoardCell& cell : board.cells) {
        EXPECT_EQ(encodeCellWord(cell), kCellActive);
        if (encodeCellWord(cell) != kCellActive) break;
    }
    EXPECT_EQ(board.allPieces().Count(), 0);
    EXPECT_EQ(board.entries.Count(), 0);
    EXPECT_EQ(board.borders, LevelBorders{});
}

}  // namespace
