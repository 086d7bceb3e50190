#pragma once
// The scene's text box: what scripts Print and text hints say, typed out over a backing panel at
// the top of the screen (one panel for a line, a taller one for more). The intro movie types its
// captions into it too and shares its tick counter. The font and the panels are borrowed: the
// game's font for the whole run, the panels from the bar pictures, which are loaded only while a
// scene is current (unloaded panels draw nothing).
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "framework/ui/typeout_text_display.h"

struct LDvFont;
class LDvOverlay;

class SceneTextBox {
public:
    static constexpr int32_t kLeft = 204;            // the text wraps between these x
    static constexpr int32_t kRight = 1399;
    static constexpr int32_t kPanelX = 204;
    static constexpr int32_t kPanelY = 0;
    static constexpr int32_t kMaxLines = 2;
    static constexpr int32_t kTickWrap = 99999;      // the tick counter starts again at 0 after this

    SceneTextBox();

    void SetFont(LDvFont* font) { display.font = font; }
    void SetPanels(LDvOverlay* oneLine, LDvOverlay* moreLines);

    // Types the text out over the following steps; an empty text changes nothing.
    void Print(const LDvString& text);
    void Clear();
    // One step of the typing, with the shared tick counter advanced.
    void Tick();
    void Draw();

    TypeoutTextDisplay display;
    int32_t tickCounter = 0;

private:
    LDvOverlay* oneLinePanel = nullptr;
    LDvOverlay* moreLinesPanel = nullptr;
};
