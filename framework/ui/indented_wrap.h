#pragma once
// Word wrap for notes drawn at a scale: each paragraph (split at line breaks) fills lines with as
// many words as fit the width. The blanks a paragraph starts with are its indent and start every
// one of its lines, so whatever is drawn in that room (a check mark, a bullet) stays clear of the
// words. A word wider than the width stands alone on its line.
#include <vector>

#include "framework/core/ldv_string.h"

struct LDvFont;

std::vector<LDvString> WrapIndented(LDvFont* font, const LDvString& text, int width, float scale);
