#include "game/match3/board_cell.h"

BoardCell decodeCellWord(uint32_t word) {
    BoardCell cell;
    cell.disabled = (word & kCellActive) == 0;
    cell.entry = (word & kCellEntry) != 0;
    if (word & kCellSingleLock) cell.lock = 1;
    if (word & kCellDoubleLock) cell.lock = 2;
    if (word & kCellOneLayer) cell.colourLayers = 1;
    if (word & kCellTwoLayers) cell.colourLayers = 2;
    if (word & kCellRandomFill) cell.randomFill = true;
    if (word & kCellStartsEmpty) {
        cell.startsEmpty = true;
        cell.randomFill = false;
    }
    cell.fixedColour = static_cast<int32_t>((word & kCellColourMask) >> kCellColourShift);
    return cell;
}

uint32_t encodeCellWord(const BoardCell& cell) {
    uint32_t word = 0;
    if (!cell.disabled) word |= kCellActive;
    if (cell.entry) word |= kCellEntry;
    if (cell.lock == 1) word |= kCellSingleLock;
    if (cell.lock == 2) word |= kCellDoubleLock;
    if (cell.colourLayers == 1) word |= kCellOneLayer;
    if (cell.colourLayers == 2) word |= kCellTwoLayers;
    if (cell.randomFill) word |= kCellRandomFill;
    if (cell.startsEmpty) word |= kCellStartsEmpty;
    word |= (static_cast<uint32_t>(cell.fixedColour) << kCellColourShift) & kCellColourMask;
    return word;
}
