#pragma once
// Reading text as code points: UTF-8 where the bytes form valid UTF-8, every other byte taken
// as a Latin-1 character, so old 8-bit texts and UTF-8 texts both read as written.
#include <cstdint>

// Decodes the code point at `cursor` and moves it past it; `cursor` must be before `end`.
uint32_t nextCodePoint(const char*& cursor, const char* end);
