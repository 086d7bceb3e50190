#include "game/expedition/paced_typeout_display.h"

void PacedTypeoutDisplay::TypeOutFromStart(const LDvString& text) {
    stepsSinceAdvance = 0;
    TypeOut(text);
    // Drawn whole from the first frame: the shared font would otherwise be drawn transparent until
    // the first advance, by this display and by whatever draws with the font after it.
    if (!fadeEnabled) fadeFactor = 1.0;
}

void PacedTypeoutDisplay::OnTick(int tickCount) {
    if (++stepsSinceAdvance < stepsPerAdvance) return;
    stepsSinceAdvance = 0;
    TypeoutTextDisplay::OnTick(tickCount);
}
