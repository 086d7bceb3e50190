#pragma once
// Cutting a text at every separator: "a;;b" gives "a", "" and "b"; an empty text gives one empty
// field.
#include <vector>

#include "framework/core/ldv_string.h"

std::vector<LDvString> SplitText(const LDvString& text, char separator);
