#pragma once
// The island map: where the island is explored. Landmasses appear one by one as the player pays
// for expeditions; an expedition walks the player's marker from place to place along one-way
// routes until it finds something. Arrivals run the places' discoveries (rewards, blockers that
// need earlier rewards, adventure scenes), and the last place leads to the survey. Outside an
// expedition the player may drag the map about.
//
// Ownership: the game object owns the one map for the whole run. The map owns the table read from
// "map.ini" on the first entry (its landmasses, icons and markers live for the whole run; their
// visibility is recomputed from the player's progress on every entry), every overlay, button and
// slide of the screen and the pictures, which are loaded on entering and released on leaving. It
// borrows the game's fonts, sounds, effect sheets, GUI pictures, dimmers, tip and fades.
#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_button.h"
#include "framework/ui/ldv_touch_button.h"
#include "game/expedition/camera_pan.h"
#include "game/expedition/landmass.h"
#include "game/expedition/location_icon.h"
#include "game/expedition/map_drawers.h"
#include "game/expedition/placemarker.h"
#include "game/expedition/player_icon.h"
#include "game/expedition/scrolling_map_overlay.h"
#include "game/match3/score_board.h"
#include "game/widgets/sliding_ui.h"

class GameView;
struct MapLandmassRecord;

class Map : public LDvState {
public:
    static constexpr int32_t kExpeditionPrice = 5000;   // every expedition after the first
    static constexpr int32_t kSlideTicks = 25;
    static constexpr int32_t kCountTicks = 30;          // the resources board counts a payment
    static constexpr int kPickDistance = 50;            // a click nearer than this picks a marker
    static constexpr int kDragMargin = 250;             // pixels of the map kept on screen

    explicit Map(GameView& game);
    Map(const Map&) = delete;
    Map& operator=(const Map&) = delete;

    void OnClick(int x, int y) override;
    void OnDrag(int x, int y, int dxFromStart, int dyFromStart, int dxFromLast, int dyFromLast) override;
    void OnDragStart(int x, int y) override;
    void OnDragEnd(int x, int y) override;
    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;
    void Update() override;

    Landmass* FindLandmass(const LDvString& name);
    Placemarker* FindLocation(const LDvString& id);
    LocationIcon* FindIcon(const LDvString& name);
    bool RevealRunning() const;
    bool ScreenFading() const;
    bool DragAllowed() const;
    bool ExpeditionMode() const { return expeditionMode != 0; }
    // Where a map point is on the canvas now.
    LDvPoint ScreenPointOf(LDvPoint mapPoint) const;
    // True when the button's slide has rested long enough for the button to take a press.
    static bool ReadyForInput(const SlidingUI& slide, const LDvTouchButton& button);

    MapView view;
    LDvRect bounds;                       // every land picture on the map, right and bottom inside
    CameraPan pan;
    int32_t resources = 0;                // "CURRENT_RESOURCES"; 0 without a player
    uint8_t expeditionMode = 0;           // the player is choosing a destination
    bool firstTick = true;                // the buttons come in once the entry's reveal is over
    bool markersPending = false;          // show the markers once the reveal is over
    bool iconsPending = false;            // refresh the icons once the reveal is over
    bool paidExpedition = false;          // the running expedition cost resources
    bool wayOpened = false;               // the running expedition passed a blocker
    bool returningFromBlock = false;      // the marker walks back from a blocked place

    // The table, in file order. Markers and icons keep their landmass's name.
    LDvList<std::unique_ptr<Landmass>> landmasses;
    LDvList<std::unique_ptr<LocationIcon>> icons;
    LDvList<std::unique_ptr<Placemarker>> locations;

    // The overlays, in drawing order.
    LDvSprite background;                 // "states/map/back.jpg", the sea
    DrawLandmasses landmassDrawer;
    DrawLocationIcons preIconDrawer;
    DrawPlacemarkers markerDrawer;
    DrawLocationPostIcons postIconDrawer;
    LDvTouchButton expeditionButton;
    LDvTouchButton campButton;
    LDvTouchButton cancelButton;
    LDvButton menuButton;                 // "GUI/btnMenu.png": the options
    ScoreBoard scoreBoard;
    PlayerIcon player;

    MarkerArt markerArt;
    LDvSprite travelIcon;                 // the expedition dialog's icon

    SlidingUI expeditionSlide;
    SlidingUI campSlide;
    SlidingUI cancelSlide;
    SlidingUI menuDrop;
    SlidingUI scoreDrop;

private:
    // map.cpp: the table, entering and leaving, drawing order
    std::vector<LDvOverlay*> Overlays();
    void LoadTable();
    void AddLandmass(const MapLandmassRecord& record);
    void LinkLocations();
    void LoadPictures();
    void ReleasePictures();
    void HideEverything();
    void CentreOn(LDvPoint mapPoint);
    void ComputeBounds();
    void PlacePlayerOnStoredLocation();
    LDvString LastLocation() const;       // "LAST_MAP_LOCATION"; empty without a player
    void StoreLastLocation(const LDvString& id);
    void CloseTip();

    // map_reveal.cpp: land, icons and markers appearing
    void RevealLandmasses();
    void RefreshIcons();
    void RefreshIcon(LocationIcon& icon);
    bool LandVisible(const LDvString& landmassName);
    void ShowMarkers();
    void PopMarkersIn();
    void ComputeLocationStates(const Placemarker& around, bool silent);
    void PanTo(LDvPoint mapPoint);

    // map_expedition.cpp: the buttons, setting out, choosing, cancelling, ending
    void SetUpButtons();
    void BringMainButtonsIn(bool drop);
    void SendMainButtonsOut();
    void TickSlides();
    bool TouchButtonAt(int x, int y);
    void StartExpedition();
    bool ConfirmExpedition(int count);
    void CountResources(int change);
    void PlaceExpeditionStart();
    void ChooseDestination(int x, int y);
    void CancelExpedition(bool leaving);
    void EndExpeditionMode();
    void OpenOptions();

    // map_arrival.cpp: what happens where the marker arrives
    void Arrive();
    void ArriveAt(Placemarker& place);
    void UnlockPages(const Placemarker& place);
    void ReachTheEnd();
    void EnterScene(const LDvString& text, const LDvString& scene);
    void RunDiscovery(Placemarker& place);
    void TurnBack(Placemarker& place);
    void OpenTheWay(Placemarker& place);
    void FinishDiscovery(Placemarker& place);

    // map_update.cpp: the step and the map's tips
    void OfferTips();
    void StepPan();

    GameView& game;
};
