#pragma once
// Screens a scene script before the library compiles it. The compiler recurses once per level of
// brackets, per link of an "else if" chain and per operator of a chained expression, and its time
// grows with the square of such chains: a few kilobytes of them overflow the stack or stall the
// game for minutes, and a build cannot be interrupted. Real scene scripts stay far below these
// bounds; a script beyond them is not built at all.
#include <cstddef>

#include "framework/core/ldv_string.h"

struct ScriptTextLimits {
    size_t maxBytes = size_t{64} << 10;  // the whole script text
    int maxNesting = 100;                // open (, [ and { at once
    size_t maxStatement = 2048;          // characters of code (not strings or comments) in one statement
    int maxElseIfs = 256;                // "else if" links in one top-level function or class
};

// True when the text may be built; otherwise `problem` says what is wrong and where.
bool ScreenScriptText(const LDvString& text, const ScriptTextLimits& limits, LDvString& problem);
