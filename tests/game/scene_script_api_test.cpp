// The functions scene scripts call, run from real scripts against a loaded scene: sections moved,
// shown and read, the arithmetic, the player's values, effects and wave crests, and the waits.
#include <gtest/gtest.h>

#include <string>

#include "framework/core/frame_context.h"
#include "framework/data/player_profiles.h"
#include "game/expedition/wave_top.h"
#include "game/scenes/script_host.h"
#include "tests/game/game_world.h"
#include "tests/support/scene_data.h"

namespace {

int CountIn(const std::string& log, const std::string& text) {
    int count = 0;
    for (size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + text.size())) ++count;
    return count;
}

const Box kBox{200, 100, 100, 50};
const Box kZone{600, 300, 40, 20};

class SceneScriptApi : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(world.Started()) << world.LogText();
        Frame().rootDirOverride = data.path();
        CreatePlayer(0, "Tester");
        data.AddScene("api_room",
                      SceneDocument(0x204060, {Group("BOX", {ImageLayer(kBox, 0xff0000), HitLayer(kBox)}),
                                               Group("ZONE", {HitLayer(kZone)})}),
                      "void OnEnter() {}");
        ASSERT_TRUE(scene.LoadScene("api_room"));
    }

    // Runs `body` as a script and gives back what it left in the text r.
    std::string Run(const std::string& body) {
        if (!game.scriptHost.BuildSceneModule("api_room", "LDvString GetHint() { LDvString r; " + body + " return r; }")) {
            return "<not built>";
        }
        return game.scriptHost.CallForText("LDvString GetHint()");
    }

    SceneData data;
    GameWorld world;
    Match3& game = world.Game();
    Scene& scene = game.scene;
};

struct ScriptCase {
    const char* body;
    const char* result;
};

TEST_F(SceneScriptApi, PicturesAndHitZonesMoveTogether) {
    const ScriptCase kCases[] = {
        {"Move(\"BOX\", 10, 0); Move(\"BOX\", 10, 0); r = STR(GetXPos(\"BOX\")) + \",\" + STR(GetHitzoneXCenter(\"BOX\"));",
         "220,270"},
        {"Move(\"BOX\", 10, 5); SetPos(\"BOX\", 7, 9); r = STR(GetXPos(\"BOX\")) + \",\" + STR(GetYPos(\"BOX\")) + \",\" + "
         "STR(GetHitzoneXCenter(\"BOX\")) + \",\" + STR(GetHitzoneYCenter(\"BOX\"));",
         "7,9,57,34"},
        // The picture is centred on the point; the hit zone's corner goes to the point itself.
        {"SetPosCenter(\"BOX\", 800, 450); r = STR(GetXPos(\"BOX\")) + \",\" + STR(GetYPos(\"BOX\")) + \",\" + "
         "STR(GetXPosCenter(\"BOX\")) + \",\" + STR(GetHitzoneXCenter(\"BOX\")) + \",\" + STR(GetHitzoneYCenter(\"BOX\"));",
         "750,425,800,850,475"},
        {"MoveF(\"BOX\", 0.5, 0.75); MoveF(\"BOX\", 0.75, 0.5); r = STR(GetXPos(\"BOX\")) + \",\" + STR(GetYPos(\"BOX\"));",
         "201,101"},
        // A section without a picture: its hit zone is still found, its picture reads 0.
        {"Move(\"ZONE\", 10, 0); r = STR(GetXPos(\"ZONE\")) + \",\" + STR(GetHitzoneXCenter(\"ZONE\"));", "0,620"},
        {"r = STR(GetXPos(\"NOWHERE\")) + \",\" + STR(SetPos(\"NOWHERE\", 1, 1));", "0,0"},
    };
    for (const ScriptCase& c : kCases) {
        ASSERT_TRUE(scene.LoadScene("api_room"));
        EXPECT_EQ(Run(c.body), c.result) << c.body;
    }
}

TEST_F(SceneScriptApi, InactiveSectionsAreFoundOnlyByActivateAndIsActive) {
    EXPECT_EQ(Run("Hide(\"BOX\"); Activate(\"BOX\", false); Show(\"BOX\"); r = IsActive(\"BOX\") ? \"on\" : \"off\";"), "off");
    EXPECT_TRUE(scene.content.FindSection("BOX", true)->picture->hidden);
    EXPECT_GE(CountIn(world.LogText(), "Warning : Section not found or inactive [BOX]"), 1);
    EXPECT_EQ(Run("Activate(\"BOX\", true); Show(\"BOX\"); r = IsActive(\"BOX\") ? \"on\" : \"off\";"), "on");
    EXPECT_FALSE(scene.content.FindSection("BOX", false)->picture->hidden);
    EXPECT_EQ(Run("r = IsActive(\"NOWHERE\") ? \"on\" : \"off\";"), "off");
}

TEST_F(SceneScriptApi, PictureLooksAndDrawingPasses) {
    Run("SetOpacity(\"BOX\", 50); SetZoom(\"BOX\", 2.0); Rotate(\"BOX\", 30); Rotate(\"BOX\", 15); "
        "TurnAdditiveON(\"BOX\", true); Top(\"BOX\"); FadeIn(\"BOX\");");
    Section& box = *scene.content.FindSection("BOX", false);
    EXPECT_FLOAT_EQ(box.picture->opacity, 0.5f);
    EXPECT_FLOAT_EQ(box.picture->zoom, 2.0f);
    EXPECT_FLOAT_EQ(box.picture->angle, 45.0f);
    EXPECT_EQ(box.picture->blendMode, 1);
    EXPECT_TRUE(box.drawTop && !box.drawMiddle);
    EXPECT_TRUE(box.fadingIn);
    for (int step = 0; step < 60; ++step) box.StepFade();
    EXPECT_NEAR(box.picture->opacity, 1.0f, 0.001f);
    Run("Middle(\"BOX\"); TurnAdditiveON(\"BOX\", false);");
    EXPECT_TRUE(box.drawMiddle && !box.drawTop);
    EXPECT_EQ(box.picture->blendMode, 0);
}

TEST_F(SceneScriptApi, Arithmetic) {
    const ScriptCase kCases[] = {
        {"r = STR(QuadValue(0, 10, 0.5));", "   2.50"},
        {"r = STR(RootValue(0, 10, 0.25));", "   5.00"},
        {"r = STR(LinearValue(2, 4, 0.5));", "   3.00"},
        {"r = STR(Sin(90)) + \",\" + STR(Cos(180));", "   1.00,  -1.00"},
        {"r = STR(RandomRange(3, 3));", "3"},
        {"bool ok = true; for (int i = 0; i < 200; ++i) { int a = RandomRange(5, 1); int b = RandomRange(1, 5); "
         "ok = ok && a >= 1 && a <= 5 && b >= 1 && b <= 5; } r = ok ? \"in\" : \"out\";",
         "in"},
        {"bool ok = true; for (int i = 0; i < 200; ++i) { float f = Random(); ok = ok && f >= 0 && f <= 1; } "
         "r = ok ? \"in\" : \"out\";",
         "in"},
    };
    for (const ScriptCase& c : kCases) EXPECT_EQ(Run(c.body), c.result) << c.body;
}

TEST_F(SceneScriptApi, PlayerValuesGoToTheProgressStore) {
    EXPECT_EQ(Run("r = STR(GetPlayerInt(\"NEVER_WRITTEN\", 7)) + (GetPlayerBool(\"NEVER_WRITTEN\", true) ? \"t\" : \"f\") + "
                  "\"[\" + GetPlayerString(\"NEVER_WRITTEN\", \"x\") + \"]\";"),
              "0f[]");
    EXPECT_EQ(Run("SetPlayerInt(\"N\", -12); SetPlayerBool(\"B\", true); SetPlayerString(\"S\", \"oak\"); "
                  "r = STR(GetPlayerInt(\"N\", 0)) + (GetPlayerBool(\"B\", false) ? \"t\" : \"f\") + GetPlayerString(\"S\", \"\");"),
              "-12toak");
    EXPECT_EQ(::GetPlayerString("N", ""), "-12");
    EXPECT_EQ(::GetPlayerString("B", ""), "1");
    SetPlayerValue(nullptr, "S", "");
    EXPECT_EQ(Run("r = STR(GetPlayerInt(\"S\", 3));"), "0");

    game.selectedPlayer = -1;
    EXPECT_EQ(Run("SetPlayerInt(\"N\", 5); r = STR(GetPlayerInt(\"N\", 0)) + GetPlayerString(\"S\", \"\");"), "0");
}

TEST_F(SceneScriptApi, EffectsPlayCopiesOfTheirTemplates) {
    Run("LoadTLFX(\"explode\"); LoadTLFX(\"explode\"); LoadTLFX(\"nothing_like_it\");"
        "PlayTLFX(\"explode\", 300, 200, 1.5, false, 0, 0.5, true, 90); PlayTLFX(\"smokepuff\", 1, 1, 1, false, 1, 1, false, 0);");
    ASSERT_EQ(scene.loadedEffects.Count(), 1) << "a second load of a name adds no template";
    ASSERT_EQ(scene.playingEffects.Count(), 1) << "an effect never loaded does not play";
    const TLPlayer& played = *scene.playingEffects.Get(0);
    EXPECT_EQ(played.name, "explode");
    EXPECT_EQ(&played.sheet, &scene.loadedEffects.Get(0)->sheet);
    EXPECT_EQ(played.sheet.frameCount, 48);
    EXPECT_FLOAT_EQ(played.x, 300.0f);
    EXPECT_EQ(played.ticksPerFrame, 1) << "speed 0 plays at every step";
    EXPECT_EQ(played.opacityPercent, 50);
    EXPECT_TRUE(played.additive && played.started && !played.looping);
    EXPECT_EQ(played.angleDegrees, 90);

    Run("StopTLFX(\"explode\");");
    EXPECT_TRUE(scene.playingEffects.Get(0)->started) << "copies already playing go on";
    EXPECT_FALSE(scene.loadedEffects.Get(0)->started);

    ASSERT_TRUE(scene.LoadScene("api_room"));
    EXPECT_TRUE(scene.loadedEffects.IsEmpty() && scene.effectSheets.IsEmpty() && scene.playingEffects.IsEmpty());
}

TEST_F(SceneScriptApi, EffectSheetsWithoutAGridAreSkipped) {
    data.write("img/tl_fx/flat_0_4_8.png", "");
    Run("LoadTLFX(\"flat\"); PlayTLFX(\"flat\", 1, 1, 1, true, 1, 1, true, 0);");
    EXPECT_TRUE(scene.loadedEffects.IsEmpty());
    EXPECT_EQ(CountIn(world.LogText(), "Effect sheet flat_0_4_8.png has no usable grid in its name; not loaded"), 1);
}

TEST_F(SceneScriptApi, WaveCrestsReadTheirEightFields) {
    Run("DoWaveTop(\"0;639;139;880;1.5;0.6;0;0.025\"); DoWaveTop(\"5;6\");");
    ASSERT_EQ(scene.sceneOverlays.Count(), 2);
    const auto* camp = dynamic_cast<const WaveTop*>(scene.sceneOverlays.Get(0).get());
    const auto* partial = dynamic_cast<const WaveTop*>(scene.sceneOverlays.Get(1).get());
    ASSERT_TRUE(camp != nullptr && partial != nullptr);
    EXPECT_EQ(camp->y1, 639);
    EXPECT_EQ(camp->x2, 139);
    EXPECT_EQ(camp->y2, 880);
    EXPECT_FLOAT_EQ(camp->scale, 1.5f);
    EXPECT_FLOAT_EQ(camp->peakOpacity, 0.6f);
    EXPECT_FLOAT_EQ(camp->dy, 0.025f);
    EXPECT_EQ(camp->active, 1);
    EXPECT_EQ(partial->x1, 5);
    EXPECT_EQ(partial->y1, 6);
    EXPECT_EQ(partial->x2, 0);
    EXPECT_FLOAT_EQ(partial->scale, 0.0f);
}

TEST_F(SceneScriptApi, WaitingDisablesTheMenuUntilStopped) {
    Run("Wait();");
    EXPECT_TRUE(scene.waiting);
    EXPECT_FALSE(scene.menuButton.isButton);
    Run("StopWaiting();");
    EXPECT_FALSE(scene.waiting);
    EXPECT_TRUE(scene.menuButton.isButton);
}

// The game's own scenes build against the registered functions.
TEST(SceneScriptApiData, ThePaintedScenesBuild) {
    GameWorld world;
    ASSERT_TRUE(world.Started()) << world.LogText();
    for (const char* name : {"god_of_air", "medical_supplies_hog"}) {
        EXPECT_TRUE(world.Game().scene.LoadScene(name)) << name;
    }
    EXPECT_EQ(CountIn(world.LogText(), "Angelscript Error"), 0) << world.LogText();
    EXPECT_EQ(CountIn(world.LogText(), "not built"), 0) << world.LogText();
}

}  // namespace
