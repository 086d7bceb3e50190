#pragma once
// The level editor's page: twelve miniature designs at a time, in sets; a left click picks the
// first design, a right click the second. Swap, Clear, Copy and Paste rewrite the design files of
// the data folder at once; Play opens the first design in the play screen's edit mode, whose test
// play returns here. A failed save shows a message on the page instead of passing silently.
//
// Ownership: the game object owns the one editor for the whole run. The editor owns its twelve
// thumbnail boards (used for their cells and borders only), its pictures, buttons and message; it
// borrows the game's picture bank and fonts and the play screen it opens designs in.
#include <array>
#include <cstdint>
#include <memory>

#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/ldv_text_overlay.h"
#include "game/editor/editor_button.h"
#include "game/editor/editor_message.h"
#include "game/editor/thumbnail_drawer.h"
#include "game/match3/level_files.h"

class Board;
class GameView;
class Playing;

class LevelEdit : public LDvState {
public:
    static constexpr int kThumbnails = ThumbnailDrawer::kThumbnails;
    static constexpr int kNone = -1;
    static constexpr int kPageBottom = 720;            // below it lies the button row

    LevelEdit(GameView& game, Playing& playing);
    ~LevelEdit() override;
    LevelEdit(const LevelEdit&) = delete;
    LevelEdit& operator=(const LevelEdit&) = delete;

    void OnFirstEnter() override;
    void OnEnter() override;
    void OnClick(int x, int y) override;
    void OnRightClick(int x, int y) override;
    void OnButton(LDvOverlay* button) override;
    void OnKeyDown(int engineKeyCode, bool shiftDown) override;   // escape: back to the title
    void ToggleOverlays() override;
    void Update() override;

    // The thumbnail under a canvas point, kNone in the button row or off the page.
    static int thumbnailAt(int x, int y);

    void loadPage();
    void refreshFrames();
    void nextSet();
    void prevSet();
    void swapDesigns();
    void clearDesign();
    void copyDesign();
    void pasteDesign();
    void playDesign();

    int32_t set = 0;                                   // the page, 0..lastSet
    int32_t base = 0;                                  // the first design number on the page
    int32_t lastSet = 0;
    int32_t first = kNone;                             // thumbnail indices
    int32_t second = kNone;
    std::array<std::unique_ptr<Board>, kThumbnails> thumbnails;
    LevelWords clipboardWords{};
    LevelBorders clipboardBorders{};
    bool clipboardValid = false;

    LDvSprite background;
    std::array<LDvSprite, kThumbnails> frames;
    ThumbnailDrawer drawer;
    EditorButton prevSetButton, nextSetButton, swapButton, clearButton, playButton, copyButton, pasteButton;
    LDvTextOverlay pageLabel;
    EditorMessage message;

private:
    void select(int x, int y, int32_t& selection);
    void clearSelections();
    bool saveDesign(int thumbnail, const LevelWords& words, const LevelBorders& borders);
    void setUpButton(EditorButton& button, const char* label, int x, int y);
    void showPage();

    GameView& game;
    Playing& playing;
};
