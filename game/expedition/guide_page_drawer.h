#pragma once
// Draws the two pages of the field guide's open spread: the task list with its check marks, or a
// note's heading, body and sketch as its page type lays them out. It reads the guide it belongs to,
// which owns it and outlives it.
#include "framework/ui/ldv_overlay.h"

class FieldGuide;
struct GuidePage;
struct LDvFont;

class GuidePageDrawer : public LDvOverlay {
public:
    static constexpr int kLeftPageX = 318;
    static constexpr int kRightPageX = 831;
    static constexpr int kPageWidth = 450;
    static constexpr int kPageTop = 165;
    static constexpr int kPageBottom = 648;
    static constexpr float kTextScale = 0.75f;
    // Leads every task; the check mark is drawn in the room its blanks leave.
    static constexpr const char* kTaskIndent = "        - ";

    explicit GuidePageDrawer(FieldGuide& guide) : guide(guide) {}

    void Draw() override;

private:
    void DrawPage(const GuidePage& page, int left);
    void DrawTasks(int left);
    void DrawSketch(int sketch, int centreX, int centreY);
    // Word-wrapped lines from `top` down to the page bottom; returns the y below the last line.
    int DrawLines(const LDvString& text, int left, int top, float grey);

    FieldGuide& guide;
};
