#include "game/editor/edit_keys.h"

#include <cctype>

#include "game/match3/board_border_rule.h"
#include "game/match3/board_cell.h"
#include "game/match3/play_layout.h"

namespace {

// The border keys measure from a little inside the frame's drawn corner.
constexpr int kBorderPickLeft = 195;
constexpr int kBorderPickTop = 35;
constexpr int kCellSize = play_layout::kCellSize;

constexpr uint32_t kLayerBits = 0xF0;      // colour layers, random fill and starts empty
constexpr uint32_t kLockBits = kCellSingleLock | kCellDoubleLock;
constexpr uint32_t kPresetKeep = 0xF0BF;   // of the low 16 bits: all but random fill and the preset
constexpr char kPresetKeys[] = "qwerty";   // no preset, then colours 0..4

bool presetKey(int key, uint32_t& word) {
    for (uint32_t n = 0; kPresetKeys[n] != '\0'; ++n) {
        if (key != kPresetKeys[n]) continue;
        word = (word & kPresetKeep) | n << kCellColourShift;
        return true;
    }
    return false;
}

bool isField(const LevelWords& words, int col, int row) {
    if (col < 0 || col >= kLevelColumns || row < 0 || row >= kLevelRows) return false;
    return (words[static_cast<size_t>(col + kLevelColumns * row)] & kCellActive) != 0;
}

}  // namespace

bool applyCellKey(int key, uint32_t& word) {
    if (key > 0 && key < 128) key = std::tolower(key);
    switch (key) {
    case kCellKeyRemove: word &= ~kCellActive; return true;
    case '1': word = (word & ~kLayerBits) | kCellActive; return true;
    case '2': word = (word & ~kLayerBits) | kCellOneLayer | kCellActive; return true;
    case 'z': word = (word & ~kLockBits) | kCellSingleLock; return true;
    case 'x': word = (word & ~kLockBits) | kCellDoubleLock; return true;
    case 'c': word &= ~kLockBits; return true;
    case '?': word ^= kCellRandomFill; return true;
    case '.': word = (word & ~kCellRandomFill) ^ kCellStartsEmpty; return true;
    case 'd': word ^= kCellEntry; return true;
    default: return presetKey(key, word);
    }
}

bool borderPointUnder(LDvPoint point, LDvPoint& borderPoint) {
    if (point.x < kBorderPickLeft || point.y < kBorderPickTop) return false;
    const LDvPoint found{(point.x - kBorderPickLeft) / kCellSize, (point.y - kBorderPickTop) / kCellSize};
    // Past the frame there is no entry of the border file to write.
    if (found.x >= kLevelBorderColumns || found.y >= kLevelBorderRows) return false;
    borderPoint = found;
    return true;
}

int borderIndexOf(LDvPoint borderPoint) { return borderPoint.x * kLevelBorderRows + borderPoint.y; }

int fittingBorderPiece(const LevelWords& words, LDvPoint borderPoint) {
    return border_rule::pieceAt([&words](int col, int row) { return isField(words, col, row); }, borderPoint.x,
                                borderPoint.y);
}
