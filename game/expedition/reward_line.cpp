#include "game/expedition/reward_line.h"

#include "framework/ui/ldv_font.h"
#include "framework/ui/overlay_images.h"
#include "game/assets/gui_pictures.h"
#include "game/expedition/centred_text_block.h"

namespace {

// Offsets from the row's position (the slot's top-left corner).
constexpr int kIconCentreX = 24;
constexpr int kMiddleY = 18;
constexpr int kTextX = 46;
constexpr int kMarkCentreX = -35;

}  // namespace

void RewardLine::SharePictures(const GuiPictures& gui, const LDvOverlay* rewardPicture) {
    SharePicture(&slot, &gui.rewardListSlot);
    SharePicture(&checkMark, &gui.checkMark);
    SharePicture(&xMark, &gui.xMark);
    if (rewardPicture != nullptr) SharePicture(&icon, rewardPicture);
}

void RewardLine::Draw() {
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    slot.DrawAt(left, top);
    if (icon.loaded) {
        icon.SetCentre(left + kIconCentreX, top + kMiddleY);
        icon.Draw();
    }
    if (font != nullptr) {
        UseFontColour(font, 1.0f, 1.0f, 1.0f);
        DrawText(font, text, left + kTextX, top + kMiddleY - GetLineHeight(font) / 2, kAlignLeft, 1.0f);
    }
    if (!markShown) return;
    LDvSprite& mark = owned ? checkMark : xMark;
    mark.SetCentre(left + kMarkCentreX, top + kMiddleY);
    mark.Draw();
}
