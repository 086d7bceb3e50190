// Player profiles in the save folder, the progress store's player-selected rules, and the settings
// the title and options screens keep.
#include "framework/data/player_profiles.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/k_files.h"
#include "framework/core/folders.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_file.h"
#include "framework/core/ldv_game.h"
#include "framework/data/ldv_ini_file.h"
#include "tests/framework/shell_fixture.h"

namespace {

constexpr const char* kSaveFolder = "Drovana Games/Quorvane/Ver0.2/";

class PlayerProfilesTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        game = std::make_unique<LDvGame>("Quorvane", "Quorvane", 0, 2);
    }
    void TearDown() override {
        ShellTest::TearDown();  // the store saves its last change while the folder still exists
        game.reset();
    }

    void WriteSave(const std::string& name, const std::string& text) const {
        dataHome.write(kSaveFolder + name, text);
    }
    std::string ReadSave(const std::string& name) const { return dataHome.read(kSaveFolder + name); }
    bool SaveExists(const std::string& name) const { return fileExists(dataHome.file(kSaveFolder + name)); }

    std::unique_ptr<LDvGame> game;
};

TEST_F(PlayerProfilesTest, SlotsInUseAreThoseWithAFile) {
    WriteSave("player01.ini", "PlayerName=Ana\n");
    WriteSave("player03.ini", "PlayerName=Ben\n");

    EXPECT_EQ(CountPlayers(), 2);
    EXPECT_EQ(FindFirstPlayer(), 1);
    constexpr bool kInUse[kPlayerSlots] = {false, true, false, true, false};
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        SCOPED_TRACE(slot);
        EXPECT_EQ(PlayerExists(slot), kInUse[slot]);
    }
    EXPECT_EQ(GetPlayerNameOf(3), "Ben");
    // Asking for the name of an empty slot must not bring it into use.
    EXPECT_EQ(GetPlayerNameOf(0), "");
    EXPECT_FALSE(SaveExists("player00.ini"));
    EXPECT_EQ(PlayerIniPath(4), GetSaveFolder() + "player04.ini");
    EXPECT_EQ(PlayerFolderPath(0), GetSaveFolder() + "player00");

    DeletePlayer(1);
    DeletePlayer(3);
    EXPECT_EQ(CountPlayers(), 0);
    EXPECT_EQ(FindFirstPlayer(), -1);
}

TEST_F(PlayerProfilesTest, SelectingLoadsTheProfileAndEverySetterSavesWithAChecksum) {
    WriteSave("player02.ini", "PlayerName=Ana\nCURRENT_LEVEL=7\n[MAP]\nX=1\n");
    SelectPlayer(2);

    ASSERT_TRUE(IsPlayerSelected());
    EXPECT_EQ(game->selectedPlayer, 2);
    EXPECT_TRUE(folderExists(dataHome.file(std::string(kSaveFolder) + "player02")));
    EXPECT_EQ(GetCurrentPlayerName(), "Ana");
    EXPECT_EQ(GetPlayerInt(nullptr, "current_level", 1), 7);
    EXPECT_EQ(GetPlayerInt("map", "x", 0), 1);

    SetPlayerInt("MAP", "X", 5);
    SetPlayerBool(nullptr, "PLAYED_INTRO_MOVIE", true);
    SetPlayerString("SAVED_ADVENTURE_SCENE_NAME", "cove");
    LDvIniFile onDisk(PlayerIniPath(2));
    EXPECT_EQ(onDisk.GetInt("MAP", "X", 0), 5);
    EXPECT_EQ(onDisk.GetString(nullptr, "PLAYED_INTRO_MOVIE", ""), "1");
    EXPECT_EQ(onDisk.GetString(nullptr, "SAVED_ADVENTURE_SCENE_NAME", ""), "cove");
    EXPECT_EQ(onDisk.GetInt(nullptr, "__SCRC__", -1), onDisk.ComputeChecksum());

    // Another profile replaces the store entirely.
    WriteSave("player04.ini", "PlayerName=Ben\n");
    SelectPlayer(4);
    EXPECT_EQ(GetCurrentPlayerName(), "Ben");
    EXPECT_EQ(GetPlayerInt("MAP", "X", -1), -1);
}

struct BoolCase {
    const char* stored;  // null: key absent
    bool defaultValue;
    bool expected;
};
constexpr BoolCase kBools[] = {
    {nullptr, true, true}, {"", true, true}, {"", false, false}, {"0", true, false},
    {"1", false, true},    {"7", false, true}, {"yes", true, false},
};

TEST_F(PlayerProfilesTest, BoolsReadTheirIntegerValueOnceAPlayerIsSelected) {
    SelectPlayer(0);
    for (const BoolCase& c : kBools) {
        SCOPED_TRACE(c.stored ? c.stored : "(absent)");
        if (c.stored) SetPlayerValue("TIPS", "SEEN", c.stored);
        EXPECT_EQ(GetPlayerBool("TIPS", c.stored ? "seen" : "never_written", c.defaultValue), c.expected);
    }
}

TEST_F(PlayerProfilesTest, WithoutASelectedPlayerOnlyTheUncheckedSettersWrite) {
    SelectPlayer(kPlayerSlots);  // out of range: refused
    SelectPlayer(-1);
    ASSERT_FALSE(IsPlayerSelected());

    SetPlayerValue(nullptr, "SURVEY_REACHED", "1");
    SetPlayerInt("MAP", "X", 3);
    SetPlayerString("PlayerName", "Nobody");
    SetPlayerBool(nullptr, "CASUAL_MODE", true);

    // The unchecked setters reach the (file-less) store...
    EXPECT_EQ(GetPlayerInt("MAP", "X", 0), 3);
    EXPECT_EQ(GetPlayerString("SURVEY_REACHED", ""), "1");
    // ...but booleans read their default while no player is selected, and the checked setters
    // wrote nothing.
    EXPECT_FALSE(GetPlayerBool(nullptr, "SURVEY_REACHED", false));
    EXPECT_EQ(GetPlayerString("CASUAL_MODE", "none"), "none");
    EXPECT_EQ(GetCurrentPlayerName(), "ERROR_NO_NAME");
    EXPECT_EQ(listFolder(GetSaveFolder()), std::vector<std::string>{}) << "not even an empty settings.ini";
}

TEST_F(PlayerProfilesTest, CreatingOnAnUsedSlotChangesNothing) {
    const std::string oldProfile = "PlayerName=Old\nCURRENT_LEVEL=4\n";
    WriteSave("player01.ini", oldProfile);

    CreatePlayer(1, "New");
    EXPECT_FALSE(IsPlayerSelected());
    EXPECT_EQ(ReadSave("player01.ini"), oldProfile);
    EXPECT_EQ(GetPlayerNameOf(1), "Old");

    CreatePlayer(0, "Bo");
    EXPECT_EQ(game->selectedPlayer, 0);
    EXPECT_EQ(GetPlayerNameOf(0), "Bo");
    EXPECT_EQ(GetCurrentPlayerName(), "Bo");
    EXPECT_EQ(CountPlayers(), 2);
}

TEST_F(PlayerProfilesTest, DeletingKeepsTheFolderAndTheLoadedStore) {
    CreatePlayer(2, "Ana");
    SetPlayerInt(nullptr, "CURRENT_LEVEL", 9);
    DeletePlayer(2);

    EXPECT_FALSE(PlayerExists(2));
    EXPECT_TRUE(folderExists(dataHome.file(std::string(kSaveFolder) + "player02")));
    EXPECT_EQ(GetPlayerInt(nullptr, "CURRENT_LEVEL", 1), 9);
    // The store's next change writes the file again, whole.
    SetPlayerInt(nullptr, "CURRENT_RESOURCES", 100);
    EXPECT_EQ(GetPlayerNameOf(2), "Ana");
    EXPECT_EQ(LDvIniFile(PlayerIniPath(2)).GetInt(nullptr, "CURRENT_LEVEL", 0), 9);
}

// What an interrupted creation or another program may leave in a slot.
struct SlotFileCase {
    const char* what;
    const char* contents;
    bool holdsPlayer;
};
const SlotFileCase kSlotFiles[] = {
    {"an empty file", "", false},
    {"a file without a name", "CURRENT_LEVEL=3\n", false},
    {"an empty name", "PlayerName=\nCURRENT_LEVEL=3\n", false},
    {"a named player", "PlayerName=Ana\n", true},
};

TEST_F(PlayerProfilesTest, AnEmptyOrNamelessFileIsNoPlayerAndItsSlotCanBeUsed) {
    for (const SlotFileCase& c : kSlotFiles) {
        SCOPED_TRACE(c.what);
        WriteSave("player01.ini", c.contents);
        EXPECT_EQ(PlayerExists(1), c.holdsPlayer);
        EXPECT_EQ(CountPlayers(), c.holdsPlayer ? 1 : 0);
        EXPECT_EQ(FindFirstPlayer(), c.holdsPlayer ? 1 : -1);
        CreatePlayer(1, "Bo");
        EXPECT_EQ(GetPlayerNameOf(1), c.holdsPlayer ? "Ana" : "Bo");
    }
}

// A new profile or settings file appears whole: nothing is created empty to be filled later, so a
// game killed in between leaves no nameless player behind.
TEST_F(PlayerProfilesTest, NewFilesAppearOnlyWithTheirContents) {
    SelectPlayer(3);
    EXPECT_FALSE(SaveExists("player03.ini")) << "selecting a free slot writes nothing yet";
    EXPECT_FALSE(SaveExists("settings.ini")) << "a missing settings.ini is not created empty";
    CreatePlayer(1, "Ana");
    EXPECT_EQ(LDvIniFile(PlayerIniPath(1)).GetString(nullptr, "PlayerName", ""), "Ana");
    SetSelectedProfileSetting(1);
    EXPECT_EQ(ReadSave("settings.ini"), "SELECTED_PLAYER_PROFILE=1\n\n");
}

// The file exists but cannot be read (no read permission, an I/O error): the game plays on with
// an empty store, tells the player once, and never writes over the file.
TEST_F(PlayerProfilesTest, AnUnreadableProfileIsNeverWrittenBack) {
    const std::string profile = "PlayerName=Ana\nCURRENT_LEVEL=12\nCURRENT_RESOURCES=40000\n__SCRC__=38\n\n";
    WriteSave("player00.ini", profile);
    FailReadsOfFileForTesting(PlayerIniPath(0));
    EXPECT_TRUE(PlayerExists(0)) << "never taken for a free slot";
    CreatePlayer(0, "Bo");
    SelectPlayer(0);
    SelectPlayer(0);
    ASSERT_TRUE(IsPlayerSelected());
    SetPlayerInt(nullptr, "CURRENT_LEVEL", 2);
    SetPlayerString("PlayerName", "Bo");
    EXPECT_EQ(GetPlayerInt(nullptr, "CURRENT_LEVEL", 0), 2) << "the game goes on";
    Frame().progress.reset();  // a store with unsaved changes, as at the end of the game
    FailReadsOfFileForTesting("");
    EXPECT_EQ(ReadSave("player00.ini"), profile);
    EXPECT_EQ(messageBoxes.size(), 1u) << "told once";
    EXPECT_EQ(GetPlayerNameOf(0), "Ana");
}

// The same for settings.ini, which is read before the log is open: it is told once logging starts.
TEST_F(PlayerProfilesTest, AnUnreadableSettingsFileIsNeverWrittenBack) {
    const std::string settings = "SELECTED_PLAYER_PROFILE=2\nMUSIC_VOLUME=15\n\n";
    WriteSave("settings.ini", settings);
    game.reset();
    FailReadsOfFileForTesting(GetSaveFolder() + "settings.ini");
    game = std::make_unique<LDvGame>("Quorvane", "Quorvane", 0, 2);
    FailReadsOfFileForTesting("");
    StartLogging("Quorvane", "0.2", false);
    SetVolumeSetting(kMusicVolumeKey, 80);
    SetSelectedProfileSetting(0);
    EXPECT_EQ(GetVolumeSetting(kMusicVolumeKey), 80) << "the game goes on with what it was given";
    game.reset();
    EXPECT_EQ(ReadSave("settings.ini"), settings);
    EXPECT_EQ(messageBoxes.size(), 1u);
    EXPECT_NE(ReadSave("log.txt").find("Can't open INI file " + GetSaveFolder() + "settings.ini"), std::string::npos);
}

struct SettingCase {
    const char* stored;  // null: key absent
    int volume;
    int profile;
};
constexpr SettingCase kSettings[] = {
    {nullptr, 100, 0}, {"", 100, 0}, {"40", 40, 40}, {"0", 0, 0}, {"250", 100, 250}, {"-5", 0, -5},
};

TEST_F(PlayerProfilesTest, VolumesAndTheSelectedProfileDefaultWhenMissingOrEmpty) {
    for (const SettingCase& c : kSettings) {
        SCOPED_TRACE(c.stored ? c.stored : "(absent)");
        if (c.stored) {
            Frame().settings->SetString(nullptr, kSfxVolumeKey, c.stored);
            Frame().settings->SetString(nullptr, kSelectedProfileKey, c.stored);
        }
        EXPECT_EQ(GetVolumeSetting(kSfxVolumeKey), c.volume);
        EXPECT_EQ(GetSelectedProfileSetting(), c.profile);
    }
    EXPECT_EQ(GetVolumeSetting(kMusicVolumeKey), 100);

    SetVolumeSetting(kEnvVolumeKey, 35);
    SetSelectedProfileSetting(3);
    LDvIniFile onDisk(GetSaveFolder() + "settings.ini");
    EXPECT_EQ(onDisk.GetInt(nullptr, kEnvVolumeKey, -1), 35);
    EXPECT_EQ(onDisk.GetInt(nullptr, kSelectedProfileKey, -1), 3);
}

}  // namespace
