#pragma once
// A text button of the level editor: its label in a dark ink that the button sheet's parchment
// reads well under. The font is shared, so its colour is set at every draw.
#include "framework/ui/ldv_font.h"
#include "framework/ui/ldv_text_button.h"

class EditorButton : public LDvTextButton {
public:
    void Draw() override {
        if (font != nullptr) SetTextColor(font, kInkR, kInkG, kInkB);
        LDvTextButton::Draw();
    }

private:
    static constexpr float kInkR = 0.22f, kInkG = 0.14f, kInkB = 0.07f;
};
