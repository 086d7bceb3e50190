// Runs the built program headless as a player's machine would, with the save folder in a
// temporary folder, and reads what it logged.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "engine/k_files.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kProgram = QV_BINARY_DIR "/quorvane";

struct RunResult {
    int exitCode = -1;
    double seconds = 0.0;
    std::string output;
};

RunResult RunProgram(const TempDir& home, const std::string& arguments) {
    const std::string command = "cd '" + home.path() + "' && XDG_DATA_HOME='" + home.path() +
                                "' SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" + kProgram + "' " + arguments +
                                " > output.txt 2>&1";
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    RunResult result;
    result.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.output = home.read("output.txt");
    return result;
}

}  // namespace

TEST(ProgramSmoke, RunsAFewFramesAndShutsDownCleanly) {
    ASSERT_TRUE(fileExists(kProgram)) << "build the quorvane target first";
    TempDir home;
    const std::string save = "Drovana Games/Quorvane/Ver0.2/";
    home.write(save + "log.txt", "an earlier run\n");
    const RunResult run = RunProgram(home, "--windowed --frames 5 --manual-clock --no-exit-wait");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_LT(run.seconds, 8.0);
    const std::string log = home.read(save + "log.txt");
    for (const char* line : {"an earlier run\n=== Game Initializing ===\n", "=== Calling User OnInit ===\n",
                             "-> User init succeeded\n", "=== Game started ===\n", "=== Game Uninit() called ===\n"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line << " missing from\n" << log;
    }
    EXPECT_LT(log.find("=== Game started ==="), log.find("=== Game Uninit() called ==="));
    EXPECT_TRUE(fileExists(home.file(save + "settings.ini")));
    EXPECT_NE(home.read(save + "engine_log.txt").find("Start log: Quorvane 0.2"), std::string::npos);
}

TEST(ProgramSmoke, PlaysScriptedInputAndCapturesFrames) {
    ASSERT_TRUE(fileExists(kProgram)) << "build the quorvane target first";
    TempDir home;
    home.write("play.txt", "# close the window on the fourth frame\n2 move 100 100\n4 quit\n");
    const RunResult run = RunProgram(home, "--windowed --manual-clock --no-exit-wait --input play.txt "
                                           "--capture shots --capture-frames 2");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_TRUE(fileExists(home.file("shots/frame_2.png")));
    EXPECT_FALSE(fileExists(home.file("shots/frame_1.png")));

    home.write("bad.txt", "2 jump 100 100\n");
    EXPECT_EQ(RunProgram(home, "--no-exit-wait --input bad.txt").exitCode, 2);
}

TEST(ProgramSmoke, HelpListsTheOptionsAndBadOptionsAreRefused) {
    ASSERT_TRUE(fileExists(kProgram)) << "build the quorvane target first";
    TempDir home;
    const RunResult help = RunProgram(home, "--help");
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--data", "--save", "--windowed", "--frames", "--input", "--capture",
                               "--capture-frames", "--manual-clock", "--no-exit-wait"}) {
        EXPECT_NE(help.output.find(option), std::string::npos) << option;
    }
    const RunResult bad = RunProgram(home, "--frames none");
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_FALSE(fileExists(home.file("Drovana Games")));  // refused before anything was written
}
