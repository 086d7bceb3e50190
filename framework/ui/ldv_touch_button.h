#pragma once
// A press-and-hold button: Touch (called by the screen when the player presses on it) starts a
// hold of 0.3 s, after which the listener's OnButton receives this button, whether or not the
// mouse was released meanwhile. It never takes part in the registry's click search. The listener
// is borrowed; the image is owned.
#include <cstdint>

#include "framework/ui/ldv_button.h"
#include "framework/ui/ldv_overlay.h"

class LDvState;

class LDvTouchButton : public LDvButton {
public:
    LDvTouchButton();

    bool Touch(LDvState* listener);   // false when disabled, not under the mouse or already touched
    void SetPosition(int x, int y) override;
    void MoveBy(int dx, int dy) override;
    LDvRect GetBounds() override;     // the image's box at the button's position
    void OnTick(int tickCount) override;
    void Draw() override;
    void UpdateHover() override {}
    bool IsClicked() override { return false; }

    LDvSprite image;
    LDvString text;
    bool touched = false;
    bool touchEnabled = true;         // the button's own switch, apart from the overlay's enabled flag
    bool disabled = false;            // set while its menu slides away
    bool hover = false;
    int32_t holdCounter = 0;          // steps left before the listener hears of the touch
    LDvState* listener = nullptr;     // not owned

private:
    void PlaceImage();
};
