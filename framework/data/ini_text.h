#pragma once
// The line rules of the INI text format, apart from the file object that stores what they yield.
#include <cstddef>
#include <functional>

#include "framework/core/ldv_string.h"

// Trims " \t\n\r" from both ends.
LDvString TrimIniBlanks(const LDvString& text);

// Calls `onLine` with every logical line of `text` until it answers false: continuation lines
// (" \" at the end) and "<...>" blocks joined with "\n", trimmed, empty lines skipped. Any bytes
// are accepted.
void ForEachIniLine(const char* text, size_t size, const std::function<bool(const LDvString&)>& onLine);

// key = text before the first "=" (trimmed), value = everything after it; no "=" gives the whole
// line as key and an empty value.
void SplitIniKeyValue(const LDvString& line, LDvString& key, LDvString& value);

// "key=value\n", or the block form "< key=value >\n" when the value holds a line break.
void AppendIniValue(LDvString& out, const LDvString& key, const LDvString& value);
