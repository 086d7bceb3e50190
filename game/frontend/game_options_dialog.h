#pragma once
// The options dialog: three volume sliders, three check boxes that act at once (full screen is
// only wished for and applied on closing) and the close button, plus the leave and quit buttons
// its caller asks for. The caller fills the first fields, runs it modally and reads the chosen
// flags afterwards. It borrows the game object (its sound groups, cursor, dimmer and GUI pictures)
// and owns its overlays, which share the game's pictures while the dialog is entered.
#include <array>

#include "framework/core/ldv_state.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_button.h"
#include "framework/ui/ldv_slider_knob.h"
#include "game/widgets/button_base.h"

class LDvWaveGroup;
class GameView;

class GameOptionsDialog : public LDvDialog {
public:
    explicit GameOptionsDialog(GameView& game);

    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void ToggleOverlays() override;
    void OnButton(LDvOverlay* button) override;
    void OnDragStart(int x, int y) override;
    void OnDrag(int x, int y, int dxFromStart, int dyFromStart, int dxFromLast, int dyFromLast) override;
    void OnDragEnd(int x, int y) override;

    bool fullScreenWanted = false;     // set from the window on entering; applied on closing
    bool showLeaveButton = false;      // the caller's buttons are shown only when asked for
    bool showQuitButton = false;
    bool leaveChosen = false;          // read by the caller afterwards
    bool quitChosen = false;
    LDvString leaveLabel;              // e.g. "Main Menu"
    LDvString quitLabel;

    // Where the desktop size comes from when windowed mode is asked for; tests choose the desktop.
    using DesktopSize = bool (*)(int& width, int& height);
    DesktopSize desktopSize;

    // The controls, in the order the panel shows them.
    enum Slider { kMusicSlider, kEffectsSlider, kAmbienceSlider, kSliderCount };
    LDvSliderKnob& Knob(Slider slider) { return knobs[slider]; }
    LDvButton fullScreenBox, hideCursorsBox, showTipsBox;
    ButtonBase closeButton, leaveButton, quitButton;

private:
    LDvWaveGroup& Group(int slider);
    void SharePictures();
    void PlaceControls();
    void PlaceButtons();
    void SetBox(LDvButton& box, bool ticked);
    void UseSystemPointer(bool systemPointer);
    void Close(bool leave, bool quit);
    void ApplyVolumes();
    void ApplyWindowMode();

    GameView& game;
    LDvSprite back;
    std::array<LDvSprite, kSliderCount> bars;
    std::array<LDvSliderKnob, kSliderCount> knobs;
};
