// The camp's step: its tips, the announcements on entering, the slides and the menu switches.
#include "game/expedition/camp.h"

#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "game/app/game_view.h"
#include "game/expedition/camp_map_tips.h"
#include "game/expedition/character_dialog.h"
#include "game/expedition/progress_flags.h"

namespace {

constexpr const char* kTipsSection = "TIPS";
constexpr const char* kPagesSection = "PAGES";
constexpr const char* kCaptainsLog = "Captain's Log";
constexpr int kCaptainTitle = 31;          // the captain's name
constexpr int kProfessorTitle = 28;        // the professor's name
constexpr int kHoardingFromLevel = 6;

bool TipOpen() { return Frame().secondary != nullptr; }

bool AtRest(SlidingUIGroup& group, int entry) {
    const SlidingUI* slide = group.Entry(entry);
    return slide != nullptr && slide->IsAtRest();
}

// A tip is remembered in the player's progress; without a player it would come back every step.
void OfferTip(GameView& game, const TipSpot& tip) {
    if (IsPlayerSelected()) ShowCampMapTip(game, tip);
}

}  // namespace

void Camp::Update() {
    if (ScreenFading()) return;
    OfferTips();
    if (entryChecksPending) RunEntryChecks();
    TickSlides();
    OpenRequestedMenus();
}

void Camp::OfferTips() {
    if (!IsPlayerSelected() || !TipsOn()) return;
    const struct {
        SlidingUIGroup& group;
        int entry;
        const TipSpot& tip;
    } offers[] = {{mainMenu, kBuildEntry, kBuildTip},
                  {mainMenu, kFieldGuideEntry, kFieldGuideTip},
                  {buildMenu, kHutsEntry, kBuildMenuTip}};
    for (const auto& offer : offers) {
        if (TipOpen()) return;
        if (AtRest(offer.group, offer.entry)) OfferTip(game, offer.tip);
    }
}

void Camp::RunEntryChecks() {
    entryChecksPending = false;
    if (!ProgressFlag(nullptr, "SAW_FIRST_ANNOUNCEMENT")) {
        SetProgressFlag(nullptr, "SAW_FIRST_ANNOUNCEMENT");
        Announce(kCaptainsLog, {22, 23}, CharacterDialog::kCaptain);
        OfferTip(game, kPlayTip);
    }
    if (currentLevel == 3 && !ProgressFlag(nullptr, "SAW_MORE_HUTS_ANNOUNCEMENT")) {
        SetProgressFlag(nullptr, "SAW_MORE_HUTS_ANNOUNCEMENT");
        Announce(GetText(kCaptainTitle), {25, 26, 27}, CharacterDialog::kCaptain);
        SetProgressFlag(kPagesSection, "SCIENTIST");
    }
    if (currentLevel >= kHoardingFromLevel && !ProgressFlag(nullptr, "SAW_HOARDING_TIP") &&
        resources > kHoardingResources) {
        SetProgressFlag(nullptr, "SAW_HOARDING_TIP");
        Announce(GetText(kProfessorTitle), {29}, CharacterDialog::kProfessor);
    }
    const BuildGroup* lab = buildings.Find("LAB");
    if (lab != nullptr && lab->built != 0 && !ProgressFlag(kTipsSection, kExploreTip.key) &&
        !ProgressFlag(nullptr, "VISITED_MAP")) {
        // The tip points at Explore, so it waits until the menu has come to rest.
        if (mainMenu.IsSettled()) {
            OfferTip(game, kExploreTip);
        } else {
            entryChecksPending = true;
        }
    }
}

void Camp::TickSlides() {
    boards.Tick();
    playSlide.Tick();
    mainMenu.Tick();
    buildMenu.Tick();
}

void Camp::Announce(const LDvString& title, std::initializer_list<int> pages, int speaker) {
    CharacterDialog dialog(game);
    dialog.SetTitle(title);
    dialog.SetBodyFont(&game.Font(1));
    dialog.SetTitleFont(&game.Font(4));
    dialog.SetSpeaker(speaker);
    for (int page : pages) dialog.AppendPage(GetText(page));
    RunModal(&dialog);
}

// The captain speaks once the construction he talks about has ended. Without a player he could
// not remember having spoken and would repeat himself at every visit to the build menu.
void Camp::CongratulateOnBuildings() {
    if (!IsPlayerSelected()) return;
    const struct {
        const char* group;
        const char* seenKey;
        int page;
    } messages[] = {{"HUTS", "SAW_CONGRATS_CAMP_MESSAGE", 32}, {"UPG_HUTS", "SAW_ANIMAL_ANNOUNCEMENT", 33}};
    for (const auto& message : messages) {
        const BuildGroup* group = buildings.Find(message.group);
        if (group == nullptr || group->built == 0 || ProgressFlag(nullptr, message.seenKey)) continue;
        SetProgressFlag(nullptr, message.seenKey);
        Announce(GetText(kCaptainTitle), {message.page}, CharacterDialog::kCaptain);
    }
}
