#pragma once
// The story dialog: the captain or the professor speaks one or more pages, typed out under a
// title; the page button turns the pages and closes the dialog on the last one. A dialog is built
// on the caller's stack for one modal run (set it up, then RunModal). The frame, pictures and page
// button it shows are the game's CharacterDialogParts, shared by every character dialog for the
// whole run; the fonts are the game's, borrowed.
#include <cstdint>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_state.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/typeout_text_display.h"
#include "game/widgets/button_base.h"
#include "game/widgets/dialog_base.h"

class GameView;
struct LDvFont;

// Owned by the game; the three pictures are loaded the first time a character dialog is entered.
struct CharacterDialogParts {
    DialogBase frame;
    LDvSprite background;               // "GUI/char_dlg_back.png"
    LDvSprite captain;                  // "GUI/captain.png"
    LDvSprite professor;                // "GUI/professor.png"
    ButtonBase pageButton;              // "Next" while pages follow, "OK" on the last
    bool picturesLoaded = false;
};

class CharacterDialog : public LDvDialog {
public:
    static constexpr int32_t kCaptain = 0;
    static constexpr int32_t kProfessor = 1;

    explicit CharacterDialog(GameView& game);

    void SetTitle(const LDvString& text);
    void SetBodyFont(LDvFont* font);    // drawn in dark grey
    void SetTitleFont(LDvFont* font);   // drawn in dark grey
    void SetSpeaker(int32_t who);       // kCaptain or kProfessor
    void AppendPage(const LDvString& text);

    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;

    TypeoutTextDisplay bodyDisplay;
    TypeoutTextDisplay titleDisplay;
    int32_t speaker = kCaptain;
    LDvList<LDvString> pages;
    LDvString title;
    int32_t currentPage = 0;

private:
    void LoadPictures();
    void PlaceBody(int left, int top);
    void PlaceTitle(int left, int top);
    void ShowSpeaker(int left, int top);
    bool OnLastPage() const;

    GameView& game;
    CharacterDialogParts& parts;
};
