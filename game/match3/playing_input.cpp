// The player's hands on the play screen: clicks and drags become board moves and wind-bonus
// clicks; the buttons restart, leave, continue or open the menu.
#include "game/match3/playing.h"

#include <cstdlib>

#include "engine/k_event.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/data/localization.h"
#include "game/match3/aimer_cursor.h"
#include "game/match3/board.h"
#include "game/match3/wind_bonus.h"
#include "game/match3/wind_god_button.h"

namespace {

constexpr int kEscapeKey = 24;
constexpr int kTextRestartLevel = 69;
constexpr int kTextBackToCamp = 70;

bool Neighbours(LDvPoint a, LDvPoint b) { return std::abs(a.x - b.x) + std::abs(a.y - b.y) == 1; }

bool SameCell(LDvPoint a, LDvPoint b) { return a.x == b.x && a.y == b.y; }

bool NearWindButton(int x, int y) {
    const int dx = x - WindBonus::kButtonCentre.x;
    const int dy = y - WindBonus::kButtonCentre.y;
    return dx * dx + dy * dy < WindBonus::kButtonRadius * WindBonus::kButtonRadius;
}

}  // namespace

bool Playing::inputAllowed() const {
    return overlaysCreated && !paused && Frame().currentState == this && !values.levelOver && !board->editMode &&
           !board->revealing && !board->outroRunning && board->windTicks == 0;
}

void Playing::OnClick(int x, int y) {
    if (!inputAllowed()) return;
    const LDvPoint point{x, y};
    if (wind->handleLeftClick(point)) {
        if (board->windTicks != 0) values.windRunning = true;
        return;
    }
    boardClick(point);
}

void Playing::boardClick(LDvPoint point) {
    LDvPoint cell;
    if (!board->screenToCell(point, cell)) return;
    const LDvPoint selected = board->selected;
    if (SameCell(cell, selected)) {
        board->clickSelected(cell);
    } else if (selected.x >= 0 && Neighbours(selected, cell)) {
        board->startSwap(selected, cell);
    } else {
        board->select(cell);
    }
}

void Playing::OnRightClick(int, int) {
    if (!inputAllowed()) return;
    wind->cancelWind();
}

void Playing::OnKeyDown(int engineKeyCode, bool) {
    if (editing()) {
        editKeyDown(engineKeyCode);
        return;
    }
    if (engineKeyCode == kEscapeKey && inputAllowed()) wind->stopAiming();
}

void Playing::OnMouseMove(int x, int y, bool, bool) {
    edit.pointer = {x, y};
    if (!overlaysCreated) return;
    aimer->moveTo(x, y);
    windButton->hovered = NearWindButton(x, y);
}

void Playing::OnDragStart(int x, int y) {
    dragArmed = false;
    if (!inputAllowed()) return;
    LDvPoint cell;
    if (!board->screenToCell({x, y}, cell)) return;
    board->highlightCell(cell);
    dragCell = cell;
    dragArmed = true;
}

// Horizontal wins when both distances are long enough.
void Playing::OnDrag(int x, int y, int dxFromStart, int dyFromStart, int, int) {
    edit.pointer = {x, y};
    if (overlaysCreated) aimer->moveTo(x, y);
    if (!dragArmed || !inputAllowed()) return;
    LDvPoint other = dragCell;
    if (std::abs(dxFromStart) >= kDragThreshold) {
        other.x += dxFromStart > 0 ? 1 : -1;
    } else if (std::abs(dyFromStart) >= kDragThreshold) {
        other.y += dyFromStart > 0 ? 1 : -1;
    } else {
        return;
    }
    dragArmed = false;
    board->startSwap(dragCell, other);
}

void Playing::OnDragEnd(int, int) { dragArmed = false; }

void Playing::OnButton(LDvOverlay* button) {
    if (paused) return;
    if (button == &retryButton) {
        startLevel();
    } else if (button == &leaveButton) {
        leaveLevel(false, editMode);
    } else if (button == &continueButton) {
        leaveLevel(true, editMode);
    } else if (button == &menuButton) {
        openMenu();
    }
}

void Playing::openMenu() {
    if (!runMenu) {
        Log("no options dialog for the play screen's menu");
        return;
    }
    dragArmed = false;
    switch (runMenu(GetText(kTextRestartLevel), GetText(kTextBackToCamp))) {
    case MenuAnswer::Restart: startLevel(); break;
    case MenuAnswer::Leave: leaveLevel(false, editMode); break;
    case MenuAnswer::Close: break;
    }
}
