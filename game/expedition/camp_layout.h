#pragma once
// Where the camp's fixed parts sit on the 1600 x 900 canvas, and how its palm strips are cut. The
// forge paints the background (shore, palm shadows, clear ground), the palm strips and its preview
// of the whole camp to these numbers, so the game and the forge share them.
namespace camp_layout {

// Each "states/camp/palmN.png" is one row of this many equal frames, played back and forth: the
// first frame leans furthest one way, the last furthest the other.
inline constexpr int kPalmFrames = 16;

struct PalmPlace {
    int strip;    // 1..4: "states/camp/palm<strip>.png"
    int x, y;     // top-left corner of the unzoomed frame
    float scale;  // zoom about the frame's centre
    int angle;    // degrees about the frame's centre, clockwise on the screen
};
inline constexpr int kPalmCount = 17;
inline constexpr PalmPlace kPalms[kPalmCount] = {
    {1, 852, 358, 1.0f, 0},   {1, 1214, 440, 1.0f, 0},  {1, 955, 255, 0.6f, 0},    {2, 620, 387, 1.0f, 0},
    {2, 547, 277, 0.85f, -5}, {2, 769, 223, 0.67f, 0},  {2, 1012, 501, 0.64f, 3},  {3, 1196, 307, 1.0f, 13},
    {3, 456, 357, 0.81f, -12}, {3, 274, 420, 0.85f, -12}, {3, 576, 516, 0.7f, -17}, {4, 740, 502, 0.8f, -13},
    {4, 292, 336, 0.8f, -13}, {4, 611, 227, 0.48f, -12}, {4, 872, 246, 0.62f, 21}, {4, 1015, 332, 0.7f, 7},
    {4, 1075, 426, 0.7f, 18},
};

struct Point {
    int x, y;
};

// Where the buttons come to rest (top-left corners); the buildings keep clear of them.
inline constexpr Point kFieldGuideRest{218, 760};
inline constexpr Point kBuildRest{380, 750};
inline constexpr Point kExploreRest{528, 755};
inline constexpr Point kBackRest{218, 746};
inline constexpr Point kBuildMenuRests[4] = {{401, 742}, {571, 746}, {741, 744}, {911, 744}};
inline constexpr Point kPlayRest{1115, 724};
inline constexpr Point kBadgeOffset{67, 28};  // a build-menu badge from its button's corner

// The boards that drop in from the top edge: their x, resting 20 pixels above the edge.
inline constexpr int kMenuButtonX = 212;
inline constexpr int kLevelBoardX = 384;
inline constexpr int kScoreBoardX = 518;
inline constexpr int kBoardRestY = -20;

// Where wave crests appear: the sea of the background lies under each of these rectangles.
struct Area {
    int x1, y1, x2, y2;
};
inline constexpr Area kWaveAreas[5] = {
    {0, 301, 139, 380}, {0, 639, 139, 880}, {696, 235, 1010, 240}, {1390, 755, 1600, 880}, {569, 840, 1147, 880},
};

}  // namespace camp_layout
