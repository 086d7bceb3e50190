// The frame around the match-3 field: states/playing/border_1.png .. border_29.png, 55 x 55 each.
// Numbering, for a square outside the field and the field squares around it (the full rule, with
// the fallback for shapes that have no piece of their own, is in board_border_rule.h):
//   1..15   edges: N 1 + E 2 + S 4 + W 8      16..19  one outer corner: NE, SE, SW, NW
//   20..23  two outer corners on one side: NE+SE, SE+SW, SW+NW, NW+NE
//   24..27  two edges and the opposite corner: N+E+SW, E+S+NW, S+W+NE, W+N+SE
//   28      all four outer corners             29      NE+SW
//
// Every piece is painted from one rule, so any two pieces join without a seam: a pixel's look
// depends only on its distance to the nearest field square around it. Within kRail of the field
// it is a bamboo rail (lit along its middle, inked on both edges), then a soft shadow fades out.
// Along straight edges that distance is the distance to the edge, so rails of neighbouring
// pieces meet flush; at an outer corner it is the distance to the corner point, so the rail bends
// round in a quarter circle; where two edges meet in an inner corner the rails are lashed with rope.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "game/match3/play_layout.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/glow.h"
#include "tools/forge/paint/sheet.h"
#include "game/match3/board_border_rule.h"

namespace {

constexpr int kCell = play_layout::kCellSize;
constexpr double kRail = 16;        // rail thickness next to the field
constexpr double kShadow = 10;      // shadow beyond the rail
constexpr double kNodePeriod = 27.5;  // bamboo nodes, two per square so every piece lines up
constexpr int kSamples = 4;         // supersampling per axis

constexpr Rgb kBamboo{0.80, 0.66, 0.37};
constexpr Rgb kRope{0.86, 0.76, 0.55};

struct Rect {
    double x0, y0, x1, y1;
};

enum class FeatureKind { EdgeHorizontal, EdgeVertical, Corner };

struct Feature {
    Rect rect;
    FeatureKind kind;
};

double distanceTo(const Rect& r, double x, double y) {
    const double dx = std::max({r.x0 - x, 0.0, x - r.x1});
    const double dy = std::max({r.y0 - y, 0.0, y - r.y1});
    return std::hypot(dx, dy);
}

std::vector<Feature> featuresOf(border_rule::Features f) {
    using namespace border_rule;
    constexpr double c = kCell;
    std::vector<Feature> out;
    if (f.edges & kNorth) out.push_back({{0, -c, c, 0}, FeatureKind::EdgeHorizontal});
    if (f.edges & kSouth) out.push_back({{0, c, c, 2 * c}, FeatureKind::EdgeHorizontal});
    if (f.edges & kEast) out.push_back({{c, 0, 2 * c, c}, FeatureKind::EdgeVertical});
    if (f.edges & kWest) out.push_back({{-c, 0, 0, c}, FeatureKind::EdgeVertical});
    if (f.corners & kNorthEast) out.push_back({{c, -c, 2 * c, 0}, FeatureKind::Corner});
    if (f.corners & kSouthEast) out.push_back({{c, c, 2 * c, 2 * c}, FeatureKind::Corner});
    if (f.corners & kSouthWest) out.push_back({{-c, c, 0, 2 * c}, FeatureKind::Corner});
    if (f.corners & kNorthWest) out.push_back({{-c, -c, 0, 0}, FeatureKind::Corner});
    return out;
}

struct Sample {
    double r = 0, g = 0, b = 0, a = 0;  // premultiplied
};

Sample opaque(Rgb c) { return {c.r, c.g, c.b, 1}; }

Rgb scaled(Rgb c, double f) {
    return {std::clamp(c.r * f, 0.0, 1.0), std::clamp(c.g * f, 0.0, 1.0), std::clamp(c.b * f, 0.0, 1.0)};
}

// The rail's cross-section at u = distance / kRail: dark where it meets the field, a bright
// band a third of the way out, shading off to an inked outer edge.
Rgb railColor(double u, double along, bool straight) {
    double light = 0.62 + 0.5 * std::exp(-std::pow((u - 0.33) / 0.24, 2)) - 0.25 * smoothstep(0.55, 1.0, u);
    light += 0.035 * std::sin(u * 40);  // fibres running along the cane
    Rgb c = scaled(kBamboo, light);
    if (straight) {
        const double k = std::fmod(along, kNodePeriod);
        const double node = std::abs(k - kNodePeriod / 2);
        if (node < 0.9) c = mix(c, palette::kInk, 0.55);
        else if (node < 2.2) c = lighten(c, 0.25);
    }
    const double inkInner = 1 - smoothstep(0.0, 0.09, u);
    const double inkOuter = smoothstep(0.86, 0.97, u);
    return mix(c, palette::kInk, std::max(inkInner * 0.75, inkOuter * 0.9));
}

// Rope wound diagonally round the joint where two rails meet.
Rgb lashingColor(double x, double y, double u) {
    const double wrap = 0.5 + 0.5 * std::sin((x + y) * 1.25);
    Rgb c = scaled(kRope, 0.55 + 0.5 * std::sqrt(wrap));
    if (wrap < 0.1) c = mix(c, palette::kInk, 0.6);  // the groove between two turns
    return mix(c, palette::kInk, std::max(1 - smoothstep(0.0, 0.1, u), smoothstep(0.86, 0.97, u)) * 0.8);
}

Sample sampleAt(const std::vector<Feature>& features, double x, double y) {
    double best = 1e9;
    const Feature* nearest = nullptr;
    int edgesNear = 0;
    for (const Feature& f : features) {
        const double d = distanceTo(f.rect, x, y);
        if (f.kind != FeatureKind::Corner && d < kRail) ++edgesNear;
        if (d < best) {
            best = d;
            nearest = &f;
        }
    }
    if (!nearest) return {};
    const double u = best / kRail;
    if (u <= 1) {
        if (edgesNear >= 2) return opaque(lashingColor(x, y, u));
        const bool straight = nearest->kind != FeatureKind::Corner;
        const double along = nearest->kind == FeatureKind::EdgeHorizontal ? x : y;
        return opaque(railColor(u, along, straight));
    }
    const double s = (best - kRail) / kShadow;
    if (s >= 1) return {};
    const double a = 0.4 * (1 - s) * (1 - s);
    return {palette::kInk.r * a, palette::kInk.g * a, palette::kInk.b * a, a};
}

RgbaImage paintBorderPiece(border_rule::Features f) {
    const std::vector<Feature> features = featuresOf(f);
    RgbaImage image(kCell, kCell);
    for (int py = 0; py < kCell; ++py) {
        for (int px = 0; px < kCell; ++px) {
            Sample sum;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const Sample s = sampleAt(features, px + (sx + 0.5) / kSamples, py + (sy + 0.5) / kSamples);
                    sum.r += s.r;
                    sum.g += s.g;
                    sum.b += s.b;
                    sum.a += s.a;
                }
            }
            constexpr double n = kSamples * kSamples;
            uint8_t* out = image.at(px, py);
            const double a = sum.a / n;
            out[3] = static_cast<uint8_t>(std::lround(a * 255));
            if (a <= 0) continue;
            out[0] = static_cast<uint8_t>(std::lround(std::clamp(sum.r / n / a, 0.0, 1.0) * 255));
            out[1] = static_cast<uint8_t>(std::lround(std::clamp(sum.g / n / a, 0.0, 1.0) * 255));
            out[2] = static_cast<uint8_t>(std::lround(std::clamp(sum.b / n / a, 0.0, 1.0) * 255));
        }
    }
    return image;
}

// A sample field framed by the rule, laid out as the board draws it, for the contact sheet.
RgbaImage framedSample(const std::vector<RgbaImage>& pieces) {
    static const std::vector<std::string> kRows = {
        "....###########.",  //
        "..#############.",  //
        ".######.###.####",  //
        ".#####...#...###",  //
        ".######.###.####",  //
        ".###.##########.",  //
        ".#############..",  //
        "..####..#######.",  //
    };
    const auto isField = [&](int c, int r) {
        return r >= 0 && c >= 0 && r < static_cast<int>(kRows.size()) && c < static_cast<int>(kRows[r].size()) &&
               kRows[r][c] == '#';
    };
    const int across = static_cast<int>(kRows[0].size()) + 2;
    const int down = static_cast<int>(kRows.size()) + 2;
    RgbaImage sheet = previewOver(RgbaImage(across * kCell, down * kCell), {0.45, 0.62, 0.55});
    RgbaImage tile = previewOver(RgbaImage(kCell, kCell), {0.13, 0.27, 0.30});
    for (int i = 0; i < across; ++i) {
        for (int j = 0; j < down; ++j) {
            const int n = border_rule::pieceAt(isField, i, j);
            if (n > 0) pasteOver(sheet, pieces[n - 1], i * kCell, j * kCell);
            if (isField(i - 1, j - 1)) pasteOver(sheet, tile, i * kCell, j * kCell);
        }
    }
    return sheet;
}

}  // namespace

FORGE_STEP(board_borders) {
    std::vector<RgbaImage> pieces;
    for (int n = 1; n <= border_rule::kPieceCount; ++n) {
        pieces.push_back(paintBorderPiece(border_rule::kPieces[n]));
        forge.writePng("img/states/playing/border_" + std::to_string(n) + ".png", pieces.back());
    }
    std::vector<RgbaImage> previews;
    for (const RgbaImage& piece : pieces) previews.push_back(previewOver(piece, {0.45, 0.62, 0.55}, 2));
    forge.addContactSheet("board_borders", previewRow(previews, 1400));
    forge.addContactSheet("board_borders_framed", framedSample(pieces));
}
