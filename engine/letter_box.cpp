#include "engine/letter_box.h"

#include <cstdint>

namespace {

// numerator / denominator rounded to the nearest whole number (both positive).
int64_t roundedQuotient(int64_t numerator, int64_t denominator) { return (2 * numerator + denominator) / (2 * denominator); }

}  // namespace

AreaSize letterBoxArea(int canvasWidth, int canvasHeight, int windowWidth, int windowHeight) {
    if (canvasWidth <= 0 || canvasHeight <= 0 || windowWidth <= 0 || windowHeight <= 0) return {};
    AreaSize area{windowWidth, windowHeight};
    const int64_t heightForWidth = roundedQuotient(int64_t{windowWidth} * canvasHeight, canvasWidth);
    if (heightForWidth <= windowHeight) {
        area.height = static_cast<int>(heightForWidth);
    } else {
        area.width = static_cast<int>(roundedQuotient(int64_t{windowHeight} * canvasWidth, canvasHeight));
    }
    if (windowWidth - area.width <= 1 && windowHeight - area.height <= 1) return AreaSize{windowWidth, windowHeight};
    // A sliver of a window still shows something: a scale of zero would lose the mouse.
    if (area.width < 1) area.width = 1;
    if (area.height < 1) area.height = 1;
    return area;
}
