#include "game/cinematics/json_scanner.h"

#include <cfloat>
#include <charconv>
#include <cstddef>
#include <optional>
#include <system_error>
#include <unordered_map>
#include <vector>

namespace {

constexpr std::string_view kBetweenMembers = " }{\"\t\n\r,";
constexpr std::string_view kBeforeValue = " \":{\t\n\r";
constexpr std::string_view kBlanks = " \t\n\r";

// A read position in a text that only ever moves forward, so a pass can never read past the end.
struct Cursor {
    std::string_view text;
    size_t at = 0;

    bool Empty() const { return at >= text.size(); }
    void Trim(std::string_view set) {
        at = text.find_first_not_of(set, at);
        if (at == std::string_view::npos) at = text.size();
    }
    // The text up to the first `c` (all of it when there is none); the cursor moves past the `c`.
    std::string_view Cut(char c) {
        const size_t end = text.find(c, at);
        if (end == std::string_view::npos) {
            const std::string_view token = text.substr(at);
            at = text.size();
            return token;
        }
        const std::string_view token = text.substr(at, end - at);
        at = end + 1;
        return token;
    }
};

// Where an object value ends: walking from a start with depth 0, "{" adds one and "}" takes one
// away, and the value ends at the "}" that makes the depth negative. Walking afresh for every
// member would cost the square of the text's length on deeply nested input, so the closing
// braces are indexed once by the depth they leave behind.
class ObjectEnds {
public:
    explicit ObjectEnds(std::string_view text) : depthBefore(text.size() + 1, 0) {
        int depth = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            depthBefore[i] = depth;
            if (text[i] == '{') ++depth;
            if (text[i] == '}') closesLeaving[--depth].push_back(i);
        }
        depthBefore[text.size()] = depth;
    }

    // The position of the closing "}" for a value starting at `start`; npos when there is none.
    size_t Find(size_t start) const {
        const auto found = closesLeaving.find(depthBefore[start] - 1);
        if (found == closesLeaving.end()) return std::string_view::npos;
        const std::vector<size_t>& closes = found->second;
        // The first "}" at or after start that brings the depth one below the start's.
        size_t low = 0;
        size_t high = closes.size();
        while (low < high) {
            const size_t mid = low + (high - low) / 2;
            if (closes[mid] < start) low = mid + 1;
            else high = mid;
        }
        return low < closes.size() ? closes[low] : std::string_view::npos;
    }

private:
    std::vector<int> depthBefore;                                  // depth before each character
    std::unordered_map<int, std::vector<size_t>> closesLeaving;    // depth after a "}" -> its positions
};

}  // namespace

LDvMap<> ParseJsonObject(std::string_view text) {
    LDvMap<> members;
    Cursor cursor{text};
    const size_t lastBrace = text.find_last_of("{}");
    std::optional<ObjectEnds> ends;
    // Every pass consumes at least one character, so the loop ends with the text.
    while (!cursor.Empty()) {
        cursor.Trim(kBetweenMembers);
        if (cursor.Empty()) break;
        const std::string_view key = cursor.Cut('"');
        cursor.Trim(kBeforeValue);
        const bool braceFollows = lastBrace != std::string_view::npos && lastBrace >= cursor.at;
        if (!braceFollows) {
            members.Set(LDvString(key), LDvString(cursor.Cut('"')));
            continue;
        }
        if (!ends) ends.emplace(text);
        const size_t end = ends->Find(cursor.at);
        // An object that never closes stores nothing; the next pass goes on inside it.
        if (end == std::string_view::npos) continue;
        members.Set(LDvString(key), LDvString(text.substr(cursor.at, end - cursor.at)));
        cursor.at = end;
    }
    return members;
}

LDvString JsonString(std::string_view text, std::string_view key, std::string_view fallback) {
    const size_t found = text.find(key);
    if (found == std::string_view::npos) return LDvString();
    Cursor cursor{text, found};
    cursor.Cut(':');
    cursor.Trim(kBlanks);
    std::string_view value;
    if (!cursor.Empty() && text[cursor.at] == '[') {
        cursor.Cut('[');
        value = cursor.Cut(']');
    } else {
        // An unquoted value is skipped over: the next quoted text is taken instead.
        cursor.Cut('"');
        value = cursor.Cut('"');
    }
    return LDvString(value.empty() ? fallback : value);
}

float JsonFloat(std::string_view text, std::string_view key, float fallback) {
    const LDvString value = JsonString(text, key, "");
    return value.empty() ? fallback : ReadDecimal(value);
}

Array<float> JsonFloatList(std::string_view text) {
    Array<float> numbers;
    // Quotes read as blanks and blanks are skipped by ReadDecimal, so each piece is read as it stands.
    size_t start = 0;
    while (true) {
        const size_t comma = text.find(',', start);
        const std::string_view piece = text.substr(start, comma == std::string_view::npos ? text.npos : comma - start);
        const size_t first = piece.find_first_not_of("\" \t\n\r\v\f");
        numbers.Add(first == std::string_view::npos ? 0.0f : ReadDecimal(piece.substr(first)));
        if (comma == std::string_view::npos) break;
        start = comma + 1;
    }
    return numbers;
}

float ReadDecimal(std::string_view text) {
    const size_t first = text.find_first_not_of(" \t\n\r\v\f");
    if (first == std::string_view::npos) return 0.0f;
    text.remove_prefix(first);
    bool negative = false;
    if (text[0] == '+' || text[0] == '-') {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }
    // Only digits and a point may start a number: no "inf", "nan" or hexadecimal.
    if (text.empty() || !((text[0] >= '0' && text[0] <= '9') || text[0] == '.')) return 0.0f;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc()) return 0.0f;
    if (value > FLT_MAX) value = FLT_MAX;
    return static_cast<float>(negative ? -value : value);
}
