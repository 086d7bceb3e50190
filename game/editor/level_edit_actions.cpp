// The editor page's buttons: paging through the sets, and the actions that rewrite designs.
#include <string>

#include "engine/k_event.h"

#include "framework/core/black_out.h"
#include "framework/core/folders.h"
#include "game/app/game_view.h"
#include "game/editor/design_pages.h"
#include "game/editor/level_edit.h"
#include "game/match3/board.h"
#include "game/match3/board_level_files.h"
#include "game/match3/playing.h"

void LevelEdit::OnButton(LDvOverlay* button) {
    if (button == &nextSetButton) {
        nextSet();
    } else if (button == &prevSetButton) {
        prevSet();
    } else if (button == &swapButton) {
        swapDesigns();
    } else if (button == &clearButton) {
        clearDesign();
    } else if (button == &copyButton) {
        copyDesign();
    } else if (button == &pasteButton) {
        pasteDesign();
    } else if (button == &playButton) {
        playDesign();
    }
}

void LevelEdit::OnKeyDown(int engineKeyCode, bool) {
    if (engineKeyCode != K_KEY_ESCAPE) return;
    if (LDvState* title = game.TitleState()) game.ScreenFade().FadeToState(false, title);
}

void LevelEdit::nextSet() {
    if (set >= lastSet) return;
    base = designSetBase(++set);
    loadPage();
    clearSelections();
}

void LevelEdit::prevSet() {
    if (set < 1) return;
    base = designSetBase(--set);
    loadPage();
    clearSelections();
}

bool LevelEdit::saveDesign(int thumbnail, const LevelWords& words, const LevelBorders& borders) {
    const int design = base + thumbnail;
    if (saveLevelFiles(design, words, borders)) return true;
    message.show("Could not save design " + std::to_string(design) + ": " + GetDataRoot() + "levels is not writable");
    return false;
}

void LevelEdit::swapDesigns() {
    if (first == kNone || second == kNone || first == second) return;
    const Board& a = *thumbnails[static_cast<size_t>(first)];
    const Board& b = *thumbnails[static_cast<size_t>(second)];
    const LevelWords wordsA = boardLevelWords(a), wordsB = boardLevelWords(b);
    const LevelBorders bordersA = a.borders, bordersB = b.borders;
    if (saveDesign(first, wordsB, bordersB) && saveDesign(second, wordsA, bordersA)) {
        message.show("Swapped designs " + std::to_string(base + first) + " and " + std::to_string(base + second));
    }
    loadPage();
    clearSelections();
}

void LevelEdit::clearDesign() {
    if (first == kNone) return;
    if (saveDesign(first, builtInLevelWords(), LevelBorders{})) {
        message.show("Cleared design " + std::to_string(base + first));
    }
    loadPage();
    clearSelections();
}

void LevelEdit::copyDesign() {
    if (first == kNone) return;
    const Board& board = *thumbnails[static_cast<size_t>(first)];
    clipboardWords = boardLevelWords(board);
    clipboardBorders = board.borders;
    clipboardValid = true;
    message.show("Copied design " + std::to_string(base + first));
    clearSelections();
}

void LevelEdit::pasteDesign() {
    if (!clipboardValid || first == kNone) return;
    if (saveDesign(first, clipboardWords, clipboardBorders)) {
        message.show("Pasted over design " + std::to_string(base + first));
    }
    loadPage();
    clearSelections();
}

// A test play is the designer's, not the player's: nothing of the player's progress is written,
// the play screen is told the design directly.
void LevelEdit::playDesign() {
    playing.editMode = true;
    playing.edit.design = first == kNone ? PlayEditMode::kNoDesign : base + first;
    playing.edit.background = set + 1;
    game.ScreenFade().FadeToState(false, &playing);
}
