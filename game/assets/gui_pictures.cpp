#include "game/assets/gui_pictures.h"

#include <iterator>

#include "framework/ui/overlay_images.h"

namespace {

struct GuiPicture {
    LDvSprite GuiPictures::*sprite;
    const char* path;
    int columns = 0;                     // 0: a single picture
    int rows = 0;
    int frames = 0;
};

constexpr GuiPicture kPictures[] = {
    {&GuiPictures::black, "GUI/black.png"},
    {&GuiPictures::buttonLeft, "GUI/button_l.png"},
    {&GuiPictures::buttonMiddle, "GUI/button_m.png"},
    {&GuiPictures::buttonRight, "GUI/button_r.png"},
    {&GuiPictures::dialogTopLeft, "GUI/dialog_tl.png"},
    {&GuiPictures::dialogTop, "GUI/dialog_t.png"},
    {&GuiPictures::dialogTopRight, "GUI/dialog_tr.png"},
    {&GuiPictures::dialogRight, "GUI/dialog_r.png"},
    {&GuiPictures::dialogBottomRight, "GUI/dialog_br.png"},
    {&GuiPictures::dialogBottom, "GUI/dialog_b.png"},
    {&GuiPictures::dialogBottomLeft, "GUI/dialog_bl.png"},
    {&GuiPictures::dialogLeft, "GUI/dialog_l.png"},
    {&GuiPictures::checkbox, "GUI/checkbox.png", 2, 1, 2},
    {&GuiPictures::sliderKnob, "GUI/slider_knob.png"},
    {&GuiPictures::sliderBar, "GUI/slider_bar.png"},
    {&GuiPictures::numbers, "GUI/numbers.png", 11, 1, 11},
    {&GuiPictures::levelBoard, "GUI/level_board.png"},
    {&GuiPictures::scoreBoard, "GUI/score_board.png"},
    {&GuiPictures::buildDlg, "GUI/BuildDlg.png"},
    {&GuiPictures::enterNameText, "GUI/enter_name_text.png"},
    {&GuiPictures::deletePlayerText, "GUI/delete_player_text.png"},
    {&GuiPictures::choosePlayerText, "GUI/choose_player_text.png"},
    {&GuiPictures::playerBacking, "GUI/player_backing.png"},
    {&GuiPictures::playerSelected, "GUI/player_selected.png"},
    {&GuiPictures::tipDownArrow, "GUI/tip_down_arrow.png"},
    {&GuiPictures::jungleText, "GUI/jungle_text.png"},
    {&GuiPictures::rewardBucket, "GUI/reward_bucket.png"},
    {&GuiPictures::rewardMedicalSymbol, "GUI/reward_medical_symbol.png"},
    {&GuiPictures::rewardHut, "GUI/reward_hut.png"},
    {&GuiPictures::rewardTortugaBeach, "GUI/reward_tortuga_beach.png"},
    {&GuiPictures::rewardGodOfAir, "GUI/reward_god_of_air.png"},
    {&GuiPictures::rewardSupply, "GUI/reward_supply.png"},
    {&GuiPictures::questionMark, "GUI/questionmark.png"},
    {&GuiPictures::newDiscoveryText, "GUI/new_discovery_text.png"},
    {&GuiPictures::rewardText, "GUI/reward_text.png"},
    {&GuiPictures::rewardListSlot, "GUI/reward_list_slot.png"},
    {&GuiPictures::xMark, "GUI/xmark.png"},
    {&GuiPictures::checkMark, "GUI/checkmark.png"},
    {&GuiPictures::iconDlgPriceSlot, "GUI/icondlg_price_slot.png"},
    {&GuiPictures::tipDialog, "GUI/tip_dialog.png"},
    {&GuiPictures::btnMenu, "GUI/btnMenu.png"},
    {&GuiPictures::skipBtn, "GUI/skipbtn.png"},
    {&GuiPictures::backOptions, "GUI/back_options.png"},
};

}  // namespace

void GuiPictures::Load(const std::function<void()>& afterEach) {
    for (const GuiPicture& p : kPictures) {
        LDvSprite* sprite = &(this->*p.sprite);
        if (p.columns > 0) LoadFrames(sprite, p.path, p.columns, p.rows, p.frames);
        else LoadImage(sprite, p.path, true);
        if (afterEach) afterEach();
    }
}

static_assert(std::size(kPictures) == GuiPictures::kCount);

void GuiPictures::Unload() {
    for (const GuiPicture& p : kPictures) UnloadImage(&(this->*p.sprite));
}
