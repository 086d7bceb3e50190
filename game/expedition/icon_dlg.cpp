#include "game/expedition/icon_dlg.h"

#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/assets/gui_pictures.h"
#include "game/widgets/dialog_backdrop.h"

namespace {

constexpr int kDialogLayer = 5;

constexpr int kFrameX = 475;
constexpr int kFrameY = 150;
constexpr int kFrameWidth = 650;
constexpr int kFrameHeight = 450;
constexpr int kCentreX = kFrameX + kFrameWidth / 2;

// Inside the frame: the title across the top, the icon on the left, the description and the
// price slot on the right, the buttons along the bottom.
constexpr LDvRect kTitleBox{kFrameX + 50, kFrameY + 22, kFrameX + 600, kFrameY + 66};
constexpr LDvRect kDescriptionBox{kFrameX + 247, kFrameY + 68, kFrameX + 600, kFrameY + 266};
constexpr int kDescriptionBottomWithoutPrice = kFrameY + 313;
constexpr int kPriceSlotX = kFrameX + 247;
constexpr int kPriceSlotY = kFrameY + 274;
constexpr int kPriceInsetX = 16;
constexpr int kPriceInsetY = 8;
constexpr int kIconPlaceX = kFrameX + 135;
constexpr int kIconPlaceY = kFrameY + 190;
constexpr int kButtonBottomMargin = 32;
constexpr int kButtonGap = 24;
constexpr int kCancelText = 9;

}  // namespace

IconDlg::IconDlg(GameView& view) : bodyFont(&view.Font(1)), titleFont(&view.Font(4)), game(view) {
    for (LDvOverlay* overlay : std::initializer_list<LDvOverlay*>{&frame, &iconDrawer, &title, &description,
                                                                  &priceSlot, &body, &confirmButton, &cancelButton}) {
        overlay->layer = kDialogLayer;
    }
    frame.SetPosition(kFrameX, kFrameY);
    frame.width = kFrameWidth;
    frame.height = kFrameHeight;
    confirmButton.enabled = cancelButton.enabled = true;
}

void IconDlg::OnEnter() {
    cancelled = true;
    UseDialogFill();
    if (iconPicture != nullptr) SharePicture(&iconDrawer.icon, iconPicture);
    SharePicture(&priceSlot, &game.Gui().iconDlgPriceSlot);
    Layout();
    DimIn(game.DialogDimmer());
}

void IconDlg::OnLeave(LDvState*) { DimOut(game.DialogDimmer()); }

void IconDlg::Layout() {
    iconDrawer.placeX = kIconPlaceX;
    iconDrawer.placeY = kIconPlaceY;
    iconDrawer.offsetX = iconOffsetX;
    iconDrawer.offsetY = iconOffsetY;
    title.text = titleText;
    title.font = titleFont;
    title.colorR = titleR, title.colorG = titleG, title.colorB = titleB;
    title.SetRect(kTitleBox.left, kTitleBox.top, kTitleBox.right, kTitleBox.bottom);
    description.text = descriptionText;
    description.font = bodyFont;
    description.colorR = bodyR, description.colorG = bodyG, description.colorB = bodyB;
    description.SetRect(kDescriptionBox.left, kDescriptionBox.top, kDescriptionBox.right,
                        priceHidden ? kDescriptionBottomWithoutPrice : kDescriptionBox.bottom);
    priceSlot.SetPosition(kPriceSlotX, kPriceSlotY);
    body.text = bodyText;
    body.font = bodyFont;
    body.colorR = bodyR, body.colorG = bodyG, body.colorB = bodyB;
    body.SetRect(kPriceSlotX + kPriceInsetX, kPriceSlotY + kPriceInsetY,
               kPriceSlotX + priceSlot.GetFrameWidth() - kPriceInsetX,
               kPriceSlotY + priceSlot.GetFrameHeight() - kPriceInsetY);
    confirmButton.text = confirmLabel;
    cancelButton.text = GetText(kCancelText);
    PlaceButtons();
}

// A disabled confirm button is left out, so the cancel button stands alone in the middle.
void IconDlg::PlaceButtons() {
    const int top = kFrameY + kFrameHeight - kButtonBottomMargin - ButtonHeight(cancelButton);
    const int cancelWidth = cancelButton.TotalWidth();
    if (confirmDisabled) {
        cancelButton.SetPosition(kCentreX - cancelWidth / 2, top);
        return;
    }
    const int confirmWidth = confirmButton.TotalWidth();
    const int left = kCentreX - (confirmWidth + kButtonGap + cancelWidth) / 2;
    confirmButton.SetPosition(left, top);
    cancelButton.SetPosition(left + confirmWidth + kButtonGap, top);
}

void IconDlg::ToggleOverlays() {
    ToggleOverlayList({&frame, &iconDrawer, &title, &description}, this);
    if (priceSlot.registered || !priceHidden) ToggleOverlayList({&priceSlot, &body}, this);
    if (confirmButton.registered || !confirmDisabled) ToggleOverlayList({&confirmButton}, this);
    ToggleOverlayList({&cancelButton}, this);
}

void IconDlg::OnButton(LDvOverlay* button) {
    if (button == &confirmButton && !confirmDisabled) {
        cancelled = false;
        EndModal();
    } else if (button == &cancelButton) {
        cancelled = true;
        EndModal();
    }
}
