// The map's buttons and the expedition itself: setting out (and paying), choosing where to go,
// cancelling, and the end of an expedition.
#include "game/expedition/map.h"

#include <cmath>
#include <string>

#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "game/app/game_view.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/expedition/discovery.h"
#include "game/expedition/icon_dlg.h"
#include "game/expedition/map_progress_keys.h"
#include "game/expedition/progress_flags.h"
#include "game/frontend/game_options_dialog.h"

namespace {

constexpr int kCanvasBottom = 900;         // the buttons wait just below the screen
struct Slide {
    int startX;
    int endX;
    int endY;
};
constexpr Slide kExpeditionSlide{1120, 1115, 744};
constexpr Slide kCampSlide{212, 212, 744};
constexpr Slide kCancelSlide{672, 672, 744};

constexpr int kMenuX = 212;                // the hanging signs drop onto y -20
constexpr int kScoreX = 400;
constexpr int kHangingY = -20;
constexpr float kMenuHop = -1.5f;
constexpr float kScoreHop = -1.0f;
constexpr float kDropGravity = 0.25f;
constexpr int kRestBeforeInput = 30;       // steps at rest before a button responds

constexpr int kTitleText = 50;
constexpr int kDescriptionText = 51;
constexpr int kConfirmText = 52;
constexpr int kFreeText = 47;
constexpr int kUsesText = 48;
constexpr int kResourcesText = 49;
constexpr int kTooPoorText = 53;
constexpr int kOkText = 6;
constexpr const char* kMainMenuLabel = "Main Menu";

constexpr const char* kResourcesKey = "CURRENT_RESOURCES";

void SetUpSlide(SlidingUI& slide, LDvTouchButton& button, const Slide& place) {
    slide = SlidingUI();
    slide.startX = slide.currentX = static_cast<float>(place.startX);
    slide.startY = slide.currentY = static_cast<float>(kCanvasBottom);
    slide.endX = static_cast<float>(place.endX);
    slide.endY = static_cast<float>(place.endY);
    slide.tweenLength = Map::kSlideTicks;
    slide.Attach(&button, {0, 0});
    slide.PlaceOverlays();
    button.touched = false;
    button.disabled = true;
}

void Hang(SlidingUI& slide, LDvOverlay& overlay, int x) {
    slide = SlidingUI();
    slide.startX = slide.endX = slide.currentX = static_cast<float>(x);
    slide.startY = slide.currentY = static_cast<float>(-overlay.GetHeight());
    slide.endY = static_cast<float>(kHangingY);
    slide.tweenLength = Map::kSlideTicks;
    slide.Attach(&overlay, {0, 0});
    slide.PlaceOverlays();
}

void SlideIn(SlidingUI& slide) {
    if (auto* button = dynamic_cast<LDvTouchButton*>(slide.MainOverlay())) button->disabled = false;
    slide.drop = 0;
    slide.StartSlideIn();
}

// An entry still waiting at its start stays there.
void SlideOut(SlidingUI& slide) {
    if (auto* button = dynamic_cast<LDvTouchButton*>(slide.MainOverlay())) button->disabled = true;
    const bool waiting = slide.currentX == slide.startX && slide.currentY == slide.startY && slide.tweenCounter == 0;
    if (waiting && slide.drop == 0) return;
    slide.drop = 0;
    slide.StartSlideOut();
}

}  // namespace

bool Map::ReadyForInput(const SlidingUI& slide, const LDvTouchButton& button) {
    return slide.IsAtRest() && slide.tweenCounter == 0 && slide.ticksAtRest > kRestBeforeInput && !button.disabled;
}

void Map::SetUpButtons() {
    SetUpSlide(expeditionSlide, expeditionButton, kExpeditionSlide);
    SetUpSlide(campSlide, campButton, kCampSlide);
    SetUpSlide(cancelSlide, cancelButton, kCancelSlide);
    Hang(menuDrop, menuButton, kMenuX);
    Hang(scoreDrop, scoreBoard, kScoreX);
}

// On entering the signs drop in; after an expedition they slide back.
void Map::BringMainButtonsIn(bool drop) {
    SlideIn(expeditionSlide);
    SlideIn(campSlide);
    if (drop) {
        menuDrop.Drop(kMenuHop, kDropGravity);
        scoreDrop.Drop(kScoreHop, kDropGravity);
    } else {
        SlideIn(menuDrop);
        SlideIn(scoreDrop);
    }
}

void Map::SendMainButtonsOut() {
    for (SlidingUI* slide : {&expeditionSlide, &campSlide, &menuDrop, &scoreDrop}) SlideOut(*slide);
}

void Map::TickSlides() {
    for (SlidingUI* slide : {&expeditionSlide, &campSlide, &menuDrop, &scoreDrop}) slide->Tick();
    if (!RevealRunning()) cancelSlide.Tick();
}

// The sliding buttons are touch buttons: a press on one that has come to rest starts its hold, and
// the map hears of it through OnButton once the hold is over.
bool Map::TouchButtonAt(int x, int y) {
    const struct {
        SlidingUI& slide;
        LDvTouchButton& button;
    } entries[] = {{expeditionSlide, expeditionButton}, {campSlide, campButton}, {cancelSlide, cancelButton}};
    for (const auto& entry : entries) {
        if (!ReadyForInput(entry.slide, entry.button) || !entry.button.Contains(x, y)) continue;
        if (entry.button.Touch(this)) PlayGameSound(sounds::kButtonClick);
        return true;
    }
    return false;
}

void Map::StartExpedition() {
    if (expeditionMode != 0) return;
    const int count = ProgressInt(kMapSection, kExpeditionCountKey, 0);
    if (!ConfirmExpedition(count)) return;
    paidExpedition = count > 0;
    if (paidExpedition) CountResources(-kExpeditionPrice);
    SetProgressInt(kMapSection, kExpeditionCountKey, count + 1);
    wayOpened = returningFromBlock = false;
    RevealLandmasses();
    RefreshIcons();
    iconsPending = true;
    PlaceExpeditionStart();
    if (const Placemarker* start = FindLocation(player.currentLocation)) ComputeLocationStates(*start, false);
    if (RevealRunning()) {
        markersPending = true;
    } else {
        ShowMarkers();
    }
    SendMainButtonsOut();
    if (paidExpedition) SlideIn(cancelSlide);
    expeditionMode = 1;
}

// The first expedition is free; every later one needs the price, or the dialog only explains.
bool Map::ConfirmExpedition(int count) {
    const bool tooPoor = count > 0 && resources < kExpeditionPrice;
    IconDlg dialog(game);
    dialog.titleText = GetText(kTitleText);
    dialog.descriptionText = GetText(tooPoor ? kTooPoorText : kDescriptionText);
    dialog.bodyText = count == 0 ? GetText(kFreeText)
                                 : GetText(kUsesText) + " " + std::to_string(kExpeditionPrice) + " " +
                                       GetText(kResourcesText);
    dialog.confirmLabel = GetText(tooPoor ? kOkText : kConfirmText);
    dialog.confirmDisabled = tooPoor;
    dialog.iconPicture = &travelIcon;
    RunExpeditionDialog(dialog);
    return !dialog.cancelled && !tooPoor;
}

void Map::CountResources(int change) {
    Counter& counter = scoreBoard.counter;
    counter.startValue = counter.shown;
    counter.target = resources + change;
    counter.countTotal = counter.countTicks = kCountTicks;
    counter.holdTicks = 0;
    resources += change;
    SetProgressInt(nullptr, kResourcesKey, resources);
}

// Where the last expedition stopped, else the first place of the table.
void Map::PlaceExpeditionStart() {
    const LDvString stored = LastLocation();
    Placemarker* start = stored.empty() ? nullptr : FindLocation(stored);
    if (start == nullptr && !locations.IsEmpty()) start = locations.Head().get();
    if (start != nullptr) player.PlaceAt(start->id, start->position);
}

void Map::ChooseDestination(int x, int y) {
    for (auto& marker : locations) {
        if (!marker->Choosable() || marker->id == player.currentLocation) continue;
        const LDvPoint at = ScreenPointOf(marker->position);
        if (std::hypot(static_cast<double>(at.x - x), static_cast<double>(at.y - y)) >= kPickDistance) continue;
        marker->BecomeDestination();
        player.TravelTo(marker->id, marker->position);
        returningFromBlock = false;
        StoreLastLocation(marker->id);
        PanTo(marker->position);
        return;
    }
}

// The price comes back and the count goes down, unless the expedition has opened a way past a
// blocker: that expedition has been made, so it ends as it stands.
void Map::CancelExpedition(bool leaving) {
    if (!leaving) CloseTip();
    if (!wayOpened) {
        if (paidExpedition) CountResources(kExpeditionPrice);
        const int count = ProgressInt(kMapSection, kExpeditionCountKey, 0);
        if (count > 0) SetProgressInt(kMapSection, kExpeditionCountKey, count - 1);
    }
    EndExpeditionMode();
}

void Map::EndExpeditionMode() {
    expeditionMode = 0;
    paidExpedition = wayOpened = returningFromBlock = false;
    markersPending = false;
    BringMainButtonsIn(false);
    SlideOut(cancelSlide);
    player.Hide();
    bool popped = false;
    for (auto& marker : locations) {
        if (marker->hidden || !LandVisible(marker->landmassName)) continue;
        marker->PopOut();
        popped = true;
    }
    if (popped) PlayGameSound(sounds::kPlacemarkerPopout);
}

void Map::OpenOptions() {
    GameOptionsDialog options(game);
    options.showLeaveButton = true;
    options.leaveLabel = kMainMenuLabel;
    RunModal(&options);
    if (options.leaveChosen && game.TitleState() != nullptr) game.ScreenFade().FadeToState(false, game.TitleState());
}
