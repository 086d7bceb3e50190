#pragma once
// The small text scanner that reads the skeletal-animation files. It is not a JSON parser: it
// trims and cuts at fixed characters, finds keys as plain text anywhere, and takes the quoted
// text after a colon as a value. The data files are written to suit exactly these habits (every
// scalar quoted, no object mixing string members with object members), so they must not change.
#include <string_view>

#include "framework/core/ldv_map.h"
#include "framework/core/ldv_string.h"
#include "game/cinematics/spine_array.h"

// Members of one object, key -> raw value text, in file order. An object value is stored without
// its braces (parse it again); a string value is stored only when no brace follows it anywhere in
// the text, which in practice means in an object that holds strings alone.
LDvMap<> ParseJsonObject(std::string_view text);

// The quoted text after the first colon that follows the first place `key` appears in `text`
// (anywhere, inside values too), or the text between "[" and "]" when a bracket comes first.
// Empty when the key appears nowhere (the fallback is not used then); the fallback when the
// value found is empty.
LDvString JsonString(std::string_view text, std::string_view key, std::string_view fallback);

// The decimal number at the start of JsonString(text, key, ""); the fallback when that is empty,
// 0 when it starts with no number.
float JsonFloat(std::string_view text, std::string_view key, float fallback);

// Quotes count as blanks; every comma-separated piece read as a decimal number (0 when empty).
Array<float> JsonFloatList(std::string_view text);

// The decimal number a text starts with after leading blanks: digits with an optional sign,
// point and exponent. 0 when there are no digits; never infinite or NaN.
float ReadDecimal(std::string_view text);
