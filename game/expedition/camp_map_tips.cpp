#include "game/expedition/camp_map_tips.h"

#include "framework/data/localization.h"
#include "game/expedition/tip_dialog.h"

bool ShowCampMapTip(GameView& game, const TipSpot& tip) { return ShowCampMapTip(game, tip, tip.point); }

bool ShowCampMapTip(GameView& game, const TipSpot& tip, LDvPoint point) {
    return ShowTipOnce(game, tip.key, GetText(tip.text), point, false, tip.below, false);
}
