#include "game/frontend/yes_no_dialog.h"

#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/game_view.h"
#include "game/widgets/dialog_backdrop.h"
#include "game/widgets/dialog_parts.h"

namespace {

constexpr int kLayer = 8;                      // above the message dimmer
constexpr int kPictureLayer = 9;
constexpr int kPictureLayerWhileWaiting = 5;
constexpr int kCentreX = 800;
constexpr int kFrameX = 575, kFrameY = 55;
constexpr int kFrameWidth = 450, kFrameHeight = 300;
constexpr int kButtonGap = 10;                 // pixels between each button and the centre
constexpr int kButtonsAboveFrameBottom = 35;
constexpr int kQuestionY = 204;
constexpr int kTextLeft = 610, kTextTop = 90, kTextRight = 989, kTextBottom = 269;
constexpr int kTextLines = 100;
constexpr int kTextYes = 17;
constexpr int kTextNo = 18;

}  // namespace

YesNoDialog::YesNoDialog(GameView& view) : game(view), parts(view.Parts().yesNo) {
    SetLayers({&parts.frame, &parts.yesButton, &parts.noButton, &question}, kLayer);
    SetLayer(&parts.display, kPictureLayer);
    parts.yesButton.enabled = true;
    parts.noButton.enabled = true;
}

void YesNoDialog::SetPicture(LDvOverlay* overlay) {
    picture = overlay;
    SetLayer(picture, kPictureLayerWhileWaiting);
}

void YesNoDialog::SetQuestion(const LDvString& text) { question.text = text; }

void YesNoDialog::OnEnter() {
    DimIn(game.MessageDimmer());
    UseDialogFill();
    parts.frame.SetPosition(kFrameX, kFrameY);
    parts.frame.width = kFrameWidth;
    parts.frame.height = kFrameHeight;
    parts.yesButton.text = GetText(kTextYes);
    parts.noButton.text = GetText(kTextNo);
    const int buttonsBottom = kFrameY + kFrameHeight - kButtonsAboveFrameBottom;
    parts.yesButton.SetPosition(kCentreX - parts.yesButton.TotalWidth() - kButtonGap,
                                buttonsBottom - ButtonHeight(parts.yesButton));
    parts.noButton.SetPosition(kCentreX + kButtonGap, buttonsBottom - ButtonHeight(parts.noButton));
    if (picture != nullptr) {
        SetLayer(picture, kPictureLayer);
        picture->SetPosition(kCentreX - picture->GetWidth() / 2, kFrameY + pictureOffset);
    }
    LDvFont* questionFont = font != nullptr ? font : &game.Font(1);
    SetTextColor(questionFont, 1.0f, 1.0f, 1.0f);
    PlaceQuestion(questionFont);
}

// The question overlay only holds the text; the typewriter shows it.
void YesNoDialog::PlaceQuestion(LDvFont* questionFont) {
    question.font = questionFont;
    question.SetPosition(kCentreX - question.GetWidth() / 2, kQuestionY);
    question.Hide();
    PacedTypeoutDisplay& display = parts.display;
    display.font = questionFont;
    display.rectLeft = kTextLeft;
    display.rectTop = kTextTop;
    display.rectRight = kTextRight;
    display.rectBottom = kTextBottom;
    display.maxLineWidth = kTextRight - kTextLeft;
    display.maxLines = kTextLines;
    display.topAnchored = false;
    display.horizontalAlign = kAlignCentre;
    display.TypeOutFromStart(question.text);
}

void YesNoDialog::OnButton(LDvOverlay* button) {
    if (button != &parts.yesButton && button != &parts.noButton) return;
    answer = button == &parts.yesButton;
    EndModal();
}

void YesNoDialog::OnLeave(LDvState*) { DimOut(game.MessageDimmer()); }

void YesNoDialog::ToggleOverlays() {
    ToggleOverlayList({&parts.frame, &parts.yesButton, &parts.noButton, &question, picture, &parts.display}, this);
}
