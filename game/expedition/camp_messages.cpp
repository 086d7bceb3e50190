// What the camp's buttons do: the menus, the field guide, Explore, Play, the options and buying.
#include "game/expedition/camp.h"

#include <string>

#include "framework/core/black_out.h"
#include "framework/core/game_log.h"
#include "framework/core/mouse_position.h"
#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "game/app/game_view.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/expedition/character_dialog.h"
#include "game/expedition/icon_dlg.h"
#include "game/expedition/progress_flags.h"
#include "game/expedition/reward_list.h"
#include "game/frontend/game_options_dialog.h"

namespace {

constexpr const char* kBuildingData = "BUILDING_DATA";
constexpr const char* kTasksSection = "TASKS";
constexpr const char* kMainMenuLabel = "Main Menu";
constexpr const char* kBuildLabel = "Build";
constexpr int kFirstTaskText = 35;
constexpr int kLastTaskText = 43;
constexpr int kNotEnoughText = 34;
constexpr int kOkText = 6;
constexpr int kCaptainTitle = 31;
constexpr int kProfessorTitle = 28;
constexpr int kNoHutsText = 45;
constexpr int kNoLabText = 44;
constexpr int kLabIconShift = 30;          // the lab's icon sits right of the others' place
constexpr int kPurchaseCountTicks = 30;

// Each task of the field guide is ticked once what it asks for is in the player's progress.
struct TaskSource {
    const char* section;
    const char* key;
    const char* task;
};
constexpr TaskSource kTaskSources[] = {
    {kBuildingData, "HUTS_BUILT", "Build Huts"},     {kBuildingData, "LAB_BUILT", "Build Lab"},
    {kRewardsSection, "MED_SUPPLIES", "Find Medical Supplies"},
    {kRewardsSection, "CLINIC_BUILT", "Build a Clinic"},
    {kRewardsSection, "BSUPPLY", "Find Building Materials"},
    {kBuildingData, "UPG_HUTS_BUILT", "Upgrade Huts"},
    {kRewardsSection, "WATER", "Find Fresh Water"},  {kRewardsSection, "HUTS_FINISHED", "Finish Camp"},
};

// Buying these also grants the reward the island's blockers ask for.
struct PurchaseReward {
    const char* group;
    const char* reward;
};
constexpr PurchaseReward kPurchaseRewards[] = {{"CLINIC", "CLINIC_BUILT"}, {"FINISH_CAMP", "HUTS_FINISHED"}};

}  // namespace

void Camp::OnChar(int character, bool) {
    if (character == '.') palms.LogPalmsNear(GetMousePosition());
}

// The group buttons are touch buttons: a press on one that has come to rest starts its hold, and
// the camp hears of it through OnButton once the hold is over.
void Camp::OnClick(int x, int y) {
    if (ScreenFading()) return;
    const LDvPoint point{x, y};
    for (SlidingUIGroup* group : {&mainMenu, &buildMenu}) {
        SlidingUI* entry = group->PressAt(point);
        if (entry == nullptr) continue;
        if (auto* button = dynamic_cast<LDvTouchButton*>(entry->MainOverlay())) button->Touch(this);
    }
    if (PlayReady() && playButton.Contains(x, y) && playButton.Touch(this)) PlayGameSound(sounds::kButtonClick);
}

void Camp::OnButton(LDvOverlay* button) {
    if (ScreenFading()) return;
    if (button == &menuButton) {
        OpenOptions();
    } else if (button == &fieldGuideButton) {
        OpenFieldGuide();
    } else if (button == &exploreButton) {
        CloseTip();
        Explore();
    } else if (button == &playButton) {
        CloseTip();
        game.ScreenFade().FadeToState(false, &game.PlayState());
    } else if (button == &buildButton) {
        CloseTip();
        mainMenu.SlideOut();
        buildMenuRequested = true;
    } else if (button == &backButton) {
        buildMenu.SlideOut();
        mainMenuRequested = true;
    } else if (button == &buildHutsButton) {
        OpenBuildDialog("HUTS", hutIcon, 0);
    } else if (button == &upgradeHutsButton) {
        OpenBuildDialog("UPG_HUTS", hutUpgradeIcon, 0);
    } else if (button == &buildLabButton) {
        OpenBuildDialog("LAB", labIcon, kLabIconShift);
    } else if (button == &buildClinicButton) {
        OpenBuildDialog("CLINIC", clinicIcon, 0);
    } else if (button == &finishCampButton) {
        OpenBuildDialog("FINISH_CAMP", finishCampIcon, 0);
    }
    mainMenu.ClearPresses();
}

void Camp::OpenOptions() {
    GameOptionsDialog options(game);
    options.showLeaveButton = true;
    options.leaveLabel = kMainMenuLabel;
    RunModal(&options);
    if (options.leaveChosen && game.TitleState() != nullptr) game.ScreenFade().FadeToState(false, game.TitleState());
}

void Camp::OpenFieldGuide() {
    for (const TaskSource& source : kTaskSources) {
        if (ProgressFlag(source.section, source.key)) SetProgressFlag(kTasksSection, source.task);
    }
    LDvList<LDvString> tasks;
    for (int text = kFirstTaskText; text <= kLastTaskText; ++text) tasks.Add(GetText(text));
    fieldGuide.Prepare(tasks);
    PlayGameSound(sounds::kOpenGuide);
    RunModal(&fieldGuide);
    if (!playSlide.IsAtRest()) SlidePlayIn();
    const SlidingUI* build = mainMenu.Entry(kBuildEntry);
    if (build != nullptr && !build->IsAtRest()) SlideMainEntryIn(kBuildEntry);
}

// The map needs the huts and the lab; until then the captain or the professor says why not.
void Camp::Explore() {
    const BuildGroup* huts = buildings.Find("HUTS");
    const BuildGroup* lab = buildings.Find("LAB");
    const bool hutsBuilt = huts != nullptr && huts->built != 0;
    const bool labBuilt = lab != nullptr && lab->built != 0;
    if (hutsBuilt && labBuilt) {
        game.ScreenFade().FadeToState(false, &game.MapState());
    } else if (!hutsBuilt) {
        Announce(GetText(kCaptainTitle), {kNoHutsText}, CharacterDialog::kCaptain);
    } else {
        Announce(GetText(kProfessorTitle), {kNoLabText}, CharacterDialog::kProfessor);
    }
}

void Camp::OpenBuildDialog(const char* groupKey, LDvSprite& icon, int iconOffsetX) {
    BuildGroup* group = buildings.Find(groupKey);
    if (group == nullptr) {
        Log(LDvString("Camp: no build group ") + groupKey + " in " + kBuildTable);
        buildMenu.ClearPresses();
        return;
    }
    const LDvString price = std::to_string(group->price);
    const bool locked = group->lockedByRequirement != 0;
    IconDlg dialog(game);
    dialog.titleText = group->name;
    dialog.descriptionText = group->description;
    dialog.bodyText = "Uses " + price + " resources.";
    dialog.confirmLabel = kBuildLabel;
    dialog.iconPicture = &icon;
    dialog.iconOffsetX = iconOffsetX;
    if (resources < group->price) {
        dialog.bodyText = GetText(kNotEnoughText) + " " + price;
        dialog.confirmLabel = GetText(kOkText);
        dialog.confirmDisabled = true;
    }
    if (locked) {
        dialog.descriptionText = group->lockedText;
        dialog.confirmLabel = GetText(kOkText);
        dialog.confirmDisabled = true;
        dialog.priceHidden = true;
    }
    RunModal(&dialog);
    if (dialog.cancelled || resources < group->price || locked) {
        buildMenu.ClearPresses();
        return;
    }
    Purchase(*group);
    group->Start(false);
    buildMenu.SlideOut();
    buildMenuRequested = true;
}

void Camp::Purchase(BuildGroup& group) {
    for (const PurchaseReward& reward : kPurchaseRewards) {
        if (group.key == reward.group) SetProgressFlag(kRewardsSection, reward.reward);
    }
    Counter& counter = scoreBoard.counter;
    counter.startValue = counter.shown = resources;
    counter.target = resources - group.price;
    counter.countTotal = counter.countTicks = kPurchaseCountTicks;
    counter.holdTicks = 0;
    resources -= group.price;
    group.built = 1;
    SetProgressFlag(kBuildingData, BuiltKey(group.key));
    SetProgressInt(nullptr, "CURRENT_RESOURCES", resources);
}
