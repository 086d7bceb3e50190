// The play screen in the level editor's edit mode: the design it opens, the keys that change it
// and the test play that escape starts.
#include "game/match3/playing.h"

#include "engine/k_event.h"
#include "framework/core/frame_context.h"
#include "game/app/game_view.h"
#include "game/match3/board.h"

namespace {

constexpr int kMessageFont = 3;
constexpr int kMessageCentreY = 770;       // over the bar, below the board

}  // namespace

// The design comes straight from the editor, not through the player's level: the order of
// "LEVEL_ORDER" cannot send a save to another design than the one shown.
void Playing::enterEditedDesign() {
    values.fileNumber = edit.design;
    values.levelNumber = edit.design >= 0 ? edit.design + 1 : 1;
    values.chapterBackground = edit.background;
    edit.loadDesign(levelData, levelBorders);
    edit.message.font = &game.Font(kMessageFont);
    edit.message.centreY = kMessageCentreY;
}

bool Playing::editing() const {
    return overlaysCreated && editMode && board->editMode && !paused && Frame().currentState == this;
}

void Playing::OnChar(int character, bool) {
    if (editing()) edit.onChar(character, *board, levelData);
}

void Playing::editKeyDown(int engineKeyCode) {
    if (engineKeyCode == K_KEY_ESCAPE) {
        startTestPlay();
        return;
    }
    edit.onKey(engineKeyCode, *board, levelData);
}

// The key list would hide the board's right-hand squares during play; the banner stays.
void Playing::startTestPlay() {
    levelBorders = board->borders;
    startLevel();
    editInstructions.hidden = true;
}
