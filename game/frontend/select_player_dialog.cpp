#include "game/frontend/select_player_dialog.h"

#include "framework/core/game_log.h"
#include "framework/core/ldv_game.h"
#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/assets/gui_pictures.h"
#include "game/expedition/message_dialog.h"
#include "game/frontend/enter_name_dialog.h"
#include "game/frontend/yes_no_dialog.h"
#include "game/widgets/dialog_backdrop.h"
#include "game/widgets/dialog_parts.h"

namespace {

constexpr int kLayer = 5;                      // above the dialog dimmer
constexpr int kCentreX = 800;
constexpr int kFrameX = 575, kFrameY = 35;
constexpr int kFrameWidth = 450, kFrameHeight = 400;
constexpr int kCaptionY = 75;
constexpr int kListTop = 135;
constexpr int kButtonsY = 355;
// Button left edges from the centre less half the close button's width.
constexpr int kDeleteDX = -130, kNewDX = -5, kCloseDX = 125;
constexpr int32_t kGlowKind = 6;

constexpr int kTextClose = 11;
constexpr int kTextDelete = 12;
constexpr int kTextNew = 13;
constexpr int kTextOnlyPlayer = 14;
constexpr int kTextNameTaken = 15;

int LowestFreeSlot() {
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        if (!PlayerExists(slot)) return slot;
    }
    return -1;
}

bool NameTaken(const LDvString& name) {
    for (int slot = 0; slot < kPlayerSlots; ++slot) {
        if (PlayerExists(slot) && GetPlayerNameOf(slot) == name) return true;
    }
    return false;
}

}  // namespace

SelectPlayerDialog::SelectPlayerDialog(GameView& view) : game(view), parts(view.Parts().selectPlayer) {
    SetLayers({&parts.frame, &parts.caption, &parts.names, &parts.closeButton, &parts.deleteButton,
               &parts.newButton},
              kLayer);
    for (ButtonBase* button : {&parts.closeButton, &parts.deleteButton, &parts.newButton}) {
        button->kind = kGlowKind;
        button->enabled = true;
    }
    parts.names.backing = &parts.backing;
    parts.names.selectionMark = &parts.selectionMark;
}

void SelectPlayerDialog::OnEnter() {
    DimIn(game.DialogDimmer());
    UseDialogFill();
    TakePictures();
    parts.frame.SetPosition(kFrameX, kFrameY);
    parts.frame.width = kFrameWidth;
    parts.frame.height = kFrameHeight;
    PlaceButtons(kFrameX);
    parts.caption.SetPosition(kCentreX - parts.caption.GetWidth() / 2, kCaptionY);
    SetTextColor(&game.Font(1), 1.0f, 1.0f, 1.0f);
    parts.names.font = &game.Font(1);
    parts.names.SetPosition(kCentreX - parts.backing.GetWidth() / 2, kListTop);
    parts.names.Fill();
    parts.names.selected = game.App().selectedPlayer;
}

void SelectPlayerDialog::TakePictures() {
    const GuiPictures& gui = game.Gui();
    SharePicture(&parts.caption, &gui.choosePlayerText);
    SharePicture(&parts.backing, &gui.playerBacking);
    SharePicture(&parts.selectionMark, &gui.playerSelected);
    SharePicture(&parts.deleteQuestion, &gui.deletePlayerText);
}

void SelectPlayerDialog::PlaceButtons(int frameX) {
    parts.closeButton.text = GetText(kTextClose);
    parts.deleteButton.text = GetText(kTextDelete);
    parts.newButton.text = GetText(kTextNew);
    const int left = frameX + kFrameWidth / 2 - parts.closeButton.TotalWidth() / 2;
    parts.deleteButton.SetPosition(left + kDeleteDX, kButtonsY);
    parts.newButton.SetPosition(left + kNewDX, kButtonsY);
    parts.closeButton.SetPosition(left + kCloseDX, kButtonsY);
}

void SelectPlayerDialog::OnClick(int x, int y) {
    const int row = parts.names.RowAt(x, y);
    if (row < 0) return;
    parts.names.selected = row;
    SelectPlayer(row);
}

void SelectPlayerDialog::OnButton(LDvOverlay* button) {
    if (button == &parts.closeButton) {
        EndModal();
    } else if (button == &parts.deleteButton) {
        DeleteSelected();
    } else if (button == &parts.newButton) {
        AddPlayer();
    }
}

void SelectPlayerDialog::DeleteSelected() {
    if (CountPlayers() < 2) {
        ShowMessage(kTextOnlyPlayer, &game.Font(3));
        return;
    }
    const int slot = parts.names.selected;
    if (slot < 0 || slot >= kPlayerSlots || parts.names.names[slot].empty()) {
        Log("Delete player: no profile is selected");
        return;
    }
    YesNoDialog question(game);
    question.SetPicture(&parts.deleteQuestion);
    question.SetFont(&game.Font(3));
    question.SetQuestion(parts.names.names[slot]);
    RunModal(&question);
    if (!question.answer) return;
    DeletePlayer(slot);
    parts.names.Fill();
    const int first = FindFirstPlayer();
    if (first >= 0) parts.names.selected = first;
}

void SelectPlayerDialog::AddPlayer() {
    if (CountPlayers() >= kPlayerSlots) return;
    EnterNameDialog nameDialog(game);
    RunModal(&nameDialog);
    const LDvString& name = nameDialog.enteredName;
    if (name.empty()) return;
    if (NameTaken(name)) {
        ShowMessage(kTextNameTaken, &game.Font(1));
        return;
    }
    CreatePlayer(LowestFreeSlot(), name);
    parts.names.Fill();
    parts.names.selected = game.App().selectedPlayer;
}

void SelectPlayerDialog::ShowMessage(int textNumber, LDvFont* font) {
    SetTextColor(font, 1.0f, 1.0f, 1.0f);
    MessageDialog message(game);
    message.SetMessage(GetText(textNumber));
    message.SetFont(font);
    RunModal(&message);
}

void SelectPlayerDialog::OnLeave(LDvState*) { DimOut(game.DialogDimmer()); }

void SelectPlayerDialog::ToggleOverlays() {
    ToggleOverlayList({&parts.frame, &parts.caption, &parts.names, &parts.closeButton, &parts.deleteButton,
                       &parts.newButton},
                      this);
}
