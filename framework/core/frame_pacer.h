#pragma once
// Decides, pass by pass, whether the main loop draws and shows a new frame or keeps the one on
// screen. While the picture changes, every frame is drawn. Once a drawn frame came out like the one
// before it, each pass only probes what the next frame would draw (KWindow::signature) and draws for
// real as soon as that differs: a still screen (a paused level, a board waiting for the player's
// move) costs next to nothing. In the background (window unfocused or minimised) at most a few
// frames a second are shown even while something moves. Whatever happens, the picture is drawn
// again once a second, for a window the desktop has just uncovered.
// The main loop keeps one for the process; it holds no resources.
#include <cstdint>
#include <functional>

class KWindow;

class FramePacer {
public:
    static constexpr uint32_t kRefreshMilliseconds = 1000;
    static constexpr uint32_t kBackgroundFrameMilliseconds = 200;  // 5 frames a second

    // True when this pass should draw (through `draw`) and present; false to hold the frame.
    // `draw` is also what a probe runs. Disabled, every pass draws.
    bool ShouldDraw(KWindow& window, const std::function<void()>& draw, bool enabled);
    // After a frame was drawn, before it is presented: what it drew.
    void Drawn(uint64_t signature);
    // Forgets the frame on screen: the next pass draws.
    void Reset();

    bool Holding() const { return holding; }

private:
    bool Probe(KWindow& window, const std::function<void()>& draw) const;

    bool holding = false;                // the screen is still: probe before drawing
    bool shownAny = false;
    uint64_t shownSignature = 0;
    uint32_t shownAt = 0;                // clock reading when the frame on screen was drawn
};
