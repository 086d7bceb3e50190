// The character and message dialogs run modally through the real main loop and input: page
// turning and its labels, the portraits, the dimmers, and how fast their text types out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/data/localization.h"
#include "game/expedition/character_dialog.h"
#include "game/expedition/message_dialog.h"
#include "tests/game/dialog_world.h"
#include "tests/game/scripted_player.h"

namespace {

using CharacterDialogTest = DialogWorld;

struct PagesCase {
    int pages;
    std::vector<int> labels;   // the page button's language text before each press
};
const PagesCase kPagesCases[] = {
    {1, {6}},
    {3, {7, 7, 6}},
};

}  // namespace

TEST_F(CharacterDialogTest, PageButtonTurnsPagesAndClosesOnTheLast) {
    for (const PagesCase& c : kPagesCases) {
        SCOPED_TRACE(c.pages);
        CharacterDialog dialog(*game);
        dialog.SetTitle(GetText(31));
        dialog.SetTitleFont(&game->font4);
        dialog.SetBodyFont(&game->font1);
        dialog.SetSpeaker(CharacterDialog::kCaptain);
        for (int page = 0; page < c.pages; ++page) dialog.AppendPage("Page " + std::to_string(page + 1));
        ButtonBase& pageButton = game->dialogParts.character.pageButton;

        std::vector<std::string> labels, bodies;
        ScriptedPlayer player(Window());
        for (int press = 0; press < c.pages; ++press) {
            player
                .Check(
                    [&] {
                        labels.push_back(pageButton.text);
                        bodies.push_back(dialog.bodyDisplay.lines.Head());
                    },
                    pageButton)
                .Click(pageButton);
        }
        RunModal(&dialog);

        EXPECT_FALSE(player.TimedOut());
        EXPECT_EQ(Frame().currentState, &game->blankState);
        ASSERT_EQ(labels.size(), c.labels.size());
        for (size_t i = 0; i < labels.size(); ++i) {
            EXPECT_EQ(labels[i], GetText(c.labels[i])) << "before press " << i + 1;
            EXPECT_EQ(bodies[i], "Page " + std::to_string(i + 1));
        }
    }
}

TEST_F(CharacterDialogTest, SpeakerPortraitDimmerAndBodySpeed) {
    struct Seen {
        bool captainShown = false, professorShown = false;
        int dimmerEnd = -1;
        uint32_t charsAfter11 = 0, charsAfter12 = 0;
    };
    for (const int speaker : {CharacterDialog::kCaptain, CharacterDialog::kProfessor}) {
        SCOPED_TRACE(speaker);
        CharacterDialog dialog(*game);
        dialog.SetBodyFont(&game->font1);
        dialog.SetTitleFont(&game->font4);
        dialog.SetSpeaker(speaker);
        dialog.AppendPage(std::string(60, 'i'));
        CharacterDialogParts& parts = game->dialogParts.character;

        Seen seen;
        ScriptedPlayer player(Window());
        player.everyFrame = [&](int) {
            if (Frame().currentState != &dialog) return;
            if (dialog.tickCount == 11) seen.charsAfter11 = dialog.bodyDisplay.visibleChars;
            if (dialog.tickCount == 12) seen.charsAfter12 = dialog.bodyDisplay.visibleChars;
        };
        player
            .Check(
                [&] {
                    seen.captainShown = !parts.captain.hidden;
                    seen.professorShown = !parts.professor.hidden;
                    seen.dimmerEnd = game->dialogDimmer.endPercent;
                },
                parts.pageButton)
            .Wait(12, parts.pageButton)
            .Click(parts.pageButton);
        RunModal(&dialog);

        const int left = 800 - parts.background.GetWidth() / 2;
        EXPECT_EQ(parts.background.x, left);
        EXPECT_EQ(parts.background.y, 120);
        EXPECT_EQ(seen.captainShown, speaker == CharacterDialog::kCaptain);
        EXPECT_EQ(seen.professorShown, speaker == CharacterDialog::kProfessor);
        const LDvSprite& portrait = speaker == CharacterDialog::kCaptain ? parts.captain : parts.professor;
        EXPECT_EQ(portrait.x, left + (speaker == CharacterDialog::kCaptain ? 415 : 424));
        EXPECT_EQ(portrait.y, 112);
        EXPECT_EQ(seen.dimmerEnd, 50) << "the screen behind darkens while the dialog is up";
        EXPECT_EQ(game->dialogDimmer.endPercent, 0) << "and clears when it closes";
        EXPECT_EQ(game->dialogDimmer.fadeStepsTotal, 20);
        ASSERT_EQ(dialog.bodyDisplay.lines.Count(), 1);
        EXPECT_EQ(seen.charsAfter11, 55u);
        EXPECT_EQ(seen.charsAfter12, 60u) << "five characters a step";
        EXPECT_EQ(dialog.bodyDisplay.rectTop + dialog.bodyDisplay.topOffset, 200) << "the text starts at Y + 80";
    }
}

TEST_F(CharacterDialogTest, MessageTypesTwoStepsACharacterAndClosesOnOk) {
    MessageDialog message(*game);
    message.SetMessage(std::string(10, 'i'));
    message.SetFont(&game->font1);
    MessageDialogParts& parts = game->dialogParts.message;
    uint32_t after19 = 0, after20 = 0;
    int dimmerEnd = -1;
    ScriptedPlayer player(Window());
    player.everyFrame = [&](int) {
        if (Frame().currentState != &message) return;
        if (message.tickCount == 19) after19 = message.display.visibleChars;
        if (message.tickCount == 20) after20 = message.display.visibleChars;
        dimmerEnd = game->messageDimmer.endPercent;
    };
    player.Wait(20, parts.button).Click(parts.button);
    RunModal(&message);

    EXPECT_FALSE(player.TimedOut());
    EXPECT_EQ(after19, 9u);
    EXPECT_EQ(after20, 10u) << "one character every two steps, as the tips";
    EXPECT_EQ(dimmerEnd, 50);
    EXPECT_EQ(game->messageDimmer.endPercent, 0);
    const LDvRect button = parts.button.GetBounds();
    EXPECT_EQ(button.right, 985);
    EXPECT_EQ(button.bottom, 335);
    EXPECT_EQ(message.display.rectBottom, 300 - (button.bottom - button.top));
    EXPECT_EQ(parts.button.text, GetText(6));
}
