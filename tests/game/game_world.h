#pragma once
// The real game object started on the generated data in an off-screen window, on the manual
// clock, with its save folder in a temporary folder. Tests play through dialogs and screens as a
// player would: timed actions run after given presented frames and queue mouse input through the
// engine's test input, so clicks and drags go through the real dispatch. A run that never ends is
// stopped by a frame limit (the quit then fails the test's expectations instead of hanging).
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/k_test_input.h"
#include "framework/core/ldv_string.h"
#include "game/app/match3.h"
#include "tests/support/temp_dir.h"

class LDvOverlay;

struct Point {
    int x = 0;
    int y = 0;
};

class GameWorld {
public:
    GameWorld();
    ~GameWorld();
    GameWorld(const GameWorld&) = delete;
    GameWorld& operator=(const GameWorld&) = delete;

    bool Started() const { return started; }
    Match3& Game() { return *game; }

    // Runs `action` once `frames` more frames have been presented.
    void After(int frames, std::function<void()> action);
    // Queues a left click on the middle of the overlay's bounds, as they are when the click starts.
    void ClickOn(LDvOverlay& overlay, int afterFrames = 2);
    void ClickAt(Point at, int afterFrames = 2);
    // Presses at `from`, moves a little, then to `to`, and releases there.
    void DragFromTo(Point from, Point to, int afterFrames = 2);

    // Frames presented so far (the engine's flip count).
    int Frame() const;
    // Keeps the frame presented `frames` frames from now in `captured`, row-major, bytes R, G, B, A.
    void CaptureAfter(int frames);
    std::string LogText() const;

    std::vector<std::string> messageBoxes;   // "caption | text"
    std::vector<uint32_t> captured;
    int frameLimit = 900;                    // frames after which the window is asked to quit

private:
    void OnFrame();
    void BeforePresent();
    void QueueMouse(int framesFromNow, int32_t type, Point at);

    struct Timed {
        int frame;
        std::function<void()> action;
    };

    TempDir home;
    std::unique_ptr<Match3> game;
    KTestInput input;
    std::vector<Timed> timed;
    bool started = false;
    int captureFrame = -1;
};

// The middle of an overlay's bounds.
Point MiddleOf(LDvOverlay& overlay);
