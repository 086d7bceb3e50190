#pragma once
// The game's mouse cursor: one frame of an 18-frame sheet chosen by the cursor name, animated
// (pulse, turn or slide), with an additive glow and door or stairs badges. It registers itself at
// construction with no owner, so it is updated and drawn under every state. It owns the glow sprite;
// the game owns the cursor for the whole run.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

// Frames of the cursor sheet; a cursor's kind is the frame it shows.
enum CursorKind : int32_t {
    kCursorArrow = 0,
    kCursorHand = 1,
    kCursorGrab = 2,
    kCursorLook = 3,
    kCursorTalk = 4,
    kCursorWait = 5,
    kCursorBack = 6,
    kCursorEast = 7,
    kCursorWest = 8,
    kCursorNorth = 9,
    kCursorSouth = 10,
    kCursorSouthWest = 11,
    kCursorNorthWest = 12,
    kCursorNorthEast = 13,
    kCursorSouthEast = 14,
    kCursorStairsBadge = 15,
    kCursorDoorBadge = 16,
    kCursorScroll = 17,
};

struct CursorOffset {
    int32_t x = 0;
    int32_t y = 0;
};

class CursorSprite : public LDvSprite {
public:
    CursorSprite();

    // Loads "GUI/cursor.png" (6 x 3 frames) and "GUI/cursor_highlight.png".
    void LoadPictures();
    // "HIDE_CURSOR" hides it; any other name ("HAND", "E|STAIRS", ...) chooses the cursor.
    void SetCursorName(const LDvString& cursorName);

    void OnTick(int tickCount) override;
    void Draw() override;

    int32_t cursorKind = kCursorArrow;
    float cursorZoom = 1.0f;
    int32_t cursorAngle = 0;            // degrees
    int32_t glowCounter = 0;            // steps left of the fading glow
    int32_t glowOpacityPercent = 0;
    int32_t animationPhase = 0;
    int32_t pauseCounter = 0;           // animation ticks to hold still
    CursorOffset cursorOffset;
    CursorOffset glowOffset;
    bool hiddenByName = false;
    bool stairsBadge = false;
    bool doorBadge = false;
    bool systemCursorMode = false;      // the player chose the system pointer; nothing is drawn
    LDvString currentName;

    int32_t mouseX = 0;                 // canvas position of the pointer, taken each step
    int32_t mouseY = 0;
    LDvSprite glow;

private:
    void Animate(int phaseStep);
    void DrawFrame(int frame, CursorOffset at, float frameZoom, int32_t frameAngle);
};

// The point of a cursor frame that sits on the pointer.
CursorOffset CursorHotSpot(int kind);
