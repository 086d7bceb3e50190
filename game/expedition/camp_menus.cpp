// The camp's two menus and its Play button: what slides in when, and the build menu's badges.
#include "game/expedition/camp.h"

#include "framework/ui/overlay_images.h"
#include "game/expedition/progress_flags.h"

namespace {

constexpr const char* kTipsSection = "TIPS";
constexpr int kCanvasBottom = 900;         // every button starts just below the screen

struct Slide {
    int x;                                 // the same start and end x
    int endY;
    int delay;                             // steps
};
constexpr Slide kMainSlides[] = {{218, 760, 15}, {380, 750, 10}, {528, 755, 20}};
constexpr Slide kBuildSlides[] = {{218, 746, 0}, {401, 742, 10}, {571, 746, 20}, {741, 744, 30}, {911, 744, 40}};

constexpr int kPlayStartX = 1120, kPlayEndX = 1115, kPlayEndY = 724;
constexpr int kPlaySlideTicks = 25;
constexpr int kRestBeforeInput = 30;       // steps at rest before a button responds

constexpr LDvPoint kBadgeOffset{67, 28};

SlidingUI& AddSlide(SlidingUIGroup& group, LDvTouchButton& button, const Slide& slide) {
    button.disabled = false;
    button.touchEnabled = true;
    button.touched = false;
    return group.Add(&button, slide.delay, static_cast<float>(slide.x), static_cast<float>(slide.endY),
                     static_cast<float>(slide.x), static_cast<float>(kCanvasBottom));
}

// A group slid out leaves its buttons unclickable; sliding in makes them usable again.
void EnableButton(SlidingUI* entry) {
    if (entry == nullptr) return;
    if (auto* button = dynamic_cast<LDvTouchButton*>(entry->MainOverlay())) button->disabled = false;
}

}  // namespace

void Camp::BuildMainScreen() {
    mainMenu.Clear();
    AddSlide(mainMenu, fieldGuideButton, kMainSlides[kFieldGuideEntry]);
    AddSlide(mainMenu, buildButton, kMainSlides[kBuildEntry]);
    if (currentLevel >= 3 || !TipsOn()) AddSlide(mainMenu, exploreButton, kMainSlides[kExploreEntry]);

    playSlide = SlidingUI();
    playSlide.startX = playSlide.currentX = kPlayStartX;
    playSlide.startY = playSlide.currentY = kCanvasBottom;
    playSlide.endX = kPlayEndX;
    playSlide.endY = kPlayEndY;
    playSlide.tweenLength = kPlaySlideTicks;
    playSlide.Attach(&playButton, {0, 0});
    playSlide.PlaceOverlays();
    playButton.touched = false;

    if (currentLevel <= 1) {
        SlidePlayIn();
        return;
    }
    if (currentLevel == 2 && TipsOn()) {
        if (!ProgressFlag(kTipsSection, "SAW_BUILD_TIP")) {
            SlideMainEntryIn(kBuildEntry);
        } else if (!ProgressFlag(kTipsSection, "SAW_FIELDGUIDE_TIP")) {
            SlideMainEntryIn(kFieldGuideEntry);
        } else {
            SlideMainIn();
            SlidePlayIn();
            return;
        }
        if (HutsUnpayable()) SlidePlayIn();
        return;
    }
    SlideMainIn();
    SlidePlayIn();
}

// Back always, so the menu can be left whatever the chapter; the buildings only in chapter 1.
void Camp::BuildBuildMenu() {
    buildMenu.Clear();
    AddSlide(buildMenu, backButton, kBuildSlides[kBackEntry]);
    if (ProgressInt(nullptr, "CURR_CHAPTER", 1) != 1) return;
    const BuildGroup* huts = buildings.Find("HUTS");
    const bool hutsBuilt = huts != nullptr && huts->built != 0;
    AddBuildEntry(hutsBuilt ? upgradeHutsButton : buildHutsButton, kHutsEntry, hutsBuilt ? "UPG_HUTS" : "HUTS");
    AddBuildEntry(buildLabButton, kLabEntry, "LAB");
    AddBuildEntry(buildClinicButton, kClinicEntry, "CLINIC");
    const BuildGroup* upgrade = buildings.Find("UPG_HUTS");
    const BuildGroup* lab = buildings.Find("LAB");
    if (upgrade != nullptr && upgrade->built != 0 && lab != nullptr && lab->built != 0) {
        AddBuildEntry(finishCampButton, kFinishEntry, "FINISH_CAMP");
    }
}

// A group the table lacks is shown locked and cannot be chosen.
void Camp::AddBuildEntry(LDvTouchButton& button, int entry, const char* groupKey) {
    SlidingUI& slide = AddSlide(buildMenu, button, kBuildSlides[entry]);
    const BuildGroup* group = buildings.Find(groupKey);
    LDvSprite& status = statusBadges[entry - 1];
    if (group == nullptr || group->lockedByRequirement != 0) {
        SharePicture(&status, &lockedPicture);
        slide.Attach(&status, kBadgeOffset);
    } else if (resources < group->price) {
        SharePicture(&status, &lowCashPicture);
        slide.Attach(&status, kBadgeOffset);
    }
    if (group == nullptr) button.touchEnabled = false;
    if (group != nullptr && group->built != 0) {
        LDvSprite& built = builtBadges[entry - 1];
        SharePicture(&built, &builtPicture);
        slide.Attach(&built, kBadgeOffset);
        button.touchEnabled = false;
    }
}

// Switching menus waits until the old one has slid away and no construction runs.
void Camp::OpenRequestedMenus() {
    if (buildMenuRequested && mainMenu.IsSettled() && !buildings.AnyAnimating()) {
        CongratulateOnBuildings();
        buildMenuRequested = false;
        BuildBuildMenu();
        if (HutsComeFirst() && buildMenu.Count() > kClinicEntry) {
            for (int entry : {kHutsEntry, kLabEntry, kClinicEntry}) {
                EnableButton(buildMenu.Entry(entry));
                buildMenu.SlideIn(entry);
            }
        } else {
            SlideBuildMenuIn();
        }
    }
    if (mainMenuRequested && buildMenu.IsSettled() && !buildings.AnyAnimating()) {
        mainMenuRequested = false;
        if (currentLevel == 2 && TipsOn() && !ProgressFlag(kTipsSection, "SAW_FIELDGUIDE_TIP")) {
            SlideMainEntryIn(kFieldGuideEntry);
            if (HutsUnpayable()) SlidePlayIn();
        } else {
            SlideMainIn();
            if (!playSlide.IsAtRest()) SlidePlayIn();
        }
    }
}

void Camp::SlideMainIn() {
    for (int i = 0; i < mainMenu.Count(); ++i) EnableButton(mainMenu.Entry(i));
    mainMenu.SlideInAll();
}

void Camp::SlideMainEntryIn(int entry) {
    EnableButton(mainMenu.Entry(entry));
    mainMenu.SlideIn(entry);
}

void Camp::SlideBuildMenuIn() {
    for (int i = 0; i < buildMenu.Count(); ++i) EnableButton(buildMenu.Entry(i));
    buildMenu.SlideInAll();
}

void Camp::SlidePlayIn() {
    playButton.disabled = false;
    playSlide.StartSlideIn();
}

bool Camp::PlayReady() const {
    return playSlide.IsAtRest() && playSlide.tweenCounter == 0 && playSlide.ticksAtRest > kRestBeforeInput &&
           !playButton.disabled;
}

bool Camp::HutsComeFirst() {
    const BuildGroup* huts = buildings.Find("HUTS");
    return currentLevel == 2 && TipsOn() && huts != nullptr && huts->built == 0 && !HutsUnpayable();
}

// No huts in the table, or huts that are locked or cost more than the player has.
bool Camp::HutsUnpayable() {
    const BuildGroup* huts = buildings.Find("HUTS");
    if (huts == nullptr) return true;
    return huts->built == 0 && (huts->lockedByRequirement != 0 || resources < huts->price);
}
