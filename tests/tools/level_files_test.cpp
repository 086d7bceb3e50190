// The match-3 levels in the generated data: levels.ini and the two binary files of every design it
// orders (960 bytes of row-major cell words, 616 bytes of column-major border values).
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <deque>

#include "game/match3/board_cell.h"
#include "game/match3/level_files.h"
#include "tests/tools/data_folder.h"
#include "game/match3/board_border_rule.h"

namespace {

constexpr int kColumns = 20, kRows = 12, kBorderColumns = 22, kBorderRows = 14;

// The files are read by the game's own level-file decoder, so what is tested is what the play
// screen will load.
struct LevelFiles {
    std::vector<uint32_t> words;   // index col + 20 * row
    std::vector<BoardCell> cells;  // the same, decoded
    std::vector<int16_t> borders;  // index i * 14 + j

    bool active(int col, int row) const {
        return col >= 0 && row >= 0 && col < kColumns && row < kRows &&
               !cells[static_cast<size_t>(row * kColumns + col)].disabled;
    }
};

bool readLevelFiles(const std::string& file, LevelFiles& level) {
    std::string cellBytes, borderBytes;
    if (!readDataFile(dataPath("levels/level_" + file + ".lvl"), cellBytes) ||
        !readDataFile(dataPath("levels/border_" + file + ".lvl"), borderBytes) || cellBytes.size() != kCellFileBytes ||
        borderBytes.size() != kBorderFileBytes) {
        return false;
    }
    LevelWords words{};
    LevelBorders borders{};
    if (!decodeCellFile(reinterpret_cast<const uint8_t*>(cellBytes.data()), cellBytes.size(), words) ||
        !decodeBorderFile(reinterpret_cast<const uint8_t*>(borderBytes.data()), borderBytes.size(), borders)) {
        return false;
    }
    level.words.assign(words.begin(), words.end());
    for (uint32_t word : words) level.cells.push_back(decodeCellWord(word));
    level.borders.assign(borders.begin(), borders.end());
    return true;
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
        const BoardCell& cell = level.cells[static_cast<size_t>(k)];
        if (!cell.disabled && cell.entry) {
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
        for (size_t k = 0; k < level.words.size(); ++k) {
            const BoardCell& cell = level.cells[k];
            EXPECT_EQ(level.words[k] >> 12, 0u) << "unused bits must be 0";
            // The editor saves what it decoded, so a design it loads and saves must not change.
            EXPECT_EQ(encodeCellWord(cell), level.words[k]) << "cell " << k;
            EXPECT_LE(cell.fixedColour, 6) << "preset colour";
            if (cell.disabled) continue;
            entries += cell.entry;
            coloured += cell.colourLayers > 0;
            EXPECT_FALSE(cell.lock > 0 && cell.startsEmpty) << "a lock with no piece inside";
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

// The frame is drawn with the pictures the border rule numbers, on the squares around the field:
// border point (i, j) is the square of cell (i - 1, j - 1).
TEST(LevelFiles, FrameFollowsTheBorderRule) {
    for (const std::string& file : orderedLevels().order) {
        SCOPED_TRACE("design " + file);
        LevelFiles level;
        ASSERT_TRUE(readLevelFiles(file, level));
        const auto isField = [&level](int col, int row) { return level.active(col, row); };
        for (int i = 0; i < kBorderColumns; ++i) {
            for (int j = 0; j < kBorderRows; ++j) {
                SCOPED_TRACE("border point " + std::to_string(i) + ", " + std::to_string(j));
                EXPECT_EQ(level.borders[static_cast<size_t>(i * kBorderRows + j)], border_rule::pieceAt(isField, i, j));
            }
        }
    }
}
