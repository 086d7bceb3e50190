#pragma once
// The play screen's edit mode, entered from the level editor: single keys change the cell or the
// border point under the pointer, "s" saves the design over its files, escape test-plays it. The
// play screen owns one for its whole life and hands it its board and level data with each key;
// what a save did shows in the message, which the play screen registers with its overlays.
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "game/editor/editor_message.h"
#include "game/match3/level_files.h"

class Board;

class PlayEditMode {
public:
    static constexpr int kNoDesign = -1;

    // The design the editor opened into the play screen's level data: the built-in level without
    // a design, an empty all-field canvas when the design has no readable cell file yet.
    void loadDesign(LevelWords& words, LevelBorders& borders) const;
    // A typed character: a cell key, a border key or "s". False when it is none of them.
    bool onChar(int character, Board& board, LevelWords& words);
    // Backspace and the two arrows. False for any other key.
    bool onKey(int engineKeyCode, Board& board, LevelWords& words);
    // Writes the design's two files; says so, or why nothing was written.
    bool save(const Board& board, const LevelWords& words);

    int32_t design = kNoDesign;          // the file number being edited, kNoDesign for none
    int32_t background = 1;              // the play screen's scenery for the test play
    int32_t borderValue = 1;             // the border piece "b" writes, 1..30
    LDvPoint pointer{-1, -1};            // the mouse on the canvas, where keys act
    EditorMessage message;

private:
    bool cellKey(int key, Board& board, LevelWords& words);
    bool borderKey(int key, Board& board, const LevelWords& words);
    bool stepBorderValue(int delta, Board& board);
};
