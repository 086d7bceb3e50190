#pragma once
// The typewriter of the tips, messages and questions: it advances one step of typing every
// `stepsPerAdvance` steps, so at one character per advance a 60-character line takes 120 steps.
// Everything else is the plain typewriter; the font and backing stay borrowed.
#include <cstdint>

#include "framework/ui/typeout_text_display.h"

class PacedTypeoutDisplay : public TypeoutTextDisplay {
public:
    static constexpr int32_t kDialogPace = 2;   // steps per advance at the dialogs' default speed

    // Types the text from its first character, counting the pace from this step on.
    void TypeOutFromStart(const LDvString& text);
    void OnTick(int tickCount) override;

    int32_t stepsPerAdvance = kDialogPace;

private:
    int32_t stepsSinceAdvance = 0;
};
