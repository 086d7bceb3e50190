// Every level of the default data, played by the simple bot with a person's pace, must be won
// before its sand runs out in expert mode. The table it prints is how the level times were set.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "engine/k_files.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_random.h"
#include "framework/data/ldv_ini_file.h"
#include "game/match3/board.h"
#include "game/match3/level_files.h"
#include "game/match3/match3_images.h"
#include "tests/game/match3_bot.h"

namespace {

constexpr int kStepsPerSecond = 60;
constexpr int kThinkTicks = 60;            // a second to spot each move
constexpr int kPlayOnFactor = 4;           // a lost level is played on to show how much it lacked
// The god of air grants three wind bonuses on the island of its board; from there on a player has them.
constexpr int kFirstWindLevel = 29;
constexpr int kGrantedWinds = 3;

int LevelCount() {
    const LDvIniFile table(GetDataRoot() + "levels.ini");
    const LDvString order = table.GetString(nullptr, "LEVEL_ORDER", "");
    if (order.empty()) return 0;
    int count = 1;
    for (char c : order) count += c == ',' ? 1 : 0;
    return count;
}

}  // namespace

TEST(DefaultLevels, EveryLevelIsWonInTimeByAPatientBot) {
    ResetFrameForTesting();
    setGameBaseFolder(QV_DATA_DIR);
    Frame().rootDirOverride = QV_DATA_DIR;
    const int levels = LevelCount();
    ASSERT_GT(levels, 0);
    Match3Images pictures;
    std::printf("level design  time   moves crystals winds  used   left\n");
    for (int level = 1; level <= levels; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        const int design = levelFileNumber(level);
        LevelWords words{};
        ASSERT_TRUE(readCellFile(design, words));
        const int seconds = levelTimeSeconds(design);
        SeedGameRand(static_cast<uint32_t>(level));
        Board board(pictures);
        for (int colour : {0, 1, 2, 3, 4}) board.colours.Add(colour);
        board.setupLevel(words, level, false);
        board.startReveal();
        BotSettings settings;
        settings.thinkTicks = kThinkTicks;
        settings.tickLimit = kPlayOnFactor * seconds * kStepsPerSecond;
        settings.winds = level >= kFirstWindLevel ? kGrantedWinds : 0;
        const BotResult result = PlayBoard(board, settings);
        const int used = result.ticks / kStepsPerSecond;
        const bool inTime = result.won && result.ticks <= seconds * kStepsPerSecond;
        std::printf("%5d %6d %3d:%02d %5d %8d %5d %3d:%02d %5d%%%s\n", level, design, seconds / 60, seconds % 60,
                    result.moves, result.detonations, result.winds, used / 60, used % 60, 100 - 100 * used / seconds,
                    inTime ? "" : result.stuck ? "  stuck" : "  out of time");
        if (!result.won) std::printf("      %d blue tiles and crates left\n", result.workLeft);
        EXPECT_TRUE(inTime) << (result.stuck ? "no move left" : "the sand ran out");
    }
    ResetFrameForTesting();
}
