#include "framework/data/ini_text.h"

namespace {

constexpr const char* kIniBlanks = " \t\n\r";

// Hands out physical lines: each ends at "\n" or "\r", so "\r\n" yields an empty line between.
class PhysicalLines {
public:
    PhysicalLines(const char* text, size_t size) : next(text), end(text + size) {}

    bool Next(LDvString& line) {
        if (next == nullptr || next >= end) return false;
        const char* start = next;
        while (next < end && *next != '\n' && *next != '\r') ++next;
        line.assign(start, next);
        if (next < end) ++next;  // exactly one line-end character
        return true;
    }

private:
    const char* next;
    const char* end;
};

bool EndsWith(const LDvString& text, const char* suffix, size_t length) {
    return text.size() >= length && text.compare(text.size() - length, length, suffix) == 0;
}

LDvString TrimRight(const LDvString& text) {
    const size_t last = text.find_last_not_of(kIniBlanks);
    return last == LDvString::npos ? LDvString() : text.substr(0, last + 1);
}

// A block runs from a line starting with "<" to the first line whose trimmed end is ">"; an
// unterminated block takes the rest of the text.
LDvString ReadBlock(const LDvString& firstLine, PhysicalLines& lines) {
    LDvString block = firstLine.substr(1);
    LDvString current = block;
    while (!EndsWith(TrimRight(current), ">", 1)) {
        if (!lines.Next(current)) return block;
        block += '\n';
        block += current;
    }
    block = TrimRight(block);
    block.pop_back();
    return block;
}

LDvString ReadContinued(const LDvString& firstLine, PhysicalLines& lines) {
    LDvString joined = firstLine;
    LDvString next;
    while (EndsWith(joined, " \\", 2)) {
        joined.pop_back();  // the blank before the backslash stays
        if (!lines.Next(next)) break;
        joined += '\n';
        joined += next;
    }
    return joined;
}

}  // namespace

LDvString TrimIniBlanks(const LDvString& text) {
    const size_t first = text.find_first_not_of(kIniBlanks);
    if (first == LDvString::npos) return LDvString();
    const size_t last = text.find_last_not_of(kIniBlanks);
    return text.substr(first, last - first + 1);
}

void ForEachIniLine(const char* text, size_t size, const std::function<bool(const LDvString&)>& onLine) {
    PhysicalLines lines(text, size);
    LDvString physical;
    while (lines.Next(physical)) {
        const bool block = !physical.empty() && physical[0] == '<';
        const LDvString logical = TrimIniBlanks(block ? ReadBlock(physical, lines) : ReadContinued(physical, lines));
        if (!logical.empty() && !onLine(logical)) return;
    }
}

void SplitIniKeyValue(const LDvString& line, LDvString& key, LDvString& value) {
    const size_t equals = line.find('=');
    if (equals == LDvString::npos) {
        key = TrimIniBlanks(line);
        value.clear();
        return;
    }
    key = TrimIniBlanks(line.substr(0, equals));
    value = line.substr(equals + 1);
}

void AppendIniValue(LDvString& out, const LDvString& key, const LDvString& value) {
    const bool multiLine = value.find('\n') != LDvString::npos;
    if (multiLine) out += "< ";
    out += key;
    out += '=';
    out += value;
    out += multiLine ? " >\n" : "\n";
}
