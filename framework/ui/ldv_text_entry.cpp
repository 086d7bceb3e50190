#include "framework/ui/ldv_text_entry.h"

#include "engine/k_event.h"
#include "framework/ui/draw_primitives.h"

namespace {

constexpr int kCaretBlinkTicks = 50;
constexpr int kCaretGap = 2;       // pixels between the text and the caret
constexpr int kCaretRight = 8;

// Only plain ASCII: the name becomes part of file contents and is drawn with the game's fonts.
bool IsLetter(int c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(int c) { return c >= '0' && c <= '9'; }
int ToLower(int c) { return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c; }
int ToUpper(int c) { return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c; }

}  // namespace

void LDvTextEntry::AddChar(int character) {
    LDvString& text = textOverlay.text;
    if (static_cast<int>(text.size()) >= maxLength) return;
    int c = ToLower(character);
    if (!IsLetter(c) && !IsDigit(c) && c != ' ') return;
    if (text.empty() && IsLetter(c)) c = ToUpper(c);
    text += static_cast<char>(c);
}

void LDvTextEntry::HandleKey(int engineKeyCode) {
    if (engineKeyCode == K_KEY_BACKSPACE && !textOverlay.text.empty()) textOverlay.text.pop_back();
}

void LDvTextEntry::OnTick(int tickCount) {
    if (tickCount % kCaretBlinkTicks == 0) caretVisible = !caretVisible;
}

void LDvTextEntry::Draw() {
    textOverlay.x = x;
    textOverlay.y = y;
    textOverlay.Draw();
    if (!caretVisible) return;
    const int left = static_cast<int>(x);
    const int top = static_cast<int>(y);
    const int width = textOverlay.GetWidth();
    const int height = textOverlay.GetHeight();
    DrawRect(1.0f, 1.0f, 1.0f, 1.0f, true, left + width + kCaretGap, top, left + width + kCaretRight,
             top + height - height / 4 + 1);
}
