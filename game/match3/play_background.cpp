#include "game/match3/play_background.h"

#include <algorithm>
#include <cmath>

#include "engine/image_codec.h"
#include "engine/k_graphic.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/effects/bit.h"
#include "framework/ui/overlay_images.h"

namespace {

constexpr float kPi = 3.14159265f;
// The leaves sway sideways rather than turning: a turned picture is redrawn pixel by pixel every
// frame by the software renderer, which cost more than the rest of the screen together.
constexpr float kSwayPixels = 7.0f;        // each way, about what a 1.8 degree turn moves the tips
constexpr int kLeftSwayTicks = 300;        // one sway back and forth
constexpr int kRightSwayTicks = 350;       // out of step with the left, as wind would do
constexpr int kRaysBreathTicks = 480;
constexpr float kRaysMiddle = 0.55f;
constexpr float kRaysDepth = 0.3f;
constexpr int kRaysX = 300;
constexpr int kRaysY = 0;
constexpr const char* kRaysPicture = "match3_backgrounds/back2_rays.png";
// The shafts narrow towards the ground, so the picture is drawn in bands of rows, each only as wide
// as its light: the clear rest would only cost blending time. A band of 95 rows stays whole pixels
// at the 0.8 display scale too.
constexpr int kRayBandRows = 95;
constexpr int kFaintestAlpha = 3;  // fainter light shows nothing
constexpr int kRightEdge = 1600;
constexpr float kSwayMargin = kSwayPixels;  // the leaves start this far outside the edge, so no gap opens

float Wave(int tick, int period) {
    return std::sin(2.0f * kPi * static_cast<float>(tick % period) / static_cast<float>(period));
}

// The bands of rows of a picture with the columns where its alpha shows; empty bands are left out.
std::vector<PlayBackground::LitBand> FindLitBands(const DecodedImage& image) {
    std::vector<PlayBackground::LitBand> bands;
    for (int top = 0; top < image.height; top += kRayBandRows) {
        PlayBackground::LitBand band{top, std::min(image.height, top + kRayBandRows), image.width, 0};
        for (int y = band.top; y < band.bottom; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const uint32_t pixel = image.pixels[static_cast<size_t>(y) * image.width + x];
                if (reinterpret_cast<const uint8_t*>(&pixel)[3] < kFaintestAlpha) continue;
                band.left = std::min(band.left, x);
                band.right = std::max(band.right, x + 1);
            }
        }
        if (band.left < band.right) bands.push_back(band);
    }
    return bands;
}

// Draws a band of the sprite's picture, placed as the whole uncropped picture would be at (left, top)
// and scaled as every overlay is; the sprite's picture starts `cropLeft` columns into that one.
void DrawBand(LDvSprite& sprite, const PlayBackground::LitBand& band, int cropLeft, float left, float top) {
    KGraphic* picture = sprite.Picture();
    if (picture == nullptr) return;
    const FrameContext& frame = Frame();
    const int srcLeft = band.left - cropLeft, srcRight = band.right - cropLeft;
    const float width = static_cast<float>(srcRight - srcLeft);
    const float height = static_cast<float>(band.bottom - band.top);
    const float scale = DrawScale();
    const bool centreScaled = DrawsCentreScaled();
    const float zoom = centreScaled ? scale : 1.0f;
    const float centreX = centreScaled ? (width - scale * width) / 2.0f : 0.0f;
    const float centreY = centreScaled ? (height - scale * height) / 2.0f : 0.0f;
    const float px = left + static_cast<float>(band.left + frame.drawOffsetX);
    const float py = top + static_cast<float>(band.top + frame.drawOffsetY);
    picture->blitAlphaRectFx(static_cast<float>(srcLeft), static_cast<float>(band.top), static_cast<float>(srcRight),
                             static_cast<float>(band.bottom), scale * px - centreX, scale * py - centreY, 0.0f, zoom,
                             1.0f, false, false, 0.0f, 0.0f);
}

}  // namespace

void PlayBackground::load() {
    LoadImage(&beach, "match3_backgrounds/back1.jpg");
    LoadImage(&jungle, "match3_backgrounds/back2.jpg");
    LoadImage(&leavesLeft, "match3_backgrounds/back2_leaves_left.png");
    LoadImage(&leavesRight, "match3_backgrounds/back2_leaves_right.png");
}

// The rays' strengths take some 20 MB, so they are made only once a level shows the jungle.
void PlayBackground::loadRays() {
    if (raysLoaded) return;
    raysLoaded = true;
    DecodedImage rays;
    if (!decodeImageFile(PicturePath(kRaysPicture), rays)) {
        Log(LDvString("cannot read the light rays \"") + kRaysPicture + "\"; the jungle shows without them");
        return;
    }
    rayBands = FindLitBands(rays);
    makeRayLevels(rays);
}

void PlayBackground::makeRayLevels(const DecodedImage& rays) {
    if (rayBands.empty()) return;
    rayCropLeft = rays.width;
    int cropRight = 0;
    for (const LitBand& band : rayBands) {
        rayCropLeft = std::min(rayCropLeft, band.left);
        cropRight = std::max(cropRight, band.right);
    }
    const int width = cropRight - rayCropLeft;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * rays.height);
    for (int level = 0; level < kRayLevels; ++level) {
        for (int y = 0; y < rays.height; ++y) {
            for (int x = 0; x < width; ++x) {
                uint32_t pixel = rays.pixels[static_cast<size_t>(y) * rays.width + rayCropLeft + x];
                uint8_t* bytes = reinterpret_cast<uint8_t*>(&pixel);
                bytes[3] = static_cast<uint8_t>(bytes[3] * (level + 1) / kRayLevels);
                pixels[static_cast<size_t>(y) * width + x] = pixel;
            }
        }
        LoadFromPixels(&rayLevels[static_cast<size_t>(level)], pixels.data(), width, rays.height);
    }
}

void PlayBackground::choose(int chapterBackground) {
    scenery = chapterBackground == kJungle ? kJungle : kBeach;
    if (scenery == kJungle) loadRays();
}

void PlayBackground::OnTick(int tickCount) {
    if (scenery != kJungle) return;
    leftSway = kSwayPixels * Wave(tickCount, kLeftSwayTicks);
    rightSway = -kSwayPixels * Wave(tickCount + kRightSwayTicks / 4, kRightSwayTicks);
    raysOpacity = kRaysMiddle + kRaysDepth * Wave(tickCount, kRaysBreathTicks);
}

void PlayBackground::Draw() {
    if (hidden) return;
    const SpriteLook plain;
    DrawTopLeft(scenery == kJungle ? jungle : beach, 0.0f, 0.0f, plain);
    if (scenery == kJungle) drawJungleLayers();
}

void PlayBackground::drawJungleLayers() {
    const long level = std::clamp(std::lround(raysOpacity * kRayLevels) - 1, 0L, static_cast<long>(kRayLevels - 1));
    LDvSprite& rays = rayLevels[static_cast<size_t>(level)];
    for (const LitBand& band : rayBands) {
        DrawBand(rays, band, rayCropLeft, static_cast<float>(kRaysX), static_cast<float>(kRaysY));
    }
    const SpriteLook plain;
    DrawTopLeft(leavesLeft, leftSway - kSwayMargin, 0.0f, plain);
    const float rightX = static_cast<float>(kRightEdge - leavesRight.frameWidth) + kSwayMargin;
    DrawTopLeft(leavesRight, rightX + rightSway, 0.0f, plain);
}
