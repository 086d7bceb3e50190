#include "framework/ui/turned_frames.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr float kLargestZoom = 16.0f;  // far beyond any effect; keeps a bad table from asking for gigabytes

struct Colour {
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;  // colour weighted by transparency
};

// Transparency-weighted, so that a see-through pixel's colour never bleeds into its neighbours.
void Accumulate(Colour& sum, uint32_t pixel, float weight) {
    const auto* bytes = reinterpret_cast<const uint8_t*>(&pixel);
    const float a = static_cast<float>(bytes[3]) * weight;
    sum.r += static_cast<float>(bytes[0]) * a;
    sum.g += static_cast<float>(bytes[1]) * a;
    sum.b += static_cast<float>(bytes[2]) * a;
    sum.a += a;
}

uint32_t Straight(const Colour& sum) {
    if (sum.a < 0.5f) return 0;
    const auto channel = [&sum](float weighted) {
        return static_cast<uint8_t>(std::clamp(weighted / sum.a + 0.5f, 0.0f, 255.0f));
    };
    const uint8_t bytes[4] = {channel(sum.r), channel(sum.g), channel(sum.b),
                              static_cast<uint8_t>(std::min(sum.a + 0.5f, 255.0f))};
    uint32_t pixel = 0;
    std::copy_n(bytes, 4, reinterpret_cast<uint8_t*>(&pixel));
    return pixel;
}

// The frame's colour at (x, y) in its own pixels (pixel centres at half-pixels): bilinear inside
// the frame, its edge pixels held up to its border as the renderer's smooth scaling holds them,
// and nothing outside it.
uint32_t Sample(const SheetPixels& source, int frame, float x, float y) {
    const float width = static_cast<float>(source.frameWidth);
    const float height = static_cast<float>(source.frameHeight);
    if (!(x >= 0.0f && y >= 0.0f && x < width && y < height)) return 0;
    const float fx = std::clamp(x - 0.5f, 0.0f, width - 1.0f);
    const float fy = std::clamp(y - 0.5f, 0.0f, height - 1.0f);
    const int x0 = static_cast<int>(fx);
    const int y0 = static_cast<int>(fy);
    const int x1 = std::min(x0 + 1, source.frameWidth - 1);
    const int y1 = std::min(y0 + 1, source.frameHeight - 1);
    const float tx = fx - static_cast<float>(x0);
    const float ty = fy - static_cast<float>(y0);
    const uint32_t* top = source.Row(frame, y0);
    const uint32_t* bottom = source.Row(frame, y1);
    Colour sum;
    Accumulate(sum, top[x0], (1.0f - tx) * (1.0f - ty));
    Accumulate(sum, top[x1], tx * (1.0f - ty));
    Accumulate(sum, bottom[x0], (1.0f - tx) * ty);
    Accumulate(sum, bottom[x1], tx * ty);
    return Straight(sum);
}

struct Turn {
    float cosine = 1.0f;
    float sine = 0.0f;
    float inverseZoom = 1.0f;
    float centreX = 0.0f;              // the frame's centre in the new cell
    float centreY = 0.0f;
};

void TurnFrame(const SheetPixels& source, int frame, const Turn& turn, SheetPixels& out) {
    const float halfWidth = static_cast<float>(source.frameWidth) * 0.5f;
    const float halfHeight = static_cast<float>(source.frameHeight) * 0.5f;
    for (int y = 0; y < out.frameHeight; ++y) {
        uint32_t* line = out.Row(frame, y);
        const float dy = static_cast<float>(y) + 0.5f - turn.centreY;
        for (int x = 0; x < out.frameWidth; ++x) {
            const float dx = static_cast<float>(x) + 0.5f - turn.centreX;
            // Back from the screen to the frame: the clockwise turn undone, then the zoom.
            const float sx = (dx * turn.cosine + dy * turn.sine) * turn.inverseZoom + halfWidth;
            const float sy = (dy * turn.cosine - dx * turn.sine) * turn.inverseZoom + halfHeight;
            line[x] = Sample(source, frame, sx, sy);
        }
    }
}

struct Box {
    int left, top, right, bottom;      // right and bottom exclusive
};

// The smallest rectangle holding every visible pixel of every cell.
Box VisibleBox(const SheetPixels& sheet, int frameCount) {
    Box box{sheet.frameWidth, sheet.frameHeight, 0, 0};
    for (int frame = 0; frame < frameCount; ++frame) {
        for (int y = 0; y < sheet.frameHeight; ++y) {
            const uint32_t* line = sheet.Row(frame, y);
            for (int x = 0; x < sheet.frameWidth; ++x) {
                if (reinterpret_cast<const uint8_t*>(line + x)[3] == 0) continue;
                box.left = std::min(box.left, x);
                box.right = std::max(box.right, x + 1);
                box.top = std::min(box.top, y);
                box.bottom = std::max(box.bottom, y + 1);
            }
        }
    }
    return box;
}

SheetPixels Crop(const SheetPixels& sheet, int frameCount, const Box& box) {
    SheetPixels cropped;
    cropped.frameWidth = box.right - box.left;
    cropped.frameHeight = box.bottom - box.top;
    cropped.columns = frameCount;
    cropped.rows = 1;
    cropped.pixels.resize(static_cast<size_t>(cropped.Width()) * static_cast<size_t>(cropped.Height()));
    for (int frame = 0; frame < frameCount; ++frame) {
        for (int y = 0; y < cropped.frameHeight; ++y) {
            std::copy_n(sheet.Row(frame, y + box.top) + box.left, cropped.frameWidth, cropped.Row(frame, y));
        }
    }
    return cropped;
}

}  // namespace

TurnedFrames TurnFrames(const SheetPixels& source, int frameCount, float zoom, float angleDegrees) {
    TurnedFrames turned;
    frameCount = std::min(frameCount, source.columns * source.rows);
    if (source.Empty() || frameCount <= 0 || !(zoom > 0.0f) || !std::isfinite(angleDegrees)) return turned;
    zoom = std::min(zoom, kLargestZoom);
    const float radians = std::fmod(angleDegrees, 360.0f) * std::numbers::pi_v<float> / 180.0f;
    const float cosine = std::cos(radians);
    const float sine = std::sin(radians);
    const float width = static_cast<float>(source.frameWidth);
    const float height = static_cast<float>(source.frameHeight);
    // Room for the turned rectangle, whatever its rounding.
    SheetPixels whole;
    whole.frameWidth = static_cast<int>(std::ceil(zoom * (width * std::fabs(cosine) + height * std::fabs(sine)))) + 2;
    whole.frameHeight = static_cast<int>(std::ceil(zoom * (width * std::fabs(sine) + height * std::fabs(cosine)))) + 2;
    whole.columns = frameCount;
    whole.rows = 1;
    whole.pixels.assign(static_cast<size_t>(whole.Width()) * static_cast<size_t>(whole.Height()), 0);
    // Whole-pixel offsets keep the frame's centre exactly where the renderer put it.
    const int offsetX = static_cast<int>(std::floor((width - static_cast<float>(whole.frameWidth)) * 0.5f));
    const int offsetY = static_cast<int>(std::floor((height - static_cast<float>(whole.frameHeight)) * 0.5f));
    const Turn turn{cosine, sine, 1.0f / zoom, width * 0.5f - static_cast<float>(offsetX),
                    height * 0.5f - static_cast<float>(offsetY)};
    for (int frame = 0; frame < frameCount; ++frame) TurnFrame(source, frame, turn, whole);
    const Box box = VisibleBox(whole, frameCount);
    if (box.right <= box.left || box.bottom <= box.top) return turned;
    turned.sheet = Crop(whole, frameCount, box);
    turned.offsetX = offsetX + box.left;
    turned.offsetY = offsetY + box.top;
    return turned;
}
