#include "game/expedition/character_dialog.h"

#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/widgets/dialog_backdrop.h"
#include "game/widgets/dialog_parts.h"

namespace {

constexpr int kLayer = 5;                      // above the dialog dimmer
constexpr int kFrameX = 450, kFrameY = 70;
constexpr int kFrameWidth = 700, kFrameHeight = 550;
constexpr int kCentreX = 800;
constexpr int kBackgroundY = 120;
constexpr int kPageButtonDX = 470, kPageButtonDY = 391;
constexpr int kCaptainDX = 415, kProfessorDX = 424, kPortraitDY = -8;

// The body: top-anchored 35 pixels into its rectangle, five characters a step.
constexpr int kBodyLeft = 15, kBodyTop = 45, kBodyRight = 392, kBodyBottom = 426;
constexpr int kBodyTopOffset = 35;
constexpr int kBodyCharsPerStep = 5;
constexpr int kTitleLeft = 14, kTitleTop = -5, kTitleRight = 400, kTitleBottom = 72;
constexpr int kTitleCharsPerStep = 1;
constexpr int kMaxLines = 100;

constexpr float kTextGrey = 0.1f;
// Words between two "~" in the body stand out in this blue.
constexpr float kHighlightR = 0.024f, kHighlightG = 0.204f, kHighlightB = 0.714f;

constexpr int kTextOk = 6;
constexpr int kTextNext = 7;

void SetRectangle(TypeoutTextDisplay& display, int left, int top, int right, int bottom) {
    display.rectLeft = left;
    display.rectTop = top;
    display.rectRight = right;
    display.rectBottom = bottom;
    display.maxLineWidth = right - left;
}

}  // namespace

CharacterDialog::CharacterDialog(GameView& view) : game(view), parts(view.Parts().character) {
    SetLayers({&parts.frame, &parts.background, &parts.captain, &parts.professor, &parts.pageButton, &titleDisplay,
               &bodyDisplay},
              kLayer);
    parts.pageButton.text = GetText(kTextOk);
    parts.pageButton.enabled = true;
}

void CharacterDialog::SetTitle(const LDvString& text) { title = text; }

void CharacterDialog::SetBodyFont(LDvFont* font) {
    bodyDisplay.font = font;
    if (font != nullptr) SetTextColor(font, kTextGrey, kTextGrey, kTextGrey);
}

void CharacterDialog::SetTitleFont(LDvFont* font) {
    titleDisplay.font = font;
    if (font != nullptr) SetTextColor(font, kTextGrey, kTextGrey, kTextGrey);
}

void CharacterDialog::SetSpeaker(int32_t who) { speaker = who; }

void CharacterDialog::AppendPage(const LDvString& text) { pages.Add(text); }

void CharacterDialog::OnEnter() {
    DimIn(game.DialogDimmer());
    UseDialogFill();
    currentPage = 0;
    LoadPictures();
    parts.frame.SetPosition(kFrameX, kFrameY);
    parts.frame.width = kFrameWidth;
    parts.frame.height = kFrameHeight;
    const int left = kCentreX - parts.background.GetWidth() / 2;
    const int top = kBackgroundY;
    parts.background.SetPosition(left, top);
    parts.pageButton.SetPosition(left + kPageButtonDX, top + kPageButtonDY);
    PlaceBody(left, top);
    PlaceTitle(left, top);
    ShowSpeaker(left, top);
    if (pages.Count() > 1) parts.pageButton.text = GetText(kTextNext);
}

void CharacterDialog::LoadPictures() {
    if (parts.picturesLoaded) return;
    parts.picturesLoaded = true;
    LoadImage(&parts.background, "GUI/char_dlg_back.png");
    LoadImage(&parts.captain, "GUI/captain.png");
    LoadImage(&parts.professor, "GUI/professor.png");
}

void CharacterDialog::PlaceBody(int left, int top) {
    SetRectangle(bodyDisplay, left + kBodyLeft, top + kBodyTop, left + kBodyRight, top + kBodyBottom);
    bodyDisplay.maxLines = kMaxLines;
    bodyDisplay.charsPerStep = kBodyCharsPerStep;
    bodyDisplay.topAnchored = true;
    bodyDisplay.topOffset = kBodyTopOffset;
    bodyDisplay.horizontalAlign = kAlignCentre;
    if (LDvFont* font = bodyDisplay.font) {
        font->twoColour = true;
        font->secondR = kHighlightR;
        font->secondG = kHighlightG;
        font->secondB = kHighlightB;
    }
    bodyDisplay.TypeOut(pages.IsEmpty() ? LDvString() : pages.Get(0));
}

void CharacterDialog::PlaceTitle(int left, int top) {
    SetRectangle(titleDisplay, left + kTitleLeft, top + kTitleTop, left + kTitleRight, top + kTitleBottom);
    titleDisplay.maxLines = kMaxLines;
    titleDisplay.charsPerStep = kTitleCharsPerStep;
    titleDisplay.topAnchored = false;
    titleDisplay.horizontalAlign = kAlignCentre;
    titleDisplay.TypeOut(title);
}

void CharacterDialog::ShowSpeaker(int left, int top) {
    parts.captain.Hide();
    parts.professor.Hide();
    if (speaker == kCaptain) {
        parts.captain.SetPosition(left + kCaptainDX, top + kPortraitDY);
        parts.captain.Show();
    } else if (speaker == kProfessor) {
        parts.professor.SetPosition(left + kProfessorDX, top + kPortraitDY);
        parts.professor.Show();
    }
}

bool CharacterDialog::OnLastPage() const { return currentPage >= pages.Count() - 1; }

void CharacterDialog::OnButton(LDvOverlay* button) {
    if (button != &parts.pageButton) return;
    if (OnLastPage()) {
        EndModal();
        return;
    }
    ++currentPage;
    bodyDisplay.TypeOut(pages.Get(currentPage));
    if (OnLastPage()) parts.pageButton.text = GetText(kTextOk);
}

void CharacterDialog::OnLeave(LDvState*) { DimOut(game.DialogDimmer()); }

void CharacterDialog::ToggleOverlays() {
    ToggleOverlayList({&parts.frame, &parts.background, &parts.captain, &parts.professor, &parts.pageButton,
                       &titleDisplay, &bodyDisplay},
                      this);
}
