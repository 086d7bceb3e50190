#pragma once
// The level editor's way of moving a whole design between a board and the level files of the
// data folder. The board is borrowed for the call only.
#include "game/match3/board.h"

// Sets the board up from design F (level number 0, no air coins). Without a readable cell file
// the field is all active and empty: no entries, locks, colours, presets, random fill or pieces.
// Borders come from the border file, or are cleared without one.
void loadLevelInto(Board& board, int fileNumber);
// The board's cells as the words of a cell file (row-major).
LevelWords boardLevelWords(const Board& board);
// Writes the board's cells and borders as design F; false (logged) when a file could not be
// written, which leaves that file as it was.
bool saveLevel(const Board& board, int fileNumber);
