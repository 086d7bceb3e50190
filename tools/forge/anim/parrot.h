#pragma once
// The scarlet parrot of the level-end animations, painted as separate parts that the skeletal
// animation moves. It faces left. Each part's pivot (where its bone sits) is noted with it; the
// skeleton files place every picture's centre relative to these pivots, so the numbers in
// content/animations/*-skeleton.json follow from the sizes and pivots here.
#include "tools/forge/core/rgba_image.h"

enum class ParrotHead { Smile, Cheer, Sad };

RgbaImage parrotBody();       // 90 x 110, pivot (45, 104): between the feet
RgbaImage parrotHead(ParrotHead mood);  // 84 x 76, pivot (48, 66): the nape of the neck
RgbaImage parrotWing(bool front);       // 48 x 92, pivot (24, 8): the shoulder
RgbaImage parrotTail();       // 40 x 96, pivot (14, 6): the root of the tail
