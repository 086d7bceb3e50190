#include "engine/k_graphic.h"

#include <SDL.h>

#include <algorithm>
#include <atomic>
#include <cmath>

#include "engine/frame_canvas.h"
#include "engine/image_codec.h"
#include "engine/k_log.h"
#include "engine/k_window.h"

namespace {

constexpr float kCoordinateLimit = 1.0e6f;  // far beyond any window; keeps float-to-int conversions defined

int toByte(float value) {
    const float clamped = std::clamp(std::isnan(value) ? 0.0f : value, 0.0f, 1.0f);
    return static_cast<int>(std::lround(clamped * 255.0f));
}

int toPixel(float value) {
    if (!(value > -kCoordinateLimit)) return static_cast<int>(-kCoordinateLimit);
    if (!(value < kCoordinateLimit)) return static_cast<int>(kCoordinateLimit);
    return static_cast<int>(std::lround(value));
}

bool finite(const SDL_FRect& rect) {
    return std::isfinite(rect.x) && std::isfinite(rect.y) && std::isfinite(rect.w) && std::isfinite(rect.h);
}

SDL_Rect sourceRect(float sx1, float sy1, float sx2, float sy2) {
    const int x1 = toPixel(std::min(sx1, sx2));
    const int y1 = toPixel(std::min(sy1, sy2));
    return SDL_Rect{x1, y1, toPixel(std::max(sx1, sx2)) - x1, toPixel(std::max(sy1, sy2)) - y1};
}

// The world view scales about the canvas's top-left corner, then translates; the frame canvas then
// takes canvas pixels to the window's. Render targets are drawn in their own pixels.
void toView(const KWindow& window, SDL_FRect& rect, bool snap) {
    if (window.drawsIntoPicture()) return;
    const float zoom = window.viewZoom();
    rect.x = rect.x * zoom + window.viewTranslateX();
    rect.y = rect.y * zoom + window.viewTranslateY();
    rect.w *= zoom;
    rect.h *= zoom;
    if (const FrameCanvas* canvas = window.frameCanvas()) canvas->map(rect, snap);
}

void toView(const KWindow& window, float& x, float& y) {
    if (window.drawsIntoPicture()) return;
    x = x * window.viewZoom() + window.viewTranslateX();
    y = y * window.viewZoom() + window.viewTranslateY();
    if (const FrameCanvas* canvas = window.frameCanvas()) canvas->map(x, y);
}

// How much longer a canvas length is where it lands.
float lengthScale(const KWindow& window) {
    if (window.drawsIntoPicture()) return 1.0f;
    const FrameCanvas* canvas = window.frameCanvas();
    return window.viewZoom() * (canvas ? canvas->lengthScaleX() : 1.0f);
}

// Which kind of draw a signature entry comes from.
enum DrawKind : int { kDrawBlit = 1, kDrawStretch, kDrawFx, kDrawQuad, kDrawPixel, kDrawLine, kDrawFill, kDrawTarget };

// Every picture's content gets a number of its own, never reused, so a frame's signature tells a
// picture from one loaded later at the same address. Pictures load on several threads at start-up.
uint64_t nextContentId() {
    static std::atomic<uint64_t> last{0};
    return ++last;
}

// The window a draw goes to, with its frame ready; null when there is none or the frame is only
// probed. Either way the draw adds what it is made of to the frame's signature first.
template <typename... Values>
KWindow* drawWindow(Values... values) {
    KWindow* window = KWindow::current();
    if (!window) return nullptr;
    window->signature().add(values...);
    if (window->probing()) return nullptr;
    if (!window->drawsIntoPicture()) window->prepareFrame();
    return window;
}

SDL_BlendMode composed(SDL_BlendFactor source, SDL_BlendFactor destination, SDL_BlendFactor sourceAlpha,
                       SDL_BlendFactor destinationAlpha) {
    return SDL_ComposeCustomBlendMode(source, destination, SDL_BLENDOPERATION_ADD, sourceAlpha, destinationAlpha,
                                      SDL_BLENDOPERATION_ADD);
}

// Every mode as its exact factors, which a renderer on a graphics card takes as they are.
SDL_BlendMode sdlBlendMode(int mode) {
    switch (mode) {
        case K_BLEND_ADDITIVE:
        case K_BLEND_ADDITIVE_ALT:
            return composed(SDL_BLENDFACTOR_SRC_ALPHA, SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE);
        case K_BLEND_PREMULTIPLIED:
            return composed(SDL_BLENDFACTOR_ONE, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDFACTOR_ONE,
                            SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA);
        case K_BLEND_ERASE:
            return composed(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA, SDL_BLENDFACTOR_ZERO,
                            SDL_BLENDFACTOR_ONE_MINUS_SRC_ALPHA);
        case K_BLEND_MULTIPLY:
            return composed(SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_SRC_COLOR, SDL_BLENDFACTOR_ZERO, SDL_BLENDFACTOR_ONE);
        default:
            return SDL_BLENDMODE_BLEND;
    }
}

// What SDL's software renderer, which takes no custom modes, uses instead (see the header).
SDL_BlendMode fallbackBlendMode(int mode) {
    switch (mode) {
        case K_BLEND_ADDITIVE:
        case K_BLEND_ADDITIVE_ALT:
            return SDL_BLENDMODE_ADD;
        case K_BLEND_MULTIPLY:
            return SDL_BLENDMODE_MOD;
        case K_BLEND_ERASE:
            return SDL_BLENDMODE_MUL;
        default:
            return SDL_BLENDMODE_BLEND;
    }
}

SDL_RendererFlip flipOf(bool flipX, bool flipY) {
    return static_cast<SDL_RendererFlip>((flipX ? SDL_FLIP_HORIZONTAL : 0) | (flipY ? SDL_FLIP_VERTICAL : 0));
}

// Our pixels are R, G, B, A bytes; a texture in ARGB8888 holds B, G, R, A on a little-endian machine.
uint32_t swappedRedAndBlue(uint32_t pixel) {
    return (pixel & 0xFF00FF00u) | ((pixel & 0xFFu) << 16) | ((pixel >> 16) & 0xFFu);
}

void swapRedAndBlue(std::vector<uint32_t>& pixels) {
    for (uint32_t& pixel : pixels) pixel = swappedRedAndBlue(pixel);
}

bool fullyCovers(uint32_t pixel) { return reinterpret_cast<const uint8_t*>(&pixel)[3] == 255; }

}  // namespace

KGraphic::KGraphic() = default;

KGraphic::~KGraphic() { resetPicture(); }

void KGraphic::resetPicture() {
    // A texture of a window that is gone was freed with that window's renderer.
    if (hasLiveTexture()) SDL_DestroyTexture(texture);
    texture = nullptr;
    textureSerial = 0;
    width = height = 0;
    pixelData.clear();
    pixelData.shrink_to_fit();
    renderTarget = false;
    streamed = false;
    lostLogged = false;
    contentId = nextContentId();
}

bool KGraphic::loadPicture(const char* fileName, bool, bool) {
    resetPicture();
    DecodedImage image;
    if (!fileName || !decodeImageFile(fileName, image)) {
        engineLog("KGraphic: cannot load picture '%s'", fileName ? fileName : "");
        return false;
    }
    width = image.width;
    height = image.height;
    pixelData = std::move(image.pixels);
    return true;
}

bool KGraphic::loadPictureFromPixels(const uint32_t* pixels, int w, int h, bool) {
    resetPicture();
    if (!pixels || w <= 0 || h <= 0 || w > kMaxImageSide || h > kMaxImageSide) {
        engineLog("KGraphic: refused pixels of %d x %d", w, h);
        return false;
    }
    pixelData.assign(pixels, pixels + static_cast<size_t>(w) * h);
    width = w;
    height = h;
    return true;
}

bool KGraphic::takePixels(std::vector<uint32_t>&& pixels, int w, int h) {
    resetPicture();
    if (w <= 0 || h <= 0 || w > kMaxImageSide || h > kMaxImageSide ||
        pixels.size() != static_cast<size_t>(w) * static_cast<size_t>(h)) {
        engineLog("KGraphic: refused %zu pixels as %d x %d", pixels.size(), w, h);
        return false;
    }
    pixelData = std::move(pixels);
    width = w;
    height = h;
    return true;
}

bool KGraphic::updateOpaquePixels(const uint32_t* pixels, int w, int h) {
    KWindow* window = KWindow::current();
    if (!pixels || w <= 0 || h <= 0 || w > kMaxImageSide || h > kMaxImageSide) {
        engineLog("KGraphic: refused pixels of %d x %d", w, h);
        return false;
    }
    if (!window) return false;
    contentId = nextContentId();
    if (window->probing()) return true;
    if (!ensureStreamingTexture(w, h)) return false;
    void* target = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture, nullptr, &target, &pitch) != 0) {
        engineLog("KGraphic: cannot rewrite a %d x %d picture: %s", w, h, SDL_GetError());
        return false;
    }
    const bool swizzle = window->opaqueTextureFormat() == SDL_PIXELFORMAT_ARGB8888 ||
                         window->opaqueTextureFormat() == SDL_PIXELFORMAT_RGB888;
    for (int y = 0; y < h; ++y) {
        const uint32_t* from = pixels + static_cast<size_t>(y) * w;
        uint32_t* to = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(target) + static_cast<size_t>(y) * pitch);
        for (int x = 0; x < w; ++x) to[x] = swizzle ? swappedRedAndBlue(from[x]) : from[x];
    }
    SDL_UnlockTexture(texture);
    return true;
}

bool KGraphic::ensureStreamingTexture(int w, int h) {
    if (streamed && hasLiveTexture() && w == width && h == height) return true;
    const uint64_t keptId = contentId;
    resetPicture();
    contentId = keptId;
    const KWindow* window = KWindow::current();
    texture = SDL_CreateTexture(window->sdlRenderer(), window->opaqueTextureFormat(), SDL_TEXTUREACCESS_STREAMING, w, h);
    if (!texture) {
        engineLog("KGraphic: cannot make a %d x %d picture to rewrite: %s", w, h, SDL_GetError());
        return false;
    }
    width = w;
    height = h;
    streamed = true;
    opaque = true;
    textureSerial = window->serial();
    appliedModR = appliedModG = appliedModB = appliedModA = -1;
    eraseByMultiply = false;
    copyingWithoutBlend = false;
    applyTextureState();
    return true;
}

bool KGraphic::makeRenderTarget(int w, int h) {
    resetPicture();
    if (w <= 0 || h <= 0 || w > kMaxImageSide || h > kMaxImageSide) return false;
    width = w;
    height = h;
    renderTarget = true;
    return KWindow::current() == nullptr || ensureTexture();
}

bool KGraphic::beginRenderToTarget(bool clear) {
    KWindow* window = KWindow::current();
    if (!renderTarget || !window) return false;
    window->signature().add(contentId, int{kDrawTarget}, clear);
    if (window->probing()) {
        window->setDrawsIntoPicture(true);
        return true;
    }
    if (!ensureTexture()) return false;
    if (SDL_SetRenderTarget(window->sdlRenderer(), texture) != 0) {
        engineLog("KGraphic: cannot draw into the picture: %s", SDL_GetError());
        return false;
    }
    window->setDrawsIntoPicture(true);
    if (clear) {
        SDL_SetRenderDrawColor(window->sdlRenderer(), 0, 0, 0, 0);
        SDL_RenderClear(window->sdlRenderer());
    }
    return true;
}

void KGraphic::endRenderToTarget() {
    KWindow* window = KWindow::current();
    if (!window || !window->drawsIntoPicture()) return;
    window->signature().add(contentId, int{kDrawTarget});
    window->setDrawsIntoPicture(false);  // back to the frame
}

bool KGraphic::ensureTexture() {
    const KWindow* window = KWindow::current();
    if (!window) return false;
    if (texture && textureSerial == window->serial()) return true;
    texture = nullptr;
    if (width == 0 || height == 0) return false;
    if (!(renderTarget ? createTargetTexture() : uploadPixels())) return false;
    textureSerial = window->serial();
    appliedModR = appliedModG = appliedModB = appliedModA = -1;
    eraseByMultiply = false;
    applyTextureState();
    return true;
}

bool KGraphic::createTargetTexture() {
    SDL_Renderer* renderer = KWindow::current()->sdlRenderer();
    opaque = false;  // whatever is drawn into it may leave it see-through
    texture = SDL_CreateTexture(renderer, KWindow::current()->textureFormat(), SDL_TEXTUREACCESS_TARGET, width, height);
    if (!texture) {
        engineLog("KGraphic: cannot make a %d x %d render target: %s", width, height, SDL_GetError());
        return false;
    }
    // A new target starts fully transparent.
    SDL_Texture* previous = SDL_GetRenderTarget(renderer);
    SDL_SetRenderTarget(renderer, texture);
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 0);
    SDL_RenderClear(renderer);
    SDL_SetRenderTarget(renderer, previous);
    return true;
}

bool KGraphic::uploadPixels() {
    if (pixelData.empty()) {
        if (!lostLogged) engineLog("KGraphic: a %d x %d picture lost its pixels with its window", width, height);
        lostLogged = true;
        return false;
    }
    const KWindow* window = KWindow::current();
    opaque = std::all_of(pixelData.begin(), pixelData.end(), [](uint32_t pixel) { return fullyCovers(pixel); });
    const uint32_t format = opaque ? window->opaqueTextureFormat() : window->textureFormat();
    texture = SDL_CreateTexture(window->sdlRenderer(), format, SDL_TEXTUREACCESS_STATIC, width, height);
    if (!texture) {
        engineLog("KGraphic: cannot make a %d x %d texture: %s", width, height, SDL_GetError());
        return false;
    }
    const bool swizzle = format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_RGB888;
    if (swizzle) swapRedAndBlue(pixelData);
    SDL_UpdateTexture(texture, nullptr, pixelData.data(), width * 4);
    if (retainPixels) {
        if (swizzle) swapRedAndBlue(pixelData);
    } else {
        pixelData.clear();
        pixelData.shrink_to_fit();
    }
    return true;
}

bool KGraphic::hasLiveTexture() const {
    const KWindow* window = KWindow::current();
    return texture && window && window->serial() == textureSerial;
}

void KGraphic::applyTextureState() {
    if (!hasLiveTexture()) return;
    applyBlendMode();
    SDL_SetTextureScaleMode(texture, smooth ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    appliedLinear = smooth ? 1 : 0;
}

void KGraphic::useSampling(bool linear) {
    const int wanted = linear ? 1 : 0;
    if (appliedLinear == wanted) return;
    // Queued draws read the texture's sampling when they run, so they must run first.
    SDL_RenderFlush(KWindow::current()->sdlRenderer());
    SDL_SetTextureScaleMode(texture, linear ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    appliedLinear = wanted;
}

void KGraphic::applyBlendMode() {
    if (!hasLiveTexture()) return;
    const bool wasErasing = eraseByMultiply;
    eraseByMultiply = false;
    copyingWithoutBlend = false;
    if (SDL_SetTextureBlendMode(texture, sdlBlendMode(blend)) != 0) {
        SDL_SetTextureBlendMode(texture, fallbackBlendMode(blend));
        eraseByMultiply = blend == K_BLEND_ERASE;
    }
    if (eraseByMultiply != wasErasing) appliedModR = appliedModG = appliedModB = appliedModA = -1;
}

void KGraphic::applyModulation(float red, float green, float blue, float alpha) {
    const int r = eraseByMultiply ? 0 : toByte(red);
    const int g = eraseByMultiply ? 0 : toByte(green);
    const int b = eraseByMultiply ? 0 : toByte(blue);
    const int a = toByte(alpha);
    if (r != appliedModR || g != appliedModG || b != appliedModB) {
        SDL_SetTextureColorMod(texture, static_cast<Uint8>(r), static_cast<Uint8>(g), static_cast<Uint8>(b));
        appliedModR = r;
        appliedModG = g;
        appliedModB = b;
    }
    if (a != appliedModA) {
        SDL_SetTextureAlphaMod(texture, static_cast<Uint8>(a));
        appliedModA = a;
    }
}

// An opaque picture drawn unturned and unflipped at full opacity looks the same without blending,
// and SDL's software renderer then copies or stretches rows instead of blending every pixel: the
// difference that matters for full-screen backgrounds. Blend modes are taken per draw, so the mode
// can change between draws of one frame.
void KGraphic::chooseCopyBlending(bool straightCopy) {
    const bool copy = straightCopy && opaque && blend == K_BLEND_NORMAL && appliedModA == 255;
    if (copy == copyingWithoutBlend) return;
    copyingWithoutBlend = copy;
    SDL_SetTextureBlendMode(texture, copy ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
}

SDL_Texture* KGraphic::prepareBlit(float opacity) {
    if (!ensureTexture()) return nullptr;
    applyModulation(colorR, colorG, colorB, colorA * opacity);
    return texture;
}

void KGraphic::setTextureQuality(bool smoothSampling) {
    smooth = smoothSampling;  // applied by the next blit that scales or turns
}

void KGraphic::setBlitColor(float r, float g, float b, float a) {
    colorR = r;
    colorG = g;
    colorB = b;
    colorA = a;
}

void KGraphic::getBlitColor(float& r, float& g, float& b, float& a) const {
    r = colorR;
    g = colorG;
    b = colorB;
    a = colorA;
}

void KGraphic::setBlitBlend(int mode) {
    if (blend == mode) return;
    blend = mode;
    applyBlendMode();
}

void KGraphic::setRetainPixels(bool retain) { retainPixels = retain; }

void KGraphic::blitAlphaRect(float sx1, float sy1, float sx2, float sy2, float dx, float dy, bool flipX, bool flipY) {
    KWindow* window = drawWindow(contentId, int{kDrawBlit}, sx1, sy1, sx2, sy2, dx, dy, flipX, flipY, colorR, colorG,
                                 colorB, colorA, blend);
    if (!window) return;
    SDL_Texture* drawn = prepareBlit(1.0f);
    if (!drawn) return;
    const SDL_Rect source = sourceRect(sx1, sy1, sx2, sy2);
    SDL_FRect target{dx, dy, static_cast<float>(source.w), static_cast<float>(source.h)};
    toView(*window, target, true);
    if (!finite(target)) return;
    if (target.w != source.w || target.h != source.h) useSampling(smooth);
    chooseCopyBlending(!flipX && !flipY);
    if (flipX || flipY) {
        SDL_RenderCopyExF(window->sdlRenderer(), drawn, &source, &target, 0.0, nullptr, flipOf(flipX, flipY));
    } else {
        SDL_RenderCopyF(window->sdlRenderer(), drawn, &source, &target);
    }
}

void KGraphic::blitStretchRect(float sx1, float sy1, float sx2, float sy2, float dx1, float dy1, float dx2, float dy2) {
    KWindow* window = drawWindow(contentId, int{kDrawStretch}, sx1, sy1, sx2, sy2, dx1, dy1, dx2, dy2, colorR, colorG,
                                 colorB, colorA, blend, smooth);
    if (!window) return;
    SDL_Texture* drawn = prepareBlit(1.0f);
    if (!drawn) return;
    const SDL_Rect source = sourceRect(sx1, sy1, sx2, sy2);
    SDL_FRect target{std::min(dx1, dx2), std::min(dy1, dy2), std::fabs(dx2 - dx1), std::fabs(dy2 - dy1)};
    toView(*window, target, true);
    if (!finite(target)) return;
    useSampling(smooth);
    chooseCopyBlending(true);
    SDL_RenderCopyF(window->sdlRenderer(), drawn, &source, &target);
}

void KGraphic::blitAlphaRectFx(float sx1, float sy1, float sx2, float sy2, float dx, float dy, float angle, float zoom,
                               float opacity, bool flipX, bool flipY, float centreOffsetX, float centreOffsetY) {
    if (!(zoom > 0.0f) || !(opacity > 0.0f)) return;
    KWindow* window = drawWindow(contentId, int{kDrawFx}, sx1, sy1, sx2, sy2, dx, dy, angle, zoom, opacity, flipX,
                                 flipY, centreOffsetX, centreOffsetY, colorR, colorG, colorB, colorA, blend, smooth);
    if (!window) return;
    SDL_Texture* drawn = prepareBlit(std::min(opacity, 1.0f));
    if (!drawn) return;
    const SDL_Rect source = sourceRect(sx1, sy1, sx2, sy2);
    // The pivot, relative to the unscaled rectangle's top-left corner; zoom and turn both keep it in place.
    const float pivotX = source.w * 0.5f + centreOffsetX;
    const float pivotY = source.h * 0.5f + centreOffsetY;
    SDL_FRect target{dx + pivotX - pivotX * zoom, dy + pivotY - pivotY * zoom, source.w * zoom, source.h * zoom};
    const double turn = std::fmod(static_cast<double>(angle), 360.0);
    // A turned picture's edges are not the screen's: they have no whole pixels to land on.
    toView(*window, target, turn == 0.0);
    if (!finite(target)) return;
    if (turn != 0.0) {
        useSampling(smooth && window->turnsSmoothly());
    } else if (target.w != source.w || target.h != source.h) {
        useSampling(smooth);
    }
    const bool straight = turn == 0.0 && !flipX && !flipY;
    chooseCopyBlending(straight);
    if (straight) {
        SDL_RenderCopyF(window->sdlRenderer(), drawn, &source, &target);
        return;
    }
    // The centre is given relative to the target rectangle, in the same coordinates.
    const float scale = zoom * lengthScale(*window);
    const SDL_FPoint centre{pivotX * scale, pivotY * scale};
    // SDL turns clockwise for positive angles on a y-down screen.
    SDL_RenderCopyExF(window->sdlRenderer(), drawn, &source, &target, -turn, &centre, flipOf(flipX, flipY));
}

void KGraphic::blitQuad(float sx1, float sy1, float sx2, float sy2, float sx3, float sy3, float sx4, float sy4,
                        float dx1, float dy1, float dx2, float dy2, float dx3, float dy3, float dx4, float dy4,
                        float opacity) {
    if (!(opacity > 0.0f)) return;
    KWindow* window = drawWindow(contentId, int{kDrawQuad}, sx1, sy1, sx2, sy2, sx3, sy3, sx4, sy4, dx1, dy1, dx2, dy2,
                                 dx3, dy3, dx4, dy4, opacity, colorR, colorG, colorB, colorA, blend, smooth);
    if (!window || !ensureTexture()) return;
    // The colour travels with the vertices; the texture's own modulation stays neutral.
    applyModulation(1.0f, 1.0f, 1.0f, 1.0f);
    useSampling(smooth);
    chooseCopyBlending(false);  // the vertex colour may carry transparency
    SDL_Texture* drawn = texture;
    const SDL_Color tint{static_cast<Uint8>(eraseByMultiply ? 0 : toByte(colorR)),
                         static_cast<Uint8>(eraseByMultiply ? 0 : toByte(colorG)),
                         static_cast<Uint8>(eraseByMultiply ? 0 : toByte(colorB)),
                         static_cast<Uint8>(toByte(colorA * std::min(opacity, 1.0f)))};
    const float u = 1.0f / static_cast<float>(width);
    const float v = 1.0f / static_cast<float>(height);
    SDL_Vertex corners[4] = {
        {{dx1, dy1}, tint, {sx1 * u, sy1 * v}},
        {{dx2, dy2}, tint, {sx2 * u, sy2 * v}},
        {{dx3, dy3}, tint, {sx3 * u, sy3 * v}},
        {{dx4, dy4}, tint, {sx4 * u, sy4 * v}},
    };
    for (SDL_Vertex& corner : corners) {
        toView(*window, corner.position.x, corner.position.y);
        if (!std::isfinite(corner.position.x) || !std::isfinite(corner.position.y)) return;
    }
    static constexpr int kTwoTriangles[6] = {0, 1, 2, 0, 2, 3};
    SDL_RenderGeometry(window->sdlRenderer(), drawn, corners, 4, kTwoTriangles, 6);
    // SDL's software renderer leaves the vertex colour in the texture's modulation: forget what we set.
    appliedModR = appliedModG = appliedModB = appliedModA = -1;
}

void KGraphic::drawColorFor(float r, float g, float b, float a) const {
    SDL_Renderer* renderer = KWindow::current()->sdlRenderer();
    bool erase = false;
    if (SDL_SetRenderDrawBlendMode(renderer, sdlBlendMode(blend)) != 0) {
        SDL_SetRenderDrawBlendMode(renderer, fallbackBlendMode(blend));
        erase = blend == K_BLEND_ERASE;
    }
    SDL_SetRenderDrawColor(renderer, static_cast<Uint8>(erase ? 0 : toByte(r)), static_cast<Uint8>(erase ? 0 : toByte(g)),
                           static_cast<Uint8>(erase ? 0 : toByte(b)), static_cast<Uint8>(toByte(a)));
}

void KGraphic::plotPixel(float x, float y, float r, float g, float b, float a) {
    const KWindow* window = drawWindow(int{kDrawPixel}, x, y, r, g, b, a, blend);
    if (!window) return;
    drawColorFor(r, g, b, a);
    toView(*window, x, y);
    if (std::isfinite(x) && std::isfinite(y)) SDL_RenderDrawPointF(window->sdlRenderer(), x, y);
}

void KGraphic::drawLine(float x1, float y1, float x2, float y2, float r, float g, float b, float a) {
    const KWindow* window = drawWindow(int{kDrawLine}, x1, y1, x2, y2, r, g, b, a, blend);
    if (!window) return;
    drawColorFor(r, g, b, a);
    toView(*window, x1, y1);
    toView(*window, x2, y2);
    if (std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2)) {
        SDL_RenderDrawLineF(window->sdlRenderer(), x1, y1, x2, y2);
    }
}

void KGraphic::fillRect(float x1, float y1, float x2, float y2, float r, float g, float b, float a) {
    const KWindow* window = drawWindow(int{kDrawFill}, x1, y1, x2, y2, r, g, b, a, blend);
    if (!window) return;
    drawColorFor(r, g, b, a);
    SDL_FRect area{std::min(x1, x2), std::min(y1, y2), std::fabs(x2 - x1), std::fabs(y2 - y1)};
    toView(*window, area, true);
    if (finite(area)) SDL_RenderFillRectF(window->sdlRenderer(), &area);
}

std::unique_ptr<KGraphic> createKGraphic() { return std::make_unique<KGraphic>(); }
