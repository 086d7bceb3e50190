#pragma once
// The framework's text string. Scene scripts see the same type under the name LDvString.
#include <string>

using LDvString = std::string;

struct LDvPoint {
    int x = 0;
    int y = 0;
};
