#pragma once
// One fish of the title's schools: it strokes through the fish sheet, now and then rests (ending
// its stroke at frame 0), drifts up or down between the depths 600 and 730, tilts as it climbs or
// sinks, and swims across the canvas, coming back in at the far side. A near fish swims left; a far
// fish swims right, drawn at half size, mirrored and tinted blue. The school owns its fish; the
// sheet is borrowed from the title's pictures and must be loaded while the fish draws.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class Fishy : public LDvOverlay {
public:
    static constexpr int kWrapFrame = 39;           // the frame index that starts the stroke again
    static constexpr float kTopDepth = 600.0f;      // no climbing above, no sinking below
    static constexpr float kBottomDepth = 730.0f;
    static constexpr float kLeftEdge = -300.0f;     // a near fish past it comes back at the right
    static constexpr float kRightEdge = 1700.0f;    // a far fish past it comes back at the left
    static constexpr int kMaxTilt = 3;              // degrees
    static constexpr int kMoodSteps = 60;           // steps between two changes of mind

    Fishy();                                        // a random size, frame and place in the water

    void OnTick(int schoolStep) override;
    void Draw() override;

    int32_t frameIndex = 0;      // into the swim sequence
    float verticalSpeed = 0.0f;  // pixels per step, + sinks
    int32_t timer = 0;           // steps since the last change of mind
    int32_t tilt = 0;            // degrees, -3..3
    bool resting = false;
    int32_t slowness = 1;        // 1..3: a stroke frame every `slowness` steps; also sets the speed
    float size = 1.0f;           // zoom, 0.8..1.2
    bool far = false;            // of the far school

    LDvOverlay* sheet = nullptr; // "states/title/bfish.png", 40 frames; not owned

private:
    void Stroke(int schoolStep);
    void Swim();
    void Tilt(int schoolStep);
    void ChangeMind();
};
