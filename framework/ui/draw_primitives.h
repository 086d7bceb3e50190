#pragma once
// Lines and rectangles on the frame context's shared primitive picture, in canvas coordinates
// (multiplied by the display scale when the window is scaled). Colours are 0..1.

void DrawRect(float r, float g, float b, float a, bool filled, int x1, int y1, int x2, int y2);
void DrawLine(int x1, int y1, int x2, int y2, float r, float g, float b, float a);
