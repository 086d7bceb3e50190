#pragma once
// The field guide: the expedition's notebook, opened modally over the camp. Its first page lists
// the camp's tasks with check marks; the further pages are the professor's notes the player has
// unlocked. Next and previous turn a spread at a time, the tasks tab jumps back to the first one.
//
// The camp owns the one guide and loads its pictures with its own (LoadPictures/ReleasePictures);
// the font is the game's, borrowed. The page list is read afresh each time the guide opens.
#include <array>
#include <cstdint>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_state.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_button.h"
#include "game/expedition/guide_page_drawer.h"
#include "game/expedition/guide_pages.h"

class GameView;
struct LDvFont;

class FieldGuide : public LDvDialog {
public:
    static constexpr int kSketches = 8;

    explicit FieldGuide(GameView& game);

    void LoadPictures();
    void ReleasePictures();
    // The tasks of the first page, first spread open; called by the opener before RunModal.
    void Prepare(const LDvList<LDvString>& taskTexts);
    // The page list from "fieldguide.ini" and the player's "PAGES" flags.
    void LoadPages();

    void OnEnter() override;
    void OnLeave(LDvState* next) override;
    void OnButton(LDvOverlay* button) override;
    void ToggleOverlays() override;

    // "TASKS" / the task's text is set.
    static bool TaskDone(const LDvString& task);
    bool OnLastSpread() const { return leftPage >= pages.Count() - 2; }

    LDvList<LDvString> tasks;
    LDvList<GuidePage> pages;
    int32_t leftPage = 0;              // the left page of the open spread: 0, 2, 4, ...
    LDvFont* font = nullptr;           // "ArchitectsDaughter_18Pt"

    LDvSprite book;                    // "fieldguide/bookbase.png"
    LDvButton nextButton;
    LDvButton previousButton;
    LDvButton closeButton;
    LDvButton tasksButton;
    LDvSprite taskTab;                 // shown over the book on the task page
    LDvSprite checkMark;
    std::array<LDvSprite, kSketches> sketches;
    GuidePageDrawer pageDrawer{*this};

private:
    void TurnTo(int32_t page);
    void EnableButtons();

    GameView& game;
};
