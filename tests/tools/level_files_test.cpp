// The match-3 levels in the generated data: levels.ini and the two binary files of every design it
// orders (960 bytes of row-major cell words, 616 bytes of column-major border values).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>

#include "tests/tools/data_folder.h"

namespace {

constexpr int kColumns = 20, kRows = 12, kBorderColumns = 22, kBorderRows = 14;
constexpr uint32_t kActive = 0x1, kEntry = 0x2, kLocks = 0xC, kLayers = 0x30, kStartsEmpty = 0x80;
constexpr int kLastBorderPiece = 29;

// Decoded with code of its own; switch to the game's level reader once it exists.
struct LevelFiles {
    std::vector<uint32_t> cells;   // index col + 20 * row
    std::vector<int16_t> borders;  // index i * 14 + j

    bool active(int col, int row) const {
        return col >= 0 && row >= 0 && col < kColumns && row < kRows &&
               (cells[static_cast<size_t>(row * kColumns + col)] & kActive) != 0;
    }
};

bool readLevelFiles(const std::string& file, LevelFiles& level) {
    std::string cellBytes, borderBytes;
    if (!readDataFile(dataPath("levels/level_" + file + ".lvl"), cellBytes) ||
        !readDataFile(dataPath("levels/border_" + file + ".lvl"), borderBytes) || cellBytes.size() != 960 ||
        borderBytes.size() != 616) {
        return false;
    }
    const auto byte = [](const std::string& b, size_t i) { return static_cast<uint32_t>(static_cast<uint8_t>(b[i])); };
    for (size_t k = 0; k < 240; ++k) {
        level.cells.push_back(byte(cellBytes, 4 * k) | byte(cellBytes, 4 * k + 1) << 8 |
                              byte(cellBytes, 4 * k + 2) << 16 | byte(cellBytes, 4 * k + 3) << 24);
    }
    for (size_t k = 0; k < 308; ++k) {
        level.borders.push_back(static_cast<int16_t>(byte(borderBytes, 2 * k) | byte(borderBytes, 2 * k + 1) << 8));
    }
    return true;
}

// Seconds of a time value: "300" or "4:30"; -1 when it is neither.
int timeSeconds(const std::string& text) {
    const size_t colon = text.find(':');
    const std::string minutes = text.substr(0, colon);
    const std::string seconds = colon == std::string::npos ? "" : text.substr(colon + 1);
    const auto digits = [](const std::string& s) { return s.find_first_not_of("0123456789") == std::string::npos; };
    constexpr size_t kMaxDigits = 4;
    if (minutes.empty() || !digits(minutes) || !digits(seconds) || minutes.size() > kMaxDigits ||
        seconds.size() > kMaxDigits) {
        return -1;
    }
    const int whole = std::atoi(minutes.c_str());
    if (colon == std::string::npos) return whole;
    return whole * 60 + std::atoi(seconds.c_str());
}

LevelTable orderedLevels() {
    std::string text;
    readDataFile(dataPath("levels.ini"), text);
    return readLevelTable(text);
}

// Pieces enter at entries and move down, straight or diagonally; locks only hold them a while.
std::vector<bool> refillable(const LevelFiles& level) {
    std::vector<bool> reached(240, false);
    std::deque<int> queue;
    for (int k = 0; k < 240; ++k) {
        if ((level.cells[static_cast<size_t>(k)] & (kActive | kEntry)) == (kActive | kEntry)) {
            reached[static_cast<size_t>(k)] = true;
            queue.push_back(k);
        }
    }
    for (; !queue.empty(); queue.pop_front()) {
        const int col = queue.front() % kColumns, row = queue.front() / kColumns;
        for (int dx = -1; dx <= 1; ++dx) {
            const int next = (row + 1) * kColumns + col + dx;
            if (level.active(col + dx, row + 1) && !reached[static_cast<size_t>(next)]) {
                reached[static_cast<size_t>(next)] = true;
                queue.push_back(next);
            }
        }
    }
    return reached;
}

}  // namespace

TEST(LevelTable, OrdersThirtyDesignsOrMoreEachWithATime) {
    const LevelTable table = orderedLevels();
    EXPECT_GE(table.order.size(), 30u);
    for (const std::string& file : table.order) {
        SCOPED_TRACE("design " + file);
        ASSERT_EQ(file.find_first_not_of("0123456789"), std::string::npos);
        const auto time = table.times.find("LEVEL_TIME_" + file);
        ASSERT_NE(time, table.times.end());
        const int seconds = timeSeconds(time->second);
        EXPECT_GE(seconds, 30);
        EXPECT_LE(seconds, 600);
    }
}

TEST(LevelFiles, EveryOrderedDesignIsAPlayableField) {
    for (const std::string& file : orderedLevels().order) {
        SCOPED_TRACE("design " + file);
        LevelFiles level;
        ASSERT_TRUE(readLevelFiles(file, level)) << "missing, or not 960 + 616 bytes";
        int entries = 0, coloured = 0;
        for (uint32_t word : level.cells) {
            EXPECT_EQ(word >> 12, 0u) << "unused bits must be 0";
            EXPECT_LE((word >> 8) & 0xF, 6u) << "preset colour";
            if ((word & kActive) == 0) continue;
            entries += (word & kEntry) != 0;
            coloured += (word & kLayers) != 0;
            EXPECT_FALSE((word & kLocks) != 0 && (word & kStartsEmpty) != 0) << "a lock with no piece inside";
        }
        EXPECT_GT(entries, 0);
        EXPECT_GT(coloured, 0) << "the level would be won at once";
        const std::vector<bool> reached = refillable(level);
        for (int k = 0; k < 240; ++k) {
            EXPECT_TRUE(reached[static_cast<size_t>(k)] || !level.active(k % kColumns, k / kColumns))
                << "no piece can reach column " << k % kColumns << ", row " << k / kColumns;
        }
    }
}

// Frame pieces lie on the squares around the field, never on it: border point (i, j) is the square
// of cell (i - 1, j - 1).
TEST(LevelFiles, FrameSurroundsTheField) {
    for (const std::string& file : orderedLevels().order) {
        SCOPED_TRACE("design " + file);
        LevelFiles level;
        ASSERT_TRUE(readLevelFiles(file, level));
        for (int i = 0; i < kBorderColumns; ++i) {
            for (int j = 0; j < kBorderRows; ++j) {
                const int col = i - 1, row = j - 1;
                bool touches = false;
                for (int dx = -1; dx <= 1; ++dx) {
                    for (int dy = -1; dy <= 1; ++dy) touches = touches || level.active(col + dx, row + dy);
                }
                const int value = level.borders[static_cast<size_t>(i * kBorderRows + j)];
                SCOPED_TRACE("border point " + std::to_string(i) + ", " + std::to_string(j));
                ASSERT_GE(value, 0);
                ASSERT_LE(value, kLastBorderPiece);
                EXPECT_EQ(value != 0, touches && !level.active(col, row));
            }
        }
    }
}
