// The move search: the hint shown after a long idle time, and the rescue of a board region that
// has no move left.
#include "game/match3/board.h"

namespace {

constexpr LDvPoint kSteps[4] = {{0, -1}, {1, 0}, {0, 1}, {-1, 0}};  // up, right, down, left
constexpr int kHintDistance = 27;          // pixels from the cell centre to the arrow's centre
constexpr int kUprightArrow = 90;          // degrees

}  // namespace

bool Board::findMoveAt(LDvPoint cell, int& direction) {
    if (!isSelectable(cell)) return false;
    for (int d = 0; d < 4; ++d) {
        const LDvPoint other{cell.x + kSteps[d].x, cell.y + kSteps[d].y};
        if (!isSelectable(other)) continue;
        GamePiece& a = *pieceAt(cell);
        GamePiece& b = *pieceAt(other);
        // Try the exchange in place and put both back before anything else looks.
        movePiece(a, other.x, other.y);
        movePiece(b, cell.x, cell.y);
        MatchList atOther;
        MatchList atCell;
        const bool matchAtOther = findMatches(other, atOther);
        const bool matchAtCell = findMatches(cell, atCell);
        movePiece(b, other.x, other.y);
        movePiece(a, cell.x, cell.y);
        if (matchAtOther || matchAtCell) {
            direction = d;
            return true;
        }
    }
    return false;
}

void Board::hintSearch() {
    for (int col = 0; col < kBoardColumns; ++col) {
        for (int row = 0; row < kBoardRows; ++row) {
            int direction = 0;
            if (!findMoveAt({col, row}, direction)) continue;
            const LDvPoint centre = cellCentre({col, row});
            const bool vertical = direction == kDirectionUp || direction == kDirectionDown;
            const int sign = direction == kDirectionUp || direction == kDirectionLeft ? -1 : 1;
            hintRotation = vertical ? kUprightArrow : 0;
            hintCentre = vertical ? LDvPoint{centre.x, centre.y + sign * kHintDistance}
                                  : LDvPoint{centre.x + sign * kHintDistance, centre.y};
            hintShown = true;
            return;
        }
    }
}

void Board::checkRegions() {
    for (auto& piece : pieces) piece->visited = false;
    GamePiece* seed = randomPiece();
    if (seed == nullptr) return;
    GamePiece* candidate = nullptr;
    bool coloured = false;
    if (!walkRegion(*seed, candidate, coloured)) return;
    if (candidate != nullptr && coloured) createSmallCrystal({candidate->col, candidate->row});
}

// Breadth-first over orthogonally touching pieces. False as soon as the region turns out to have
// a crystal or a move of its own.
bool Board::walkRegion(GamePiece& seed, GamePiece*& candidate, bool& coloured) {
    std::array<GamePiece*, kBoardCellCount> queue{};
    int head = 0;
    int tail = 0;
    seed.visited = true;
    queue[tail++] = &seed;
    while (head < tail) {
        GamePiece& piece = *queue[head++];
        const LDvPoint cell{piece.col, piece.row};
        if (candidate == nullptr && !isLocked(cell)) candidate = &piece;
        const BoardCell* square = cellAt(cell.x, cell.y);
        if (square != nullptr && square->colourLayers > 0) coloured = true;
        if (piece.special && piece.specialKind <= kSpecialExplodingCrystal) return false;
        int direction = 0;
        if (findMoveAt(cell, direction)) return false;
        for (const LDvPoint step : {LDvPoint{-1, 0}, LDvPoint{1, 0}, LDvPoint{0, -1}, LDvPoint{0, 1}}) {
            GamePiece* next = pieceAt(cell.x + step.x, cell.y + step.y);
            if (next == nullptr || next->visited || tail >= kBoardCellCount) continue;
            next->visited = true;
            queue[tail++] = next;
        }
    }
    return true;
}
