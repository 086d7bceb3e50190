#pragma once
// The process-wide frame context: the window, the current state and its stack, the event queue and
// mouse tracking, the display scale, the tick counter, the settings and the progress store.
// Reached through Frame(); it lives for the whole process.
#include <cstdint>
#include <memory>

#include "engine/k_event.h"
#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"

class KGraphic;
class KWindow;
class LDvDialog;
class LDvGame;
class LDvIniFile;
class LDvState;

struct MouseTracking {
    bool leftDown = false;
    bool rightDown = false;
    bool previousLeft = false;
    bool previousRight = false;
    bool shiftDown = false;
    bool controlDown = false;
    bool dragging = false;
    int32_t lastX = 0, lastY = 0;            // last event position
    int32_t dragOriginX = 0, dragOriginY = 0;
    int32_t lastDragX = 0, lastDragY = 0;
    int32_t moveCount = 0;
};

// Owns the window, the primitive picture, the settings and the progress store; the states and
// the game it points to are owned by the game object.
struct FrameContext {
    FrameContext();
    ~FrameContext();  // defined where the owned types are complete
    FrameContext(const FrameContext&) = delete;
    FrameContext& operator=(const FrameContext&) = delete;
    FrameContext& operator=(FrameContext&&) noexcept;

    LDvGame* game = nullptr;
    std::unique_ptr<KWindow> window;
    int rendererKind = -1;

    int32_t updatesPerSecond = 125;          // the game sets 60
    int16_t width = 800;                     // logical canvas; the game sets 1600 x 900
    int16_t height = 600;
    long versionMajor = 0;
    long versionMinor = 0;
    LDvString gameName;
    LDvString windowTitle;
    LDvString windowIcon;                    // relative to the data root; none when empty
    LDvString imageFolder = "pictures";      // the game sets "img"
    LDvString imageOverrideFolder;           // language replacement pictures, empty for English

    bool displayScaled = false;              // draw positions are multiplied by displayScale
    bool displayCentreScaling = false;       // the second scale flag: zoom about the picture centre
    float displayScale = 1.0f;
    float inverseDisplayScale = 1.0f;
    bool canvasDrawing = false;              // the window maps the canvas itself: draws stay in canvas
                                             // pixels and only the mouse takes the display scale
    int32_t drawOffsetX = 0;                 // added to every overlay position when drawn
    int32_t drawOffsetY = 0;

    std::unique_ptr<KGraphic> primitivePicture;  // lines and rectangles
    bool systemCursorHidden = false;
    bool customCursor = false;

    int32_t tickCount = 0;                   // +1 per fixed step, never reset
    bool quitPending = false;                // set by the missing-media path
    bool modalAbort = false;                 // set once quit was requested inside a modal loop

    bool loggingEnabled = false;
    bool console = false;
    int32_t logLevel = 0;

    std::unique_ptr<LDvIniFile> settings;    // settings.ini, auto-saving
    bool settingsLoaded = false;
    LDvString rootDirOverride;

    LDvState* currentState = nullptr;
    LDvDialog* secondary = nullptr;          // the tip dialog floating over the current state
    LDvList<LDvState*> stateStack;           // pushed by RunModal
    LDvList<KEvent> eventQueue;              // first in, first out
    MouseTracking mouse;

    std::unique_ptr<LDvIniFile> progress;    // the selected player's progress store
};

FrameContext& Frame();

// What draws multiply positions (and, with the centre-scaling flag, sizes) by: the display scale,
// unless the window maps the canvas onto itself.
bool DrawsScaled();
float DrawScale();
bool DrawsCentreScaled();
// What turns canvas pixels into the window pixels the skeletal animations draw in: the display
// scale, or 1 where the window maps the canvas itself.
float WindowPixelScale();

// Tests start each case from a fresh context (the old window, settings and store are released).
void ResetFrameForTesting();
