#pragma once
// Test mode of the engine: scripted input delivered as if it came from the player, and frames
// captured to PNG. A frame is the count of KWindow::flipBackBuffer calls: the first flip is
// frame 1. Events queued for frame N are delivered inside the N-th flip, after the platform's own
// events, exactly as those are (event handler, mouse state, focus, quit); events queued for a
// frame already past go out in the next flip. A capture of frame N writes the back buffer as it
// stands when the N-th flip begins (what frame N shows) to <folder>/frame_<N>.png.
//
// Script format, one event per line; blank lines and text after '#' are ignored:
//   <frame> move <x> <y>               mouse moved (type 1)
//   <frame> down <button> <x> <y>      button pressed (type 3); button 1 left, 2 right, 3 middle
//   <frame> up <button> <x> <y>        button released (type 2)
//   <frame> dblclick <button> <x> <y>  a press then a double click (types 3 and 8)
//   <frame> wheel <delta>              wheel (type 11), delta as the platform gives it (120 a notch)
//   <frame> key <engine key code>      key pressed and released (types 6 and 7), e.g. 24 escape
//   <frame> keydown <engine key code>  key pressed only (type 6)
//   <frame> keyup <engine key code>    key released only (type 7)
//   <frame> char <code point>          character typed (type 5 below 256, and type 50), e.g. 65 'A'
//   <frame> focus <0|1>                window deactivated (type 14) or activated (type 13)
//   <frame> quit                       the window is closed
// Coordinates are window client coordinates, as real mouse events carry them.
//
// The owner (the shell) keeps the KTestInput alive while a window borrows it (KWindow::setTestInput).
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "engine/k_event.h"

class KWindow;

class KTestInput {
public:
    KTestInput() = default;
    KTestInput(const KTestInput&) = delete;
    KTestInput& operator=(const KTestInput&) = delete;

    // Both queue nothing and return false (logging the line number) when any line is not understood.
    bool loadScript(const std::string& path);
    bool parseScript(const std::string& text);

    void queueEvent(uint32_t frame, const KEvent& event);
    void queueQuit(uint32_t frame);
    size_t pendingCount() const { return queue.size() - nextIndex; }

    // Frames to capture; the folder (and any folder above it) is created when missing. Frame numbers as above.
    void setCaptureFolder(const std::string& folder) { captureFolder = folder; }
    void captureFrame(uint32_t frame) { captureFrames.insert(frame); }
    void captureEveryFrame(bool every) { captureAll = every; }
    static std::string captureFileName(const std::string& folder, uint32_t frame);

    // With the manual clock on, each flip advances it by this much (default 16 ms, one logic step).
    // A loop that already moves the manual clock itself (sleepMilliseconds does) sets 0.
    void setClockStep(uint32_t milliseconds) { clockStepMs = milliseconds; }
    uint32_t clockStep() const { return clockStepMs; }

    // Called by KWindow::flipBackBuffer: before presenting, and after the platform events.
    void beforePresent(const KWindow& window, uint32_t frame);
    void deliverDue(KWindow& window, uint32_t frame);

    // The events the script lines stand for, for tests that queue them directly.
    static KEvent mouseEvent(int32_t type, int32_t button, int32_t x, int32_t y);
    static KEvent keyEvent(int32_t type, int32_t engineKey);
    static KEvent wheelEvent(int32_t delta);
    static KEvent focusEvent(bool gained);

private:
    struct Scripted {
        uint32_t frame = 0;
        KEvent event;
        bool quit = false;
        bool character = false;  // event.character holds a code point delivered as typed text
    };

    bool parseLine(const std::string& line, std::vector<Scripted>& out) const;
    void insert(const Scripted& item);

    std::vector<Scripted> queue;  // sorted by frame, in queuing order within a frame
    size_t nextIndex = 0;
    std::string captureFolder = ".";
    std::set<uint32_t> captureFrames;
    bool captureAll = false;
    uint32_t clockStepMs = 16;
};
