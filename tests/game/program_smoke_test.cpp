// Runs the built program headless as a player's machine would, with the save folder in a
// temporary folder, and reads what it logged.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "engine/k_files.h"
#include "tests/game/play_world.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kProgram = QV_BINARY_DIR "/quorvane";

struct RunResult {
    int exitCode = -1;
    double seconds = 0.0;
    std::string output;
};

// `environment` is what env(1) is given before the program: variables to unset (-u NAME) and to set.
RunResult RunProgram(const TempDir& home, const std::string& arguments,
                     const std::string& environment = "SDL_VIDEODRIVER=dummy") {
    const std::string command = "cd '" + home.path() + "' && env " + environment + " XDG_DATA_HOME='" +
                                home.path() + "' SDL_AUDIODRIVER=dummy '" + kProgram + "' " + arguments +
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

// Without a display the game would run, play its music and show nothing: it ends at once instead,
// saying what it tried and what to set. Asking for SDL's headless driver is what tests do.
TEST(ProgramSmoke, WithoutADisplayItEndsAtOnceWithAMessage) {
    ASSERT_TRUE(fileExists(kProgram)) << "build the quorvane target first";
    struct DisplayCase {
        const char* what;
        const char* environment;
    };
    const DisplayCase kCases[] = {
        {"no display at all", "-u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER"},
        // SDL's failed start leaves 1 KB of libdbus's read buffer behind (a bare SDL program
        // that only starts its video does the same): not the game's leak.
        {"an X server not up yet", "-u WAYLAND_DISPLAY SDL_VIDEODRIVER=x11 DISPLAY=:987 ASAN_OPTIONS=detect_leaks=0"},
    };
    for (const DisplayCase& c : kCases) {
        SCOPED_TRACE(c.what);
        TempDir home;
        const RunResult run = RunProgram(home, "--windowed --frames 5", c.environment);
        EXPECT_EQ(run.exitCode, 3) << run.output;
        EXPECT_NE(run.output.find("no display to show the game on"), std::string::npos) << run.output;
        EXPECT_NE(run.output.find("set DISPLAY"), std::string::npos) << run.output;
        EXPECT_LT(run.seconds, 5.0);
        EXPECT_FALSE(fileExists(home.file("Drovana Games/Quorvane/Ver0.2/log.txt"))) << "no game was started";
    }
}

// The program ends with the game unless a survey address was handed to the system's opener, and
// then only waits while the opener works.
TEST(ProgramSmoke, TheEndWaitsOnlyForTheOpenerOfASurveyAddress) {
    ASSERT_TRUE(fileExists(kProgram)) << "build the quorvane target first";
    TempDir home;
    home.write("bin/xdg-open", "#!/bin/sh\nsleep 1\nprintf '%s\\n' \"$1\" >> \"$(dirname \"$0\")/opened.txt\"\n");
    ::chmod(home.file("bin/xdg-open").c_str(), 0755);
    const std::string environment = "SDL_VIDEODRIVER=dummy PATH='" + home.file("bin") + ":/usr/bin:/bin'";
    const MirroredData data;
    data.write("urls.ini", "SURVEY_URL=\n");
    const std::string arguments = "--windowed --frames 5 --manual-clock --data '" + data.path() + "'";
    // Start-up time varies with the machine's load, so the runs are compared with one that never waits.
    const RunResult baseline = RunProgram(home, arguments + " --no-exit-wait", environment);
    const RunResult quiet = RunProgram(home, arguments, environment);
    EXPECT_EQ(quiet.exitCode, 0) << quiet.output;
    EXPECT_LT(quiet.seconds, baseline.seconds + 5.0) << "no address, no wait";
    EXPECT_FALSE(fileExists(home.file("bin/opened.txt")));

    data.write("urls.ini", "SURVEY_URL=https://example.org/survey\n");
    const RunResult survey = RunProgram(home, arguments, environment);
    EXPECT_EQ(survey.exitCode, 0) << survey.output;
    EXPECT_EQ(home.read("bin/opened.txt"), "https://example.org/survey\n") << "the opener finished before the end";
    EXPECT_LT(survey.seconds, quiet.seconds + 6.0);
}

// A save folder that cannot be written (read-only, a full disk; here a file stands where its
// folder should be, which stops even root): the saves fail, are logged, and the game still ends
// cleanly, with nothing saving or logging after the logs are closed.
TEST(ProgramSmoke, AnUnwritableSaveFolderStillEndsCleanly) {
    ASSERT_TRUE(fileExists(kProgram)) << "build the quorvane target first";
    TempDir home;
    home.write("saves/Drovana Games", "not a folder");
    const RunResult run = RunProgram(home, "--windowed --frames 30 --manual-clock --no-exit-wait --save saves");
    EXPECT_EQ(run.exitCode, 0) << run.output;
    EXPECT_EQ(run.output.find("AddressSanitizer"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("double free"), std::string::npos) << run.output;
}
