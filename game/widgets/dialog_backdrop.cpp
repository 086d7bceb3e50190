#include "game/widgets/dialog_backdrop.h"

#include "framework/core/black_out.h"
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/overlay_registry.h"
#include "game/widgets/button_base.h"
#include "game/widgets/framed_widget_art.h"

namespace {

constexpr float kFillRed = 55.0f / 255.0f;
constexpr float kFillGreen = 19.0f / 255.0f;
constexpr float kFillBlue = 3.0f / 255.0f;

void StartDim(BlackOut& dimmer, int fromPercent, int toPercent) {
    dimmer.fadeStepsTotal = kDimSteps;
    dimmer.fadeStepsRemaining = kDimSteps;
    dimmer.holdStepsRemaining = 0;
    dimmer.startPercent = fromPercent;
    dimmer.endPercent = toPercent;
    dimmer.nextState = nullptr;
    dimmer.loadScene = false;
}

}  // namespace

void DimIn(BlackOut& dimmer) { StartDim(dimmer, 0, kDimmedPercent); }

void DimOut(BlackOut& dimmer) { StartDim(dimmer, kDimmedPercent, 0); }

void UseDialogFill() {
    FramedWidgetArt& art = FramedWidgets();
    art.fillR = kFillRed;
    art.fillG = kFillGreen;
    art.fillB = kFillBlue;
}

void ToggleOverlayList(std::initializer_list<LDvOverlay*> overlays, LDvState* owner) {
    for (LDvOverlay* overlay : overlays) {
        if (overlay == nullptr) continue;
        if (overlay->registered) {
            Unregister(overlay);
        } else {
            Register(overlay, owner);
        }
    }
}

void SetLayers(std::initializer_list<LDvOverlay*> overlays, int layer) {
    for (LDvOverlay* overlay : overlays) SetLayer(overlay, layer);
}

int ButtonHeight(ButtonBase& button) {
    const LDvRect bounds = button.GetBounds();
    return bounds.bottom - bounds.top;
}

void PlaceButtonBottomRight(ButtonBase& button, int right, int bottom) {
    button.SetPosition(right - button.TotalWidth(), bottom - ButtonHeight(button));
}
