#include "game/widgets/framed_widget_art.h"

#include <algorithm>

#include "engine/k_graphic.h"
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/overlay_images.h"

namespace {

constexpr float kPercent = 100.0f;
constexpr int32_t kAdditiveBlend = 1;
constexpr int32_t kNormalBlend = 0;

KGraphic* TargetPicture() {
    LDvOverlay* target = FramedWidgets().target;
    return target != nullptr ? target->Picture() : nullptr;
}

}  // namespace

FramedWidgetArt& FramedWidgets() {
    static FramedWidgetArt art;
    return art;
}

bool BeginWidgetTarget(int width, int height) {
    FramedWidgetArt& art = FramedWidgets();
    if (art.target == nullptr || width <= 0 || height <= 0) return false;
    EnsurePicture(art.target);
    KGraphic* picture = art.target->Picture();
    if (picture == nullptr) return false;
    // Grown, never shrunk: one picture serves the largest widget, smaller ones use its corner.
    if (width > art.targetWidth || height > art.targetHeight || picture->isEmpty()) {
        const int newWidth = std::max(width, static_cast<int>(art.targetWidth));
        const int newHeight = std::max(height, static_cast<int>(art.targetHeight));
        if (!picture->makeRenderTarget(newWidth, newHeight)) return false;
        art.targetWidth = newWidth;
        art.targetHeight = newHeight;
    }
    return picture->beginRenderToTarget(true);
}

void BlitPiece(LDvOverlay* piece, int x, int y) {
    KGraphic* picture = piece != nullptr ? piece->Picture() : nullptr;
    if (picture == nullptr) return;
    picture->blitAlphaRect(0.0f, 0.0f, picture->getWidth(), picture->getHeight(), static_cast<float>(x),
                           static_cast<float>(y));
}

void FillWidgetTarget(int x1, int y1, int x2, int y2, float r, float g, float b) {
    if (KGraphic* picture = TargetPicture()) {
        picture->fillRect(static_cast<float>(x1), static_cast<float>(y1), static_cast<float>(x2),
                          static_cast<float>(y2), r, g, b, 1.0f);
    }
}

void EndWidgetTarget() {
    if (KGraphic* picture = TargetPicture()) picture->endRenderToTarget();
}

void DrawWidgetTarget(float x, float y, int width, int height, bool glowing, int glowPercent) {
    LDvOverlay* target = FramedWidgets().target;
    if (target == nullptr || target->Picture() == nullptr) return;
    // One frame the widget's size in the target's corner: the overlay's draw then applies the
    // display scale, the screen shake and the blend exactly as for any other picture.
    target->drawnAsRegion = false;
    target->loaded = true;
    target->hasFrames = true;
    target->columns = target->rows = target->frameCount = 1;
    target->currentFrame = 0;
    target->frameWidth = width;
    target->frameHeight = height;
    target->DrawAtF(x, y);
    if (!glowing) return;
    target->blendMode = kAdditiveBlend;
    target->opacity = static_cast<float>(glowPercent) / kPercent;
    target->Draw();
    target->opacity = 1.0f;
    target->blendMode = kNormalBlend;
}
