#include <gtest/gtest.h>

#include "engine/k_files.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_file.h"
#include "framework/core/ldv_game.h"
#include "framework/data/ldv_ini_file.h"
#include "tests/framework/shell_fixture.h"

namespace {

class GameShellTest : public ShellTest {
protected:
    std::string SaveFolder() const { return dataHome.path() + "/Drovana Games/Quorvane/Ver0.2/"; }
};

class ScopedBaseFolder {
public:
    explicit ScopedBaseFolder(const std::string& folder) : previous(gameBaseFolder()) { setGameBaseFolder(folder); }
    ~ScopedBaseFolder() { setGameBaseFolder(previous); }
    ScopedBaseFolder(const ScopedBaseFolder&) = delete;
    ScopedBaseFolder& operator=(const ScopedBaseFolder&) = delete;

private:
    std::string previous;
};

}  // namespace

TEST_F(GameShellTest, ConstructionCreatesTheSaveFolderAndLoadsSettings) {
    dataHome.write("Drovana Games/Quorvane/Ver0.2/settings.ini", "FULL_SCREEN=false\n");
    LDvGame game("Quorvane", "Quorvane", 0, 2);
    EXPECT_EQ(GetSaveFolder(), SaveFolder());
    EXPECT_EQ(Frame().settings->GetString(nullptr, "full_screen", ""), "false");
    EXPECT_TRUE(Frame().settingsLoaded);
    EXPECT_EQ(Frame().updatesPerSecond, 125);
    EXPECT_EQ(Frame().imageFolder, "pictures");
    EXPECT_EQ(game.selectedPlayer, -1);

    ResetFrameForTesting();
    LDvGame fresh("Other", "Other", 3, 14);
    EXPECT_TRUE(folderExists(dataHome.path() + "/Drovana Games/Other/Ver3.14"));
    EXPECT_FALSE(fileExists(dataHome.path() + "/Drovana Games/Other/Ver3.14/settings.ini"))
        << "settings.ini is made whole by its first save, never left empty";
}

TEST_F(GameShellTest, DataRootPrefersOverrideThenSettingThenBaseFolder) {
    ScopedBaseFolder base("/base/quorvane/");
    LDvGame game("Quorvane", "Quorvane", 0, 2);
    struct RootCase { const char* override; const char* rootDir; const char* expected; };
    const RootCase cases[] = {
        {"/data/x", "/ignored", "/data/x/"},
        {"", " C:\\Games\\Q\\ ", "C:/Games/Q/"},
        {"", "/opt/q///", "/opt/q/"},
        {"", "", "/base/quorvane/"},
    };
    for (const RootCase& c : cases) {
        SCOPED_TRACE(c.expected);
        Frame().rootDirOverride = c.override;
        Frame().settings->SetString(nullptr, "RootDir", c.rootDir);
        EXPECT_EQ(GetDataRoot(), c.expected);
    }
}

TEST(Folders, JoinPathsNormalisesBothSides) {
    struct JoinCase { const char* a; const char* b; const char* expected; };
    const JoinCase cases[] = {{"a/", "b", "a/b"}, {" a\\b\\ ", "c/", "a/b/c"}, {"/root//", "\tx.ini\n", "/root/x.ini"}};
    for (const JoinCase& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(JoinPaths(c.a, c.b), c.expected);
    }
}

TEST_F(GameShellTest, FileHelpersCreateDeleteAndOpenByMode) {
    const std::string path = dataHome.file("notes.txt");
    EXPECT_FALSE(FileExists(path));
    EXPECT_TRUE(CreateFileIfMissing(path));
    EXPECT_TRUE(FileExists(path));
    EXPECT_FALSE(CreateFileIfMissing(dataHome.file("missing/folder/notes.txt")));
    dataHome.write("notes.txt", "kept");
    EXPECT_TRUE(CreateFileIfMissing(path));  // never truncates
    EXPECT_EQ(dataHome.read("notes.txt"), "kept");

    LDvFile file;
    EXPECT_FALSE(file.Open(path, 1));  // no such mode
    std::string backslashed = path;
    for (char& c : backslashed) {
        if (c == '/') c = '\\';
    }
    ASSERT_TRUE(file.Open(backslashed, kFileModeReadBinary));
    LDvString text;
    EXPECT_TRUE(file.ReadAll(text));
    EXPECT_EQ(text, "kept");
    file.Close();

    DeleteFile(path);
    EXPECT_FALSE(FileExists(path));
    DeleteFile(path);  // absent: nothing happens
}

TEST_F(GameShellTest, LogAppendsToLogTxtAcrossRuns) {
    dataHome.write("Drovana Games/Quorvane/Ver0.2/log.txt", "from an earlier run\n");
    {
        LDvGame game("Quorvane", "Quorvane", 0, 2);
        Log("not yet logging");
        StartLogging("Quorvane", "0.2", false);
        Log("=== Game Initializing ===");
        Log("detail", 1);  // above the threshold
    }
    ResetFrameForTesting();
    {
        LDvGame game("Quorvane", "Quorvane", 0, 2);
        StartLogging("Quorvane", "0.2", true);
        testing::internal::CaptureStdout();
        Log("second run");
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "second run\n");
    }
    EXPECT_EQ(dataHome.read("Drovana Games/Quorvane/Ver0.2/log.txt"),
              "from an earlier run\n=== Game Initializing ===\nsecond run\n");
}

TEST_F(GameShellTest, MissingMediaShowsOneMessageAndEndsTheGame) {
    LDvGame game("Quorvane", "Quorvane", 0, 2);
    StartLogging("Quorvane", "0.2", false);
    MediaMissing("fonts/artifika_14pt.table");
    MediaMissing("img/gui/black.png");
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_EQ(messageBoxes[0], "Error : Media Missing | Media Missing : fonts/artifika_14pt.table - "
                               "Please reinstall the game and try again.");
    EXPECT_TRUE(Frame().quitPending);
    EXPECT_EQ(dataHome.read("Drovana Games/Quorvane/Ver0.2/log.txt"),
              "=== Game Ended Next Update ===\n=== Game Ended Next Update ===\n");
    ShowMessage("Hello");
    EXPECT_EQ(messageBoxes.back(), "Message | Hello");
}
