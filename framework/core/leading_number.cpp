#include "framework/core/leading_number.h"

#include <algorithm>

namespace {

size_t SkipBlanks(const LDvString& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    return i;
}

long long DigitsFrom(const LDvString& text, size_t i, long long limit) {
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), limit);
    }
    return magnitude;
}

}  // namespace

long long LeadingInteger(const LDvString& text, long long limit) {
    size_t i = SkipBlanks(text);
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    const long long magnitude = DigitsFrom(text, i, limit);
    return negative ? -magnitude : magnitude;
}

long long LeadingDigits(const LDvString& text, long long limit) { return DigitsFrom(text, SkipBlanks(text), limit); }
