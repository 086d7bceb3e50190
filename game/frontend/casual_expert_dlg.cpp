#include "game/frontend/casual_expert_dlg.h"

#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/ui/ldv_font.h"
#include "game/app/game_view.h"
#include "game/widgets/dialog_backdrop.h"
#include "game/widgets/dialog_parts.h"
#include "game/widgets/framed_widget_art.h"

namespace {

constexpr int kLayer = 5;                      // above the dialog dimmer
constexpr int kFrameX = 425, kFrameY = 100;
constexpr int kFrameWidth = 750, kFrameHeight = 300;
constexpr int kButtonDX = 40, kCasualDY = 115, kExpertDY = 200;
// The heading is centred in its box; a box reaching below the descriptions' top (100) drew the
// question over the first description, so it ends where they begin.
constexpr int kHeadingLeft = 375, kHeadingTop = 50, kHeadingRight = 750, kHeadingBottom = 100;
constexpr int kTextLeft = 300, kTextRight = 710;
constexpr int kCasualTop = 100, kCasualBottom = 200, kExpertTop = 200, kExpertBottom = 300;
constexpr int kTextCasual = 1;
constexpr int kTextExpert = 2;
constexpr int kTextQuestion = 3;
constexpr int kTextCasualDescription = 4;
constexpr int kTextExpertDescription = 5;

}  // namespace

CasualExpertDlg::CasualExpertDlg(GameView& view) : game(view), parts(view.Parts().casualExpert) {
    SetLayers({&parts.frame, &parts.casualButton, &parts.expertButton, &parts.heading, &parts.casualText,
               &parts.expertText},
              kLayer);
    parts.casualButton.enabled = true;
    parts.expertButton.enabled = true;
}

void CasualExpertDlg::OnEnter() {
    DimIn(game.DialogDimmer());
    UseDialogFill();
    casualChosen = false;
    parts.frame.SetPosition(kFrameX, kFrameY);
    parts.frame.width = kFrameWidth;
    parts.frame.height = kFrameHeight;
    FramedWidgets().minimumTextWidth = kWideButtonText;
    parts.casualButton.text = GetText(kTextCasual);
    parts.casualButton.SetPosition(kFrameX + kButtonDX, kFrameY + kCasualDY);
    parts.expertButton.text = GetText(kTextExpert);
    parts.expertButton.SetPosition(kFrameX + kButtonDX, kFrameY + kExpertDY);
    PlaceTexts(kFrameX, kFrameY);
}

void CasualExpertDlg::PlaceTexts(int frameX, int frameY) {
    LDvFont* headingFont = &game.Font(4);
    SetTextColor(headingFont, 1.0f, 1.0f, 1.0f);
    parts.heading.font = headingFont;
    parts.heading.text = GetText(kTextQuestion);
    const int half = GetTextWidth(parts.heading.text, headingFont) / 2;
    parts.heading.left = frameX + kHeadingLeft - half;
    parts.heading.top = frameY + kHeadingTop;
    parts.heading.right = frameX + kHeadingRight - half;
    parts.heading.bottom = frameY + kHeadingBottom;

    LDvFont* bodyFont = &game.Font(1);
    SetTextColor(bodyFont, 1.0f, 1.0f, 1.0f);
    parts.casualText.font = bodyFont;
    parts.casualText.text = GetText(kTextCasualDescription);
    parts.casualText.SetRect(frameX + kTextLeft, frameY + kCasualTop, frameX + kTextRight, frameY + kCasualBottom);
    parts.expertText.font = bodyFont;
    parts.expertText.text = GetText(kTextExpertDescription);
    parts.expertText.SetRect(frameX + kTextLeft, frameY + kExpertTop, frameX + kTextRight, frameY + kExpertBottom);
}

void CasualExpertDlg::OnButton(LDvOverlay* button) {
    if (button != &parts.casualButton && button != &parts.expertButton) return;
    casualChosen = button == &parts.casualButton;
    EndModal();
}

// Restored on leaving rather than on the button alone, so a run aborted by quitting restores it too.
void CasualExpertDlg::OnLeave(LDvState*) {
    FramedWidgets().minimumTextWidth = kNormalButtonText;
    DimOut(game.DialogDimmer());
}

void CasualExpertDlg::ToggleOverlays() {
    ToggleOverlayList({&parts.frame, &parts.casualButton, &parts.expertButton, &parts.heading, &parts.casualText,
                       &parts.expertText},
                      this);
}
