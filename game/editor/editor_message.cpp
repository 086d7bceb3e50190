#include "game/editor/editor_message.h"

#include "framework/core/game_log.h"
#include "framework/ui/draw_primitives.h"
#include "framework/ui/ldv_font.h"

namespace {

constexpr int kPadX = 24;
constexpr int kPadY = 10;
constexpr float kBoxOpacity = 0.8f;

}  // namespace

void EditorMessage::show(const LDvString& line) {
    Log("Level editor: " + line);
    text = line;
    ticksLeft = kShowTicks;
}

void EditorMessage::clear() {
    text.clear();
    ticksLeft = 0;
}

void EditorMessage::OnTick(int) {
    if (ticksLeft > 0) --ticksLeft;
}

void EditorMessage::Draw() {
    if (hidden || ticksLeft <= 0 || font == nullptr) return;
    const int width = GetTextWidth(text, font);
    const int height = GetLineHeight(font);
    const int left = kCentreX - width / 2;
    const int top = centreY - height / 2;
    DrawRect(0.0f, 0.0f, 0.0f, kBoxOpacity, true, left - kPadX, top - kPadY, left + width + kPadX,
             top + height + kPadY);
    SetTextColor(font, 1.0f, 0.95f, 0.8f);
    DrawText(font, text, left, top, kAlignLeft, 1.0f);
}
