#pragma once
// Whole numbers read the way C's atol reads them from hand-edited files: leading white space, an
// optional sign, then decimal digits up to the first other character; no digits give 0. The
// magnitude saturates at `limit` instead of overflowing on absurdly long numbers.
#include "framework/core/ldv_string.h"

long long LeadingInteger(const LDvString& text, long long limit);
