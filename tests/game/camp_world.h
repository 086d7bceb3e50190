#pragma once
// The camp's test ground: the default data with the test's own build and page tables (and
// placeholder pictures for camp art the default data lacks), the whole game running in the camp
// through PlayWorld, and the steps a player takes there: waiting for menus to come to rest and
// pressing the sliding touch buttons, which answer a moment after the press.
#include <string>

#include "tests/game/play_world.h"

class Camp;
class LDvTouchButton;
class SlidingUIGroup;

// Five groups in the order the camp's drawing layers expect; the huts cost what level 1 earns.
inline constexpr char kTestBuildTable[] =
    "[HUTS]\n"
    "BUILDING1=test_hut;900,560;0,0;0\n"
    "BUILDING2=test_hut;1010,580;0,0;60\n"
    "NAME=Huts\nDESCRIPTION=Dry beds for the crew.\nLOCKED=\nPRICE=800\n"
    "[UPG_HUTS]\nBUILDING1=test_upgrade;900,520;0,0;0\n"
    "NAME=Hut Upgrade\nDESCRIPTION=Real roofs.\nLOCKED=The crew needs building materials first.\nPRICE=2000\n"
    "[LAB]\nBUILDING1=test_lab;700,560;0,0;0\n"
    "NAME=Laboratory\nDESCRIPTION=A place to study.\nLOCKED=\nPRICE=1500\n"
    "[CLINIC]\nBUILDING1=test_clinic;1200,560;0,0;0\n"
    "NAME=Clinic\nDESCRIPTION=Care for the crew.\nLOCKED=We need medical supplies.\nPRICE=3000\n"
    "[FINISH_CAMP]\nBUILDING1=test_finish;600,600;0,0;0\n"
    "NAME=Finish Camp\nDESCRIPTION=A proper camp.\nLOCKED=\nPRICE=5000\n";

inline constexpr int kTestHutsPrice = 800;

inline constexpr char kTestGuideTable[] =
    "[INTRO]\nPAGE_TYPE=SINGLE_TOP\nSKETCH=1\nHEADER=Our Island\nBODY=Sand, palms and a reef.\n"
    "[HISTORY]\nPAGE_TYPE=DOUBLE_LEFT\nSKETCH=2\nHEADER=The Legend\nBODY=An island on no chart.\n";

class CampData : public MirroredData {
public:
    explicit CampData(const std::string& buildTable = kTestBuildTable,
                      const std::string& guideTable = kTestGuideTable);
};

// Progress for a player who has seen the first announcement and every camp tip, at `level`.
void PrepareSeasonedPlayer(int level, int resources, bool tipsOn);

// True once the entry has slid in and rested long enough to take a press.
bool Settled(SlidingUIGroup& group, int entry);
bool InCamp(PlayWorld& world);
Camp& TheCamp(PlayWorld& world);
// Steps until the camp is in and its fade-in has ended.
bool WaitForCamp(PlayWorld& world);
// Enters the camp afresh (leaving it first when it is current), as after a level, and waits.
bool EnterCamp(PlayWorld& world);
// Waits until the button's entry can take a press, presses it and waits for its hold to end.
bool Press(PlayWorld& world, SlidingUIGroup& group, int entry);
bool PressPlay(PlayWorld& world);
// Plays the current level to the win and continues from the level-end screen.
bool WinTheLevel(PlayWorld& world);
// Answers the build dialog as a player would: Build when it can be used, else Cancel; stories and
// tips are closed.
LDvOverlay* ConfirmWhenPossible(LDvState& dialog);
