#include "tests/game/camp_world.h"

#include <utility>

#include "framework/core/frame_context.h"
#include "framework/core/state_control.h"
#include "framework/data/player_profiles.h"
#include "game/app/match3.h"
#include "game/expedition/camp.h"
#include "game/expedition/icon_dlg.h"
#include "game/match3/playing.h"

namespace {

constexpr int kSettleLimit = 400;
constexpr int kHoldSteps = 20;             // a touch button answers 18 steps after the press
constexpr int kFadeLimit = 120;
constexpr int kLevelEndLimit = 900;

struct Placeholder {
    const char* name;
    int width, height;
    unsigned rgb;
};
// Plain pictures where the default data has no camp art yet, each its own colour.
constexpr Placeholder kPlaceholders[] = {
    {"img/states/camp/back.jpg", 1600, 900, 0x3a7bb0},
    {"img/states/camp/btnplay.png", 150, 120, 0x20c040},
    {"img/states/camp/btnbuild.png", 130, 110, 0xc08020},
    {"img/states/camp/btnexplore.png", 130, 110, 0x2080c0},
    {"img/states/camp/btnfieldguide.png", 130, 110, 0x806040},
    {"img/states/camp/btnback.png", 130, 110, 0x808080},
    {"img/states/camp/btnbuildhuts.png", 140, 120, 0xa06030},
    {"img/states/camp/btnupgradehuts.png", 140, 120, 0xa07040},
    {"img/states/camp/btnbuildlab.png", 140, 120, 0x6060a0},
    {"img/states/camp/btnbuildclinic.png", 140, 120, 0xe0e0e0},
    {"img/states/camp/btnfinishcamp.png", 140, 120, 0x40a040},
    {"img/states/camp/btnlowcash.png", 48, 48, 0xff0000},
    {"img/states/camp/btnlocked.png", 48, 48, 0x400000},
    {"img/states/camp/btnbuilt.png", 48, 48, 0x00ff00},
    {"img/states/camp/palm1.png", 16 * 60, 120, 0x206020},
    {"img/states/camp/palm2.png", 16 * 60, 120, 0x207020},
    {"img/states/camp/palm3.png", 16 * 60, 120, 0x208020},
    {"img/states/camp/palm4.png", 16 * 60, 120, 0x209020},
    {"img/states/camp/hut_icon.png", 120, 120, 0xa06030},
    {"img/states/camp/hut_upg_icon.png", 120, 120, 0xa07040},
    {"img/states/camp/lab_icon.png", 120, 120, 0x6060a0},
    {"img/states/camp/clinic_icon.png", 120, 120, 0xe0e0e0},
    {"img/states/camp/finish_camp_icon.png", 120, 120, 0x40a040},
    {"img/fieldguide/bookbase.png", 1100, 660, 0xf0e0c0},
    {"img/fieldguide/btn_close.png", 50, 50, 0x602010},
    {"img/fieldguide/btn_next.png", 90, 50, 0x602010},
    {"img/fieldguide/btn_prev.png", 90, 50, 0x602010},
    {"img/fieldguide/btn_tasks.png", 110, 60, 0xc0a060},
    {"img/fieldguide/task_tab_overlay.png", 110, 60, 0xe0c080},
    {"img/fieldguide/checkmark.png", 24, 24, 0x108010},
};

// The stage pictures of the test table's buildings: the stages grow brighter.
constexpr const char* kTestBuildings[] = {"test_hut", "test_upgrade", "test_lab", "test_clinic", "test_finish"};
constexpr unsigned kStageColours[] = {0x604020, 0x906030, 0xc08040};

}  // namespace

CampData::CampData(const std::string& buildTable, const std::string& guideTable) {
    for (const Placeholder& picture : kPlaceholders) {
        if (!hasDefault(picture.name)) writePicture(picture.name, picture.width, picture.height, picture.rgb);
    }
    for (int sketch = 0; sketch < 8; ++sketch) {
        const std::string name = "img/fieldguide/sketch_" + std::to_string(sketch) + ".png";
        if (!hasDefault(name)) writePicture(name, 200, 150, 0x404040 + static_cast<unsigned>(sketch) * 0x101010);
    }
    for (const char* building : kTestBuildings) {
        for (int stage = 0; stage < 3; ++stage) {
            writePicture(std::string("img/states/camp/") + building + "_s" + std::to_string(stage + 1) + ".png", 80, 60,
                         kStageColours[stage]);
        }
    }
    write("build.ini", buildTable);
    write("fieldguide.ini", guideTable);
}

void PrepareSeasonedPlayer(int level, int resources, bool tipsOn) {
    SetPlayerInt(nullptr, "CURRENT_LEVEL", level);
    SetPlayerInt(nullptr, "CURRENT_RESOURCES", resources);
    SetPlayerInt(nullptr, "SHOW_TIPS", tipsOn ? 1 : 0);
    SetPlayerInt(nullptr, "SAW_FIRST_ANNOUNCEMENT", 1);
    SetPlayerInt(nullptr, "SAW_MORE_HUTS_ANNOUNCEMENT", 1);
    for (const char* tip : {"SAW_BUILD_TIP", "SAW_FIELDGUIDE_TIP", "SAW_BUILDMENU_TIP", "SAW_EXPLORE_TIP", "PLAY_TIP"}) {
        SetPlayerInt("TIPS", tip, 1);
    }
}

bool Settled(SlidingUIGroup& group, int entry) {
    const SlidingUI* slide = group.Entry(entry);
    return slide != nullptr && slide->IsAtRest() && slide->tweenCounter == 0 && slide->ticksAtRest > 30;
}

bool InCamp(PlayWorld& world) { return Frame().currentState == &world.game().camp; }

Camp& TheCamp(PlayWorld& world) { return world.game().camp; }

bool WaitForCamp(PlayWorld& world) {
    return world.stepUntil([&world] { return InCamp(world) && !TheCamp(world).ScreenFading(); }, kFadeLimit);
}

bool EnterCamp(PlayWorld& world) {
    SetState(&TheCamp(world), &world.game(), false);
    return WaitForCamp(world);
}

bool Press(PlayWorld& world, SlidingUIGroup& group, int entry) {
    if (!world.stepUntil([&] { return Settled(group, entry); }, kSettleLimit)) return false;
    world.clickOn(*group.Entry(entry)->MainOverlay());
    world.steps(kHoldSteps);
    return true;
}

bool WinTheLevel(PlayWorld& world) {
    Playing& play = world.play();
    if (!world.waitForPlay() || !world.playToTheWin()) return false;
    if (!world.stepUntil([&play] { return !play.continueButton.hidden; }, kLevelEndLimit)) return false;
    world.clickOn(play.continueButton);
    return true;
}

LDvOverlay* ConfirmWhenPossible(LDvState& dialog) {
    if (auto* confirm = dynamic_cast<IconDlg*>(&dialog)) {
        return confirm->confirmDisabled ? &confirm->cancelButton : &confirm->confirmButton;
    }
    return PlayWorld::closeStoriesAndTips(dialog);
}

bool PressPlay(PlayWorld& world) {
    Camp& camp = TheCamp(world);
    const auto ready = [&camp] {
        return camp.playSlide.IsAtRest() && camp.playSlide.tweenCounter == 0 && camp.playSlide.ticksAtRest > 30;
    };
    if (!world.stepUntil(ready, kSettleLimit)) return false;
    world.clickOn(camp.playButton);
    world.steps(kHoldSteps);
    return true;
}
