#include "game/dialog_backdrop.h"

#include "framework/core/black_out.h"
#include "game/framed_widget_art.h"

namespace {

constexpr float kFillRed = 0.216f;
constexpr float kFillGreen = 0.075f;
constexpr float kFillBlue = 0.012f;

void Fade(BlackOut& dimmer, int32_t fromPercent, int32_t toPercent) {
    dimmer.fadeStepsTotal = dimmer.fadeStepsRemaining = kDimSteps;
    dimmer.holdStepsRemaining = 0;
    dimmer.startPercent = fromPercent;
    dimmer.endPercent = toPercent;
    dimmer.nextState = nullptr;  // a dimmer never switches states
}

}  // namespace

void DimIn(BlackOut& dimmer) { Fade(dimmer, 0, kDimPercent); }

void DimOut(BlackOut& dimmer) { Fade(dimmer, kDimPercent, 0); }

void UseDialogFill() {
    FramedWidgetArt& art = FramedWidgets();
    art.fillR = kFillRed;
    art.fillG = kFillGreen;
    art.fillB = kFillBlue;
}
