#pragma once
// The pixels of a frame sheet held in memory: a grid of equal cells, row by row, read from a sheet
// whose picture still holds its decoded pixels and put back into a sheet of its own. Sheets made
// from them carry work ahead of time (a fade, a zoom, a turn) that the renderer would otherwise do
// on every draw: SDL's software renderer blends a picture drawn as it is several times faster than
// one it must scale, turn or fade.
#include <cstdint>
#include <vector>

class LDvOverlay;

struct SheetPixels {
    int frameWidth = 0;                // one cell, in pixels
    int frameHeight = 0;
    int columns = 0;
    int rows = 0;
    std::vector<uint32_t> pixels;      // (columns x frameWidth) x (rows x frameHeight), bytes R, G, B, A

    int Width() const { return columns * frameWidth; }
    int Height() const { return rows * frameHeight; }
    bool Empty() const { return pixels.empty(); }
    // Cell `frame` (row-major) of a sheet of `columns` columns; row y of it starts at the pointer.
    const uint32_t* Row(int frame, int y) const;
    uint32_t* Row(int frame, int y);
};

// The sheet's frame grid and pixels; false (and `out` empty) when its picture holds no pixels any
// more, as after its first draw unless the picture retains them.
bool ReadSheetPixels(const LDvOverlay& sheet, SheetPixels& out);
// Gives `overlay` a picture of `pixels` with their frame grid and `frameCount` frames.
void LoadSheet(LDvOverlay& overlay, const SheetPixels& pixels, int frameCount);
// Multiplies every pixel's transparency by `opacity` (0..1), rounded.
void FadePixels(std::vector<uint32_t>& pixels, float opacity);
