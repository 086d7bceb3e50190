// The area a 1600 x 900 canvas takes in windows of other shapes.
#include "engine/letter_box.h"

#include <gtest/gtest.h>

namespace {

struct AreaCase {
    int windowWidth, windowHeight;
    int width, height;
};
constexpr AreaCase kAreas[] = {
    {1600, 900, 1600, 900},   {1280, 720, 1280, 720},  {1920, 1080, 1920, 1080},
    {1920, 1200, 1920, 1080},  // taller: bars above and below
    {1700, 800, 1422, 800},    // wider: bars left and right (1422.2 rounded)
    {1365, 768, 1365, 768},    // within a pixel of the aspect: the whole window
    {1366, 768, 1366, 768},
    {1280, 1024, 1280, 720},  {2560, 720, 1280, 720},  {1, 1000, 1, 1},
    {0, 900, 0, 0},           {1600, -5, 0, 0},
};

}  // namespace

TEST(LetterBox, TheLargestAreaOfTheCanvasAspectThatFits) {
    for (const AreaCase& c : kAreas) {
        SCOPED_TRACE(testing::Message() << c.windowWidth << " x " << c.windowHeight);
        const AreaSize area = letterBoxArea(1600, 900, c.windowWidth, c.windowHeight);
        EXPECT_EQ(area.width, c.width);
        EXPECT_EQ(area.height, c.height);
    }
    EXPECT_EQ(letterBoxArea(0, 900, 1600, 900).width, 0) << "no canvas, no area";
}
