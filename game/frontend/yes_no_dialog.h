#pragma once
// The general yes/no question: an optional picture and a question typed out over the dimmed
// screen. Built on the caller's stack (answer no, no picture, offset 60, the game's first font),
// set up, run modally, then read. The frame, the two buttons and the typewriter are the game's
// YesNoParts, shared for the whole run; the picture and the font are borrowed.
#include <cstdint>

#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_text_overlay.h"
#include "game/expedition/paced_typeout_display.h"
#include "game/widgets/button_base.h"
#include "game/widgets/dialog_base.h"

class GameView;
struct LDvFont;

struct YesNoParts {
    DialogBase frame;
    ButtonBase yesButton;
    ButtonBase noButton;
    PacedTypeoutDisplay display;        // types the question out
};

class YesNoDialog : public LDvDialog {
public:
    static constexpr int32_t kDefaultPictureOffset = 60;   // pixels below the frame's top

    explicit YesNoDialog(GameView& game);

    void SetPicture(LDvOverlay* overlay);
    void SetPictureOffset(int32_t pixels) { pictureOffset = pixels; }
    void SetFont(LDvFont* questionFont) { font = questionFont; }
    void SetQuestion(const LDvString& text);

    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;

    bool answer = false;                // true for yes
    LDvOverlay* picture = nullptr;      // not owned
    LDvTextOverlay question;
    int32_t pictureOffset = kDefaultPictureOffset;
    LDvFont* font = nullptr;            // not owned; the game's first font when none

private:
    void PlaceQuestion(LDvFont* questionFont);

    GameView& game;
    YesNoParts& parts;
};
