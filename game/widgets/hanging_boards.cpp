#include "game/widgets/hanging_boards.h"

#include "framework/ui/ldv_overlay.h"

namespace {

constexpr int kRestY = -20;
constexpr float kGravity = 0.25f;
constexpr int kMenuX = 212;
constexpr float kMenuHop = -1.5f;          // initial speeds; negative hops up before falling
constexpr int kLevelX = 384;
constexpr float kLevelHop = 0.0f;
constexpr int kScoreX = 518;
constexpr float kScoreHop = -1.0f;

void Hang(SlidingUI& drop, LDvOverlay& overlay, int x) {
    drop.overlays.Clear();
    drop.offsets.Clear();
    drop.Attach(&overlay, {0, 0});
    drop.startX = drop.endX = drop.currentX = static_cast<float>(x);
    drop.startY = drop.currentY = static_cast<float>(-overlay.GetHeight());
    drop.endY = static_cast<float>(kRestY);
    drop.PlaceOverlays();
}

void Fall(SlidingUI& drop, float hop) {
    drop.currentX = drop.startX;
    drop.currentY = drop.startY;
    drop.PlaceOverlays();
    drop.Drop(hop, kGravity);
}

}  // namespace

void HangingBoards::SetUp(LDvOverlay& menuButton, LDvOverlay& levelBoard, LDvOverlay& scoreBoard) {
    Hang(menu, menuButton, kMenuX);
    Hang(level, levelBoard, kLevelX);
    Hang(score, scoreBoard, kScoreX);
}

void HangingBoards::Drop() {
    Fall(menu, kMenuHop);
    Fall(level, kLevelHop);
    Fall(score, kScoreHop);
}

void HangingBoards::Tick() {
    menu.Tick();
    level.Tick();
    score.Tick();
}
