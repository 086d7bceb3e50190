// The adventure save: entering a scene leaves the player's save file empty and the resume flag
// off, leaving through the menu or closing the window keeps the scene for the title, and a save
// file that cannot be written only costs a log line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "framework/data/player_profiles.h"
#include "tests/game/game_world.h"
#include "tests/support/scene_data.h"

namespace {

const Box kDoor{600, 300, 200, 150};

class AdventureSave : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(world.Started()) << world.LogText();
        Frame().rootDirOverride = data.path();
        CreatePlayer(0, "Tester");
        SetPlayerInt(nullptr, "SHOW_TIPS", 0);
        data.AddScene("test_room", SceneDocument(0x204060, {Group("DOOR", {HitLayer(kDoor)})}), "void OnEnter() {}");
    }

    void Enter() {
        ASSERT_TRUE(game.scene.LoadScene("test_room"));
        SetState(&game.scene, &game, false);
    }

    std::filesystem::path SaveFile() const { return std::filesystem::path(PlayerFolderPath(0)) / "advsave.ini"; }

    SceneData data;
    GameWorld world;
    Match3& game = world.Game();
};

TEST_F(AdventureSave, EntryLeavesAnEmptySaveAndTheFlagOff) {
    Enter();
    ASSERT_TRUE(std::filesystem::exists(SaveFile()));
    EXPECT_EQ(std::filesystem::file_size(SaveFile()), 0u);
    EXPECT_EQ(GetPlayerInt(nullptr, "SAVED_AT_ADVENTURE_SCENE", -1), 0);
    EXPECT_EQ(GetPlayerString("SAVED_ADVENTURE_SCENE_NAME", ""), "test_room");

    game.adventureBar.SaveAdventure(game.scene);
    EXPECT_EQ(GetPlayerInt(nullptr, "SAVED_AT_ADVENTURE_SCENE", -1), 1) << "what the menu's Quit does";
}

TEST_F(AdventureSave, ASaveThatCannotBeWrittenIsLoggedAndTheSceneGoesOn) {
    std::filesystem::remove_all(PlayerFolderPath(0));
    std::ofstream(PlayerFolderPath(0)) << "in the way";
    Enter();
    EXPECT_EQ(Frame().currentState, &game.scene);
    EXPECT_NE(world.LogText().find("Cannot write the adventure save"), std::string::npos);
    EXPECT_EQ(GetPlayerInt(nullptr, "SAVED_AT_ADVENTURE_SCENE", -1), 0);
    EXPECT_EQ(world.messageBoxes.size(), 0u);
}

TEST_F(AdventureSave, ClosingTheWindowInsideASceneKeepsItForResuming) {
    world.After(1, [&] { game.FadeToScene("test_room"); });
    world.frameLimit = 150;
    game.RunGame();
    EXPECT_EQ(GetPlayerInt(nullptr, "SAVED_AT_ADVENTURE_SCENE", -1), 1);
    EXPECT_EQ(GetPlayerString("SAVED_ADVENTURE_SCENE_NAME", ""), "test_room");
}

}  // namespace
