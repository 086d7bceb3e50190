#pragma once
// The tips of the camp and the map: the key that remembers them in the player's "TIPS" section,
// the language text they say and the point their arrow aims at. None has an OK button and none
// runs modally.
#include "framework/core/ldv_string.h"

class GameView;

struct TipSpot {
    const char* key;
    int text;            // language text number
    LDvPoint point;      // canvas pixels
    bool below;          // the box goes below the point
};

inline constexpr TipSpot kPlayTip{"PLAY_TIP", 24, {1236, 750}, false};
inline constexpr TipSpot kBuildTip{"SAW_BUILD_TIP", 19, {481, 760}, false};
inline constexpr TipSpot kFieldGuideTip{"SAW_FIELDGUIDE_TIP", 20, {311, 760}, false};
inline constexpr TipSpot kBuildMenuTip{"SAW_BUILDMENU_TIP", 21, {486, 760}, false};
inline constexpr TipSpot kExploreTip{"SAW_EXPLORE_TIP", 30, {652, 750}, false};
inline constexpr TipSpot kFirstMapTip{"FIRST_MAP_TIP", 54, {781, 376}, false};
// Aims at the location "SUPPLY_BEACH": the map passes that location's point.
inline constexpr TipSpot kSecondMapTip{"SECOND_MAP_TIP", 55, {0, 0}, true};
inline constexpr TipSpot kWhyExploreTip{"WHY_EXPLORE_TIP", 46, {1236, 750}, false};

// Shows the tip once (ShowTipOnce), floating over the current screen; true when it was shown.
bool ShowCampMapTip(GameView& game, const TipSpot& tip);
bool ShowCampMapTip(GameView& game, const TipSpot& tip, LDvPoint point);
