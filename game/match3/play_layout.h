#pragma once
// Where the play screen's fixed parts sit on the 1600 x 900 canvas. The forge paints the board's
// squares and frame and the bar's socket to these numbers, so the game and the forge share them.
namespace play_layout {

inline constexpr int kCellSize = 55;     // pixels per board square, both ways
inline constexpr int kBorderLeft = 193;  // top-left corner of the frame's point (0, 0), one square
inline constexpr int kBorderTop = 33;    // up and left of the first grid square
inline constexpr int kWindGodX = 539;    // centre of the wind-god button in the bar's stone socket
inline constexpr int kWindGodY = 816;

}  // namespace play_layout
