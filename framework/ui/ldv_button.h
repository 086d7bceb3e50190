#pragma once
// A clickable overlay. Every step (and once more when a press or a click is dispatched, so a tap
// within one frame is not lost between two steps) it polls the mouse:
// a press that starts over the button and a release over it is a click, which plays the click
// sound and is reported once through IsClicked. It shows frame 0 normal, 1 pressed and 2 hover of
// its own picture, or the looks it is given. The looks and sounds are borrowed and must outlive
// the button; buttons without own sounds use the defaults set once by the game.
//
// Kinds (the overlay's kind field): 3 and 4 toggle; 1, 2, 4, 6 and 7 show a hover frame; 6 glows
// instead of changing frames; 5 is the touch button. Any other value is a plain push button.
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_clickable.h"
#include "framework/ui/ldv_overlay.h"

class LDvSound;

constexpr int32_t kButtonFrameNormal = 0;
constexpr int32_t kButtonFramePressed = 1;
constexpr int32_t kButtonFrameHover = 2;
constexpr int32_t kButtonKindGlow = 6;
constexpr int32_t kButtonKindTouch = 5;

// The hover and click sounds of every button without own sounds; null plays nothing. The game sets
// them after loading its sounds and clears them before the sounds are released.
void SetDefaultButtonSounds(LDvSound* hover, LDvSound* click);

class LDvButton : public LDvOverlay, public LDvClickable {
public:
    void SetPosition(int x, int y) override;   // the looks move along
    void OnTick(int tickCount) override;       // UpdateHover
    void Draw() override;

    void UpdateHover() override;
    bool IsClicked() override;                 // the click flag, cleared by reading it
    virtual bool IsMouseOver();
    bool IsButton() const override { return isButton; }

    // True when the canvas point lies in the button's box (the normal look's when it has one),
    // edges included.
    bool Contains(int px, int py);
    bool IsToggle() const;

    LDvSound* hoverSound = nullptr;            // used when ownSounds is set; not owned
    LDvSound* clickSound = nullptr;
    LDvOverlay* normalLook = nullptr;          // not owned; the own frames are used when absent
    LDvOverlay* pressedLook = nullptr;
    LDvOverlay* hoverLook = nullptr;
    bool ownSounds = false;
    bool pressed = false;
    bool clicked = false;
    bool armed = false;                        // the press started over the button
    bool isButton = true;
    bool mouseWasUp = true;
    bool previousHover = false;
    int32_t glowPercent = 30;                  // opacity of the additive glow of kind 6
    int32_t pressOffsetX = 2;                  // pixels a pressed glow button moves
    int32_t pressOffsetY = 2;

protected:
    void PlayHoverSound();
    void PlayClickSound();
    // Draws the own picture once more, additively at the glow opacity.
    void DrawGlow();

private:
    void UpdateFrames(bool over);
    void ChangeFrame(int32_t frame);
};
