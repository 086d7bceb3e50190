#include "framework/ui/ldv_overlay.h"

#include <cmath>
#include <cstdlib>

#include "framework/core/frame_context.h"
#include "framework/ui/overlay_registry.h"

namespace {

constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;
constexpr int kFullPercent = 100;
constexpr float kRotatedRegionAngle = 90.0f;

struct SourceRect {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

int EngineBlend(int blendMode) {
    switch (blendMode) {
    case 1: return K_BLEND_ADDITIVE;
    case 2: return K_BLEND_MULTIPLY;
    default: return K_BLEND_NORMAL;
    }
}

SourceRect SourceRectangle(const LDvOverlay& o, const KGraphic& picture) {
    if (!o.hasFrames || o.columns <= 0) {
        return {0, 0, static_cast<int>(picture.getWidth()), static_cast<int>(picture.getHeight())};
    }
    const int column = o.currentFrame % o.columns;
    const int row = o.currentFrame / o.columns;
    return {column * o.frameWidth, row * o.frameHeight, (column + 1) * o.frameWidth,
            (row + 1) * o.frameHeight};
}

// Crops one axis of the source to `percent` of its extent. Cropping from the far side keeps the
// last pixels and answers how far the draw position must move so they stay where they were.
int CropAxis(int percent, bool fromFarSide, int& low, int& high) {
    if (percent < 1 || percent >= kFullPercent) return 0;
    const int shown = (high - low) * percent / kFullPercent;
    if (!fromFarSide) {
        high = low + shown;
        return 0;
    }
    const int shift = (high - shown) - low;
    low += shift;
    return shift;
}

// Display scaling: positions always scale; sizes scale only with the centre-scaling flag, which
// zooms about the picture centre and so needs the top-left pulled back by half the growth.
struct DisplayScaling {
    float scale = 1.0f;
    float zoomFactor = 1.0f;
    float centreX = 0.0f;
    float centreY = 0.0f;
};

DisplayScaling ScalingFor(float width, float height) {
    DisplayScaling out;
    out.scale = DrawScale();
    if (DrawsCentreScaled()) {
        out.zoomFactor = out.scale;
        out.centreX = (width - out.scale * width) / 2.0f;
        out.centreY = (height - out.scale * height) / 2.0f;
    }
    return out;
}

bool NeedsEffectsBlit(const LDvOverlay& o) {
    return DrawsScaled() || o.opacity != 1.0f || o.zoom != 1.0f || o.angle != 0.0f || o.flipX ||
           o.flipY;
}

void DrawRegion(LDvOverlay& o) {
    KGraphic* page = o.regionPage != nullptr ? o.regionPage->Picture() : nullptr;
    if (page == nullptr) return;
    const FrameContext& frame = Frame();
    const float px = o.x + static_cast<float>(frame.drawOffsetX + o.frameWidth - o.regionWidth);
    const float py = o.y + static_cast<float>(frame.drawOffsetY + o.frameHeight - o.regionHeight);
    const float turn = static_cast<float>(o.regionRotated) != o.angle ? kRotatedRegionAngle : 0.0f;
    const DisplayScaling d =
        ScalingFor(static_cast<float>(o.frameWidth), static_cast<float>(o.frameHeight));
    page->blitAlphaRectFx(static_cast<float>(o.regionX), static_cast<float>(o.regionY),
                          static_cast<float>(o.regionX + o.regionWidth),
                          static_cast<float>(o.regionY + o.regionHeight), d.scale * px - d.centreX,
                          d.scale * py - d.centreY, turn, o.zoom * d.zoomFactor, o.opacity, o.flipX,
                          o.flipY, 0.0f, 0.0f);
}

}  // namespace

LDvOverlay::~LDvOverlay() {
    if (registered) Unregister(this);
}

void LDvOverlay::SetPosition(int newX, int newY) {
    x = static_cast<float>(newX);
    y = static_cast<float>(newY);
}

void LDvOverlay::MoveBy(int dx, int dy) {
    x += static_cast<float>(dx);
    y += static_cast<float>(dy);
}

void LDvOverlay::SetFrame(int n) { currentFrame = n; }

void LDvOverlay::ShowFrame(int n) { SetFrame(n); }

void LDvOverlay::NextFrame() {
    ++currentFrame;
    if (currentFrame >= frameCount) currentFrame = 0;
}

void LDvOverlay::PrevFrame() {
    --currentFrame;
    if (currentFrame < 0) currentFrame = frameCount > 0 ? frameCount - 1 : 0;
}

int LDvOverlay::GetHeight() {
    const KGraphic* p = Picture();
    return p != nullptr ? static_cast<int>(p->getHeight()) : 0;
}

int LDvOverlay::GetWidth() {
    const KGraphic* p = Picture();
    return p != nullptr ? static_cast<int>(p->getWidth()) : 0;
}

int LDvOverlay::GetFrameWidth() { return frameWidth; }

int LDvOverlay::GetFrameHeight() { return frameHeight; }

LDvRect LDvOverlay::GetBounds() {
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    LDvRect box{left, top, frameWidth + left - 1, frameHeight + top - 1};
    if (angle == 0.0f) return box;
    // Each term takes its own magnitude: summing signed terms collapses the box of a square
    // turned by 45 degrees to a point.
    const double a = -static_cast<double>(angle) * kDegreesToRadians;
    const double w = frameWidth - 1;
    const double h = frameHeight - 1;
    const int halfW = static_cast<int>(std::fabs(h * std::sin(a)) + std::fabs(w * std::cos(a))) / 2;
    const int halfH = static_cast<int>(std::fabs(h * std::cos(a)) + std::fabs(w * std::sin(a))) / 2;
    const int cx = (box.left + box.right) / 2;
    const int cy = (box.top + box.bottom) / 2;
    return {cx - halfW, cy - halfH, cx + halfW, cy + halfH};
}

void LDvOverlay::Hide() { hidden = true; }

void LDvOverlay::Show() { hidden = false; }

void LDvOverlay::Update() {
    ++tickCount;
    OnTick(tickCount);
}

void LDvOverlay::OnTick(int) {}

void LDvOverlay::DrawAt(int newX, int newY) {
    SetPosition(newX, newY);
    Draw();
}

void LDvOverlay::DrawAtF(float newX, float newY) {
    x = newX;
    y = newY;
    Draw();
}

void LDvOverlay::Draw() {
    if (percentWidthShown == 0 || percentHeightShown == 0 || opacity == 0.0f || !loaded) return;
    if (drawnAsRegion) {
        DrawRegion(*this);
        return;
    }
    KGraphic* p = Picture();
    if (p == nullptr) return;

    SourceRect src = SourceRectangle(*this, *p);
    const int shiftX = CropAxis(percentWidthShown, cropFromFarSide, src.x1, src.x2);
    const int shiftY = CropAxis(percentHeightShown, cropFromFarSide, src.y1, src.y2);
    const FrameContext& frame = Frame();
    const float px = x + static_cast<float>(frame.drawOffsetX + shiftX);
    const float py = y + static_cast<float>(frame.drawOffsetY + shiftY);

    p->setBlitBlend(EngineBlend(blendMode));
    if (NeedsEffectsBlit(*this)) {
        const DisplayScaling d =
            ScalingFor(static_cast<float>(src.x2 - src.x1), static_cast<float>(src.y2 - src.y1));
        p->blitAlphaRectFx(static_cast<float>(src.x1), static_cast<float>(src.y1),
                           static_cast<float>(src.x2), static_cast<float>(src.y2), d.scale * px - d.centreX,
                           d.scale * py - d.centreY, -angle, zoom * d.zoomFactor, opacity, flipX, flipY,
                           0.0f, 0.0f);
    } else {
        p->blitAlphaRect(static_cast<float>(src.x1), static_cast<float>(src.y1), static_cast<float>(src.x2),
                         static_cast<float>(src.y2), px, py, false, false);
    }
    p->setBlitBlend(K_BLEND_NORMAL);
}

void LDvOverlay::SetCentre(int cx, int cy) {
    x = static_cast<float>(cx - (frameWidth > 0 ? frameWidth / 2 : 0));
    y = static_cast<float>(cy - (frameHeight > 0 ? frameHeight / 2 : 0));
}

void LDvOverlay::SetCentre(float cx, float cy) {
    x = cx - static_cast<float>(frameWidth > 0 ? frameWidth / 2 : 0);
    y = cy - static_cast<float>(frameHeight > 0 ? frameHeight / 2 : 0);
}

void LDvOverlay::SetColor(float r, float g, float b, float a) {
    colorR = r;
    colorG = g;
    colorB = b;
    colorA = a;
    if (KGraphic* p = Picture()) p->setBlitColor(r, g, b, a);
}

void LDvSprite::Update() {
    if (paused) return;
    LDvOverlay::Update();
}
