#pragma once
// Big-endian reading over bytes held in memory, never past their end. A read that would cross the
// end returns 0 (or nothing), leaves the position at the end and marks the reader as overrun, so
// a parser can read a whole structure and check once. Borrows the bytes; they must outlive it.
#include <cstddef>
#include <cstdint>

#include "framework/core/ldv_string.h"

class PsdByteReader {
public:
    PsdByteReader() = default;
    PsdByteReader(const uint8_t* data, size_t size) : data(data), size(size) {}

    uint8_t U8();
    int8_t I8() { return static_cast<int8_t>(U8()); }
    uint16_t U16();
    int16_t I16() { return static_cast<int16_t>(U16()); }
    uint32_t U32();
    int32_t I32() { return static_cast<int32_t>(U32()); }
    LDvString Text(size_t length);  // that many bytes as they are
    // A length byte and that many characters.
    LDvString PascalString();
    // The next `length` bytes, or null (and overrun) when fewer are left.
    const uint8_t* Bytes(size_t length);
    void Skip(uint64_t length);
    // The next `length` bytes as a reader of their own (fewer when the end comes first, which
    // marks this reader overrun); this reader moves past them.
    PsdByteReader Take(uint64_t length);
    // Moves to an offset from the start; beyond the end it stops at the end, overrun.
    void Seek(uint64_t offset);

    size_t Position() const { return position; }
    size_t Remaining() const { return size - position; }
    size_t Size() const { return size; }
    bool AtEnd() const { return position >= size; }
    bool Overrun() const { return overrun; }

private:
    bool Has(uint64_t length);  // marks the overrun when not

    const uint8_t* data = nullptr;
    size_t size = 0;
    size_t position = 0;
    bool overrun = false;
};
