// The adventure scene screen in the real game: which names load a scene and where the others
// lead, how a scene ends, and input reaching the script. Scenes are written into a copy of the
// default data by the test; discovery dialogs are looked at instead of run.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "framework/data/player_profiles.h"
#include "game/expedition/discovery.h"
#include "game/expedition/info_dlg.h"
#include "game/scenes/adventure_bar.h"
#include "game/scenes/scene_arrival.h"
#include "game/scenes/script_host.h"
#include "tests/game/game_world.h"
#include "tests/support/scene_data.h"

namespace {

// Records what the scene hands to its script; GetHint reads the record back.
constexpr const char* kRecordingScript = R"(
LDvString seen;
void OnEnter() { seen += "enter;"; }
void OnLeave() { seen += "leave;"; }
void OnLeftClick(int x, int y) { seen += "click;"; }
void OnInteract(LDvString id) { seen += id + ";"; }
LDvString OnCursor(int x, int y, LDvString zone) { return zone == "DOOR" ? "HAND" : "LOOK"; }
LDvString GetHint() { return seen; }
)";

const Box kDoor{600, 300, 200, 150};

class SceneScreen : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(world.Started()) << world.LogText();
        Frame().rootDirOverride = data.path();
        CreatePlayer(0, "Tester");
        SetPlayerInt(nullptr, "SHOW_TIPS", 0);
        data.AddScene("test_room", SceneDocument(0x204060, {Group("DOOR", {HitLayer(kDoor)})}), kRecordingScript);
        SetDialogRunnerForTesting([this](LDvDialog& dialog) {
            shownDialogs.push_back(dynamic_cast<InfoDlg*>(&dialog) != nullptr ? "info" : "discovery");
        });
    }
    void TearDown() override { SetDialogRunnerForTesting({}); }

    // The scene current, its entry fade over, as the player meets it.
    void Enter(const char* sceneName) {
        ASSERT_TRUE(scene.LoadScene(sceneName));
        SetState(&scene, &game, false);
        game.screenFade.fadeStepsRemaining = game.screenFade.holdStepsRemaining = 0;
    }

    std::string Seen() { return game.scriptHost.CallForText("LDvString GetHint()"); }

    // Steps the screen fade until it has switched states.
    LDvState* StateAfterFade() {
        for (int i = 0; i < BlackOut::kFadeSteps + BlackOut::kHoldSteps; ++i) game.screenFade.Update();
        return Frame().currentState;
    }

    SceneData data;
    GameWorld world;
    Match3& game = world.Game();
    Scene& scene = game.scene;
    std::vector<std::string> shownDialogs;
};

struct LoadCase {
    const char* name;
    bool loads;
};
const LoadCase kLoads[] = {
    {"test_room", true},
    {"picture_only", true},
    {"script_only", true},
    {"no_such_scene", false},
    {"../test_room", false},
    {"Scenes/../test_room", false},
    {"../outside", false},   // a script file lies there
    {"../../evil", false},
    {"", false},
};

TEST_F(SceneScreen, OnlyPlainNamesOfExistingScenesLoadAndNothingIsWrittenToTheData) {
    data.AddScene("picture_only", SceneDocument(0, {Group("X", {HitLayer({0, 0, 8, 8})})}), "");
    data.write("Scenes/script_only.angel", "void OnTick() {}");
    data.write("outside.angel", "void OnTick() {}");
    for (const LoadCase& c : kLoads) {
        SCOPED_TRACE(c.name);
        scene.waiting = true;
        EXPECT_EQ(scene.LoadScene(c.name), c.loads);
        EXPECT_FALSE(scene.waiting) << "a new scene never starts waiting";
        EXPECT_EQ(scene.content.sections.IsEmpty(), c.name != std::string("test_room") && c.name != std::string("picture_only"));
    }
    // The default script of a scene without one lives in memory and builds.
    scene.LoadScene("picture_only");
    EXPECT_NE(scene.scriptText.find("void OnEnter() {}"), std::string::npos);
    EXPECT_NE(scene.scriptText.find("//float Sin(float x)"), std::string::npos);
    EXPECT_NE(game.scriptHost.Module(), nullptr);
    EXPECT_EQ(world.LogText().find("Angelscript Error"), std::string::npos) << world.LogText();
    namespace fs = std::filesystem;
    for (const char* written : {"Scenes/picture_only.angel", "Scenes/no_such_scene.angel", "evil.angel", "test_room.angel"}) {
        EXPECT_FALSE(data.holds(written)) << written;
    }
    EXPECT_FALSE(fs::exists(fs::path(data.path()).parent_path() / "evil.angel"));
}

struct RouteCase {
    const char* name;
    bool byFade;       // the map's way in; otherwise the title's resume
    bool reachesScene;
};
const RouteCase kRoutes[] = {
    {"test_room", true, true},
    {"no_such_scene", true, false},
    {"../test_room", true, false},
    {"no_such_scene", false, false},
    {"test_room", false, true},
};

TEST_F(SceneScreen, ANameThatNamesNoSceneLeadsToTheMap) {
    for (const RouteCase& c : kRoutes) {
        SCOPED_TRACE(std::string(c.name) + (c.byFade ? " by fade" : " resumed"));
        SetState(&game.blankState, &game, false);
        if (c.byFade) game.FadeToScene(c.name);
        else game.ResumeScene(c.name);
        EXPECT_EQ(StateAfterFade(), c.reachesScene ? &scene : &scene.MapState());
    }
    EXPECT_NE(&scene.MapState(), &game.blankState) << "a way out must not strand the player";
}

struct FinishCase {
    const char* scene;
    const char* discovery;   // null: none
    const char* windBonus;   // "WBS" afterwards
};
const FinishCase kFinishes[] = {
    {"god_of_air", "GOD_OF_AIR", "3"},
    {"medical_supplies_hog", "MEDICAL_SUPPLIES", "(none)"},
    {"test_room", nullptr, "(none)"},
};

TEST_F(SceneScreen, FinishingReportsTheDiscoveryOnceAndFadesToTheMap) {
    int slot = 1;  // a fresh player each
    for (const FinishCase& c : kFinishes) {
        SCOPED_TRACE(c.scene);
        CreatePlayer(slot++, c.scene);
        shownDialogs.clear();
        scene.LoadScene(c.scene);
        SetState(&scene, &game, false);
        scene.FinishScene();
        scene.FinishScene();  // both end conditions in one step
        EXPECT_EQ(shownDialogs.size(), c.discovery != nullptr ? 1u : 0u);
        if (c.discovery != nullptr) {
            EXPECT_TRUE(GetPlayerBool("DISCOVERIES", c.discovery, false));
        }
        EXPECT_EQ(GetPlayerString("WBS", "(none)"), c.windBonus);
        EXPECT_EQ(GetPlayerString("WBS_ACTIVE", "(none)"), c.windBonus == std::string("3") ? "1" : "(none)");
        EXPECT_EQ(game.screenFade.nextState, &scene.MapState());
        EXPECT_FALSE(game.screenFade.loadScene);
        SetState(&game.blankState, &game, false);
        EXPECT_EQ(GetPlayerString("SAVED_AT_ADVENTURE_SCENE", "(none)"), "0") << "a finished scene is not resumed";
    }
}

TEST_F(SceneScreen, ArrivingWhereTheTableNamesASceneShowsTheTextAndFadesToIt) {
    data.write("discoveries.ini", "[CAVE]\nEXPLORE=A dark cave.\nSCENE=test_room\n\n[BEACH]\nDESCRIPTION=Sand.\n");
    EXPECT_FALSE(ExploreSceneOf(game, "BEACH"));
    EXPECT_TRUE(shownDialogs.empty());
    EXPECT_TRUE(ExploreSceneOf(game, "CAVE"));
    EXPECT_EQ(shownDialogs, std::vector<std::string>{"info"});
    EXPECT_EQ(StateAfterFade(), &scene);
    EXPECT_EQ(scene.name, "test_room");
}

struct ClickCase {
    int x, y;
    bool waiting;
    const char* adds;   // to the script's record
};
const ClickCase kClicks[] = {
    {kDoor.left + 10, kDoor.top + 10, false, "click;DOOR;"},
    {100, 100, false, "click;"},                  // outside every section
    {kDoor.left + 10, kDoor.top + 10, true, ""},  // while the script waits
    {100, 100, true, ""},
};

TEST_F(SceneScreen, ClicksReachTheScriptUnlessItWaits) {
    Enter("test_room");
    std::string expected = "enter;";
    for (const ClickCase& c : kClicks) {
        SCOPED_TRACE(std::to_string(c.x) + (c.waiting ? " waiting" : ""));
        scene.waiting = c.waiting;
        scene.OnClick(c.x, c.y);
        expected += c.adds;
        EXPECT_EQ(Seen(), expected);
    }
}

TEST_F(SceneScreen, PrintedTextSitsOnItsPanelUntilAClick) {
    Enter("test_room");
    SceneTextBox& box = scene.textBox;
    struct PrintCase {
        std::string text;
        SceneBarPictures::Picture panel;
    };
    const PrintCase kPrints[] = {
        {"A short line.", SceneBarPictures::kPrintBackSingle},
        {std::string(40, 'w') + " " + std::string(40, 'w') + " " + std::string(40, 'w'), SceneBarPictures::kPrintBackDouble},
    };
    for (const PrintCase& c : kPrints) {
        SCOPED_TRACE(c.text);
        scene.PrintSceneText(c.text);
        EXPECT_EQ(box.display.backing, &scene.bar[c.panel]);
        EXPECT_EQ(scene.bar[c.panel].x, SceneTextBox::kPanelX);
        EXPECT_EQ(scene.bar[c.panel].y, SceneTextBox::kPanelY);
    }
    EXPECT_GE(box.display.lines.Count(), 2);
    scene.PrintSceneText("");
    EXPECT_GE(box.display.lines.Count(), 2) << "an empty text changes nothing";
    scene.OnClick(100, 100);
    EXPECT_TRUE(box.display.lines.IsEmpty());
}

struct PointerCase {
    int x, y;
    bool waiting;
    const char* cursor;
};
const PointerCase kPointers[] = {
    {kDoor.left + 1, kDoor.top + 1, false, "HAND"},  // the script's answer over a section
    {100, 100, false, "ARROW"},                       // off sections the answer is not used
    {kDoor.left + 1, 811, false, "ARROW"},            // over the bar
    {kDoor.left + 1, kDoor.top + 1, true, "WAIT"},
};

TEST_F(SceneScreen, ThePointerTakesTheScriptsShapeOverSections) {
    Enter("test_room");
    for (const PointerCase& c : kPointers) {
        SCOPED_TRACE(std::to_string(c.x) + "," + std::to_string(c.y));
        scene.waiting = c.waiting;
        scene.OnMouseMove(c.x, c.y, false, false);
        EXPECT_EQ(game.cursor.currentName, c.cursor);
    }
}

struct StarClickCase {
    const char* what;
    bool carrying;
    int x, y;
    bool starsStay;
};
const StarClickCase kStarClicks[] = {
    {"a click on a section", false, kDoor.left + 10, kDoor.top + 10, false},
    {"a click on bare background", false, 100, 100, true},   // only a hit section wipes them
    {"a carried item put back by a click on bare background", true, 100, 100, false},
};

TEST_F(SceneScreen, AHintRingsItsSectionUntilAClickClearsTheStars) {
    data.AddScene("hint_room", SceneDocument(0x204060, {Group("DOOR", {HitLayer(kDoor)})}),
                  "LDvString GetHint() { return \"HZ:DOOR\"; }");
    Enter("hint_room");
    AdventureBar& bar = game.adventureBar;
    for (const StarClickCase& c : kStarClicks) {
        SCOPED_TRACE(c.what);
        if (c.carrying) {
            bar.inventory.Take("BRANCH", 500, 500);
            for (int step = 0; step < 300; ++step) bar.inventory.Update();
            const LDvPoint slot = bar.inventory.SlotPoint(0, bar.inventory.held.Get(0)->picture->GetFrameHeight());
            scene.OnClick(slot.x + 10, slot.y + 10);
            ASSERT_EQ(bar.inventory.CarriedId(), "BRANCH");
        }
        bar.UseHint(scene);
        EXPECT_EQ(bar.hintDisplay.countdown, HintDisplay::kShowSteps);
        EXPECT_EQ(bar.hintDisplay.x, static_cast<float>(kDoor.left + kDoor.width / 2));
        EXPECT_EQ(bar.hintDisplay.y, static_cast<float>(kDoor.top + kDoor.height / 2));
        scene.OnClick(c.x, c.y);
        EXPECT_EQ(bar.hintDisplay.countdown > 0, c.starsStay);
        EXPECT_EQ(bar.inventory.CarriedId(), "");
    }
}

struct CoverCase {
    int stepsAfterHint;
    int hintCoverHeight;   // percent shown
    bool hintReady;
    int skipCoverWidth;
    bool skipReady;
};
// The hint used at once on entry: both recharges run side by side.
const CoverCase kCovers[] = {
    {0, 100, false, 100, false},   {900, 75, false, 93, false},   {1800, 50, false, 87, false},
    {3599, 0, false, 75, false},   {3600, 0, true, 75, false},    {7200, 0, true, 50, false},
    {14399, 0, true, 0, false},    {14400, 0, true, 0, true},
};

TEST_F(SceneScreen, GreyCoversShrinkInWholePercentsWhileTheHintAndSkipRecharge) {
    Enter("test_room");
    LDvSprite& hintCover = scene.bar[SceneBarPictures::kGreyHint];
    LDvSprite& skipCover = scene.bar[SceneBarPictures::kGreySkip];
    EXPECT_TRUE(scene.hintButton.isButton) << "the hint is ready on entry";
    EXPECT_EQ(hintCover.percentHeightShown, 0);
    game.adventureBar.UseHint(scene);
    int steps = 0;
    for (const CoverCase& c : kCovers) {
        SCOPED_TRACE(c.stepsAfterHint);
        for (; steps < c.stepsAfterHint; ++steps) game.adventureBar.UpdateRecharges(scene);
        EXPECT_EQ(hintCover.percentHeightShown, c.hintCoverHeight);
        EXPECT_EQ(hintCover.percentWidthShown, 100);
        EXPECT_EQ(scene.hintButton.isButton, c.hintReady);
        EXPECT_EQ(skipCover.percentWidthShown, c.skipCoverWidth);
        EXPECT_EQ(skipCover.percentHeightShown, 100);
        EXPECT_EQ(scene.skipButton.isButton, c.skipReady);
    }
    EXPECT_TRUE(skipCover.cropFromFarSide) << "the skip cover keeps its right-hand part";
    EXPECT_FALSE(game.adventureBar.skipGlow.finished) << "the skip announces it is ready";
}

TEST_F(SceneScreen, AScriptThatDoesNotCompileIsLoggedAndTheSceneStillPlaysAndLeaves) {
    data.AddScene("broken_room", SceneDocument(0x204060, {Group("DOOR", {HitLayer(kDoor)})}),
                  "void OnEnter() {\n  Print(\"unfinished\";\n}\nvoid OnTick() {}\n");
    Enter("broken_room");
    EXPECT_NE(world.LogText().find("Angelscript Error: (Line : 2) : ERR  : "), std::string::npos) << world.LogText();
    scene.OnClick(kDoor.left + 10, kDoor.top + 10);
    scene.OnMouseMove(kDoor.left + 10, kDoor.top + 10, false, false);
    game.adventureBar.UseHint(scene);
    scene.Update();
    EXPECT_NE(world.LogText().find("Trouble calling func : void OnLeftClick(int x, int y)"), std::string::npos);
    EXPECT_EQ(game.cursor.currentName, "ARROW") << "OnCursor is missing too: its empty answer shows the arrow";
    SetState(&game.blankState, &game, false);
    EXPECT_EQ(Frame().currentState, &game.blankState);
    EXPECT_FALSE(scene.bar.Loaded());
    EXPECT_FALSE(scene.hintButton.registered);
}

}  // namespace
