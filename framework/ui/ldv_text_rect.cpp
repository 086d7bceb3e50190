#include "framework/ui/ldv_text_rect.h"

#include <cstdlib>

#include "framework/ui/ldv_font.h"

namespace {

// Cuts the text before the first blank off `rest` (all of it when there is none) and drops the blank.
LDvString CutWord(LDvString& rest) {
    const size_t blank = rest.find(' ');
    LDvString word = rest.substr(0, blank);
    rest = blank == LDvString::npos ? LDvString() : rest.substr(blank + 1);
    return word;
}

}  // namespace

LDvList<LDvString> LDvTextRect::WrappedLines() {
    LDvList<LDvString> lines;
    const int width = std::abs(right - left) - 2 * margin;
    const int height = std::abs(bottom - top) - 2 * verticalMargin;
    const int lineHeight = GetLineHeight(font);
    if (std::abs(bottom - top) < lineHeight - 2 * verticalMargin) return lines;
    LDvString rest = text;
    LDvString line;
    for (;;) {
        const bool textLeft = !rest.empty();
        const LDvString word = CutWord(rest);
        // A second blank in a row leaves an empty word; it must not end the text early.
        if (word.empty() && textLeft) continue;
        if (!word.empty() && GetTextWidth(line + word, font) <= width) {
            line += word + " ";
            continue;
        }
        lines.Add(line);
        if (word.empty() || height < lineHeight * (lines.Count() + 1)) break;
        line = word + " ";
    }
    return lines;
}

void LDvTextRect::Draw() {
    const int lineHeight = GetLineHeight(font);
    int index = 0;
    for (const LDvString& line : WrappedLines()) {
        DrawText(font, line, left + margin, top + margin + lineHeight * index, kAlignLeft, 1.0f);
        ++index;
    }
}
