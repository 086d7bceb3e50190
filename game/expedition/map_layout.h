#pragma once
// How the map's small pictures are cut and where they sit round the point they belong to. The
// forge paints "states/map/" pictures to these numbers and composes its previews of the map with
// them, so the game and the forge share them.
namespace map_layout {

struct Offset {
    int x, y;
};

// "qmark.png": one row of this many equal frames, a question mark bobbing over a new place. It
// loops: the frame after the last is the first again.
inline constexpr int kQuestionMarkFrames = 24;
inline constexpr int kQuestionMarkColumns = kQuestionMarkFrames;
inline constexpr int kQuestionMarkRows = 1;

// From a location's point. The location pictures and the question mark are drawn centred on
// their point; the pointer, the professor's head and the arrow under it by their top-left corner.
inline constexpr Offset kQuestionMarkCentre{-3, -30};
inline constexpr Offset kPointerCorner{-60, -50};  // plus the pointer's bob, 0 to 5 on both axes
inline constexpr Offset kHeadCorner{-54, -138};
inline constexpr Offset kArrowCorner{-12, -43};  // plus the arrow's bob, 0 or 3 downwards

// The canvas the map is seen on; the view centres the camp (or the player's place) in it.
inline constexpr int kCanvasWidth = 1600;
inline constexpr int kCanvasHeight = 900;

}  // namespace map_layout
