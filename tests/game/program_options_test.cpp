#include <gtest/gtest.h>

#include <vector>

#include "game/app/program_options.h"

namespace {

bool Parse(std::vector<const char*> args, ProgramOptions& options, LDvString& error) {
    args.insert(args.begin(), "quorvane");
    return ParseProgramOptions(static_cast<int>(args.size()), args.data(), options, error);
}

}  // namespace

TEST(ProgramOptions, NoOptionsMeansThePlayersGame) {
    ProgramOptions options;
    LDvString error;
    ASSERT_TRUE(Parse({}, options, error));
    EXPECT_TRUE(options.dataFolder.empty());
    EXPECT_TRUE(options.saveParent.empty());
    EXPECT_EQ(options.frameLimit, 0);
    EXPECT_FALSE(options.windowed);
    EXPECT_FALSE(options.manualClock);
    EXPECT_TRUE(options.exitWait);
}

TEST(ProgramOptions, ReadsEveryToolOption) {
    ProgramOptions options;
    LDvString error;
    ASSERT_TRUE(Parse({"--data", "/d", "--save", "/s", "--windowed", "--frames", "30", "--input", "play.txt",
                       "--capture", "/c", "--capture-frames", "1,15,30", "--manual-clock", "--no-exit-wait",
                       "--report-first-frame", "--movie-first", "--play-first", "--camp-first", "--map-first",
                       "--any-opengl", "--scene", "god_of_air"},
                      options, error))
        << error;
    EXPECT_EQ(options.dataFolder, "/d");
    EXPECT_EQ(options.saveParent, "/s");
    EXPECT_TRUE(options.windowed);
    EXPECT_EQ(options.frameLimit, 30);
    EXPECT_EQ(options.inputScript, "play.txt");
    EXPECT_EQ(options.captureFolder, "/c");
    EXPECT_EQ(options.captureFrames, (std::vector<int>{1, 15, 30}));
    EXPECT_TRUE(options.manualClock);
    EXPECT_FALSE(options.exitWait);
    EXPECT_TRUE(options.reportFirstFrame);
    EXPECT_TRUE(options.movieFirst);
    EXPECT_TRUE(options.playFirst);
    EXPECT_TRUE(options.campFirst);
    EXPECT_TRUE(options.mapFirst);
    EXPECT_TRUE(options.anyOpenGl);
    EXPECT_EQ(options.sceneName, "god_of_air");
}

TEST(ProgramOptions, RefusesUnknownOrMalformedOptions) {
    const std::vector<std::vector<const char*>> bad = {
        {"--fullscreen"}, {"--frames"}, {"--frames", "0"}, {"--frames", "ten"}, {"--frames", "-3"},
        {"--capture-frames", "1,,2"}, {"--capture-frames", "0"}, {"--data"}, {"--scene"},
    };
    for (const auto& args : bad) {
        SCOPED_TRACE(args.front());
        ProgramOptions options;
        LDvString error;
        EXPECT_FALSE(Parse(args, options, error));
        EXPECT_FALSE(error.empty());
    }
}
