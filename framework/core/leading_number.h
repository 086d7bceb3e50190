#pragma once
// Whole numbers read from the start of hand-edited text. The magnitude saturates at `limit`
// instead of overflowing on absurdly long numbers.
#include "framework/core/ldv_string.h"

// As C's atol reads them (the settings): leading white space, an optional sign, then decimal
// digits up to the first other character; no digits give 0.
long long LeadingInteger(const LDvString& text, long long limit);

// As the level tables read them: leading white space, then decimal digits up to the first other
// character; no digits give 0. A sign is such an other character, so "-30" gives 0.
long long LeadingDigits(const LDvString& text, long long limit);
