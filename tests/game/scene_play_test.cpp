// An adventure scene played through the real main loop and the engine's event path: entered by
// the fade the map starts, looked at, clicked, and left through its menu and the real dialogs.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/core/frame_context.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/overlay_images.h"
#include "game/frontend/game_options_dialog.h"
#include "game/scenes/script_host.h"
#include "tests/game/game_world.h"
#include "tests/support/scene_data.h"
#include "tests/support/screen_pixels.h"

namespace {

constexpr const char* kScript = R"(
LDvString seen;
void OnEnter() { seen += "enter;"; }
void OnLeave() { seen += "leave;"; }
void OnInteract(LDvString id) { seen += id + ";"; }
LDvString GetHint() { return seen; }
)";

// A below the effects, B above them; B is the one with a hit zone.
const Box kLower{200, 200, 300, 200};
const Box kUpper{400, 300, 300, 200};
const Box kEffect{350, 250, 200, 200};

// A green picture among the scene's script decorations, drawn at the "FX" section.
std::unique_ptr<LDvOverlay> GreenDecoration() {
    auto decoration = std::make_unique<LDvSprite>();
    const RgbaImage picture = SolidPicture(kEffect.width, kEffect.height, 0x00ff00);
    LoadFromPixels(decoration.get(), reinterpret_cast<const uint32_t*>(picture.rgba.data()), picture.width,
                   picture.height);
    decoration->SetPosition(kEffect.left, kEffect.top);
    return decoration;
}

Point CentreOf(Box box) { return {box.left + box.width / 2, box.top + box.height / 2}; }

TEST(ScenePlay, EnterClickAHitZoneAndQuitThroughTheMenu) {
    SceneData data;
    data.AddScene("test_room",
                  SceneDocument(0x000000, {
                                              Group("A", {ImageLayer(kLower, 0xff0000)}),
                                              Group("FX", {HitLayer({0, 0, 1, 1})}),
                                              Group("B", {ImageLayer(kUpper, 0x0000ff), HitLayer(kUpper)}),
                                          }),
                  kScript);
    GameWorld world;
    ASSERT_TRUE(world.Started()) << world.LogText();
    Frame().rootDirOverride = data.path();
    Match3& game = world.Game();
    Scene& scene = game.scene;
    CreatePlayer(0, "Tester");

    std::string afterClick;
    LDvState* inScene = nullptr;
    LDvState* afterQuit = nullptr;
    world.After(1, [&] { game.FadeToScene("test_room"); });
    // 45 steps to black, 10 held, 45 to emerge.
    world.After(110, [&] {
        inScene = Frame().currentState;
        scene.sceneOverlays.Add(GreenDecoration());
    });
    world.CaptureAfter(112);
    world.ClickAt(CentreOf(kUpper), 115);
    world.After(125, [&] { afterClick = game.scriptHost.CallForText("LDvString GetHint()"); });
    world.ClickOn(scene.menuButton, 130);
    world.After(160, [&] {
        auto* menu = dynamic_cast<GameOptionsDialog*>(Frame().currentState);
        ASSERT_NE(menu, nullptr) << "the menu did not open";
        world.ClickOn(menu->leaveButton, 0);
    });
    world.After(200, [&] { world.ClickOn(game.dialogParts.yesNo.yesButton, 0); });
    world.After(290, [&] { afterQuit = Frame().currentState; });
    world.frameLimit = 292;
    game.RunGame();

    EXPECT_EQ(inScene, &scene);
    ExpectPixels(world.captured, 1600,
                 {
                     {"background", 100, 100, kBlack},
                     {"A alone", kLower.left + 20, kLower.top + 20, kRed},
                     {"the effects over A", kEffect.left + 20, kEffect.top + 20, kGreen},
                     {"B over the effects", kUpper.left + 20, kUpper.top + 20, kBlue},
                 });
    EXPECT_EQ(afterClick, "enter;B;");
    EXPECT_EQ(afterQuit, &scene.TitleState());
    EXPECT_NE(afterQuit, &game.blankState) << "the way out must not strand the player";
    EXPECT_EQ(game.scriptHost.CallForText("LDvString GetHint()"), "enter;B;leave;");
    EXPECT_TRUE(scene.sceneOverlays.IsEmpty()) << "the script's decorations go with the scene";
    EXPECT_FALSE(scene.bar.Loaded());
}

}  // namespace
