#pragma once
// The little monkey who keeps the player company on the play screen, painted in any pose. A
// frame is 160 x 160 with the monkey sitting on its bottom edge, facing the player.
#include "tools/forge/core/rgba_image.h"

constexpr int kMonkeyFrame = 160;

struct MonkeyPose {
    double bob = 0;          // pixels the whole monkey rises (positive up)
    double lean = 0;         // degrees the body leans (positive to the right)
    double headTilt = 0;     // degrees, positive to the right
    double look = 0;         // -1 looks to the left .. 1 to the right
    double blink = 0;        // 0 open .. 1 shut
    int mouth = 0;           // 0 smile, 1 wide grin, 2 surprised "o"
    double leftShoulder = 25, leftElbow = 40;    // degrees from hanging straight down, outwards
    double rightShoulder = 25, rightElbow = 40;
    double tail = 0;         // degrees the tail swings
    bool coconut = false;    // a coconut at (coconutX, coconutY) of the frame
    double coconutX = 80, coconutY = 40;
};

RgbaImage paintMonkey(const MonkeyPose& pose);
