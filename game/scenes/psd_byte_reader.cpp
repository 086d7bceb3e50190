#include "game/scenes/psd_byte_reader.h"

#include <algorithm>

bool PsdByteReader::Has(uint64_t length) {
    if (length <= Remaining()) return true;
    position = size;
    overrun = true;
    return false;
}

uint8_t PsdByteReader::U8() { return Has(1) ? data[position++] : 0; }

uint16_t PsdByteReader::U16() {
    if (!Has(2)) return 0;
    const uint16_t value = static_cast<uint16_t>((data[position] << 8) | data[position + 1]);
    position += 2;
    return value;
}

uint32_t PsdByteReader::U32() {
    if (!Has(4)) return 0;
    const uint8_t* p = data + position;
    position += 4;
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | p[3];
}

LDvString PsdByteReader::Text(size_t length) {
    const uint8_t* bytes = Bytes(length);
    return bytes ? LDvString(reinterpret_cast<const char*>(bytes), length) : LDvString();
}

LDvString PsdByteReader::PascalString() { return Text(U8()); }

const uint8_t* PsdByteReader::Bytes(size_t length) {
    if (!Has(length)) return nullptr;
    const uint8_t* bytes = data + position;
    position += length;
    return bytes;
}

void PsdByteReader::Skip(uint64_t length) {
    if (Has(length)) position += static_cast<size_t>(length);
}

PsdByteReader PsdByteReader::Take(uint64_t length) {
    const size_t start = position;
    const size_t taken = static_cast<size_t>(std::min<uint64_t>(length, Remaining()));
    Skip(length);
    return PsdByteReader(data != nullptr ? data + start : nullptr, taken);
}

void PsdByteReader::Seek(uint64_t offset) {
    if (offset <= size) {
        position = static_cast<size_t>(offset);
        return;
    }
    position = size;
    overrun = true;
}
