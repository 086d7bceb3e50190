// The front end's player and question dialogs played through the real input: choosing, deleting
// and adding profiles in the player list, typing a name, the casual/expert question and the yes/no
// question. Profiles live in a temporary save folder.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "framework/data/localization.h"
#include "framework/ui/overlay_images.h"
#include "game/expedition/message_dialog.h"
#include "game/frontend/casual_expert_dlg.h"
#include "game/frontend/select_player_dialog.h"
#include "game/frontend/yes_no_dialog.h"
#include "game/widgets/framed_widget_art.h"
#include "tests/game/dialog_world.h"
#include "tests/game/scripted_player.h"

namespace {

using Profiles = std::initializer_list<std::pair<int, const char*>>;

class PlayerDialogs : public DialogWorld {
protected:
    SelectPlayerParts& List() { return game->dialogParts.selectPlayer; }
    MessageDialogParts& Message() { return game->dialogParts.message; }
    EnterNameParts& NameEntry() { return game->dialogParts.enterName; }
    YesNoParts& Question() { return game->dialogParts.yesNo; }

    // The centre of a row of the player list, as it is laid out once the dialog is up.
    std::function<LDvPoint()> Row(int slot) {
        return [this, slot] {
            DrawPlayerNames& names = List().names;
            return LDvPoint{static_cast<int>(names.x) + List().backing.GetWidth() / 2,
                            static_cast<int>(names.RowTop(slot)) + List().backing.GetHeight() / 2};
        };
    }

    static std::vector<int> UsedSlots() {
        std::vector<int> slots;
        for (int slot = 0; slot < kPlayerSlots; ++slot) {
            if (PlayerExists(slot)) slots.push_back(slot);
        }
        return slots;
    }

    // Notes the text of the message on screen, then dismisses it.
    void ReadMessage(ScriptedPlayer& player, std::string& text) {
        player
            .Check(
                [&text] {
                    if (auto* message = dynamic_cast<MessageDialog*>(Frame().currentState)) text = message->message;
                },
                Message().button)
            .Click(Message().button);
    }

    // Resets the save folder to exactly these profiles, the last one selected.
    void StartWith(Profiles profiles) {
        for (int slot = 0; slot < kPlayerSlots; ++slot) DeletePlayer(slot);
        MakeProfiles(profiles);
    }
};

}  // namespace

TEST_F(PlayerDialogs, ClickingANamedRowSelectsItAtOnceAndEmptyRowsDoNothing) {
    StartWith({{2, "Cid"}, {0, "Ann"}});
    int selectedAfterEmptyRow = -2, loadedAfterNamedRow = -2;
    SelectPlayerDialog dialog(*game);
    ScriptedPlayer player(Window());
    player.ClickWhere(Row(1), List().closeButton)
        .Check([&] { selectedAfterEmptyRow = dialog.SelectedSlot(); }, List().closeButton)
        .ClickWhere(Row(2), List().closeButton)
        .Check([&] { loadedAfterNamedRow = game->selectedPlayer; }, List().closeButton)
        .Click(List().closeButton);
    RunModal(&dialog);

    EXPECT_FALSE(player.TimedOut());
    EXPECT_EQ(selectedAfterEmptyRow, 0) << "the empty row leaves Ann selected";
    EXPECT_EQ(loadedAfterNamedRow, 2) << "Cid is loaded before the dialog closes";
    EXPECT_EQ(GetCurrentPlayerName(), "Cid");
    EXPECT_EQ(dialog.SelectedSlot(), 2);
}

struct DeleteCase {
    const char* what;
    Profiles profiles;            // the last one is selected
    bool answerYes;
    int message;                  // language text shown instead of the question, 0 for none
    std::vector<int> slotsAfter;
    int selectedAfter;
};
const DeleteCase kDeletes[] = {
    {"the only profile is refused", {{2, "Ann"}}, true, 14, {2}, 2},
    {"yes deletes, the lowest slot is selected", {{3, "Bob"}, {4, "Cid"}, {1, "Ann"}}, true, 0, {3, 4}, 3},
    {"no keeps the profile", {{3, "Bob"}, {1, "Ann"}}, false, 0, {1, 3}, 1},
};

TEST_F(PlayerDialogs, DeleteAsksFirstAndNeverRemovesTheOnlyProfile) {
    for (const DeleteCase& c : kDeletes) {
        SCOPED_TRACE(c.what);
        StartWith(c.profiles);
        SelectPlayerDialog dialog(*game);
        std::string message, question;
        bool pictureShown = false;
        ScriptedPlayer player(Window());
        player.Click(List().deleteButton);
        if (c.message != 0) {
            ReadMessage(player, message);
        } else {
            player.Check(
                [&] {
                    question = Question().display.lines.IsEmpty() ? "" : Question().display.lines.Head();
                    pictureShown = List().deleteQuestion.registered;
                },
                Question().yesButton);
            player.Click(c.answerYes ? Question().yesButton : Question().noButton);
        }
        player.Click(List().closeButton);
        RunModal(&dialog);

        EXPECT_FALSE(player.TimedOut());
        EXPECT_EQ(UsedSlots(), c.slotsAfter);
        EXPECT_EQ(dialog.SelectedSlot(), c.selectedAfter);
        if (c.message != 0) {
            EXPECT_EQ(message, GetText(c.message));
        } else {
            EXPECT_EQ(question, "Ann") << "the question names the selected profile";
            EXPECT_TRUE(pictureShown);
        }
    }
}

struct NewCase {
    const char* what;
    Profiles profiles;
    std::vector<std::pair<std::string, bool>> typing;   // characters typed, then Return or the OK button
    int message;                                        // 0 for none
    std::vector<int> slotsAfter;
    int selectedAfter;
    const char* nameAfter;                              // of the selected profile
};
const NewCase kNews[] = {
    {"the lowest free slot is reused", {{0, "Ann"}, {3, "Dan"}, {2, "Cid"}}, {{"eve", true}}, 0, {0, 1, 2, 3}, 1,
     "Eve"},
    {"a name in use is refused", {{0, "Ann"}, {1, "Bob"}}, {{"ann", false}}, 15, {0, 1}, 1, "Bob"},
    {"blanks are ignored", {{1, "Bob"}}, {{" zo e ", true}}, 0, {0, 1}, 0, "Zoe"},
    {"an empty name keeps the dialog open", {{0, "Ann"}}, {{"", true}, {"", false}, {"Kim", true}}, 0, {0, 1}, 1,
     "Kim"},
};

TEST_F(PlayerDialogs, NewProfileTakesTheLowestFreeSlotWithADistinctName) {
    for (const NewCase& c : kNews) {
        SCOPED_TRACE(c.what);
        StartWith(c.profiles);
        SelectPlayerDialog dialog(*game);
        std::string message;
        ScriptedPlayer player(Window());
        player.Click(List().newButton);
        for (const auto& [text, withReturn] : c.typing) {
            player.Type(text, withReturn, NameEntry().okButton);
            if (!withReturn) player.Click(NameEntry().okButton);
        }
        if (c.message != 0) ReadMessage(player, message);
        player.Click(List().closeButton);
        RunModal(&dialog);

        EXPECT_FALSE(player.TimedOut());
        EXPECT_EQ(UsedSlots(), c.slotsAfter);
        EXPECT_EQ(dialog.SelectedSlot(), c.selectedAfter);
        EXPECT_EQ(GetCurrentPlayerName(), c.nameAfter);
        EXPECT_EQ(message, c.message != 0 ? GetText(c.message) : "");
    }
}

TEST_F(PlayerDialogs, NewDoesNothingWhenAllFiveSlotsAreUsed) {
    StartWith({{0, "Ann"}, {1, "Bob"}, {2, "Cid"}, {3, "Dan"}, {4, "Eve"}});
    SelectPlayerDialog dialog(*game);
    ScriptedPlayer player(Window());
    // Had a name dialog opened, the close button would not answer and the run would time out.
    player.Click(List().newButton).Wait(10, List().closeButton).Click(List().closeButton);
    RunModal(&dialog);
    EXPECT_FALSE(player.TimedOut());
    EXPECT_EQ(UsedSlots().size(), 5u);
}

TEST_F(PlayerDialogs, CasualExpertAnswersAndRestoresTheButtonWidth) {
    CasualExpertParts& parts = game->dialogParts.casualExpert;
    for (const bool casual : {true, false}) {
        SCOPED_TRACE(casual);
        CasualExpertDlg dialog(*game);
        int widthWhileShown = 0;
        ScriptedPlayer player(Window());
        player.Check([&] { widthWhileShown = FramedWidgets().minimumTextWidth; }, parts.casualButton)
            .Click(casual ? parts.casualButton : parts.expertButton);
        RunModal(&dialog);
        EXPECT_FALSE(player.TimedOut());
        EXPECT_EQ(dialog.casualChosen, casual);
        EXPECT_EQ(widthWhileShown, 200);
        EXPECT_EQ(FramedWidgets().minimumTextWidth, 80);
        EXPECT_EQ(parts.casualButton.x, 465);
        EXPECT_EQ(parts.expertButton.y, 300);
        // The question is centred in its box: a box reaching into the descriptions drew over them.
        EXPECT_LE(parts.heading.bottom, parts.casualText.top) << "the question stays above the first description";
    }
}

TEST_F(PlayerDialogs, YesNoShowsThePictureOrTheTypedQuestion) {
    struct QuestionCase {
        const char* question;
        bool withPicture;
        bool yes;
    };
    const QuestionCase kQuestions[] = {{"Leave the island?", false, true}, {"", true, false}};
    LDvSprite picture;
    SharePicture(&picture, &game->gui.deletePlayerText);
    for (const QuestionCase& c : kQuestions) {
        SCOPED_TRACE(c.question);
        YesNoDialog dialog(*game);
        if (c.withPicture) {
            dialog.SetPicture(&picture);
            dialog.SetPictureOffset(65);
        }
        dialog.SetQuestion(c.question);
        bool pictureOnTop = false;
        int typedLines = -1;
        ScriptedPlayer player(Window());
        player
            .Check(
                [&] {
                    pictureOnTop = picture.registered && picture.layer == 9;
                    typedLines = Question().display.lines.Count();
                },
                Question().yesButton)
            .Click(c.yes ? Question().yesButton : Question().noButton);
        RunModal(&dialog);

        EXPECT_FALSE(player.TimedOut());
        EXPECT_EQ(dialog.answer, c.yes);
        EXPECT_EQ(pictureOnTop, c.withPicture);
        EXPECT_EQ(typedLines, c.question[0] != '\0' ? 1 : 0);
        EXPECT_TRUE(dialog.question.hidden) << "the typewriter shows the question, not its overlay";
        if (c.withPicture) {
            EXPECT_EQ(picture.y, 55 + 65);
            EXPECT_EQ(picture.x, 800 - picture.GetWidth() / 2);
        }
        const LDvRect yes = Question().yesButton.GetBounds();
        EXPECT_EQ(yes.right, 790);
        EXPECT_EQ(yes.bottom, 320);
        EXPECT_EQ(Question().noButton.x, 810);
    }
}
