#include "framework/effects/frame_sheet_name.h"

#include <charconv>

namespace {

constexpr int kGridNumbers = 3;
constexpr int kLargestGridNumber = 100000;  // no sheet holds more; larger numbers are not a grid

bool ReadNumber(const LDvString& text, int& value) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end && value > 0 && value <= kLargestGridNumber;
}

}  // namespace

bool ParseFrameSheetName(const LDvString& path, FrameSheetName& out) {
    const size_t slash = path.rfind('/');
    LDvString stem = slash == LDvString::npos ? path : path.substr(slash + 1);
    stem = stem.substr(0, stem.find('.'));

    int numbers[kGridNumbers] = {};
    for (int i = kGridNumbers - 1; i >= 0; --i) {
        const size_t underscore = stem.rfind('_');
        if (underscore == LDvString::npos || !ReadNumber(stem.substr(underscore + 1), numbers[i])) return false;
        stem.resize(underscore);
    }
    if (stem.empty() || numbers[2] > numbers[0] * numbers[1]) return false;
    out.name = stem;
    out.columns = numbers[0];
    out.rows = numbers[1];
    out.frames = numbers[2];
    return true;
}
