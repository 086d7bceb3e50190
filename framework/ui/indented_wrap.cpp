#include "framework/ui/indented_wrap.h"

#include "framework/ui/ldv_font.h"

std::vector<LDvString> WrapIndented(LDvFont* font, const LDvString& text, int width, float scale) {
    std::vector<LDvString> lines;
    const auto fits = [&](const LDvString& line) {
        return static_cast<float>(GetTextWidth(line, font)) * scale <= static_cast<float>(width);
    };
    size_t start = 0;
    for (;;) {
        const size_t end = text.find('\n', start);
        const LDvString paragraph = text.substr(start, end == LDvString::npos ? LDvString::npos : end - start);
        const size_t first = paragraph.find_first_not_of(' ');
        const LDvString indent = paragraph.substr(0, first == LDvString::npos ? paragraph.size() : first);
        LDvString line;
        size_t at = indent.size();
        while (at < paragraph.size()) {
            const size_t blank = paragraph.find(' ', at);
            const LDvString word = paragraph.substr(at, blank == LDvString::npos ? LDvString::npos : blank - at);
            at = blank == LDvString::npos ? paragraph.size() : blank + 1;
            if (word.empty()) continue;
            if (!line.empty() && !fits(indent + line + " " + word)) {
                lines.push_back(indent + line);
                line = word;
            } else {
                line = line.empty() ? word : line + " " + word;
            }
        }
        lines.push_back(indent + line);
        if (end == LDvString::npos) break;
        start = end + 1;
    }
    return lines;
}
