// The map's step and its input: the order of the step, the map's tips, the camera, clicks, the
// buttons and dragging the map.
#include "game/expedition/map.h"

#include <algorithm>

#include "framework/core/black_out.h"
#include "framework/core/frame_context.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/cursor_sprite.h"
#include "game/app/game_view.h"
#include "game/expedition/camp_map_tips.h"
#include "game/expedition/map_progress_keys.h"
#include "game/expedition/progress_flags.h"
#include "game/expedition/tip_dialog.h"

namespace {

constexpr const char* kTipsSection = "TIPS";
constexpr const char* kTortugaFoundKey = "TORTUGA_BEACH_FOUND";
constexpr const char* kSecondTipPlace = "SUPPLY_BEACH";

// The drag offset on one axis after a movement of `step`, stopped where only `margin` pixels of
// the map's extent [low, high] would be left on a canvas `size` pixels long. A view that is beyond
// that already is never pushed further out.
int32_t BoundedDrag(int32_t view, int32_t drag, int step, int low, int high, int size, int margin) {
    const int far = high - margin;           // the map moved left (or up) as far as it may go
    const int near = low - size + margin;    // ... and right (or down)
    const int now = -(view + drag);
    int next = -(view + drag + step);
    if (step < 0) next = std::min(next, std::max(far, now));
    if (step > 0) next = std::max(next, std::min(near, now));
    return -next - view;
}

}  // namespace

void Map::Update() {
    if (ScreenFading()) return;
    TickSlides();
    if (firstTick && !RevealRunning()) {
        firstTick = false;
        BringMainButtonsIn(true);
    }
    OfferTips();
    if (markersPending && !RevealRunning()) ShowMarkers();
    player.Step();
    if (iconsPending && !RevealRunning()) {
        iconsPending = false;
        RefreshIcons();
    }
    if (player.TakeArrival()) Arrive();
    StepPan();
}

// A tip is remembered in the player's progress; without a player it would come back every step.
void Map::OfferTips() {
    if (!IsPlayerSelected() || !TipsOn() || Frame().secondary != nullptr) return;
    if (ShowCampMapTip(game, kFirstMapTip)) return;
    if (expeditionMode == 0 || pan.Running() || ProgressFlag(kTipsSection, kSecondMapTip.key) ||
        ProgressFlag(kMapSection, kTortugaFoundKey)) {
        return;
    }
    const Placemarker* beach = FindLocation(kSecondTipPlace);
    if (beach != nullptr && !beach->hidden) ShowCampMapTip(game, kSecondMapTip, ScreenPointOf(beach->position));
}

// The open tip keeps pointing at its spot on the map while the camera moves.
void Map::StepPan() {
    if (!pan.Running()) return;
    const LDvPoint next = pan.Step();
    const int dx = next.x - view.viewX;
    const int dy = next.y - view.viewY;
    view.viewX = next.x;
    view.viewY = next.y;
    if (Frame().secondary == &game.Tip()) game.Tip().MoveBy(dx, dy);
}

void Map::OnClick(int x, int y) {
    if (ScreenFading()) return;
    if (TouchButtonAt(x, y)) return;
    if (expeditionMode != 0 && !player.Travelling()) ChooseDestination(x, y);
}

void Map::OnButton(LDvOverlay* button) {
    if (ScreenFading()) return;
    if (button == &menuButton) {
        CloseTip();
        OpenOptions();
    } else if (button == &expeditionButton) {
        CloseTip();
        StartExpedition();
    } else if (button == &campButton) {
        CloseTip();
        game.ScreenFade().FadeToState(false, &game.CampState());
    } else if (button == &cancelButton) {
        if (ReadyForInput(cancelSlide, cancelButton) && !player.Travelling()) CancelExpedition(false);
    }
}

bool Map::DragAllowed() const { return !RevealRunning() && !pan.Running() && expeditionMode == 0; }

void Map::OnDragStart(int, int) {
    game.Cursor().SetCursorName(kMapPointerArrow);
    CloseTip();
}

void Map::OnDrag(int, int, int, int, int dxFromLast, int dyFromLast) {
    if (!DragAllowed()) return;
    view.dragX = BoundedDrag(view.viewX, view.dragX, dxFromLast, bounds.left, bounds.right, kMapCanvasWidth, kDragMargin);
    view.dragY = BoundedDrag(view.viewY, view.dragY, dyFromLast, bounds.top, bounds.bottom, kMapCanvasHeight, kDragMargin);
}

void Map::OnDragEnd(int, int) {
    view.viewX += view.dragX;
    view.viewY += view.dragY;
    view.dragX = view.dragY = 0;
    if (DragAllowed() && IsPlayerSelected() && TipsOn()) ShowCampMapTip(game, kWhyExploreTip);
}
