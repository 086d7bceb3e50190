// Player profiles in the save folder, the progress store's player-selected rules, and the settings
// the title and options screens keep.
#include "framework/data/player_profiles.h"

#include <gtest/gtest.h>

#include <memory>

#include "engine/k_files.h"
#include "framework/core/folders.h"
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
    EXPECT_EQ(listFolder(GetSaveFolder()), std::vector<std::string>{"settings.ini"});
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
