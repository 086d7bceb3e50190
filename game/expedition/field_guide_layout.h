#pragma once
// Where the field guide's parts sit on the 1600 x 900 canvas. The forge paints the open book so
// that its two pages hold these text areas and the buttons land on its edges and corners.
namespace field_guide_layout {

struct Point {
    int x, y;
};

// The open book is a canvas-sized picture, drawn centred (at 0, 0).
inline constexpr int kPageTop = 165;
inline constexpr int kPageBottom = 648;
inline constexpr int kLeftPageX = 318;   // text areas are 450 pixels wide
inline constexpr int kRightPageX = 831;
inline constexpr int kPageWidth = 450;
inline constexpr int kSketchColumn = 225;  // sketches are centred this far into a page
inline constexpr int kLowSketchY = 526;    // a sketch under text
inline constexpr int kHighSketchY = 285;   // a sketch over text
inline constexpr int kTextBelowSketch = 406;

// Top-left corners of the buttons; the task tab overlay is drawn where the tasks button is.
inline constexpr Point kNextAt{1154, 655};
inline constexpr Point kPreviousAt{316, 656};
inline constexpr Point kCloseAt{1187, 124};
inline constexpr Point kTasksAt{317, 93};

}  // namespace field_guide_layout
