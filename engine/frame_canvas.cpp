#include "engine/frame_canvas.h"

#include <SDL.h>

#include <cmath>

#include "engine/k_log.h"

namespace {

bool isUnscaled(float scale) { return std::fabs(scale - 1.0f) < 1.0e-6f; }

// Whole pixels from window-pixel coordinates; a value exactly between two pixels always goes the
// same way, so two pictures computing the same edge agree on it.
float snapped(float pixels) { return std::floor(pixels + 0.5f); }

}  // namespace

FrameCanvas::FrameCanvas(SDL_Renderer* sdlRenderer, bool composeFrames, uint32_t textureFormat, int w, int h)
    : renderer(sdlRenderer),
      composes(composeFrames),
      format(textureFormat),
      windowWidth(w),
      windowHeight(h),
      canvasWidth(w),
      canvasHeight(h) {}

FrameCanvas::~FrameCanvas() {
    if (texture) SDL_DestroyTexture(texture);
}

void FrameCanvas::setSize(int width, int height) {
    if (width <= 0 || height <= 0) return;
    canvasWidth = width;
    canvasHeight = height;
}

void FrameCanvas::setWindowSize(int width, int height) {
    if (width <= 0 || height <= 0) return;
    windowWidth = width;
    windowHeight = height;
}

bool FrameCanvas::ensureTexture() {
    if (texture && textureWidth == canvasWidth && textureHeight == canvasHeight) return true;
    if (texture) SDL_DestroyTexture(texture);
    texture = SDL_CreateTexture(renderer, format, SDL_TEXTUREACCESS_TARGET, canvasWidth, canvasHeight);
    if (!texture) {
        engineLog("FrameCanvas: cannot make a %d x %d frame picture: %s", canvasWidth, canvasHeight, SDL_GetError());
        textureWidth = textureHeight = 0;
        return false;
    }
    textureWidth = canvasWidth;
    textureHeight = canvasHeight;
    // The frame covers the window whole: copied, never blended. Shrunk, nearest sampling would drop
    // whole rows and columns of thin outlines and text; grown, it doubles some and costs a third.
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
    const bool shrinks = canvasWidth > windowWidth || canvasHeight > windowHeight;
    SDL_SetTextureScaleMode(texture, shrinks ? SDL_ScaleModeLinear : SDL_ScaleModeLinear);
    return true;
}

void FrameCanvas::begin() {
    SDL_SetRenderTarget(renderer, nullptr);
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    SDL_RenderGetScale(renderer, &scaleX, &scaleY);
    const bool windowIsCanvas = canvasWidth == windowWidth && canvasHeight == windowHeight &&
                                isUnscaled(scaleX) && isUnscaled(scaleY);
    composed = composes && !windowIsCanvas && ensureTexture();
    if (composed) {
        SDL_SetRenderTarget(renderer, texture);
        toTargetX = toTargetY = pixelsX = pixelsY = 1.0f;
    } else {
        toTargetX = static_cast<float>(windowWidth) / static_cast<float>(canvasWidth);
        toTargetY = static_cast<float>(windowHeight) / static_cast<float>(canvasHeight);
        pixelsX = scaleX;
        pixelsY = scaleY;
    }
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    frameBegun = true;
    shown = false;
}

void FrameCanvas::resumeDrawing() {
    SDL_SetRenderTarget(renderer, composing() ? texture : nullptr);
    shown = false;
}

void FrameCanvas::finish() {
    if (!frameBegun || shown) return;
    shown = true;
    SDL_SetRenderTarget(renderer, nullptr);
    if (!composed) return;
    clearUncoveredWindow();
    const SDL_Rect window{0, 0, windowWidth, windowHeight};
    SDL_RenderCopy(renderer, texture, nullptr, &window);
}

void FrameCanvas::end() {
    if (frameBegun && !shown) SDL_SetRenderTarget(renderer, nullptr);
    frameBegun = false;
    shown = false;
}

// Letter-box bars and the odd column a rounded scale leaves are outside what the frame covers.
void FrameCanvas::clearUncoveredWindow() {
    int outputWidth = 0;
    int outputHeight = 0;
    SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
    SDL_Rect viewport{};
    float scaleX = 1.0f;
    float scaleY = 1.0f;
    SDL_RenderGetViewport(renderer, &viewport);
    SDL_RenderGetScale(renderer, &scaleX, &scaleY);
    if (std::lround(static_cast<float>(viewport.w) * scaleX) >= outputWidth &&
        std::lround(static_cast<float>(viewport.h) * scaleY) >= outputHeight) {
        return;
    }
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
}

void FrameCanvas::map(SDL_FRect& rect, bool snap) const {
    const float toPixelsX = toTargetX * pixelsX;
    const float toPixelsY = toTargetY * pixelsY;
    float left = rect.x * toPixelsX;
    float top = rect.y * toPixelsY;
    float right = (rect.x + rect.w) * toPixelsX;
    float bottom = (rect.y + rect.h) * toPixelsY;
    if (snap) {
        left = snapped(left);
        top = snapped(top);
        right = snapped(right);
        bottom = snapped(bottom);
    }
    rect.x = left / pixelsX;
    rect.y = top / pixelsY;
    rect.w = (right - left) / pixelsX;
    rect.h = (bottom - top) / pixelsY;
}

void FrameCanvas::map(float& x, float& y) const {
    x *= toTargetX;
    y *= toTargetY;
}
