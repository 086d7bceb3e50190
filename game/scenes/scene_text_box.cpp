#include "game/scenes/scene_text_box.h"

#include "framework/ui/ldv_overlay.h"

namespace {

// Room left between the panel's ends and the longest line.
constexpr int32_t kSideMargin = 40;
// The height the text is centred in when no panel is loaded (the intro movie's captions).
constexpr int32_t kBarePanelHeight = 64;

}  // namespace

SceneTextBox::SceneTextBox() {
    display.rectLeft = kLeft;
    display.rectRight = kRight;
    display.rectTop = kPanelY;
    display.rectBottom = kPanelY + kBarePanelHeight;
    display.maxLineWidth = kRight - kLeft - 2 * kSideMargin;
    display.maxLines = kMaxLines;
    display.charsPerStep = 1;
}

void SceneTextBox::SetPanels(LDvOverlay* oneLine, LDvOverlay* moreLines) {
    oneLinePanel = oneLine;
    moreLinesPanel = moreLines;
}

// The text is centred on the panel it gets, whatever that panel's height.
void SceneTextBox::Print(const LDvString& text) {
    if (text.empty()) return;
    display.TypeOut(text);
    LDvOverlay* panel = display.lines.Count() >= 2 ? moreLinesPanel : oneLinePanel;
    display.backing = panel;
    int32_t height = kBarePanelHeight;
    if (panel != nullptr && panel->loaded) {
        panel->SetPosition(kPanelX, kPanelY);
        height = panel->GetFrameHeight();
    }
    display.rectBottom = kPanelY + height;
}

void SceneTextBox::Clear() { display.TypeOut(""); }

void SceneTextBox::Tick() {
    tickCounter = tickCounter >= kTickWrap ? 0 : tickCounter + 1;
    display.OnTick(tickCounter);
}

void SceneTextBox::Draw() { display.Draw(); }
