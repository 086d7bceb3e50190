// What the map shows: landmasses revealed by the expedition count, icons, markers popping in and
// the states of the places around the expedition.
#include "game/expedition/map.h"

#include "game/app/game_view.h"
#include "game/assets/effect_pictures.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/expedition/map_progress_keys.h"
#include "game/expedition/map_table.h"
#include "game/expedition/progress_flags.h"

namespace {

constexpr const char* kLandmassesSection = "LANDMASSES";
constexpr const char* kIconsSection = "ICONS";
constexpr const char* kRevealedSuffix = "_REVEALED";
constexpr const char* kShownSuffix = "_SHOWN";

}  // namespace

// Land shows from its REVEAL count on, or for good once it was revealed. Land whose count has just
// been reached is revealed with its animation, and the camera turns to it. Each shown landmass is
// also recorded under MAP/<name>_REVEALED, which retires the "PRE" icons that stood for it.
void Map::RevealLandmasses() {
    const int count = ProgressInt(kMapSection, kExpeditionCountKey, 0);
    for (auto& landmass : landmasses) {
        const bool revealedBefore = ProgressFlag(kLandmassesSection, landmass->name);
        if (landmass->reveal > count && !revealedBefore) continue;
        if (landmass->Visible() || landmass->Animating()) continue;
        if (landmass->reveal == count && !revealedBefore) {
            PlayGameSound(sounds::kLandmassAppears);
            landmass->StartReveal();
            PanTo(landmass->Centre());
            SetProgressFlag(kLandmassesSection, landmass->name);
        } else {
            landmass->ShowAtOnce();
        }
        SetProgressFlag(kMapSection, landmass->name + kRevealedSuffix);
    }
}

bool Map::RevealRunning() const {
    for (const auto& landmass : landmasses) {
        if (landmass->Animating()) return true;
    }
    return false;
}

bool Map::LandVisible(const LDvString& landmassName) {
    const Landmass* landmass = FindLandmass(landmassName);
    return landmass != nullptr && landmass->Visible();
}

void Map::RefreshIcons() {
    for (auto& icon : icons) RefreshIcon(*icon);
}

// An icon shows on visible land: always, or once its discovery named it, the first time with its
// appearance.
void Map::RefreshIcon(LocationIcon& icon) {
    const bool retired = icon.underMarkers != 0 && ProgressFlag(kMapSection, icon.iconName + kRevealedSuffix);
    const bool allowed = icon.alwaysVisible != 0 || ProgressFlag(kIconsSection, icon.iconName);
    if (retired || !allowed || !LandVisible(icon.landmassName)) {
        icon.HideIcon();
        return;
    }
    if (icon.alwaysVisible == 0 && !ProgressFlag(kIconsSection, icon.iconName + kShownSuffix)) {
        SetProgressFlag(kIconsSection, icon.iconName + kShownSuffix);
        PlayGameSound(sounds::kIconAppears);
        icon.Appear(game.EffectArt().lightFlare);
        return;
    }
    if (icon.hidden) icon.ShowAtOnce();
}

// The player's marker and the markers on visible land come in, and the camera turns to the player.
void Map::ShowMarkers() {
    markersPending = false;
    player.Appear();
    markerDrawer.Show();
    PopMarkersIn();
    PanTo(player.current);
}

void Map::PopMarkersIn() {
    for (auto& marker : locations) {
        if (LandVisible(marker->landmassName)) {
            marker->PopIn();
        } else {
            marker->HideMarker();
        }
    }
}

// Every place is out of reach but the one the player stands on and the exits of `around`, which
// are found (nothing to discover, or visited) or new.
void Map::ComputeLocationStates(const Placemarker& around, bool silent) {
    for (auto& marker : locations) marker->BecomeUnreachable();
    if (Placemarker* here = FindLocation(player.currentLocation)) here->state = Placemarker::kCurrent;
    for (Placemarker* exit : around.exits) {
        exit->BecomeReachable(exit->discoveryId == kNoDiscovery || ProgressFlag(kLocationsSection, exit->id));
    }
    if (!silent) PlayGameSound(sounds::kPlacemarkerPopin);
}

void Map::PanTo(LDvPoint mapPoint) {
    pan.Start({view.viewX, view.viewY}, {kMapCanvasWidth / 2 - mapPoint.x, kMapCanvasHeight / 2 - mapPoint.y});
}
