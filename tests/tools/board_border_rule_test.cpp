#include "game/match3/board_border_rule.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Rows of the 20 x 12 grid: '#' is a field square, anything else is not. Missing rows and
// columns are not field.
struct Design {
    std::vector<std::string> rows;
    bool operator()(int col, int row) const {
        if (col < 0 || row < 0 || col >= 20 || row >= 12) return false;
        if (row >= static_cast<int>(rows.size()) || col >= static_cast<int>(rows[row].size())) return false;
        return rows[row][col] == '#';
    }
};

struct PointCase {
    const char* what;
    int i, j;   // border point
    int piece;
};

void expectPieces(const Design& design, const std::vector<PointCase>& cases) {
    for (const PointCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(border_rule::pieceAt(design, c.i, c.j), c.piece);
    }
}

TEST(BoardBorderRule, FramesAFullRectangleWithEdgesAndOuterCorners) {
    Design full;
    full.rows.assign(12, std::string(20, '#'));
    expectPieces(full, {
        {"top-left outer corner", 0, 0, 17},
        {"top edge", 1, 0, 4},
        {"top-right outer corner", 21, 0, 18},
        {"left edge", 0, 1, 2},
        {"right edge", 21, 5, 8},
        {"bottom edge", 10, 13, 1},
        {"bottom-left outer corner", 0, 13, 16},
        {"bottom-right outer corner", 21, 13, 19},
        {"inside the field", 5, 5, 0},
    });
}

TEST(BoardBorderRule, PicksPiecesForNotchesAndGapsOneSquareWide) {
    const Design design{{
        "....................",
        ".########.##########",  // a notch one square wide at column 9, rows 1..2
        ".########.##########",
        ".###################",
        ".####.####.#########",  // a plus-shaped gap around (5, 5); an L-shaped gap (10, 4), (10, 5), (11, 5)
        ".###...###..########",
        ".####.##############",
        ".###################",
    }};
    expectPieces(design, {
        {"notch mouth above the field", 10, 1, 21},
        {"notch sides", 10, 2, 10},
        {"notch bottom", 10, 3, 14},
        {"middle of the plus", 6, 6, 28},
        {"arm of the plus", 6, 5, 11},
        {"outer corner at the field's top-left", 1, 1, 17},
        {"top of the L", 11, 5, 11},
        {"bend of the L: S and W edges, NE corner", 11, 6, 26},
        {"end of the L", 12, 6, 7},
    });
}

TEST(BoardBorderRule, EveryPieceIsReachableAndDistinct) {
    for (int n = 1; n <= border_rule::kPieceCount; ++n) {
        SCOPED_TRACE(n);
        const border_rule::Features f = border_rule::kPieces[n];
        EXPECT_EQ(border_rule::pieceFor(f), n);
        // A diagonal is only a feature when neither side next to it is an edge.
        using namespace border_rule;
        const auto clash = [&](uint8_t corner, uint8_t sides) { return (f.corners & corner) && (f.edges & sides); };
        EXPECT_FALSE(clash(kNorthEast, kNorth | kEast));
        EXPECT_FALSE(clash(kSouthEast, kSouth | kEast));
        EXPECT_FALSE(clash(kSouthWest, kSouth | kWest));
        EXPECT_FALSE(clash(kNorthWest, kNorth | kWest));
    }
}

TEST(BoardBorderRule, ConfigurationsWithoutAPieceFallBackToTheirNearestFeatures) {
    using namespace border_rule;
    struct FallbackCase {
        const char* what;
        Features wanted;
        int piece;
    };
    const FallbackCase cases[] = {
        {"three corners drop NW first", {0, kNorthEast | kSouthEast | kNorthWest}, 20},
        {"NW+SE drops NW", {0, kNorthWest | kSouthEast}, 17},
        {"edge with a far corner keeps the edge", {kNorth, kSouthEast}, 1},
        {"nothing", {0, 0}, 0},
    };
    for (const FallbackCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(pieceFor(c.wanted), c.piece);
    }
}

}  // namespace
