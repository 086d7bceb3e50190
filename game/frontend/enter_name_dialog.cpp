#include "game/frontend/enter_name_dialog.h"

#include "engine/k_event.h"
#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/assets/gui_pictures.h"
#include "game/widgets/dialog_backdrop.h"
#include "game/widgets/dialog_parts.h"

namespace {

constexpr int kLayer = 8;                      // above the message dimmer
constexpr int kCentreX = 800;
constexpr int kFrameX = 575, kFrameY = 25;
constexpr int kFrameWidth = 450, kFrameHeight = 300;
constexpr int kHeadingY = 60;
constexpr int kEntryDX = 56, kEntryDY = 159;   // the entry inside the frame
constexpr int kButtonInset = 35;               // the OK button's corner inside the frame's corner
constexpr int kTextOk = 6;

}  // namespace

EnterNameDialog::EnterNameDialog(GameView& view) : game(view), parts(view.Parts().enterName) {
    SetLayers({&parts.frame, &parts.heading, &parts.okButton, &entry}, kLayer);
    parts.okButton.enabled = true;
    entry.maxLength = kMaxNameLength;
}

void EnterNameDialog::OnEnter() {
    DimIn(game.MessageDimmer());
    UseDialogFill();
    parts.frame.SetPosition(kFrameX, kFrameY);
    parts.frame.width = kFrameWidth;
    parts.frame.height = kFrameHeight;
    SharePicture(&parts.heading, &game.Gui().enterNameText);
    parts.heading.SetPosition(kCentreX - parts.heading.GetWidth() / 2, kHeadingY);
    SetTextColor(&game.Font(4), 1.0f, 1.0f, 1.0f);
    entry.textOverlay.font = &game.Font(4);
    entry.caretVisible = true;
    entry.SetPosition(kFrameX + kEntryDX, kFrameY + kEntryDY);
    parts.okButton.text = GetText(kTextOk);
    PlaceButtonBottomRight(parts.okButton, kFrameX + kFrameWidth - kButtonInset,
                           kFrameY + kFrameHeight - kButtonInset);
}

// Blanks are refused here although the entry takes them: a name never holds one.
void EnterNameDialog::OnChar(int character, bool) {
    if (character == ' ') return;
    entry.AddChar(character);
}

void EnterNameDialog::OnKeyDown(int engineKeyCode, bool) {
    if (engineKeyCode == K_KEY_RETURN) {
        Accept();
    } else if (engineKeyCode != K_KEY_SPACE) {
        entry.HandleKey(engineKeyCode);
    }
}

void EnterNameDialog::OnButton(LDvOverlay* button) {
    if (button == &parts.okButton) Accept();
}

void EnterNameDialog::Accept() {
    enteredName = entry.Text();
    if (!enteredName.empty()) EndModal();
}

void EnterNameDialog::OnLeave(LDvState*) { DimOut(game.MessageDimmer()); }

void EnterNameDialog::ToggleOverlays() {
    ToggleOverlayList({&parts.frame, &parts.heading, &parts.okButton, &entry}, this);
}
