#pragma once
// The player's marker on the island map: the professor's head over an arrow pointing down at the
// place the expedition stands on. It travels between places along a straight line, easing out, and
// reports its arrival once.
//
// The map screen owns the one marker for the whole run; the pictures are loaded while the map is
// entered and released when it is left.
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "game/expedition/scrolling_map_overlay.h"

class PlayerIcon : public ScrollingMapOverlay {
public:
    static constexpr int32_t kTravelTicks = 60;
    static constexpr int32_t kAppearTicks = 40;
    static constexpr int32_t kArrowDrop = 3;    // pixels the arrow sits lower once it has appeared

    PlayerIcon() { hidden = true; }

    void LoadPictures();                  // "prof_head.png" and "icon_arrow.png"
    void ReleasePictures();

    void PlaceAt(const LDvString& locationId, LDvPoint point);
    void TravelTo(const LDvString& locationId, LDvPoint point);
    void Appear();                        // shows the marker with a pulse
    bool Travelling() const { return travelCounter > 0; }
    // True once after the marker has reached the place it travelled to.
    bool TakeArrival();

    void Step();
    void Draw() override;

    LDvSprite head;
    LDvSprite arrow;
    int32_t arrivalPulse = 0;             // steps left of the appear pulse
    int32_t bobOffset = 0;                // the arrow's offset downwards
    int32_t travelCounter = 0;            // steps left of the journey
    int32_t ticks = 0;
    float scale = 1.0f;
    uint8_t arrived = 0;
    uint8_t paused = 0;                   // the journey stands still
    LDvPoint current;                     // on the map
    LDvPoint target;
    LDvPoint start;
    LDvString currentLocation;            // where it stands or travels to
    LDvString previousLocation;           // where it came from

private:
    void StepTravel();
};
