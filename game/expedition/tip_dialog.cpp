#include "game/expedition/tip_dialog.h"

#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/assets/gui_pictures.h"
#include "game/expedition/progress_flags.h"
#include "game/widgets/dialog_backdrop.h"

namespace {

constexpr int kLayer = 6;                      // over the screens and character dialogs

// The box goes above the point only when the point is this low on the canvas.
constexpr int kLowestPointBelow = 350;
constexpr int kBoxLeftOfPoint = 222;
constexpr int kBoxAboveAnchor = 359;
constexpr int kBoxBelowAnchor = 64;
constexpr int kBoxWidth = 450, kBoxHeight = 300;
constexpr int kArrowDX = 176;
constexpr int kArrowDownDY = 282;              // the arrow under the box, pointing down
constexpr int kArrowUpDY = 15;                 // its bottom edge, when it sits on top pointing up
constexpr int kHeaderCentreDX = 225, kHeaderDY = 30;
constexpr int kOkRightDX = 415, kOkBottomDY = 270;
constexpr int kCheckBoxDX = 30, kCheckBoxDY = 229;
constexpr int kLabelDX = 68, kLabelDY = 235;
constexpr int kTextLeft = 32, kTextTop = 100, kTextRight = 413, kTextBottom = 202;
constexpr int kTextLines = 6;

constexpr int32_t kToggleKind = 3;
constexpr int kTextOk = 6;
constexpr int kTextDontShowTips = 16;

constexpr const char* kShowTipsKey = "SHOW_TIPS";
constexpr const char* kTipsSection = "TIPS";

}  // namespace

bool TipsTurnedOff() {
    // Missing or empty counts as on; anything that reads as 0 turns the tips off.
    return IsPlayerSelected() && GetPlayerInt(nullptr, kShowTipsKey, 1) == 0;
}

TipDialog::TipDialog(GameView& view) : game(view) {
    SetLayers({&frame, &header, &arrow, &okButton, &checkBox, &checkBoxLabel, &display}, kLayer);
    frame.width = kBoxWidth;
    frame.height = kBoxHeight;
    checkBox.kind = kToggleKind;
    checkBox.enabled = true;
    display.maxLines = kTextLines;
    display.horizontalAlign = kAlignCentre;
}

void TipDialog::Prepare(const LDvString& tipText, LDvPoint point, bool showOk, bool placeBelow) {
    text = tipText;
    tipX = point.x;
    tipY = point.y;
    okFlag = showOk;
    below = placeBelow;
    offset = kPointOffset;
}

void TipDialog::OnFirstEnter() {
    GuiPictures& gui = game.Gui();
    SharePicture(&header, &gui.tipDialog);
    SharePicture(&arrow, &gui.tipDownArrow);
    SharePicture(&checkBox, &gui.checkbox);
}

void TipDialog::OnEnter() {
    UseDialogFill();
    int boxX = tipX - kBoxLeftOfPoint;
    int boxY = 0;
    if (tipY >= kLowestPointBelow && !below) {
        boxY = tipY - offset - kBoxAboveAnchor;
        arrow.flipY = false;
        arrow.SetPosition(boxX + kArrowDX, boxY + kArrowDownDY);
    } else {
        boxY = tipY + offset + kBoxBelowAnchor;
        arrow.flipY = true;
        arrow.SetPosition(boxX + kArrowDX, boxY + kArrowUpDY - arrow.GetHeight());
    }
    PlaceBox(boxX, boxY);
    PlaceText(boxX, boxY);
}

void TipDialog::PlaceBox(int boxX, int boxY) {
    frame.SetPosition(boxX, boxY);
    header.SetPosition(boxX + kHeaderCentreDX - header.GetWidth() / 2, boxY + kHeaderDY);
    okButton.text = GetText(kTextOk);
    PlaceButtonBottomRight(okButton, boxX + kOkRightDX, boxY + kOkBottomDY);
    okButton.enabled = okFlag;
    if (okFlag) {
        okButton.Show();
    } else {
        okButton.Hide();
    }
    checkBox.SetPosition(boxX + kCheckBoxDX, boxY + kCheckBoxDY);
    checkBox.pressed = TipsTurnedOff();
    checkBox.SetFrame(checkBox.pressed ? kButtonFramePressed : kButtonFrameNormal);
    checkBoxLabel.SetPosition(boxX + kLabelDX, boxY + kLabelDY);
    checkBoxLabel.text = GetText(kTextDontShowTips);
}

void TipDialog::PlaceText(int boxX, int boxY) {
    display.rectLeft = boxX + kTextLeft;
    display.rectTop = boxY + kTextTop;
    display.rectRight = boxX + kTextRight;
    display.rectBottom = boxY + kTextBottom;
    display.maxLineWidth = kTextRight - kTextLeft;
    display.topAnchored = false;
    display.TypeOutFromStart(text);
}

void TipDialog::OnButton(LDvOverlay* button) {
    if (button == &okButton) {
        Close();
    } else if (button == &checkBox) {
        SetPlayerString(kShowTipsKey, checkBox.pressed ? "0" : "1");
    }
}

void TipDialog::Close() {
    FrameContext& frame = Frame();
    if (frame.secondary == this) {
        CloseSecondary();
    } else if (frame.currentState == this) {
        EndModal();
    }
}

// A floating tip is not the current state: its overlays go under the state it floats over, so
// they are stepped with it and its buttons are found by the click search.
void TipDialog::ToggleOverlays() {
    ToggleOverlayList({&frame, &header, &arrow, &okButton, &checkBox, &checkBoxLabel, &display},
                      Frame().currentState);
}

bool ShowTipOnce(GameView& game, const LDvString& key, const LDvString& text, LDvPoint point, bool okButton,
                 bool below, bool modal) {
    // The camp and the map ask for their tips every step; with tips off the profile is written
    // only the first time, not on every request.
    if (TipsTurnedOff()) {
        SetProgressFlag(kTipsSection, key);
        return false;
    }
    TipDialog& tip = game.Tip();
    if (Frame().secondary == &tip) CloseSecondary();
    if (GetPlayerInt(kTipsSection, key, 0) != 0) return false;
    SetPlayerInt(kTipsSection, key, 1);
    SetTextColor(&game.Font(1), 1.0f, 1.0f, 1.0f);
    tip.display.font = &game.Font(1);
    tip.checkBoxLabel.font = &game.Font(1);
    tip.Prepare(text, point, okButton, below);
    if (modal) {
        RunModal(&tip);
    } else {
        ShowSecondary(&tip);
    }
    return true;
}
