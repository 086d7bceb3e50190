#include "engine/text_decoding.h"

namespace {

bool isContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

uint32_t nextCodePoint(const char*& cursor, const char* end) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(cursor);
    const unsigned char lead = bytes[0];
    const long available = end - cursor;
    int length = 0;
    uint32_t code = 0;
    uint32_t smallest = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    }
    if (length == 0 || available < length) {
        ++cursor;
        return lead;
    }
    for (int i = 1; i < length; ++i) {
        if (!isContinuation(bytes[i])) {
            ++cursor;
            return lead;
        }
        code = (code << 6) | (bytes[i] & 0x3F);
    }
    // Over-long forms, surrogates and values past Unicode are not UTF-8: read the lead byte alone.
    if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) {
        ++cursor;
        return lead;
    }
    cursor += length;
    return code;
}
