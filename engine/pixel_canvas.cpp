#include "engine/pixel_canvas.h"

#include <algorithm>
#include <cmath>

#include "engine/image_codec.h"
#include "engine/k_graphic.h"

#if defined(__x86_64__) && defined(__GNUC__)
#include <immintrin.h>
#elif defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;
// Corners this close to an upright rectangle (in pixels) land on the same whole pixels as one.
constexpr float kUprightSlack = 0.01f;
// Parallelograms flatter than this cover no pixel centre worth drawing.
constexpr float kFlattest = 1.0e-6f;
constexpr float kCoordinateLimit = 1.0e6f;  // far beyond any canvas; keeps float-to-int conversions defined
constexpr int kBandRows = 32;               // 200 KB of a 1600-pixel-wide canvas: stays in the cache
// A picture drawn at the same stretched size this many frames running is stretched once and kept;
// sooner, a zoom still under way would have it stretched anew every few frames.
constexpr int kFramesBeforeStretching = 8;
// No stretched copy is kept larger than this many canvases: a picture zoomed far past the canvas
// is sampled where it shows instead.
constexpr int64_t kLargestCopy = 4;

// x * y / 255, rounded, for x and y in 0..255.
inline uint32_t times(uint32_t x, uint32_t y) {
    const uint32_t t = x * y + 128u;
    return (t + (t >> 8)) >> 8;
}

inline uint32_t channel(uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; }

inline uint32_t blendPixel(uint32_t destination, uint32_t source, PixelTint tint) {
    const uint32_t alpha = times(channel(source, 24), tint.a);
    const uint32_t keep = 255u - alpha;
    const uint32_t r = times(times(channel(source, 0), tint.r), alpha) + times(channel(destination, 0), keep);
    const uint32_t g = times(times(channel(source, 8), tint.g), alpha) + times(channel(destination, 8), keep);
    const uint32_t b = times(times(channel(source, 16), tint.b), alpha) + times(channel(destination, 16), keep);
    return kOpaque | (b << 16) | (g << 8) | r;
}

#if defined(__SSE2__)
// times() on eight 16-bit lanes.
inline __m128i times(__m128i x, __m128i y) {
    const __m128i t = _mm_add_epi16(_mm_mullo_epi16(x, y), _mm_set1_epi16(128));
    return _mm_srli_epi16(_mm_add_epi16(t, _mm_srli_epi16(t, 8)), 8);
}

// Two pixels widened to 16 bits a channel: the same sums as blendPixel.
inline __m128i blendTwo(__m128i destination, __m128i source, __m128i tint) {
    const __m128i tinted = times(source, tint);
    const __m128i alpha = _mm_shufflehi_epi16(_mm_shufflelo_epi16(tinted, 0xFF), 0xFF);
    const __m128i keep = _mm_sub_epi16(_mm_set1_epi16(255), alpha);
    return _mm_add_epi16(times(tinted, alpha), times(destination, keep));
}

// Four pixels at a time; what is left over goes pixel by pixel. Groups the picture leaves fully
// transparent are skipped, and fully covering ones are only tinted: full-screen backdrops and
// soft-edged layers are mostly one or the other.
int blendSpanNarrow(uint32_t* destination, const uint32_t* source, int count, PixelTint tint) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i opaque = _mm_set1_epi32(static_cast<int>(kOpaque));
    const __m128i tints = _mm_set_epi16(tint.a, tint.b, tint.g, tint.r, tint.a, tint.b, tint.g, tint.r);
    const bool covering = tint.a == 255;
    int i = 0;
    for (; i + 4 <= count; i += 4) {
        const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
        const __m128i alpha = _mm_and_si128(s, opaque);
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(alpha, zero)) == 0xFFFF) continue;
        __m128i* to = reinterpret_cast<__m128i*>(destination + i);
        if (covering && _mm_movemask_epi8(_mm_cmpeq_epi32(alpha, opaque)) == 0xFFFF) {
            const __m128i low = times(_mm_unpacklo_epi8(s, zero), tints);
            const __m128i high = times(_mm_unpackhi_epi8(s, zero), tints);
            _mm_storeu_si128(to, _mm_or_si128(_mm_packus_epi16(low, high), opaque));
            continue;
        }
        const __m128i d = _mm_loadu_si128(to);
        const __m128i low = blendTwo(_mm_unpacklo_epi8(d, zero), _mm_unpacklo_epi8(s, zero), tints);
        const __m128i high = blendTwo(_mm_unpackhi_epi8(d, zero), _mm_unpackhi_epi8(s, zero), tints);
        _mm_storeu_si128(to, _mm_or_si128(_mm_packus_epi16(low, high), opaque));
    }
    return i;
}
#endif

#if defined(__x86_64__) && defined(__GNUC__)
#define QV_PIXEL_CANVAS_WIDE 1
__attribute__((target("avx2"))) inline __m256i timesWide(__m256i x, __m256i y) {
    const __m256i t = _mm256_add_epi16(_mm256_mullo_epi16(x, y), _mm256_set1_epi16(128));
    return _mm256_srli_epi16(_mm256_add_epi16(t, _mm256_srli_epi16(t, 8)), 8);
}

__attribute__((target("avx2"))) inline __m256i blendFour(__m256i destination, __m256i source, __m256i tint) {
    const __m256i tinted = timesWide(source, tint);
    const __m256i alpha = _mm256_shufflehi_epi16(_mm256_shufflelo_epi16(tinted, 0xFF), 0xFF);
    const __m256i keep = _mm256_sub_epi16(_mm256_set1_epi16(255), alpha);
    return _mm256_add_epi16(timesWide(tinted, alpha), timesWide(destination, keep));
}

// blendSpanNarrow eight pixels at a time, on processors that have AVX2 (the same sums).
__attribute__((target("avx2"))) int blendSpanWide(uint32_t* destination, const uint32_t* source, int count,
                                                  PixelTint tint) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i opaque = _mm256_set1_epi32(static_cast<int>(kOpaque));
    const __m256i tints = _mm256_set_epi16(tint.a, tint.b, tint.g, tint.r, tint.a, tint.b, tint.g, tint.r, tint.a,
                                           tint.b, tint.g, tint.r, tint.a, tint.b, tint.g, tint.r);
    const bool covering = tint.a == 255;
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const __m256i s = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(source + i));
        const __m256i alpha = _mm256_and_si256(s, opaque);
        if (_mm256_testz_si256(alpha, alpha)) continue;
        __m256i* to = reinterpret_cast<__m256i*>(destination + i);
        if (covering && _mm256_movemask_epi8(_mm256_cmpeq_epi32(alpha, opaque)) == -1) {
            const __m256i low = timesWide(_mm256_unpacklo_epi8(s, zero), tints);
            const __m256i high = timesWide(_mm256_unpackhi_epi8(s, zero), tints);
            _mm256_storeu_si256(to, _mm256_or_si256(_mm256_packus_epi16(low, high), opaque));
            continue;
        }
        const __m256i d = _mm256_loadu_si256(to);
        const __m256i low = blendFour(_mm256_unpacklo_epi8(d, zero), _mm256_unpacklo_epi8(s, zero), tints);
        const __m256i high = blendFour(_mm256_unpackhi_epi8(d, zero), _mm256_unpackhi_epi8(s, zero), tints);
        _mm256_storeu_si256(to, _mm256_or_si256(_mm256_packus_epi16(low, high), opaque));
    }
    return i;
}

bool hasWideBlend() {
    static const bool wide = __builtin_cpu_supports("avx2");
    return wide;
}
#endif

// `count` source pixels blended onto as many canvas pixels.
void blendSpan(uint32_t* destination, const uint32_t* source, int count, PixelTint tint) {
    int i = 0;
#if defined(QV_PIXEL_CANVAS_WIDE)
    if (hasWideBlend()) i = blendSpanWide(destination, source, count, tint);
#endif
#if defined(__SSE2__)
    i += blendSpanNarrow(destination + i, source + i, count - i, tint);
#endif
    for (; i < count; ++i) destination[i] = blendPixel(destination[i], source[i], tint);
}

int toPixel(float value) {
    if (!(value > -kCoordinateLimit)) return static_cast<int>(-kCoordinateLimit);  // NaN too
    if (!(value < kCoordinateLimit)) return static_cast<int>(kCoordinateLimit);
    return static_cast<int>(std::floor(value));
}

// The picture index a sampled position falls on, held inside the picture.
int sampleIndex(float position, int size) {
    if (!(position > 0.0f)) return 0;
    if (!(position < static_cast<float>(size))) return size - 1;
    return std::min(static_cast<int>(position), size - 1);
}

// The picture index of the whole pixel `offset` of `drawn` pixels stretched over `size` ones.
int nearestIndex(int offset, int drawn, int size) {
    return static_cast<int>((static_cast<int64_t>(2 * offset + 1) * size) / (2 * static_cast<int64_t>(drawn)));
}

// The pixel indices whose centres i + 0.5 give 0 <= start + step * (i + 0.5) < limit, within [low, high).
void narrowTo(float start, float step, float limit, int& low, int& high) {
    if (step == 0.0f) {
        if (!(start >= 0.0f && start < limit)) high = low;
        return;
    }
    const float a = -start / step - 0.5f;
    const float b = (limit - start) / step - 0.5f;
    const float from = std::min(a, b);
    const float to = std::max(a, b);
    low = std::max(low, toPixel(std::ceil(from)));
    high = std::min(high, toPixel(std::ceil(to)));
}

// The edges an upright picture lands on, snapped to whole pixels; false when the corners do not
// make an upright rectangle.
struct UprightEdges {
    int left, top, right, bottom;
};

bool uprightEdges(const float* c, UprightEdges& edges) {
    const bool upright = std::fabs(c[3] - c[1]) < kUprightSlack && std::fabs(c[6] - c[0]) < kUprightSlack &&
                         std::fabs(c[4] - c[2]) < kUprightSlack && std::fabs(c[5] - c[7]) < kUprightSlack &&
                         c[2] > c[0] && c[7] > c[1];
    if (!upright) return false;
    edges = UprightEdges{toPixel(c[0] + 0.5f), toPixel(c[1] + 0.5f), toPixel(c[2] + 0.5f), toPixel(c[7] + 0.5f)};
    return true;
}

}  // namespace

PixelPicture pixelsOf(const KGraphic& picture) {
    const int width = static_cast<int>(picture.getWidth());
    const int height = static_cast<int>(picture.getHeight());
    if (picture.isEmpty() || picture.pixels().size() != static_cast<size_t>(width) * height) return {};
    return PixelPicture{picture.pixels().data(), width, height, picture.contentSerial()};
}

uint8_t tintLevel(float value) {
    return static_cast<uint8_t>(std::lround(std::clamp(std::isnan(value) ? 0.0f : value, 0.0f, 1.0f) * 255.0f));
}

bool PixelCanvas::resize(int width, int height) {
    draws.clear();
    if (width <= 0 || height <= 0 || width > kMaxImageSide || height > kMaxImageSide) {
        canvasWidth = canvasHeight = 0;
        canvasPixels.clear();
        return false;
    }
    canvasWidth = width;
    canvasHeight = height;
    canvasPixels.assign(static_cast<size_t>(width) * height, kOpaque);
    gathered.resize(static_cast<size_t>(width));
    return true;
}

void PixelCanvas::begin(uint32_t backdrop) {
    backdropColour = backdrop | kOpaque;
    draws.clear();
    columns.clear();
    firstShown = 0;
    backdropHidden = false;
}

void PixelCanvas::drawPicture(const PixelPicture& picture, const float corners[8], PixelTint tint) {
    if (picture.pixels == nullptr || picture.width <= 0 || picture.height <= 0 || tint.a == 0) return;
    for (int i = 0; i < 8; ++i) {
        if (!std::isfinite(corners[i])) return;
    }
    const bool hidesAll = covers(picture, corners, tint);
    const size_t before = draws.size();
    if (!noteUpright(picture, corners, tint)) noteTurned(picture, corners, tint);
    if (hidesAll && draws.size() > before) {
        firstShown = before;
        backdropHidden = true;
    }
}

bool PixelCanvas::covers(const PixelPicture& picture, const float corners[8], PixelTint tint) {
    if (picture.pixels == nullptr || picture.content == 0 || tint.a != 255) return false;
    for (int i = 0; i < 8; ++i) {
        if (!std::isfinite(corners[i])) return false;
    }
    UprightEdges edges{};
    if (!uprightEdges(corners, edges)) return false;
    const bool whole = edges.left <= 0 && edges.top <= 0 && edges.right >= canvasWidth && edges.bottom >= canvasHeight;
    return whole && opaque(picture);
}

bool PixelCanvas::opaque(const PixelPicture& picture) {
    for (const Opacity& known : opacities) {
        if (known.content == picture.content) return known.opaque;
    }
    const uint32_t* end = picture.pixels + static_cast<size_t>(picture.width) * picture.height;
    const bool covering = std::all_of(picture.pixels, end, [](uint32_t pixel) { return (pixel & kOpaque) == kOpaque; });
    opacities.push_back(Opacity{picture.content, covering});
    return covering;
}

// Band by band, every draw's rows in the band: the band stays in the cache from the first layer to
// the last, where whole layers one after another would stream the canvas through memory each time.
void PixelCanvas::finish() {
    for (int top = 0; top < canvasHeight; top += kBandRows) {
        const int bottom = std::min(top + kBandRows, canvasHeight);
        if (!backdropHidden) {
            std::fill(canvasPixels.begin() + static_cast<ptrdiff_t>(top) * canvasWidth,
                      canvasPixels.begin() + static_cast<ptrdiff_t>(bottom) * canvasWidth, backdropColour);
        }
        for (size_t i = firstShown; i < draws.size(); ++i) {
            const Draw& draw = draws[i];
            const int from = std::max(top, draw.y1);
            const int to = std::min(bottom, draw.y2);
            if (from >= to) continue;
            if (draw.upright) {
                uprightRows(draw, from, to);
            } else {
                turnedRows(draw, from, to);
            }
        }
    }
    draws.clear();
    firstShown = 0;
    backdropHidden = false;
    std::erase_if(stretched, [](const Stretched& copy) { return !copy.used; });
    for (Stretched& copy : stretched) copy.used = false;
}

bool PixelCanvas::noteUpright(const PixelPicture& picture, const float corners[8], PixelTint tint) {
    UprightEdges edges{};
    if (!uprightEdges(corners, edges)) return false;
    Draw draw;
    draw.upright = true;
    draw.tint = tint;
    draw.left = edges.left;
    draw.top = edges.top;
    draw.x1 = std::max(edges.left, 0);
    draw.x2 = std::min(edges.right, canvasWidth);
    draw.y1 = std::max(edges.top, 0);
    draw.y2 = std::min(edges.bottom, canvasHeight);
    if (draw.x1 >= draw.x2 || draw.y1 >= draw.y2) return true;
    draw.drawnWidth = edges.right - edges.left;
    draw.drawnHeight = edges.bottom - edges.top;
    draw.picture = picture;
    if (draw.drawnWidth != picture.width || draw.drawnHeight != picture.height) {
        if (const uint32_t* copy = stretchedCopy(picture, draw.drawnWidth, draw.drawnHeight)) {
            draw.picture = PixelPicture{copy, draw.drawnWidth, draw.drawnHeight, 0};
        }
    }
    if (draw.drawnWidth != draw.picture.width) {
        draw.columnsAt = columns.size();
        for (int x = draw.x1; x < draw.x2; ++x) {
            columns.push_back(nearestIndex(x - draw.left, draw.drawnWidth, draw.picture.width));
        }
    }
    draws.push_back(draw);
    return true;
}

void PixelCanvas::uprightRows(const Draw& draw, int from, int to) {
    const PixelPicture& picture = draw.picture;
    const int span = draw.x2 - draw.x1;
    const bool ownWidth = draw.drawnWidth == picture.width;
    int gatheredRow = -1;
    for (int y = from; y < to; ++y) {
        const int row = nearestIndex(y - draw.top, draw.drawnHeight, picture.height);
        const uint32_t* source = picture.pixels + static_cast<size_t>(row) * picture.width;
        if (ownWidth) {
            source += draw.x1 - draw.left;
        } else {
            if (row != gatheredRow) {
                const int* column = columns.data() + draw.columnsAt;
                for (int i = 0; i < span; ++i) gathered[i] = source[column[i]];
                gatheredRow = row;
            }
            source = gathered.data();
        }
        blendSpan(canvasPixels.data() + static_cast<size_t>(y) * canvasWidth + draw.x1, source, span, draw.tint);
    }
}

const uint32_t* PixelCanvas::stretchedCopy(const PixelPicture& picture, int width, int height) {
    const int64_t area = static_cast<int64_t>(width) * height;
    if (picture.content == 0 || area > kLargestCopy * static_cast<int64_t>(canvasWidth) * canvasHeight) return nullptr;
    auto found = std::find_if(stretched.begin(), stretched.end(), [&](const Stretched& copy) {
        return copy.content == picture.content && copy.width == width && copy.height == height;
    });
    if (found == stretched.end()) {
        stretched.push_back(Stretched{picture.content, width, height, 1, true, {}});
        return nullptr;
    }
    Stretched& copy = *found;
    if (!copy.used) {
        copy.used = true;
        ++copy.frames;
    }
    if (copy.pixels.empty() && copy.frames >= kFramesBeforeStretching) {
        copy.pixels.resize(static_cast<size_t>(width) * height);
        std::vector<int> across(static_cast<size_t>(width));
        for (int x = 0; x < width; ++x) across[x] = nearestIndex(x, width, picture.width);
        for (int y = 0; y < height; ++y) {
            const uint32_t* row = picture.pixels + static_cast<size_t>(nearestIndex(y, height, picture.height)) * picture.width;
            uint32_t* to = copy.pixels.data() + static_cast<size_t>(y) * width;
            for (int x = 0; x < width; ++x) to[x] = row[across[x]];
        }
    }
    return copy.pixels.empty() ? nullptr : copy.pixels.data();
}

// Every covered pixel's centre is taken back into the picture: p = corner0 + u * across + v * down.
void PixelCanvas::noteTurned(const PixelPicture& picture, const float corners[8], PixelTint tint) {
    const float* c = corners;
    Draw draw;
    draw.upright = false;
    draw.picture = picture;
    draw.tint = tint;
    draw.originX = c[0];
    draw.originY = c[1];
    draw.acrossX = (c[2] - c[0]) / static_cast<float>(picture.width);
    draw.acrossY = (c[3] - c[1]) / static_cast<float>(picture.width);
    draw.downX = (c[6] - c[0]) / static_cast<float>(picture.height);
    draw.downY = (c[7] - c[1]) / static_cast<float>(picture.height);
    draw.det = draw.acrossX * draw.downY - draw.acrossY * draw.downX;
    if (!std::isfinite(draw.det) || std::fabs(draw.det) < kFlattest) return;
    float minY = c[1], maxY = c[1];
    for (int i = 3; i < 8; i += 2) {
        minY = std::min(minY, c[i]);
        maxY = std::max(maxY, c[i]);
    }
    draw.y1 = std::max(toPixel(minY), 0);
    draw.y2 = std::min(toPixel(maxY) + 1, canvasHeight);
    if (draw.y1 < draw.y2) draws.push_back(draw);
}

void PixelCanvas::turnedRows(const Draw& draw, int from, int to) {
    const PixelPicture& picture = draw.picture;
    const float uStep = draw.downY / draw.det;  // per pixel to the right
    const float vStep = -draw.acrossY / draw.det;
    const float width = static_cast<float>(picture.width);
    const float height = static_cast<float>(picture.height);
    for (int y = from; y < to; ++y) {
        const float dy = static_cast<float>(y) + 0.5f - draw.originY;
        // u and v at x = 0 of the row; pixel x is sampled at its centre x + 0.5.
        const float u0 = (-draw.originX * draw.downY - dy * draw.downX) / draw.det;
        const float v0 = (draw.acrossX * dy + draw.acrossY * draw.originX) / draw.det;
        int low = 0, high = canvasWidth;
        narrowTo(u0, uStep, width, low, high);
        narrowTo(v0, vStep, height, low, high);
        if (low >= high) continue;
        for (int x = low; x < high; ++x) {
            const float centre = static_cast<float>(x) + 0.5f;
            const int u = sampleIndex(u0 + uStep * centre, picture.width);
            const int v = sampleIndex(v0 + vStep * centre, picture.height);
            gathered[x - low] = picture.pixels[static_cast<size_t>(v) * picture.width + u];
        }
        blendSpan(canvasPixels.data() + static_cast<size_t>(y) * canvasWidth + low, gathered.data(), high - low,
                  draw.tint);
    }
}
