#include "framework/ui/typeout_text_display.h"

#include <algorithm>
#include <cstdlib>

#include "engine/text_decoding.h"
#include "framework/ui/ldv_font.h"

namespace {

constexpr char kTrimmed[] = " \t\n\r";

LDvString Trimmed(const LDvString& text) {
    const size_t first = text.find_first_not_of(kTrimmed);
    if (first == LDvString::npos) return LDvString();
    return text.substr(first, text.find_last_not_of(kTrimmed) - first + 1);
}

// The first `count` characters; a character of several bytes is never cut in half.
LDvString Prefix(const LDvString& text, uint32_t count) {
    const char* cursor = text.data();
    const char* end = cursor + text.size();
    for (uint32_t i = 0; i < count && cursor < end; ++i) nextCodePoint(cursor, end);
    return text.substr(0, static_cast<size_t>(cursor - text.data()));
}

}  // namespace

uint32_t CharacterCount(const LDvString& text) {
    const char* cursor = text.data();
    const char* end = cursor + text.size();
    uint32_t count = 0;
    for (; cursor < end; ++count) nextCodePoint(cursor, end);
    return count;
}

void TypeoutTextDisplay::TypeOut(const LDvString& text) {
    fadeCounter = fadeSteps;
    holdCounter = holdSteps;
    visibleChars = 0;
    currentLine = 0;
    finished = false;
    WrapLines(text);
    MeasureBlock();
    holdCounter += (lines.Count() - 1) * extraHoldPerLine;
}

void TypeoutTextDisplay::WrapLines(const LDvString& text) {
    lines.Clear();
    if (text.empty()) return;
    LDvString rest = text;
    LDvString line;
    do {
        const size_t separator = rest.find_first_of(" \n");
        const LDvString word = rest.substr(0, separator);
        rest = separator == LDvString::npos ? LDvString() : rest.substr(separator + 1);
        const LDvString candidate = line.empty() ? word : line + " " + word;
        if (GetTextWidth(candidate, font) < maxLineWidth) {
            line = candidate;
        } else {
            lines.Add(line);
            line = word;
        }
        rest = Trimmed(rest);
    } while (!rest.empty());
    line = Trimmed(line);
    if (!line.empty()) lines.Add(line);
}

void TypeoutTextDisplay::MeasureBlock() {
    const int shown = std::min(lines.Count(), maxLines);
    int widest = 0;
    int index = 0;
    for (const LDvString& line : lines) {
        if (index++ >= shown) break;
        widest = std::max(widest, GetTextWidth(line, font));
    }
    blockLeft = 0;
    blockTop = 0;
    blockRight = widest;
    blockBottom = std::max(shown, 0) * GetLineHeight(font);
}

int TypeoutTextDisplay::LastLine() const { return std::min(lines.Count() - 1, maxLines - 1); }

void TypeoutTextDisplay::OnTick(int) {
    if (lines.IsEmpty()) return;
    if (startDelay > 0) {
        --startDelay;
        return;
    }
    StepFade();
    if (finished) return;
    StepTyping();
}

void TypeoutTextDisplay::StepFade() {
    if (!(fadeEnabled && finished)) {
        fadeFactor = 1.0;
        return;
    }
    if (holdCounter > 0) {
        --holdCounter;
    } else if (fadeCounter > 0) {
        --fadeCounter;
        fadeFactor = fadeSteps > 0 ? static_cast<double>(fadeCounter) / fadeSteps : 0.0;
    }
}

void TypeoutTextDisplay::StepTyping() {
    const uint32_t length = CharacterCount(lines.Get(currentLine));
    if (visibleChars < length) {
        visibleChars = std::min(length, visibleChars + static_cast<uint32_t>(std::max(charsPerStep, 0)));
    } else if (currentLine < maxLines - 1 && currentLine < lines.Count() - 1) {
        ++currentLine;
        visibleChars = 0;
    } else {
        finished = true;
    }
}

void TypeoutTextDisplay::Draw() {
    if (lines.IsEmpty()) return;
    const int left = horizontalAlign != 0
                         ? rectLeft + std::abs(rectRight - rectLeft) / 2 - std::abs(blockRight - blockLeft) / 2
                         : rectLeft;
    const int top = topAnchored ? rectTop + topOffset
                                : rectTop + std::abs(rectBottom - rectTop) / 2 - std::abs(blockBottom - blockTop) / 2;
    const auto fade = static_cast<float>(fadeFactor);
    if (backing != nullptr) {
        backing->SetColor(1.0f, 1.0f, 1.0f, fade);
        backing->Draw();
    }
    if (font == nullptr) return;
    font->colorA = fade;
    SetTextColor(font, font->colorR, font->colorG, font->colorB);
    const int lineHeight = GetLineHeight(font);
    const int last = LastLine();
    int index = 0;
    for (const LDvString& line : lines) {
        if (index > last || index > currentLine) break;
        const LDvString shown = index < currentLine ? line : Prefix(line, visibleChars);
        DrawText(font, shown, left, top + index * lineHeight, kAlignLeft, 1.0f);
        ++index;
    }
}

void TypeoutTextDisplay::MoveBy(int dx, int dy) {
    blockLeft += dx;
    blockRight += dx;
    blockTop += dy;
    blockBottom += dy;
    rectLeft += dx;
    rectRight += dx;
    rectTop += dy;
    rectBottom += dy;
    if (backing != nullptr) backing->MoveBy(dx, dy);
}
