#pragma once
// Which border piece ("states/playing/border_<n>.png", n = 1..29) frames the board at a border
// point. Border point (i, j), i = 0..21, j = 0..13, is drawn at (193 + 55 i, 33 + 55 j): exactly
// the square of grid cell (i - 1, j - 1), one ring wider than the 20 x 12 grid. A piece is only
// ever placed on a square that is not part of the field; it paints the frame along the sides
// (edges) and at the corners it shares with the field's squares around it.
//
// Numbering (N, E, S, W are the neighbouring squares above, right, below and left of the point;
// NE, SE, SW, NW the diagonal ones):
//   1..15   frame along the field's edges: n = N?1 + E?2 + S?4 + W?8 (e.g. 4 = field below it,
//           the top edge of the field; 6 = field below and to the right, an inner corner).
//   16..19  a single outer corner, field only diagonally at NE, SE, SW, NW.
//   20..23  two outer corners on one side: NE+SE, SE+SW, SW+NW, NW+NE (the mouth of a notch
//           one square wide).
//   24..27  two edges and the opposite outer corner: N+E with SW, E+S with NW, S+W with NE,
//           W+N with SE (the bend of a one-square-wide L-shaped gap).
//   28      all four outer corners (the middle of a plus-shaped gap).
//   29      two opposite outer corners NE+SW.
// A diagonal square only counts when both sides next to it are not field (otherwise the edge's
// frame already covers that corner). Configurations without a piece of their own (three outer
// corners, NW+SE, an edge with an outer corner beyond it) take the piece of the features they do
// have, dropping outer corners in the order NW, SW, SE, NE until a piece matches.
#include <cstdint>
#include <functional>

namespace border_rule {

enum Edge : uint8_t { kNorth = 1, kEast = 2, kSouth = 4, kWest = 8 };
enum Corner : uint8_t { kNorthEast = 1, kSouthEast = 2, kSouthWest = 4, kNorthWest = 8 };

constexpr int kPieceCount = 29;
constexpr int kPointsAcross = 22;
constexpr int kPointsDown = 14;

struct Features {
    uint8_t edges = 0;    // Edge bits
    uint8_t corners = 0;  // Corner bits
    constexpr bool operator==(const Features& other) const {
        return edges == other.edges && corners == other.corners;
    }
};

// The features each piece draws; index = piece number (0 = none).
constexpr Features kPieces[kPieceCount + 1] = {
    {0, 0},
    {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}, {6, 0}, {7, 0},
    {8, 0}, {9, 0}, {10, 0}, {11, 0}, {12, 0}, {13, 0}, {14, 0}, {15, 0},
    {0, kNorthEast}, {0, kSouthEast}, {0, kSouthWest}, {0, kNorthWest},
    {0, kNorthEast | kSouthEast}, {0, kSouthEast | kSouthWest},
    {0, kSouthWest | kNorthWest}, {0, kNorthWest | kNorthEast},
    {kNorth | kEast, kSouthWest}, {kEast | kSouth, kNorthWest},
    {kSouth | kWest, kNorthEast}, {kWest | kNorth, kSouthEast},
    {0, kNorthEast | kSouthEast | kSouthWest | kNorthWest},
    {0, kNorthEast | kSouthWest},
};

// The piece drawing exactly these features, or the nearest one by the fallback above; 0 for none.
constexpr int pieceFor(Features wanted) {
    constexpr uint8_t kDropOrder[] = {kNorthWest, kSouthWest, kSouthEast, kNorthEast};
    for (int dropped = 0; dropped <= 4; ++dropped) {
        Features f = wanted;
        for (int k = 0; k < dropped; ++k) f.corners &= static_cast<uint8_t>(~kDropOrder[k]);
        for (int n = 1; n <= kPieceCount; ++n) {
            if (kPieces[n] == f) return n;
        }
    }
    return 0;
}

// isField(col, row) answers whether a grid cell is part of the playing field (false outside the
// 20 x 12 grid). Answers the border piece for border point (i, j), 0 where none belongs.
inline int pieceAt(const std::function<bool(int, int)>& isField, int i, int j) {
    const int col = i - 1;
    const int row = j - 1;
    if (isField(col, row)) return 0;
    Features f;
    const bool n = isField(col, row - 1);
    const bool e = isField(col + 1, row);
    const bool s = isField(col, row + 1);
    const bool w = isField(col - 1, row);
    f.edges = static_cast<uint8_t>((n ? kNorth : 0) | (e ? kEast : 0) | (s ? kSouth : 0) | (w ? kWest : 0));
    if (!n && !e && isField(col + 1, row - 1)) f.corners |= kNorthEast;
    if (!s && !e && isField(col + 1, row + 1)) f.corners |= kSouthEast;
    if (!s && !w && isField(col - 1, row + 1)) f.corners |= kSouthWest;
    if (!n && !w && isField(col - 1, row - 1)) f.corners |= kNorthWest;
    return pieceFor(f);
}

}  // namespace border_rule
