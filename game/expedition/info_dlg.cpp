#include "game/expedition/info_dlg.h"

#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "game/app/game_view.h"
#include "game/widgets/dialog_backdrop.h"

namespace {

constexpr int kDialogLayer = 5;
constexpr int kFrameX = 575;
constexpr int kFrameY = 250;
constexpr int kFrameWidth = 450;
constexpr int kFrameHeight = 250;
constexpr int kCentreX = kFrameX + kFrameWidth / 2;
constexpr int kTextInset = 45;
constexpr int kTextTop = kFrameY + 38;
constexpr int kButtonBottomMargin = 30;
constexpr int kGap = 8;
constexpr int kContinueText = 10;

}  // namespace

InfoDlg::InfoDlg(GameView& game) {
    for (LDvOverlay* overlay : std::initializer_list<LDvOverlay*>{&frame, &text, &continueButton}) {
        overlay->layer = kDialogLayer;
    }
    frame.SetPosition(kFrameX, kFrameY);
    frame.width = kFrameWidth;
    frame.height = kFrameHeight;
    text.font = &game.Font(1);
    continueButton.enabled = true;
}

void InfoDlg::OnEnter() {
    UseDialogFill();
    continueButton.text = GetText(kContinueText);
    const int buttonTop = kFrameY + kFrameHeight - kButtonBottomMargin - ButtonHeight(continueButton);
    continueButton.SetPosition(kCentreX - continueButton.TotalWidth() / 2, buttonTop);
    text.SetRect(kFrameX + kTextInset, kTextTop, kFrameX + kFrameWidth - kTextInset, buttonTop - kGap);
}

void InfoDlg::ToggleOverlays() {
    ToggleOverlayList({&frame, &text, &continueButton}, this);
}

void InfoDlg::OnButton(LDvOverlay* button) {
    if (button == &continueButton) EndModal();
}
