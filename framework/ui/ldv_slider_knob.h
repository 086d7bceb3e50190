#pragma once
// The knob of a slider, drawn as a sprite: its place on the track between track start and track
// end gives a value of 0 to 100 percent. The owning dialog forwards its drag messages; only
// horizontal knobs follow a drag.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class LDvSliderKnob : public LDvSprite {
public:
    virtual void DragTo(int x, int y, int dxStart, int dyStart, int dxLast, int dyLast);
    virtual void BeginDrag(int x, int y);   // starts a drag when (x, y) lies on the knob
    virtual void EndDrag(int x, int y);

    void ComputeValue();                    // value from the knob's place
    void PlaceFromValue();                  // the knob's place from the value

    int32_t value = 0;                      // percent
    int32_t trackStart = 0;                 // pixels along the track's axis
    int32_t trackEnd = 0;
    int32_t fixedCoordinate = 0;            // the other axis
    bool dragging = false;
    bool vertical = false;
};
