#include "game/editor/play_edit_mode.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "engine/k_event.h"
#include "framework/core/folders.h"
#include "game/editor/edit_keys.h"
#include "game/match3/board.h"
#include "game/match3/board_cell.h"

namespace {

constexpr int kSaveKey = 's';

LDvString DesignName(int design) { return "design " + std::to_string(design); }

}  // namespace

void PlayEditMode::loadDesign(LevelWords& words, LevelBorders& borders) const {
    if (design == kNoDesign) {
        words = builtInLevelWords();
        borders.fill(0);
        return;
    }
    // What the editor's page shows for a design without files, so the two agree.
    if (!loadLevelFiles(design, words, borders)) words.fill(kCellActive);
}

bool PlayEditMode::onChar(int character, Board& board, LevelWords& words) {
    const int key = character > 0 && character < 128 ? std::tolower(character) : character;
    if (key == kSaveKey) return save(board, words);
    return cellKey(key, board, words) || borderKey(key, board, words);
}

bool PlayEditMode::onKey(int engineKeyCode, Board& board, LevelWords& words) {
    switch (engineKeyCode) {
    case K_KEY_BACKSPACE: return cellKey(kCellKeyRemove, board, words);
    case K_KEY_LEFT: return stepBorderValue(-1, board);
    case K_KEY_RIGHT: return stepBorderValue(1, board);
    default: return false;
    }
}

bool PlayEditMode::cellKey(int key, Board& board, LevelWords& words) {
    LDvPoint cell;
    if (!board.screenToCell(pointer, cell)) return false;
    uint32_t& word = words[static_cast<size_t>(cell.x + kLevelColumns * cell.y)];
    uint32_t changed = word;
    if (!applyCellKey(key, changed)) return false;
    word = changed;
    *board.cellAt(cell.x, cell.y) = decodeCellWord(word);
    return true;
}

bool PlayEditMode::borderKey(int key, Board& board, const LevelWords& words) {
    if (key != 'b' && key != 'n' && key != 'v' && key != 'm') return false;
    LDvPoint point;
    if (!borderPointUnder(pointer, point)) return false;
    int16_t& border = board.borders[static_cast<size_t>(borderIndexOf(point))];
    switch (key) {
    case 'b': border = static_cast<int16_t>(borderValue); break;
    case 'n': border = 0; break;
    case 'v': borderValue = std::clamp<int>(border, kMinBorderValue, kMaxBorderValue); break;
    default: border = static_cast<int16_t>(fittingBorderPiece(words, point)); break;
    }
    return true;
}

bool PlayEditMode::stepBorderValue(int delta, Board& board) {
    const int next = borderValue + delta;
    if (next < kMinBorderValue || next > kMaxBorderValue) return false;
    borderValue = next;
    LDvPoint point;
    if (!borderPointUnder(pointer, point)) return true;
    board.borders[static_cast<size_t>(borderIndexOf(point))] = static_cast<int16_t>(borderValue);
    return true;
}

bool PlayEditMode::save(const Board& board, const LevelWords& words) {
    if (design == kNoDesign) {
        message.show("No design was chosen in the editor: nothing saved");
        return false;
    }
    if (!saveLevelFiles(design, words, board.borders)) {
        message.show("Could not save " + DesignName(design) + ": " + GetDataRoot() + "levels is not writable");
        return false;
    }
    message.show("Saved " + DesignName(design));
    return true;
}
