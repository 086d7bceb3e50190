// The island map on the generated data: paying for expeditions, revealing land, choosing where to
// go, cancelling, arrivals and the tip that rides the camera. The map's dialogs are looked at and
// answered instead of run; the game steps as the main loop steps it, without drawing (the journey
// test draws).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/event_dispatch.h"
#include "framework/core/main_loop.h"
#include "framework/data/player_profiles.h"
#include "game/expedition/discovery.h"
#include "game/expedition/discovery_dlg.h"
#include "game/expedition/icon_dlg.h"
#include "game/expedition/info_dlg.h"
#include "game/expedition/map.h"
#include "game/expedition/path_blocking_dlg.h"
#include "game/expedition/tip_dialog.h"
#include "tests/game/dialog_world.h"

namespace {

constexpr const char* kMap = "MAP";
constexpr const char* kCount = "EXPEDITION_COUNT";
constexpr const char* kResources = "CURRENT_RESOURCES";
constexpr const char* kLastPlace = "LAST_MAP_LOCATION";

struct Profile {
    int expeditions = 0;
    int resources = 0;
    const char* lastPlace = "";
    std::vector<const char*> landmasses;       // revealed before
    std::vector<const char*> rewards;
    bool tips = false;
};

class MapTest : public DialogWorld {
protected:
    void SetUp() override {
        DialogWorld::SetUp();
        SetDialogRunnerForTesting([this](LDvDialog& dialog) { Answer(dialog); });
    }
    void TearDown() override {
        SetDialogRunnerForTesting({});
        DialogWorld::TearDown();
    }

    // The expedition dialog is confirmed whenever it can be; the others are only seen.
    void Answer(LDvDialog& dialog) {
        if (auto* icon = dynamic_cast<IconDlg*>(&dialog)) {
            seen.push_back(icon->confirmDisabled ? "expedition (too poor): " + icon->bodyText
                                                 : "expedition: " + icon->bodyText);
            icon->cancelled = icon->confirmDisabled;
        } else if (dynamic_cast<DiscoveryDlg*>(&dialog) != nullptr) {
            seen.push_back("discovery");
        } else if (dynamic_cast<PathBlockingDlg*>(&dialog) != nullptr) {
            seen.push_back("blocked");
        } else if (dynamic_cast<InfoDlg*>(&dialog) != nullptr) {
            seen.push_back("info");
        }
    }

    Map& TheMap() { return game->map; }

    // Steps of the game as the main loop takes them, without drawing, until `done` answers true or
    // `steps` steps ran; true when done.
    template <typename Done>
    static bool StepUntil(int steps, Done done) {
        for (int i = 0; i < steps; ++i) {
            if (done()) return true;
            RunOneStep();
            DispatchEvents();
        }
        return done();
    }

    // A fresh player with `p`, on the map once its fade-in is over.
    void EnterWith(const Profile& p) {
        SetState(&game->blankState, game.get(), false);
        DeletePlayer(0);
        MakeProfiles({{0, "Ada"}});
        SetPlayerInt(kMap, kCount, p.expeditions);
        SetPlayerInt(nullptr, kResources, p.resources);
        if (*p.lastPlace != '\0') SetPlayerString(kLastPlace, p.lastPlace);
        for (const char* land : p.landmasses) SetPlayerInt("LANDMASSES", land, 1);
        for (const char* reward : p.rewards) SetPlayerInt("REWARDS", reward, 1);
        if (!p.tips) SetPlayerInt(nullptr, "SHOW_TIPS", 0);
        seen.clear();
        Enter();
    }
    void Enter() {
        SetState(&TheMap(), game.get(), false);
        ASSERT_TRUE(StepUntil(200, [&] { return !TheMap().ScreenFading(); }));
    }

    // Until reveals, the camera and the player's marker are still and nothing waits.
    void Settle() {
        Map& map = TheMap();
        ASSERT_TRUE(StepUntil(900, [&] {
            return !map.RevealRunning() && !map.pan.Running() && !map.player.Travelling() &&
                   !map.markersPending && map.player.arrivalPulse == 0;
        }));
    }

    void PayAndSettle() {
        TheMap().OnButton(&TheMap().expeditionButton);
        Settle();
    }

    void ClickNear(const char* place, int dx, int dy) {
        Placemarker* marker = TheMap().FindLocation(place);
        ASSERT_NE(marker, nullptr) << place;
        const LDvPoint at = TheMap().ScreenPointOf(marker->position);
        TheMap().OnClick(at.x + dx, at.y + dy);
    }

    int Expeditions() { return GetPlayerInt(kMap, kCount, 0); }

    Placemarker& Place(const char* id) { return *TheMap().FindLocation(id); }

    bool NoMarkerShown() {
        Map& map = TheMap();
        for (auto& marker : map.locations) {
            if (!marker->hidden) return false;
        }
        return map.player.hidden;
    }

    std::vector<std::string> seen;
};

// The first expedition never reveals DRIFTWOOD_COAST again, nor asks for anything.
const Profile kAfterFirst{1, 0, "", {"DRIFTWOOD_COAST"}, {}, false};

}  // namespace

TEST_F(MapTest, TheFirstExpeditionIsFreeAndLaterOnesCost5000) {
    struct Case {
        const char* what;
        int expeditions;
        int resources;
        const char* dialog;
        int resourcesAfter;
        int expeditionsAfter;
    };
    const Case cases[] = {
        {"the first, with nothing", 0, 0, "expedition: ", 0, 1},
        {"the second, with 4999", 1, 4999, "expedition (too poor): ", 4999, 1},
        {"the second, with 5000", 1, 5000, "expedition: ", 0, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Profile p = kAfterFirst;
        p.expeditions = c.expeditions;
        p.resources = c.resources;
        EnterWith(p);
        Map& map = TheMap();
        map.OnButton(&map.expeditionButton);

        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].rfind(c.dialog, 0), 0u) << seen[0];
        EXPECT_EQ(seen[0].find("5000") != std::string::npos, c.expeditions > 0) << seen[0];
        EXPECT_EQ(map.resources, c.resourcesAfter);
        EXPECT_EQ(GetPlayerInt(nullptr, kResources, -1), c.resourcesAfter);
        EXPECT_EQ(Expeditions(), c.expeditionsAfter);
        EXPECT_EQ(map.ExpeditionMode(), c.expeditionsAfter > c.expeditions);
    }
}

TEST_F(MapTest, CancellingReturnsThePriceAndTheMarkersLeaveWithTheExpedition) {
    Profile p = kAfterFirst;
    p.resources = 7000;
    EnterWith(p);
    Map& map = TheMap();
    Settle();
    EXPECT_TRUE(NoMarkerShown()) << "before the first expedition of this visit";

    PayAndSettle();
    EXPECT_FALSE(map.player.hidden);
    EXPECT_FALSE(Place("SUPPLY_BEACH").hidden);
    EXPECT_EQ(map.resources, 2000);
    ASSERT_TRUE(StepUntil(200, [&] { return Map::ReadyForInput(map.cancelSlide, map.cancelButton); }));
    map.OnButton(&map.cancelButton);

    EXPECT_FALSE(map.ExpeditionMode());
    EXPECT_EQ(map.resources, 7000);
    EXPECT_EQ(GetPlayerInt(nullptr, kResources, -1), 7000);
    EXPECT_EQ(Expeditions(), 1);
    EXPECT_TRUE(StepUntil(Placemarker::kPopOutTicks + 2, [&] { return NoMarkerShown(); }))
        << "the markers pop out";
}

TEST_F(MapTest, LandIsRevealedOnceAtItsCountAndShownPlainlyAfterwards) {
    Profile p = kAfterFirst;
    p.resources = 5000;
    EnterWith(p);
    Map& map = TheMap();
    Landmass& woods = *map.FindLandmass("THORN_WOODS");
    EXPECT_FALSE(woods.Visible());
    Settle();

    map.OnButton(&map.expeditionButton);
    EXPECT_TRUE(woods.Animating());
    EXPECT_TRUE(map.pan.Running());
    const LDvPoint centre = woods.Centre();
    EXPECT_EQ(map.pan.target.x, 800 - centre.x);
    EXPECT_EQ(map.pan.target.y, 450 - centre.y);
    EXPECT_TRUE(map.player.hidden) << "the markers wait for the reveal";
    EXPECT_EQ(GetPlayerInt("LANDMASSES", "THORN_WOODS", 0), 1);
    EXPECT_EQ(GetPlayerInt(kMap, "THORN_WOODS_REVEALED", 0), 1) << "what retires its PRE icons";
    Settle();
    EXPECT_TRUE(woods.Visible());
    EXPECT_FALSE(map.player.hidden);

    SetState(&game->blankState, game.get(), false);
    Enter();
    EXPECT_TRUE(woods.Visible());
    EXPECT_FALSE(woods.Animating());
    EXPECT_FALSE(map.pan.Running());
}

TEST_F(MapTest, OnlyNearReachableMarkersAreChosenAndEmptyPlacesLeadOn) {
    Profile p = kAfterFirst;
    p.resources = 5000;
    EnterWith(p);
    Settle();
    PayAndSettle();
    Map& map = TheMap();
    ASSERT_EQ(map.player.currentLocation, "BASE_CAMP") << "the first place of the table";
    EXPECT_EQ(Place("SUPPLY_BEACH").state, Placemarker::kNew);
    EXPECT_EQ(Place("PALM_GROVE").state, Placemarker::kFound) << "nothing to discover there";

    struct Miss {
        const char* what;
        const char* place;
        int dx, dy;
    };
    const Miss misses[] = {
        {"50 px away", "SUPPLY_BEACH", 30, 40},
        {"a grey marker", "REEF_LOOKOUT", 0, 0},
        {"where the player stands", "BASE_CAMP", 0, 0},
    };
    for (const Miss& m : misses) {
        SCOPED_TRACE(m.what);
        ClickNear(m.place, m.dx, m.dy);
        EXPECT_FALSE(map.player.Travelling());
        EXPECT_EQ(map.player.currentLocation, "BASE_CAMP");
    }

    ClickNear("PALM_GROVE", 35, 35);   // 49.5 px
    EXPECT_TRUE(map.player.Travelling());
    EXPECT_EQ(GetPlayerString(kLastPlace, ""), "PALM_GROVE");
    Settle();
    EXPECT_TRUE(map.ExpeditionMode()) << "an empty place never ends the expedition";
    EXPECT_EQ(GetPlayerInt("LOCATIONS", "PALM_GROVE", 0), 1);
    EXPECT_EQ(Place("THORN_GULLY").state, Placemarker::kNew);
    EXPECT_EQ(Place("SUPPLY_BEACH").state, Placemarker::kUnreachable);
    EXPECT_TRUE(seen.size() == 1u) << "only the expedition dialog";
}

// A passed blocker has made the expedition: cancelling it then neither refunds nor takes back the
// count the blocker added.
TEST_F(MapTest, CancellingAfterAPassedBlockerKeepsWhatItOpened) {
    EnterWith({2, 5000, "PALM_GROVE", {"DRIFTWOOD_COAST", "THORN_WOODS"}, {"MED_SUPPLIES", "BSUPPLY"}, false});
    Settle();
    PayAndSettle();
    Map& map = TheMap();
    ClickNear("THORN_GULLY", 0, 0);
    Settle();
    ASSERT_EQ(Expeditions(), 4) << "the expedition and the blocker";
    EXPECT_TRUE(map.FindLandmass("TURTLE_COAST")->Visible());
    EXPECT_EQ(Place("JUNGLE_TRAIL").state, Placemarker::kFound);

    ASSERT_TRUE(StepUntil(200, [&] { return Map::ReadyForInput(map.cancelSlide, map.cancelButton); }));
    map.OnButton(&map.cancelButton);
    EXPECT_FALSE(map.ExpeditionMode());
    EXPECT_EQ(Expeditions(), 4);
    EXPECT_EQ(GetPlayerInt(nullptr, kResources, -1), 0);
}

// The end of the island leads to the survey; the expedition is over before the map is left, so
// leaving returns nothing.
TEST_F(MapTest, PicoruEndsTheExpeditionAndLeadsToTheSurvey) {
    EnterWith({10, 5000, "JUNGLE_ENTRANCE", {}, {}, false});
    Settle();
    PayAndSettle();
    Map& map = TheMap();
    ClickNear("PICORU", 0, 0);
    ASSERT_TRUE(StepUntil(300, [&] { return Frame().currentState != &map; }));
    EXPECT_EQ(Frame().currentState, &game->SurveyState());
    EXPECT_EQ(GetPlayerInt(nullptr, kResources, -1), 0);
    EXPECT_EQ(Expeditions(), 11);
    EXPECT_EQ(GetPlayerInt(nullptr, "SURVEY_REACHED", 0), 1);
    EXPECT_EQ(GetPlayerString(kLastPlace, ""), "JUNGLE_ENTRANCE");
}

TEST_F(MapTest, AnOpenTipMovesWithTheCamera) {
    Profile tips = kAfterFirst;
    tips.tips = true;
    EnterWith(tips);
    Map& map = TheMap();
    ASSERT_TRUE(StepUntil(5, [&] { return Frame().secondary == &game->Tip(); })) << "the first map tip";
    TipDialog& tip = game->Tip();
    const LDvPoint frameAt{static_cast<int>(tip.frame.x), static_cast<int>(tip.frame.y)};
    const LDvPoint pointAt{tip.tipX, tip.tipY};

    map.pan.Start({map.view.viewX, map.view.viewY}, {map.view.viewX + 120, map.view.viewY - 70});
    ASSERT_TRUE(StepUntil(200, [&] { return !map.pan.Running(); }));
    ASSERT_EQ(Frame().secondary, &tip);
    EXPECT_EQ(tip.tipX - pointAt.x, 120);
    EXPECT_EQ(tip.tipY - pointAt.y, -70);
    EXPECT_EQ(static_cast<int>(tip.frame.x) - frameAt.x, 120);
    EXPECT_EQ(static_cast<int>(tip.frame.y) - frameAt.y, -70);
}

TEST_F(MapTest, DraggingKeeps250PixelsOfTheMapOnScreen) {
    Profile p = kAfterFirst;
    p.resources = 5000;
    EnterWith(p);
    Settle();
    Map& map = TheMap();
    map.OnDragStart(800, 450);
    for (int i = 0; i < 200; ++i) map.OnDrag(0, 0, 0, 0, -50, 0);
    map.OnDragEnd(0, 0);
    EXPECT_EQ(-map.view.viewX, map.bounds.right - Map::kDragMargin);
    for (int i = 0; i < 200; ++i) map.OnDrag(0, 0, 0, 0, 0, 50);
    map.OnDragEnd(0, 0);
    EXPECT_EQ(-map.view.viewY, map.bounds.top - 900 + Map::kDragMargin);

    map.OnButton(&map.expeditionButton);
    map.OnDrag(0, 0, 0, 0, 300, 0);
    EXPECT_EQ(map.view.dragX, 0) << "no dragging during an expedition";
}

// Without a player the camp's land, at count 0, is revealed again on every visit.
TEST_F(MapTest, WithoutAPlayerNothingIsWritten) {
    Enter();
    Map& map = TheMap();
    EXPECT_FALSE(IsPlayerSelected());
    EXPECT_TRUE(map.FindLandmass("CAMP")->Animating());
    Settle();
    EXPECT_TRUE(map.FindLandmass("CAMP")->Visible());
    EXPECT_FALSE(map.FindLandmass("DRIFTWOOD_COAST")->Visible());
    map.OnButton(&map.expeditionButton);
    Settle();
    EXPECT_EQ(map.resources, 0);
    EXPECT_TRUE(map.ExpeditionMode());
    EXPECT_FALSE(map.FindLandmass("DRIFTWOOD_COAST")->Visible()) << "the count stays 0 without a player";
    EXPECT_EQ(map.player.currentLocation, "BASE_CAMP");
}

TEST_F(MapTest, TheCampButtonFadesBackToTheCamp) {
    EnterWith(kAfterFirst);
    Settle();
    Map& map = TheMap();
    map.OnButton(&map.campButton);
    EXPECT_TRUE(map.ScreenFading());
    EXPECT_EQ(game->screenFade.nextState, &game->CampState());
}
