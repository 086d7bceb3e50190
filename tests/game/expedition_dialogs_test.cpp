// The expedition dialogs run modally over the real game on the generated data and closed with
// scripted clicks through the real dispatch.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/image_codec.h"
#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "framework/data/player_profiles.h"
#include "game/expedition/discovery.h"
#include "game/expedition/icon_dlg.h"
#include "game/expedition/info_dlg.h"
#include "game/expedition/path_blocking_dlg.h"
#include "tests/game/game_world.h"
#include "tests/support/screen_pixels.h"

namespace {

class ExpeditionDialogs : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(world.Started()) << world.LogText(); }
    void TearDown() override { SetDialogRunnerForTesting({}); }

    GameWorld world;
    Match3& game = world.Game();
};


// Where a picture centred on (cx, cy) shows its first opaque texel at or below its middle row,
// and the colour of that texel.
struct Texel {
    int screenX = 0, screenY = 0;
    Rgb colour{};
    bool found = false;
};
Texel OpaqueTexel(const char* file, int cx, int cy) {
    DecodedImage image;
    Texel t;
    if (!decodeImageFile(std::string(QV_DATA_DIR) + "/img/gui/" + file, image)) return t;
    for (int y = image.height / 2; y < image.height && !t.found; ++y) {
        for (int x = image.width / 2; x < image.width; ++x) {
            const uint32_t p = image.pixels[static_cast<size_t>(y) * image.width + x];
            if (p >> 24 != 255) continue;
            t = {cx - image.width / 2 + x, cy - image.height / 2 + y, ColourOf(p), true};
            break;
        }
    }
    return t;
}

}  // namespace

TEST_F(ExpeditionDialogs, ADiscoveryShowsItsRewardRowAndEndsWithContinue) {
    CreatePlayer(0, "Ada");
    int rowX = 0, rowY = 0, runs = 0;
    float dimmed = 0.0f;
    SetDialogRunnerForTesting([&](LDvDialog& dialog) {
        auto& shown = dynamic_cast<PathBlockingDlg&>(dialog);
        world.CaptureAfter(25);
        world.After(25, [&] { dimmed = game.dialogDimmer.opacity; });
        world.ClickOn(shown.continueButton, 28);
        RunModal(&dialog);
        ++runs;
        ASSERT_EQ(shown.Rows().Count(), 1);
        rowX = static_cast<int>(shown.Rows().Get(0)->x);
        rowY = static_cast<int>(shown.Rows().Get(0)->y);
    });
    EXPECT_EQ(Discover(game, "SUPPLY_CRATES"), DiscoveryOutcome::Discovered);
    EXPECT_EQ(runs, 1);
    EXPECT_NE(Frame().currentState, nullptr);
    EXPECT_EQ(GetPlayerInt("REWARDS", "BSUPPLY", 0), 1);
    EXPECT_FLOAT_EQ(dimmed, 0.5f);

    ASSERT_EQ(world.captured.size(), 1600u * 900u);
    const std::pair<const char*, Texel> marks[] = {
        {"the reward's picture", OpaqueTexel("reward_supply.png", rowX + 24, rowY + 18)},
        {"the check mark", OpaqueTexel("checkmark.png", rowX - 35, rowY + 18)},
    };
    for (const auto& [what, texel] : marks) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(texel.found);
        const Rgb seen = ColourOf(world.captured[static_cast<size_t>(texel.screenY) * 1600 + texel.screenX]);
        EXPECT_NEAR(seen.r, texel.colour.r, 2);
        EXPECT_NEAR(seen.g, texel.colour.g, 2);
        EXPECT_NEAR(seen.b, texel.colour.b, 2);
    }
}

TEST_F(ExpeditionDialogs, TheInformationDialogClosesWithItsButtonAndDimsNothing) {
    InfoDlg dialog(game);
    dialog.text.text = "The trail leads on.";
    float dimmed = -1.0f;
    world.After(25, [&] { dimmed = game.dialogDimmer.opacity; });
    world.ClickOn(dialog.continueButton, 26);
    RunModal(&dialog);
    EXPECT_NE(Frame().currentState, &dialog);
    EXPECT_FLOAT_EQ(dimmed, 0.0f);
}

TEST_F(ExpeditionDialogs, TheIconDialogReportsWhetherItWasConfirmed) {
    struct Case {
        const char* what;
        bool confirmDisabled;
        bool clickConfirm;      // else cancel
        bool cancelled;
    };
    const Case cases[] = {
        {"confirmed", false, true, false},
        {"cancelled", false, false, true},
        {"confirm disabled: only cancel is there", true, false, true},
    };
    LDvSprite icon;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        IconDlg dialog(game);
        dialog.titleText = "Huts";
        dialog.descriptionText = "Dry beds for the whole crew.";
        dialog.bodyText = "Uses 1000 resources.";
        dialog.confirmLabel = "Build";
        dialog.confirmDisabled = c.confirmDisabled;
        dialog.iconPicture = &game.gui.rewardHut;
        bool confirmShown = false;
        world.After(1, [&] { confirmShown = dialog.confirmButton.registered; });
        world.ClickOn(c.clickConfirm ? static_cast<LDvOverlay&>(dialog.confirmButton) : dialog.cancelButton, 4);
        RunModal(&dialog);
        EXPECT_NE(Frame().currentState, &dialog);
        EXPECT_EQ(confirmShown, !c.confirmDisabled);
        EXPECT_EQ(dialog.cancelled, c.cancelled);
        EXPECT_EQ(dialog.cancelButton.text, "Cancel");
    }
}
