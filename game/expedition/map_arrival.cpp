// Arrivals: what the expedition finds where the player's marker stops.
#include "game/expedition/map.h"

#include "framework/core/black_out.h"
#include "framework/core/game_log.h"
#include "framework/core/state_control.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/localization.h"
#include "framework/data/player_profiles.h"
#include "game/app/game_view.h"
#include "game/expedition/discovery.h"
#include "game/expedition/info_dlg.h"
#include "game/expedition/map_progress_keys.h"
#include "game/expedition/map_table.h"
#include "game/expedition/progress_flags.h"

namespace {

constexpr const char* kDiscoveriesSection = "DISCOVERIES";
constexpr const char* kPagesSection = "PAGES";
constexpr const char* kRewardsSection = "REWARDS";
constexpr const char* kTasksSection = "TASKS";
constexpr const char* kSurveyReachedKey = "SURVEY_REACHED";

// The places whose arrival opens a page of the field guide.
struct PagePlace {
    const char* location;
    const char* page;
};
constexpr PagePlace kPagePlaces[] = {
    {"TORTUGA", "TURTLE"}, {"MED_SUPPLIES", "MEDICAL_SUPPLIES"}, {"GOD_OF_AIR", "GOD_OF_AIR"}};

constexpr const char* kLastPlace = "PICORU";
constexpr const char* kLastPlaceReturn = "JUNGLE_ENTRANCE";   // where a later visit to the map starts
constexpr int kLastTaskText = 43;                             // the secret of the island

// Finding Tortuga Beach moves the boards to the jungle.
constexpr const char* kTortugaReward = "TORTUGA";
constexpr int kJungleBackground = 2;

}  // namespace

void Map::Arrive() {
    Placemarker* place = FindLocation(player.currentLocation);
    if (place == nullptr) return;
    if (returningFromBlock) {
        // Turned back, the expedition looks about again without asking the place a second time.
        returningFromBlock = false;
        ComputeLocationStates(*place, true);
        return;
    }
    ArriveAt(*place);
}

void Map::ArriveAt(Placemarker& place) {
    SetProgressFlag(kLocationsSection, place.id);
    UnlockPages(place);
    if (place.id == kLastPlace) {
        ReachTheEnd();
        return;
    }
    if (place.discoveryId == kNoDiscovery || ProgressFlag(kDiscoveriesSection, place.discoveryId)) {
        ComputeLocationStates(place, true);
        return;
    }
    LDvIniFile table;
    LoadDiscoveryTable(table);
    const LDvString explore = table.GetString(place.discoveryId.c_str(), "EXPLORE", "");
    if (!explore.empty()) {
        EnterScene(explore, table.GetString(place.discoveryId.c_str(), "SCENE", ""));
        return;
    }
    RunDiscovery(place);
}

void Map::UnlockPages(const Placemarker& place) {
    for (const PagePlace& entry : kPagePlaces) {
        if (place.id == entry.location) SetProgressFlag(kPagesSection, entry.page);
    }
}

// The expedition ends here, before the fade, so that leaving the map returns nothing for it.
void Map::ReachTheEnd() {
    StoreLastLocation(kLastPlaceReturn);
    SetProgressFlag(nullptr, kSurveyReachedKey);
    SetProgressFlag(kTasksSection, GetText(kLastTaskText));
    EndExpeditionMode();
    game.ScreenFade().FadeToState(false, &game.SurveyState());
}

// The scene records the discovery when it is finished; the map only leads there.
void Map::EnterScene(const LDvString& text, const LDvString& scene) {
    InfoDlg dialog(game);
    dialog.text.text = text;
    RunExpeditionDialog(dialog);
    EndExpeditionMode();
    game.FadeToScene(scene);
}

void Map::RunDiscovery(Placemarker& place) {
    switch (Discover(game, place.discoveryId)) {
        case DiscoveryOutcome::Blocked:
            TurnBack(place);
            break;
        case DiscoveryOutcome::BlockerPassed:
            OpenTheWay(place);
            break;
        case DiscoveryOutcome::Discovered:
            FinishDiscovery(place);
            break;
    }
}

void Map::TurnBack(Placemarker& place) {
    Placemarker* back = FindLocation(player.previousLocation);
    if (back != nullptr) {
        StoreLastLocation(back->id);
        player.TravelTo(back->id, back->position);
        returningFromBlock = true;
    }
    ComputeLocationStates(place, true);
}

// The land behind the blocker is revealed; the markers wait for its animation.
void Map::OpenTheWay(Placemarker& place) {
    wayOpened = true;
    RevealLandmasses();
    iconsPending = true;
    ComputeLocationStates(place, true);
    if (RevealRunning()) {
        player.Hide();
        markerDrawer.Hide();
        markersPending = true;
    } else {
        PopMarkersIn();
    }
}

void Map::FinishDiscovery(Placemarker& place) {
    RefreshIcons();
    if (ProgressFlag(kRewardsSection, kTortugaReward)) {
        SetProgressInt(nullptr, "CURRENT_BACKGROUND", kJungleBackground);
        SetProgressInt(nullptr, "SET_LEVEL", 0);
    }
    EndExpeditionMode();
    ComputeLocationStates(place, true);
}
