#include "framework/core/split_text.h"

std::vector<LDvString> SplitText(const LDvString& text, char separator) {
    std::vector<LDvString> fields;
    size_t start = 0;
    for (size_t at = text.find(separator); at != LDvString::npos; at = text.find(separator, start)) {
        fields.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    fields.push_back(text.substr(start));
    return fields;
}
