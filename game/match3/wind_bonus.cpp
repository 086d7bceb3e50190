#include "game/match3/wind_bonus.h"

#include "framework/data/player_profiles.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/match3/board.h"
#include "game/match3/tornado.h"

WindBonus::WindBonus(Board& gameBoard, Tornado& windTornado, CursorSwitch onAiming)
    : board(gameBoard), tornado(windTornado), cursorSwitch(std::move(onAiming)) {
    board.onCoinCollected = [this] { coinCollected(); };
}

WindBonus::~WindBonus() { board.onCoinCollected = nullptr; }

void WindBonus::startLevel() {
    const bool player = IsPlayerSelected();
    count = player ? GetPlayerInt(nullptr, "WBS", 0) : 0;
    active = player && GetPlayerInt(nullptr, "WBS_ACTIVE", 0) != 0;
    aiming = false;
    flashTicks = 0;
}

bool WindBonus::nearButton(LDvPoint click) {
    const int dx = click.x - kButtonCentre.x;
    const int dy = click.y - kButtonCentre.y;
    return dx * dx + dy * dy < kButtonRadius * kButtonRadius;
}

bool WindBonus::clicksBlocked() const { return board.windTicks != 0 || board.revealing || board.outroRunning; }

bool WindBonus::handleLeftClick(LDvPoint click) {
    if (clicksBlocked()) return true;
    if (aiming && !nearButton(click)) return fireWind(click);
    return armWind(click);
}

bool WindBonus::armWind(LDvPoint click) {
    LDvPoint cell;
    if (clicksBlocked() || !nearButton(click) || board.screenToCell(click, cell) || count <= 0) return false;
    setAiming(true);
    PlayGameSound(sounds::kButtonClick);
    return true;
}

void WindBonus::cancelWind() {
    stopAiming();
    board.clearSelection();
}

void WindBonus::stopAiming() {
    if (!aiming) return;
    setAiming(false);
    PlayGameSound(sounds::kButtonClick);
}

bool WindBonus::fireWind(LDvPoint click) {
    LDvPoint cell;
    if (!aiming || clicksBlocked() || nearButton(click) || !board.findWindTarget(click, cell)) return false;
    count = count > 0 ? count - 1 : 0;
    storeCount();
    setAiming(false);
    tornado.start(click.x, click.y + kTornadoDrop);
    board.startWind(click);
    PlayGameSound(sounds::kWindBonus);
    return true;
}

void WindBonus::coinCollected() {
    count = (IsPlayerSelected() ? GetPlayerInt(nullptr, "WBS", 0) : 0) + 1;
    storeCount();
    PlayGameSound(sounds::kCollectedDisc);
    active = true;
    flashTicks = kCountFlashTicks;
}

void WindBonus::step() {
    if (flashTicks > 0) --flashTicks;
}

void WindBonus::setAiming(bool on) {
    aiming = on;
    if (cursorSwitch) cursorSwitch(on);
}

void WindBonus::storeCount() {
    if (IsPlayerSelected()) SetPlayerInt(nullptr, "WBS", count);
}
