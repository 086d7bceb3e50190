#pragma once
// A one-line name field: letters, digits and blanks up to a maximum length, the first letter
// upper-case and the rest lower-case, with a blinking caret after the text. The owning dialog
// forwards its character and key messages to AddChar and HandleKey.
#include <cstdint>

#include "framework/ui/ldv_text_overlay.h"

class LDvTextEntry : public LDvOverlay {
public:
    void AddChar(int character);
    void HandleKey(int engineKeyCode);   // backspace removes the last character
    void OnTick(int tickCount) override; // the caret blinks
    void Draw() override;

    const LDvString& Text() const { return textOverlay.text; }

    LDvTextOverlay textOverlay;          // shows the typed text; give it the font
    int32_t maxLength = 0;               // characters
    bool caretVisible = true;
};
