// Any bytes as a font description: the table must come back sorted and free of the ending code.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/k_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    KFontTable table;
    if (!parseFontTable(data, size, table)) {
        if (!table.glyphs.empty()) std::abort();
        return 0;
    }
    for (size_t i = 0; i < table.glyphs.size(); ++i) {
        if (table.glyphs[i].code <= 0) std::abort();
        if (i > 0 && table.glyphs[i - 1].code > table.glyphs[i].code) std::abort();
    }
    if (table.lineHeight < 0 || static_cast<long>(table.glyphs.size()) > table.glyphLineCount) std::abort();
    return 0;
}
