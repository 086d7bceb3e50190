#pragma once
// Command-line options for tools, tests and benchmarks. Without any the program runs as the
// player sees it.
#include <vector>

#include "framework/core/ldv_string.h"

struct ProgramOptions {
    LDvString dataFolder;            // --data: data root instead of the installed data
    LDvString saveParent;            // --save: holds "Drovana Games/..." instead of the user's data folder
    LDvString inputScript;           // --input: scripted input for the engine
    LDvString captureFolder;         // --capture: frames are written there as PNG
    LDvString sceneName;             // --scene: start in this adventure scene, as the map opens it
    std::vector<int> captureFrames;  // --capture-frames: which frames (all when empty)
    int frameLimit = 0;              // --frames: quit after this many frames (0: no limit)
    int desktopWidth = 0;            // --desktop WxH: the desktop size to size the window by (0: the real one)
    int desktopHeight = 0;
    bool windowed = false;           // --windowed
    bool manualClock = false;        // --manual-clock: steps advance the clock, nothing waits for real time
    bool exitWait = true;            // --no-exit-wait: hand the survey address over without waiting for the opener
    bool reportFirstFrame = false;   // --report-first-frame: print the wall time of the first presented frame
    bool emptyShell = false;         // --empty-shell: run the bare shell on an empty state, loading nothing
    bool movieFirst = false;         // --movie-first: start on the intro movie
    bool playFirst = false;          // --play-first: start on the play screen instead of the camp
    bool campFirst = false;          // --camp-first: start in the camp
    bool mapFirst = false;           // --map-first: start on the island map
    bool reportLoadTimes = false;    // --report-load-times: print how long each start-up loading step took
    bool anyOpenGl = false;          // --any-opengl: the accelerated renderer on CPU rasterisers too
    bool help = false;               // --help
    bool version = false;            // --version
};

// False with a message in `error` for an unknown option or a missing or malformed value.
bool ParseProgramOptions(int argc, const char* const* argv, ProgramOptions& options, LDvString& error);
const char* ProgramUsage();
