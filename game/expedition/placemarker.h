#pragma once
// A location on the island map: a marker the player's expedition walks to along one-way exits.
// Its state decides its look: the current place, a grey place out of reach, a new place with a
// bobbing question mark and a pointer, or a place already found. Markers pop in with a wobble when
// an expedition starts and pop out when it ends.
//
// The map screen owns every marker for the whole run; the exits point at markers of the same
// map and are not owned. The pictures are the map's, borrowed through MarkerArt while drawing.
#include <cstdint>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "game/expedition/scrolling_map_overlay.h"

// The pictures every marker draws with; the map screen owns them while it is entered.
struct MarkerArt {
    LDvSprite current;                    // "location_current.png"
    LDvSprite grey;                       // "location_grey.png"
    LDvSprite fresh;                      // "location_new.png"
    LDvSprite found;                      // "location_found.png"
    LDvSprite questionMark;               // "qmark.png", a strip of frames
    LDvSprite pointer;                    // "clickpointer.png"
};

// Scale of a wobble with `counter` steps left of `total`: it swings about 1 and settles there.
float WobbleScale(int32_t counter, int32_t total);

class Placemarker : public ScrollingMapOverlay {
public:
    enum State : int32_t { kCurrent = 0, kUnreachable = 1, kNew = 2, kFound = 3 };

    static constexpr int32_t kWobbleTicks = 40;
    static constexpr int32_t kPopOutTicks = 20;
    static constexpr int32_t kQuestionFadeTicks = 40;
    static constexpr int32_t kQuestionFrameTicks = 2;
    static constexpr int32_t kPointerBobTicks = 5;
    static constexpr int32_t kPointerBobSteps = 6;     // the pointer bobs 0..5 pixels

    Placemarker() { hidden = true; }

    void PopIn();
    void PopOut();
    void HideMarker();
    // A new state from the states around the current place; starts the second wobble.
    void BecomeReachable(bool alreadyFound);
    void BecomeUnreachable() { state = kUnreachable; }
    // The expedition sets out for this place: its question mark fades.
    void BecomeDestination();
    bool Choosable() const { return !hidden && (state == kNew || state == kFound); }
    bool PoppingOut() const { return popOutCounter > 0; }
    bool HasExit(const Placemarker* exit) const;

    // One step; the question mark loops over `questionFrames` frames.
    void Step(int questionFrames);
    void DrawMarker(MarkerArt& art);

    int32_t state = kUnreachable;
    int32_t wobbleCounter = 0;
    int32_t popDelay = 0;                 // steps before a pop-in shows
    int32_t questionFrame = 0;
    int32_t questionFadeCounter = 0;
    int32_t questionOpacity = 0;          // percent
    int32_t popOutCounter = 0;
    int32_t secondWobbleCounter = 0;
    int32_t pointerBob = 0;               // 0..5 pixels
    float scale = 1.0f;
    LDvPoint position;                    // the marker's centre on the map
    LDvString id;
    LDvString exitsText;                  // the exit ids as the table lists them
    LDvString landmassName;
    LDvString discoveryId;                // "NONE" for a place the expedition only walks through
    LDvList<Placemarker*> exits;          // not owned

private:
    void StepWobbles();
    void StepPopOut();
    void StepQuestionMark(int questionFrames);
    void DrawDecorations(MarkerArt& art, float cx, float cy);
};
