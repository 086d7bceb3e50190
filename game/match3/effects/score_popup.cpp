#include "game/match3/effects/score_popup.h"

#include <cmath>
#include <string>

#include "framework/core/game_log.h"

namespace {

constexpr int kPopupSteps = 25;

struct PopupKind {
    int amount;
    int frame;
    int rise;
};
constexpr PopupKind kPopups[] = {{5, 0, 5}, {10, 1, 5}, {50, 2, 20}, {100, 3, 50}, {150, 4, 50}};

}  // namespace

ScorePopup::ScorePopup(int amount, LDvPoint at, LDvSprite& sprite) : sheet(sprite), remaining(kPopupSteps) {
    x = static_cast<float>(at.x);
    y = static_cast<float>(at.y);
    for (const PopupKind& kind : kPopups) {
        if (kind.amount != amount) continue;
        frame = kind.frame;
        rise = kind.rise;
        return;
    }
    Log("no score popup for :" + std::to_string(amount));
}

void ScorePopup::OnTick(int) {
    if (finished) return;
    --remaining;
    offset = static_cast<float>(rise) * std::sqrt(Elapsed(remaining, kPopupSteps));
    if (remaining <= 0) Finish();
}

void ScorePopup::Draw() {
    if (finished) return;
    SpriteLook look;
    look.frame = frame;
    DrawCentred(sheet, x, y - offset, look);
}
