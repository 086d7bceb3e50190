#pragma once
// The texts scene scripts describe effects with: an effect sheet's file name
// ("explode2_8_6_48.png": id, columns, rows, frames) and a wave crest emitter's parameters
// ("x1;y1;x2;y2;scale;peak opacity;dx;dy").
#include <cstdint>

#include "framework/core/ldv_string.h"

struct EffectSheetGrid {
    int32_t columns = 0;
    int32_t rows = 0;
    int32_t frames = 0;
};

// Splits at the underscores; the third number ends at the first ".". False when any of the three
// is missing or not positive: such a sheet has no frames to cut it into.
bool ReadEffectSheetGrid(const LDvString& fileName, EffectSheetGrid& grid);

struct WaveTopParams {
    int32_t x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    float scale = 0.0f;
    float peakOpacity = 0.0f;
    float dx = 0.0f, dy = 0.0f;
};

// Missing and empty fields read 0.
WaveTopParams ReadWaveTopParams(const LDvString& params);
