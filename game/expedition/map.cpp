// The map's life: its table, its overlays and their order, entering and leaving.
#include "game/expedition/map.h"

#include <algorithm>
#include <climits>

#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/state_control.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/cursor_sprite.h"
#include "framework/ui/overlay_images.h"
#include "game/app/game_view.h"
#include "game/assets/effect_pictures.h"
#include "game/assets/gui_pictures.h"
#include "game/expedition/data_table.h"
#include "game/expedition/map_progress_keys.h"
#include "game/expedition/map_table.h"
#include "game/expedition/progress_flags.h"
#include "game/expedition/tip_dialog.h"
#include "game/widgets/dialog_backdrop.h"

namespace {

constexpr int kMapLayer = 1;               // under the dialog dimmer on 4; the order is the registration's
constexpr int kQuestionMarkFrames = 24;    // "qmark.png": one row of frames
constexpr const char* kCampLandmass = "CAMP";
constexpr const char* kLastLocationKey = "LAST_MAP_LOCATION";
constexpr const char* kVisitedKey = "VISITED_MAP";

void Load(LDvOverlay& overlay, const char* path) {
    if (!overlay.loaded) LoadImage(&overlay, path);
}

}  // namespace

Map::Map(GameView& view) : game(view) {
    for (LDvOverlay* overlay : Overlays()) overlay->layer = kMapLayer;
    landmassDrawer.landmasses = &landmasses;
    preIconDrawer.icons = postIconDrawer.icons = &icons;
    markerDrawer.markers = &locations;
    markerDrawer.art = &markerArt;
    player.SetView(&this->view);
    menuButton.kind = kButtonKindGlow;
    menuButton.enabled = true;
}

std::vector<LDvOverlay*> Map::Overlays() {
    return {&background,     &landmassDrawer, &preIconDrawer, &markerDrawer, &postIconDrawer, &expeditionButton,
            &campButton,     &cancelButton,   &menuButton,    &scoreBoard,   &player};
}

void Map::ToggleOverlays() {
    for (LDvOverlay* overlay : Overlays()) ToggleOverlayList({overlay}, this);
}

bool Map::ScreenFading() const {
    const BlackOut& fade = game.ScreenFade();
    return fade.fadeStepsRemaining > 0 || fade.holdStepsRemaining > 0;
}

void Map::OnEnter() {
    LoadPictures();
    expeditionMode = 0;
    paidExpedition = wayOpened = returningFromBlock = false;
    markersPending = false;
    firstTick = true;
    resources = ProgressInt(nullptr, "CURRENT_RESOURCES", 0);
    scoreBoard.counter.setValue(resources);
    scoreBoard.counter.countTotal = kCountTicks;
    SetUpButtons();
    if (landmasses.IsEmpty()) LoadTable();
    for (auto& landmass : landmasses) landmass->LoadPictures();
    for (auto& icon : icons) icon->LoadPicture();
    HideEverything();
    RefreshIcons();
    if (Landmass* camp = FindLandmass(kCampLandmass)) CentreOn(camp->Centre());
    ComputeBounds();
    game.ScreenFade().FadeFromBlack();
    SetProgressFlag(nullptr, kVisitedKey);
    RevealLandmasses();
    iconsPending = true;
    PlacePlayerOnStoredLocation();
}

void Map::LoadTable() {
    LDvIniFile table;
    if (!LoadDataTable(table, kMapTable, "Map")) return;
    for (const MapLandmassRecord& record : ReadMapTable(table)) AddLandmass(record);
    LinkLocations();
}

void Map::AddLandmass(const MapLandmassRecord& record) {
    auto landmass = std::make_unique<Landmass>();
    landmass->name = record.name;
    landmass->reveal = record.reveal;
    landmass->position = record.position;
    landmass->highlightPosition = record.highlightPosition;
    landmass->centreOffset = record.centreOffset;
    landmass->SetView(&view);
    for (const MapIconRecord& entry : record.icons) {
        auto icon = std::make_unique<LocationIcon>();
        icon->iconName = entry.name;
        icon->landmassName = record.name;
        icon->position = entry.position;
        icon->sparkleOffset = entry.sparkleOffset;
        icon->underMarkers = entry.underMarkers ? 1 : 0;
        icon->alwaysVisible = entry.waitsForDiscovery ? 0 : 1;
        icon->SetView(&view);
        icons.Add(std::move(icon));
    }
    for (const MapLocationRecord& entry : record.locations) {
        auto marker = std::make_unique<Placemarker>();
        marker->id = entry.id;
        marker->position = entry.point;
        marker->discoveryId = entry.discovery;
        marker->exitsText = entry.exitsText;
        marker->landmassName = record.name;
        marker->SetView(&view);
        locations.Add(std::move(marker));
    }
    landmasses.Add(std::move(landmass));
}

// An exit that names no location is left out, and each exit is listed once.
void Map::LinkLocations() {
    for (auto& marker : locations) {
        marker->exits.Clear();
        for (const LDvString& id : ParseExitIds(marker->exitsText)) {
            Placemarker* exit = FindLocation(id);
            if (exit == nullptr) {
                Log("Map: " + marker->id + " leads to " + id + ", which is no location");
            } else if (!marker->HasExit(exit)) {
                marker->exits.Add(exit);
            }
        }
    }
}

void Map::LoadPictures() {
    Load(background, "states/map/back.jpg");
    Load(markerArt.current, "states/map/location_current.png");
    Load(markerArt.found, "states/map/location_found.png");
    Load(markerArt.grey, "states/map/location_grey.png");
    Load(markerArt.fresh, "states/map/location_new.png");
    if (!markerArt.questionMark.loaded) {
        LoadFrames(&markerArt.questionMark, "states/map/qmark.png", kQuestionMarkFrames, 1, kQuestionMarkFrames);
    }
    Load(markerArt.pointer, "states/map/clickpointer.png");
    Load(expeditionButton.image, "states/map/btnExpedition.png");
    Load(campButton.image, "states/map/btnCamp.png");
    Load(cancelButton.image, "states/map/btnCancelExpedition.png");
    Load(travelIcon, "states/map/travel_icon.png");
    player.LoadPictures();
    GuiPictures& gui = game.Gui();
    SharePicture(&menuButton, &gui.btnMenu);
    scoreBoard.setPictures(gui.scoreBoard, gui.numbers);
    landmassDrawer.flare = &game.EffectArt().whiteFlower;
    background.SetPosition(0, 0);
}

void Map::ReleasePictures() {
    for (LDvOverlay* overlay : std::initializer_list<LDvOverlay*>{
             &background, &markerArt.current, &markerArt.found, &markerArt.grey, &markerArt.fresh,
             &markerArt.questionMark, &markerArt.pointer, &expeditionButton.image, &campButton.image,
             &cancelButton.image, &travelIcon, &menuButton}) {
        UnloadImage(overlay);
    }
    player.ReleasePictures();
    for (auto& landmass : landmasses) landmass->ReleasePictures();
    for (auto& icon : icons) icon->ReleasePicture();
}

// Outside an expedition the map shows land and icons only.
void Map::HideEverything() {
    for (auto& landmass : landmasses) landmass->HideLand();
    for (auto& icon : icons) icon->HideIcon();
    for (auto& marker : locations) marker->HideMarker();
    markerDrawer.Hide();
    player.Hide();
    pan = CameraPan();
    view.dragX = view.dragY = 0;
}

void Map::CentreOn(LDvPoint mapPoint) {
    view.viewX = kMapCanvasWidth / 2 - mapPoint.x;
    view.viewY = kMapCanvasHeight / 2 - mapPoint.y;
}

void Map::ComputeBounds() {
    bounds = LDvRect{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (auto& landmass : landmasses) {
        const LDvRect land = landmass->MapBounds();
        bounds.left = std::min(bounds.left, land.left);
        bounds.top = std::min(bounds.top, land.top);
        bounds.right = std::max(bounds.right, land.right);
        bounds.bottom = std::max(bounds.bottom, land.bottom);
    }
    if (landmasses.IsEmpty()) bounds = LDvRect{0, 0, kMapCanvasWidth - 1, kMapCanvasHeight - 1};
}

void Map::PlacePlayerOnStoredLocation() {
    const LDvString stored = LastLocation();
    if (stored.empty()) return;
    Placemarker* place = FindLocation(stored);
    if (place == nullptr) {
        Log("Map: the last location " + stored + " is no location");
        return;
    }
    player.PlaceAt(place->id, place->position);
    CentreOn(place->position);
}

LDvString Map::LastLocation() const {
    return IsPlayerSelected() ? GetPlayerString(kLastLocationKey, "") : LDvString();
}

void Map::StoreLastLocation(const LDvString& id) {
    if (IsPlayerSelected()) SetPlayerString(kLastLocationKey, id);
}

void Map::OnLeave(LDvState*) {
    if (expeditionMode != 0) CancelExpedition(true);
    CloseTip();
    game.Cursor().SetCursorName(kMapPointerArrow);
    ReleasePictures();
}

void Map::CloseTip() {
    if (Frame().secondary == &game.Tip()) CloseSecondary();
}

Landmass* Map::FindLandmass(const LDvString& name) {
    for (auto& landmass : landmasses) {
        if (landmass->name == name) return landmass.get();
    }
    return nullptr;
}

Placemarker* Map::FindLocation(const LDvString& id) {
    for (auto& marker : locations) {
        if (marker->id == id) return marker.get();
    }
    return nullptr;
}

LocationIcon* Map::FindIcon(const LDvString& name) {
    for (auto& icon : icons) {
        if (icon->iconName == name) return icon.get();
    }
    return nullptr;
}

LDvPoint Map::ScreenPointOf(LDvPoint mapPoint) const {
    return {mapPoint.x + view.OffsetX(), mapPoint.y + view.OffsetY()};
}
