#include "tools/forge/art/map_island.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/art/map_features.h"
#include "tools/forge/art/map_geography.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/glow.h"

namespace {

constexpr int kW = kIslandWidth;
constexpr int kH = kIslandHeight;
constexpr double kBorderWobble = 46;     // pixels the landmass borders wind off the straight
constexpr double kBorderWobbleCell = 150;
constexpr int kShallowsReach = 22;       // blur radius of the turquoise round the coast

FloatMask landMask() {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, kW, kH);
    cairo_t* cr = cairo_create(surface);
    coastPath(cr);
    for (const Islet& i : islets()) ellipsePath(cr, i.x, i.y, i.rx, i.ry);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    cairo_fill(cr);
    cairo_surface_flush(surface);
    FloatMask mask(kW, kH);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) mask.at(x, y) = data[y * stride + x] / 255.0f;
    }
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
    return mask;
}

FloatMask blurred(const FloatMask& mask, int radius) {
    FloatMask out = mask;
    blurValues(out.values, out.width, out.height, radius);
    return out;
}

std::vector<uint8_t> regionLabels() {
    const std::vector<RegionSeed>& seeds = regionSeeds();
    const std::vector<std::string> names = regionNames();
    std::vector<uint8_t> index(seeds.size());
    for (size_t s = 0; s < seeds.size(); ++s) {
        index[s] = static_cast<uint8_t>(std::find(names.begin(), names.end(), seeds[s].landmass) - names.begin());
    }
    const auto wobble = [](uint32_t seed) {
        return CoarseField(kW, kH, 8, [seed](double x, double y) {
            return kBorderWobble * (fractalNoise(x / kBorderWobbleCell, y / kBorderWobbleCell, seed, 3) - 0.5) * 2;
        });
    };
    const CoarseField wobbleX = wobble(71), wobbleY = wobble(72);
    std::vector<uint8_t> labels(static_cast<size_t>(kW) * kH);
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const double wx = x + wobbleX.at(x, y), wy = y + wobbleY.at(x, y);
            double best = 1e18;
            for (size_t s = 0; s < seeds.size(); ++s) {
                const double d = (wx - seeds[s].x) * (wx - seeds[s].x) + (wy - seeds[s].y) * (wy - seeds[s].y);
                if (d < best) {
                    best = d;
                    labels[static_cast<size_t>(y) * kW + x] = index[s];
                }
            }
        }
    }
    return labels;
}

uint8_t channel(double v) { return static_cast<uint8_t>(std::lround(std::clamp(v, 0.0, 1.0) * 255)); }

void setPixel(RgbaImage& image, int x, int y, Rgb c, double alpha) {
    uint8_t* p = image.at(x, y);
    p[0] = channel(c.r);
    p[1] = channel(c.g);
    p[2] = channel(c.b);
    p[3] = channel(alpha);
}

// The ground before anything stands on it: turquoise shallows fading into the open sea, wet sand
// and dry sand along the shore, grass and forest floor inland, rock where the coast is cliff.
RgbaImage groundLayer(const FloatMask& land, const Terrain& terrain) {
    const FloatMask shallows = blurred(land, kShallowsReach);
    RgbaImage image(kW, kH);
    constexpr Rgb kShallow{0.45, 0.86, 0.84};
    constexpr Rgb kReef{0.28, 0.70, 0.76};
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            const double l = land.at(x, y);
            const double s = shallows.at(x, y);
            const double sea = std::clamp(s * 2.4, 0.0, 1.0);
            Rgb water = mix(kReef, kShallow, std::clamp(s * 2.0, 0.0, 1.0));
            if (l <= 0.0) {
                setPixel(image, x, y, water, sea * 0.9);
                continue;
            }
            const Rgb ground = terrain.groundColour(x, y);
            const Rgb c = mix(water, ground, l);
            setPixel(image, x, y, c, sea * 0.9 + (1 - sea * 0.9) * l);
        }
    }
    return image;
}

}  // namespace

CoarseField::CoarseField(int width, int height, int gridStep, const std::function<double(double x, double y)>& value)
    : step(gridStep), columns(width / gridStep + 2), rows(height / gridStep + 2), grid(static_cast<size_t>(columns) * rows) {
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) grid[static_cast<size_t>(r) * columns + c] = value(c * step, r * step);
    }
}

double CoarseField::at(double x, double y) const {
    const double gx = std::clamp(x / step, 0.0, columns - 1.001), gy = std::clamp(y / step, 0.0, rows - 1.001);
    const int c = static_cast<int>(gx), r = static_cast<int>(gy);
    const double fx = gx - c, fy = gy - r;
    const auto g = [&](int cc, int rr) { return grid[static_cast<size_t>(rr) * columns + cc]; };
    const double top = g(c, r) * (1 - fx) + g(c + 1, r) * fx;
    const double bottom = g(c, r + 1) * (1 - fx) + g(c + 1, r + 1) * fx;
    return top * (1 - fy) + bottom * fy;
}

float FloatMask::sample(double x, double y) const {
    const int ix = static_cast<int>(std::lround(x));
    const int iy = static_cast<int>(std::lround(y));
    if (ix < 0 || iy < 0 || ix >= width || iy >= height) return 0.0f;
    return at(ix, iy);
}

IslandPainting paintIsland(const std::vector<MapLandmass>& table) {
    IslandPainting island;
    island.land = landMask();
    island.region = regionLabels();
    const Terrain terrain(island.land, table);
    Canvas canvas(kW, kH);
    cairo_t* cr = canvas.cr();
    canvas.drawImage(groundLayer(island.land, terrain), 0, 0);
    paintSurf(cr);
    terrain.paintFeatures(cr);
    paintTrails(cr, table);
    island.image = canvas.toImage();
    return island;
}
