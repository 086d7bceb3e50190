#pragma once
// The current player's name on the title, drawn as text and clicked like a button: white, yellow
// and underlined under the mouse, shifted one pixel while pressed. Its box is the text's width by
// the font's line height. The title owns it for the whole run; the font is borrowed.
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_button.h"

struct LDvFont;

class PlayerNameAsButton : public LDvButton {
public:
    static constexpr int32_t kTextButtonKind = 1;

    int GetWidth() override;
    void Draw() override;

    // Sets the text and sizes the clickable box to it.
    void SetText(const LDvString& name);

    LDvString text;
    LDvFont* font = nullptr;    // not owned

private:
    void DrawUnderline(int left, int top, int width);
};
