#include "game/match3/board_level_files.h"

#include "game/match3/board_cell.h"
#include "game/match3/level_files.h"

namespace {

// An editor canvas: every cell part of the field, nothing preset and nothing filled at start.
BoardCell BlankCell() {
    BoardCell cell;
    cell.randomFill = false;
    return cell;
}

}  // namespace

void loadLevelInto(Board& board, int fileNumber) {
    LevelWords words{};
    if (readCellFile(fileNumber, words)) {
        board.setupLevel(words, 0, false);
    } else {
        // A thumbnail reused for a missing design must not keep the previous design's pieces.
        board.clearAll();
        board.entries.Clear();
        board.cells.fill(BlankCell());
    }
    LevelBorders borders{};
    if (!readBorderFile(fileNumber, borders)) borders.fill(0);
    board.borders = borders;
}

LevelWords boardLevelWords(const Board& board) {
    LevelWords words{};
    for (int row = 0; row < kLevelRows; ++row) {
        for (int col = 0; col < kLevelColumns; ++col) {
            words[static_cast<size_t>(col + kLevelColumns * row)] =
                encodeCellWord(board.cells[static_cast<size_t>(Board::cellIndex(col, row))]);
        }
    }
    return words;
}

bool saveLevel(const Board& board, int fileNumber) {
    return saveLevelFiles(fileNumber, boardLevelWords(board), board.borders);
}
