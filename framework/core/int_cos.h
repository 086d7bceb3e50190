#pragma once
// Integer cosine: table[angle mod 360] x radius / 1024, truncated toward zero.
int IntCos(int angleDegrees, int radius);
