#include "game/expedition/path_blocking_dlg.h"

#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/assets/gui_pictures.h"
#include "game/expedition/reward_list.h"
#include "game/widgets/dialog_backdrop.h"

namespace {

// Above the dialog dimmer (layer 4).
constexpr int kDialogLayer = 5;

constexpr int kFrameX = 575;
constexpr int kFrameY = 100;
constexpr int kFrameWidth = 450;
constexpr int kFrameHeight = 500;
constexpr int kCentreX = kFrameX + kFrameWidth / 2;
constexpr int kTitleTop = kFrameY + 40;
constexpr int kTextLeft = kFrameX + 55;
constexpr int kTextRight = kFrameX + kFrameWidth - 55;
constexpr int kGap = 14;

// A row is a 360-pixel slot with its mark 35 pixels left of it; the pair is centred.
constexpr int kRowX = 645;
constexpr int kRowPitch = 44;

constexpr int kButtonBottomMargin = 34;
constexpr int kButtonGap = 24;
constexpr int kOkText = 6;
constexpr int kContinueText = 10;

}  // namespace

PathBlockingDlg::PathBlockingDlg(GameView& view) : game(view) {
    for (LDvOverlay* overlay : std::initializer_list<LDvOverlay*>{&frame, &title, &text, &okButton, &continueButton}) {
        overlay->layer = kDialogLayer;
    }
    frame.SetPosition(kFrameX, kFrameY);
    frame.width = kFrameWidth;
    frame.height = kFrameHeight;
    okButton.enabled = continueButton.enabled = true;
    text.font = &game.Font(1);
}

const LDvOverlay& PathBlockingDlg::TitlePicture() const { return game.Gui().jungleText; }

RewardLine& PathBlockingDlg::AddRow(const LDvString& key, const LDvString& rowText, bool owned, bool markShown) {
    auto row = std::make_unique<RewardLine>();
    row->layer = kDialogLayer;
    row->SharePictures(game.Gui(), RewardPicture(game.Gui(), key));
    row->text = rowText;
    row->owned = owned;
    row->markShown = markShown;
    row->font = &game.Font(1);
    return *rows.Add(std::move(row));
}

void PathBlockingDlg::OnEnter() {
    UseDialogFill();
    SharePicture(&title, &TitlePicture());
    okButton.text = GetText(kOkText);
    continueButton.text = GetText(kContinueText);
    Layout();
    DimIn(game.DialogDimmer());
}

void PathBlockingDlg::OnLeave(LDvState*) { DimOut(game.DialogDimmer()); }

// Top down: the title, the text in whatever room the rows leave, the rows, then the buttons.
void PathBlockingDlg::Layout() {
    title.SetPosition(kCentreX - title.GetFrameWidth() / 2, kTitleTop);
    const int buttonTop = kFrameY + kFrameHeight - kButtonBottomMargin - ButtonHeight(okButton);
    const int rowsTop = buttonTop - kGap - kRowPitch * rows.Count();
    int rowTop = rowsTop;
    for (std::unique_ptr<RewardLine>& row : rows) {
        row->SetPosition(kRowX, rowTop);
        rowTop += kRowPitch;
    }
    text.SetRect(kTextLeft, kTitleTop + title.GetFrameHeight() + kGap, kTextRight, rowsTop - kGap);
    const int okWidth = okButton.TotalWidth();
    const int left = kCentreX - (okWidth + kButtonGap + continueButton.TotalWidth()) / 2;
    okButton.SetPosition(left, buttonTop);
    continueButton.SetPosition(left + okWidth + kButtonGap, buttonTop);
}

void PathBlockingDlg::ToggleOverlays() {
    ToggleOverlayList({&frame, &title, &text}, this);
    for (std::unique_ptr<RewardLine>& row : rows) ToggleOverlayList({row.get()}, this);
    ToggleOverlayList({&okButton, &continueButton}, this);
}

void PathBlockingDlg::OnButton(LDvOverlay* button) {
    if (button == &okButton || button == &continueButton) EndModal();
}
