#pragma once
// What the clicked-button search asks of an overlay. The framework's button class implements it;
// any other overlay is never a clicked button.
class LDvClickable {
public:
    virtual ~LDvClickable() = default;

    virtual bool IsButton() const = 0;  // the button flag: false for button-like overlays that take no clicks
    virtual void UpdateHover() = 0;     // refreshes the hover state from the pointer
    virtual bool IsClicked() = 0;       // true when this button takes the click being dispatched
};
