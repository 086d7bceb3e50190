#include "tools/forge/art/map_pieces.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/art/map_geography.h"
#include "tools/forge/core/style.h"

namespace {

constexpr int kFeatherRadius = 9;   // blur radius of the fade past a landmass's border
constexpr int kGlowMargin = 26;     // the glow reaches this far beyond the land
constexpr int kGlowRadius = 7;
constexpr Rgb kGlowInner{1.0, 0.88, 0.50};
constexpr Rgb kGlowHalo{1.0, 0.72, 0.22};

struct Box {
    int left, top, right, bottom;  // right and bottom exclusive
};

// The rectangle of a region's pixels, grown by the reach of the fade past its border.
Box regionBox(const IslandPainting& island, uint8_t region) {
    const int w = island.land.width, h = island.land.height;
    Box box{w, h, 0, 0};
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (island.region[static_cast<size_t>(y) * w + x] != region) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
        }
    }
    constexpr int kReach = 3 * kFeatherRadius + 2;
    return {std::max(0, box.left - kReach), std::max(0, box.top - kReach), std::min(w, box.right + kReach),
            std::min(h, box.bottom + kReach)};
}

// How much of each pixel of the box the landmass owns: all of its own region, fading out past
// its border.
FloatMask ownership(const IslandPainting& island, uint8_t region, const Box& box) {
    FloatMask own(box.right - box.left, box.bottom - box.top);
    const auto mine = [&](int x, int y) { return island.region[static_cast<size_t>(y + box.top) * island.land.width + x + box.left] == region; };
    for (int y = 0; y < own.height; ++y) {
        for (int x = 0; x < own.width; ++x) own.at(x, y) = mine(x, y) ? 1.0f : 0.0f;
    }
    blurValues(own.values, own.width, own.height, kFeatherRadius);
    for (int y = 0; y < own.height; ++y) {
        for (int x = 0; x < own.width; ++x) own.at(x, y) = mine(x, y) ? 1.0f : std::min(1.0f, own.at(x, y) * 2.0f);
    }
    return own;
}

Box visibleBox(const RgbaImage& image) {
    Box box{image.width, image.height, 0, 0};
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (image.at(x, y)[3] == 0) continue;
            box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
        }
    }
    return box;
}

MapPoint landCentre(const IslandPainting& island, uint8_t region, const Box& box, MapPoint pos) {
    double sx = 0, sy = 0, n = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            const size_t i = static_cast<size_t>(y) * island.land.width + x;
            if (island.region[i] != region || island.land.values[i] < 0.5f) continue;
            sx += x;
            sy += y;
            n += 1;
        }
    }
    if (n == 0) return {};
    return {static_cast<int>(std::lround(sx / n)) - pos.x, static_cast<int>(std::lround(sy / n)) - pos.y};
}

uint8_t byte(double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

// A warm light in the land's shape, with a halo round it.
RgbaImage glowPicture(const RgbaImage& land) {
    const int w = land.width + 2 * kGlowMargin, h = land.height + 2 * kGlowMargin;
    std::vector<float> shape(static_cast<size_t>(w) * h, 0.0f);
    for (int y = 0; y < land.height; ++y) {
        for (int x = 0; x < land.width; ++x) {
            shape[static_cast<size_t>(y + kGlowMargin) * w + x + kGlowMargin] = land.at(x, y)[3] / 255.0f;
        }
    }
    std::vector<float> halo = shape;
    blurValues(halo, w, h, kGlowRadius);
    RgbaImage glow(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const double s = shape[static_cast<size_t>(y) * w + x];
            const double g = std::min(1.0, halo[static_cast<size_t>(y) * w + x] * 1.8);
            const double rim = std::clamp((g - s) * 3.0, 0.0, 1.0) * s;  // brightest just inside the coast
            const Rgb c = mix(mix(kGlowHalo, kGlowInner, s), palette::kWhite, rim * 0.7);
            uint8_t* p = glow.at(x, y);
            p[0] = byte(c.r);
            p[1] = byte(c.g);
            p[2] = byte(c.b);
            p[3] = byte(std::max(s * 0.8 + rim * 0.2, g * 0.75));
        }
    }
    return glow;
}

}  // namespace

std::vector<LandPiece> cutLandPieces(const IslandPainting& island) {
    std::vector<LandPiece> pieces;
    const std::vector<std::string> names = regionNames();
    for (size_t r = 0; r < names.size(); ++r) {
        const uint8_t region = static_cast<uint8_t>(r);
        const Box area = regionBox(island, region);
        const FloatMask own = ownership(island, region, area);
        RgbaImage owned(own.width, own.height);
        for (int y = 0; y < own.height; ++y) {
            std::copy_n(island.image.at(area.left, area.top + y), own.width * 4, owned.at(0, y));
            for (int x = 0; x < own.width; ++x) owned.at(x, y)[3] = byte(owned.at(x, y)[3] / 255.0 * own.at(x, y));
        }
        const Box box = visibleBox(owned);
        LandPiece piece;
        piece.name = names[r];
        piece.pos = {area.left + box.left, area.top + box.top};
        piece.land = RgbaImage(box.right - box.left, box.bottom - box.top);
        for (int y = 0; y < piece.land.height; ++y) {
            std::copy_n(owned.at(box.left, box.top + y), piece.land.width * 4, piece.land.at(0, y));
        }
        piece.glow = glowPicture(piece.land);
        piece.hpos = {piece.pos.x - kGlowMargin, piece.pos.y - kGlowMargin};
        piece.cpos = landCentre(island, region, area, piece.pos);
        pieces.push_back(std::move(piece));
    }
    return pieces;
}
