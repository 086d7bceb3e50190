#include "game/match3.h"

#include "framework/core/frame_context.h"

Match3::Match3() : LDvGame("Quorvane", "Quorvane", 0, 2) {
    FrameContext& frame = Frame();
    frame.imageFolder = "img";
    frame.updatesPerSecond = kUpdatesPerSecond;
    frame.width = kCanvasWidth;
    frame.height = kCanvasHeight;
}

bool Match3::OnInit() { return true; }

LDvState& Match3::FirstState() { return blankState; }
