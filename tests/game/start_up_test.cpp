// The real program started headless on the default data, as a player's first start: everything
// the game loads at start-up must be there and load cleanly.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/image_codec.h"
#include "engine/k_files.h"
#include "engine/k_test_input.h"
#include "tests/support/temp_dir.h"

namespace {

const std::string kProgram = QV_BINARY_DIR "/quorvane";
const std::string kSave = "Drovana Games/Quorvane/Ver0.2/";

// The folders are given relative to the working folder, as a user types them.
int RunHeadless(const TempDir& home, const std::string& arguments) {
    const std::string data = std::filesystem::relative(QV_DATA_DIR, home.path()).string();
    const std::string command = "cd '" + home.path() + "' && SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy '" + kProgram +
                                "' --data '" + data + "' --save . " + arguments + " > output.txt 2>&1";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

TEST(StartUp, LoadsEverythingFromTheDefaultDataAndEndsCleanly) {
    ASSERT_TRUE(fileExists(kProgram)) << "build the quorvane target first";
    TempDir home;
    ASSERT_EQ(RunHeadless(home, "--windowed --frames 5 --manual-clock --no-exit-wait"), 0) << home.read("output.txt");
    const std::string log = home.read(kSave + "log.txt");
    const std::string engineLog = home.read(kSave + "engine_log.txt");

    for (const char* line : {"=== Calling User OnInit ===\n", "--Initializing Localization Setup--\n",
                             "--Done Localization--\n", "-> User init succeeded\n=== Game started ===\n",
                             "=== Game Uninit() called ===\n"}) {
        EXPECT_NE(log.find(line), std::string::npos) << line;
    }
    for (const char* fault : {"Media Missing", "No such", "file not found", "OUT OF RANGE", "NOT INITIALIZED",
                              "Failed to load sound", "sound not enabled", "=== Game Ended"}) {
        EXPECT_EQ(log.find(fault), std::string::npos) << fault << " in\n" << log;
    }
    for (const char* fault : {"Message box", "failed", "Failed", "damaged"}) {
        EXPECT_EQ(engineLog.find(fault), std::string::npos) << fault << " in\n" << engineLog;
    }
    EXPECT_NE(home.read(kSave + "settings.ini").find("HIDE_CUSTOM_CURSORS=false"), std::string::npos);
}

// The desktop is given on the command line; headless SDL always reports 1920 x 1080.
TEST(StartUp, WindowFollowsTheDesktopAndASmallDesktopIsRefusedAtOnce) {
    ASSERT_TRUE(fileExists(kProgram)) << "build the quorvane target first";
    {
        TempDir home;
        const auto start = std::chrono::steady_clock::now();
        // No --no-exit-wait: a refusal ends the program before the survey and its wait.
        EXPECT_EQ(RunHeadless(home, "--desktop 1279x720 --windowed --frames 5 --manual-clock"), 0);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_NE(home.read(kSave + "engine_log.txt")
                      .find("Message box: Message: This computer doesn't support minimum game resolution. 1280x720"),
                  std::string::npos);
        EXPECT_EQ(home.read(kSave + "log.txt").find("=== Game Initializing ==="), std::string::npos) << "no window";
    }
    {
        TempDir home;
        ASSERT_EQ(RunHeadless(home, "--desktop 1366x768 --windowed --frames 3 --manual-clock --no-exit-wait "
                                    "--capture shots --capture-frames 2"),
                  0);
        DecodedImage frame;
        ASSERT_TRUE(decodeImageFile(KTestInput::captureFileName(home.file("shots"), 2), frame));
        EXPECT_EQ(frame.width, 1365);
        EXPECT_EQ(frame.height, 768);
    }
}
