#pragma once
// Frame sheets carry their grid in their names: "tl_fx/explode2_8_6_48.png" is the sheet
// "explode2" of 8 columns by 6 rows holding 48 frames.
#include "framework/core/ldv_string.h"

struct FrameSheetName {
    LDvString name;                    // the part before the numbers, without folder: "explode2"
    int columns = 0;
    int rows = 0;
    int frames = 0;
};

// False (and `out` untouched) unless the file name ends in _columns_rows_frames with three positive
// numbers and at least the frames fit the grid.
bool ParseFrameSheetName(const LDvString& path, FrameSheetName& out);
