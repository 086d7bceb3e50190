#pragma once
// A picture held as a texture, and every drawing primitive. Pixels decoded from a file are kept
// until the picture is first drawn (uploaded to the current window's renderer), so pictures can be
// loaded and measured without a window (unit tests, tools). Owns its pixels and its texture; the
// texture lives until the picture is reloaded or deleted, or until its window is deleted (after
// which the picture draws nothing unless its pixels were retained).
//
// Coordinates: source rectangles run from (sx1, sy1) inclusive to (sx2, sy2) exclusive. Angles are
// in degrees, positive turning anticlockwise on screen. Every destination goes through the current
// window's world view, except while drawing into a render target.
//
// Smooth sampling (setTextureQuality) applies to every scaled draw, except that SDL's software
// renderer turns pictures with nearest sampling: its smooth rotation costs four times as much, more
// than a frame of 300 sprites can afford. The accelerated renderer turns them smoothly.
//
// Blend modes go to the accelerated renderer as SDL custom blend modes with their exact factors.
// SDL's software renderer knows no custom modes and draws additive and multiply with its own ADD
// and MOD (the same formulas), premultiplied (2) as normal alpha blending (exact for opaque pixels,
// translucent ones come out darker), and erase (3) as SDL's multiply-with-alpha with a black
// colour, giving destination x (1 - alpha) in colour while the destination's own alpha is kept.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SDL_Texture;

// Blend modes of setBlitBlend.
constexpr int K_BLEND_ADDITIVE = 0;       // source x alpha + destination (4 is the same)
constexpr int K_BLEND_NORMAL = 1;         // source x alpha + destination x (1 - alpha)
constexpr int K_BLEND_PREMULTIPLIED = 2;  // source + destination x (1 - alpha), as close as SDL allows
constexpr int K_BLEND_ERASE = 3;          // destination x (1 - alpha), as close as SDL allows
constexpr int K_BLEND_ADDITIVE_ALT = 4;
constexpr int K_BLEND_MULTIPLY = 5;       // destination x source colour

class KGraphic {
public:
    KGraphic();
    ~KGraphic();  // frees the texture
    KGraphic(const KGraphic&) = delete;
    KGraphic& operator=(const KGraphic&) = delete;

    // Decodes PNG or JPEG chosen by the file's contents. False (and an empty picture) when the
    // file is missing, truncated or corrupt.
    bool loadPicture(const char* fileName, bool hiQuality = true, bool mipmaps = false);
    // pixels: width x height 32-bit values whose bytes in memory are R, G, B, A; a copy is kept.
    bool loadPictureFromPixels(const uint32_t* pixels, int width, int height, bool hiQuality = true);
    // The same, taking over `pixels` (exactly width x height of them) instead of copying them.
    bool takePixels(std::vector<uint32_t>&& pixels, int width, int height);
    // Pixels (laid out as for loadPictureFromPixels, alpha ignored) that replace the picture's on
    // the current window's renderer, for a picture made anew every frame: its texture is kept and
    // rewritten while the size stays the same. Nothing is kept on the processor's side.
    bool updateOpaquePixels(const uint32_t* pixels, int width, int height);
    // An empty picture of the given size that can be drawn into (render target).
    bool makeRenderTarget(int width, int height);
    // Later draws go into this picture until endRenderToTarget; `clear` first makes it fully
    // transparent (a target reused for several widgets would otherwise keep the last one's pixels).
    bool beginRenderToTarget(bool clear = false);
    void endRenderToTarget();

    float getWidth() const { return static_cast<float>(width); }
    float getHeight() const { return static_cast<float>(height); }
    bool isEmpty() const { return width == 0 || height == 0; }
    // New with every picture loaded or made into this one and with every rewrite of its pixels.
    uint64_t contentSerial() const { return contentId; }

    void setTextureQuality(bool smooth);
    void setBlitColor(float r, float g, float b, float a);
    void getBlitColor(float& r, float& g, float& b, float& a) const;
    void setBlitBlend(int mode);
    int getBlitBlend() const { return blend; }

    void blitAlphaRect(float sx1, float sy1, float sx2, float sy2, float dx, float dy,
                       bool flipX = false, bool flipY = false);
    // The source rectangle stretched onto the destination rectangle (dx1, dy1)-(dx2, dy2).
    void blitStretchRect(float sx1, float sy1, float sx2, float sy2, float dx1, float dy1, float dx2, float dy2);
    // Rotated by angle (degrees) about the rectangle's centre shifted by the offsets, zoomed about the
    // same point; nothing is drawn when zoom or opacity is not above 0.
    void blitAlphaRectFx(float sx1, float sy1, float sx2, float sy2, float dx, float dy, float angle,
                         float zoom, float opacity, bool flipX = false, bool flipY = false,
                         float centreOffsetX = 0.0f, float centreOffsetY = 0.0f);
    // Source quadrilateral onto destination quadrilateral, corner i onto corner i, in window pixels.
    void blitQuad(float sx1, float sy1, float sx2, float sy2, float sx3, float sy3, float sx4, float sy4,
                  float dx1, float dy1, float dx2, float dy2, float dx3, float dy3, float dx4, float dy4,
                  float opacity);

    // Untextured primitives (colours 0..1), blended with this picture's blend mode.
    void plotPixel(float x, float y, float r, float g, float b, float a);
    void drawLine(float x1, float y1, float x2, float y2, float r, float g, float b, float a);
    void fillRect(float x1, float y1, float x2, float y2, float r, float g, float b, float a);

    // The decoded pixels while they are still held (before upload, or always when retained).
    void setRetainPixels(bool retain);
    const std::vector<uint32_t>& pixels() const { return pixelData; }

private:
    // The texture on the current window's renderer, made and uploaded on first use; null when
    // there is no window or nothing to draw. Applies the colour and alpha modulation for `opacity`.
    SDL_Texture* prepareBlit(float opacity);
    bool ensureTexture();
    bool hasLiveTexture() const;  // made on the current window's renderer, which still lives
    bool createTargetTexture();
    bool uploadPixels();
    bool ensureStreamingTexture(int width, int height);
    void applyTextureState();
    void applyBlendMode();
    void chooseCopyBlending(bool straightCopy);
    void useSampling(bool linear);
    void applyModulation(float red, float green, float blue, float alpha);
    void drawColorFor(float r, float g, float b, float a) const;
    void resetPicture();

    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixelData;
    bool retainPixels = false;
    bool renderTarget = false;
    bool streamed = false;         // rewritten by updateOpaquePixels, never from pixelData
    bool lostLogged = false;
    SDL_Texture* texture = nullptr;
    uint32_t textureSerial = 0;  // the window whose renderer made the texture
    float colorR = 1.0f, colorG = 1.0f, colorB = 1.0f, colorA = 1.0f;
    int blend = K_BLEND_NORMAL;
    bool smooth = false;
    // What the texture was last given, so unchanged state costs no SDL call.
    int appliedModR = -1, appliedModG = -1, appliedModB = -1, appliedModA = -1;
    bool eraseByMultiply = false;  // erase drawn as multiply with black (no custom blend modes)
    bool opaque = false;           // every pixel fully covers: drawn straight, blending changes nothing
    bool copyingWithoutBlend = false;
    int appliedLinear = -1;        // sampling the texture was last given: 1 linear, 0 nearest
    uint64_t contentId = 0;        // new with every picture loaded or made into this one (frame signatures)
};

// A new picture of the active renderer; empty when no renderer has been chosen is still usable.
std::unique_ptr<KGraphic> createKGraphic();
