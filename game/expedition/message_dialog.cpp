#include "game/expedition/message_dialog.h"

#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/ui/ldv_font.h"
#include "game/app/game_view.h"
#include "game/widgets/dialog_backdrop.h"
#include "game/widgets/dialog_parts.h"

namespace {

constexpr int kLayer = 8;                      // above the message dimmer
constexpr int kFrameX = 575, kFrameY = 70;
constexpr int kFrameWidth = 450, kFrameHeight = 300;
constexpr int kButtonRight = 985, kButtonBottom = 335;
constexpr int kTextLeft = 610, kTextTop = 105, kTextRight = 990, kTextBottomAboveButton = 300;
constexpr int kTextLines = 6;
constexpr int kTextOk = 6;

}  // namespace

MessageDialog::MessageDialog(GameView& view) : game(view), parts(view.Parts().message) {
    SetLayers({&parts.frame, &parts.button, &display}, kLayer);
    parts.button.enabled = true;
}

void MessageDialog::SetMessage(const LDvString& text) { message = text; }

void MessageDialog::SetFont(LDvFont* font) { display.font = font; }

void MessageDialog::OnEnter() {
    DimIn(game.MessageDimmer());
    UseDialogFill();
    parts.frame.SetPosition(kFrameX, kFrameY);
    parts.frame.width = kFrameWidth;
    parts.frame.height = kFrameHeight;
    parts.button.text = GetText(kTextOk);
    PlaceButtonBottomRight(parts.button, kButtonRight, kButtonBottom);
    display.rectLeft = kTextLeft;
    display.rectTop = kTextTop;
    display.rectRight = kTextRight;
    display.rectBottom = kTextBottomAboveButton - ButtonHeight(parts.button);
    display.maxLineWidth = kTextRight - kTextLeft;
    display.maxLines = kTextLines;
    display.horizontalAlign = kAlignCentre;
    display.TypeOutFromStart(message);
}

void MessageDialog::OnButton(LDvOverlay* button) {
    if (button == &parts.button) EndModal();
}

void MessageDialog::OnLeave(LDvState*) { DimOut(game.MessageDimmer()); }

void MessageDialog::ToggleOverlays() { ToggleOverlayList({&parts.frame, &parts.button, &display}, this); }
