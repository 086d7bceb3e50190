#pragma once
// One loaded skeletal animation and its playback state. The actor owns its skeleton and its
// animation (and everything in them); the bundle its pictures come from belongs to the game and
// must outlive every DrawActor. Actors are loaded once and restarted for every showing.
#include <memory>

#include "framework/core/ldv_string.h"
#include "game/cinematics/spine_animation.h"
#include "game/cinematics/spine_skeleton.h"

class LDvTextureAtlas;

// The time a visible actor that is not held gains every tick (1/60 s, as single precision).
constexpr float kSpineTickSeconds = 0.016666668f;

struct SpineActor {
    bool visible = false;
    bool looping = false;
    bool held = false;                   // time stands still (the movie holds a scene while it fades in)
    LDvTextureAtlas* bundle = nullptr;   // borrowed
    float time = 0.0f;                   // seconds since the restart
    float x = 0.0f, y = 0.0f;            // canvas position given to SetActorPosition
    SpineSkeleton skeleton;
    SpineAnimation animation;
};

// Reads "Spine/<name>-skeleton.json" and then "Spine/<name>-animation.json" under the data root.
// A missing file is logged and reads as empty, leaving an actor with nothing to show.
std::unique_ptr<SpineActor> LoadActor(const LDvString& name, LDvTextureAtlas* bundle);

// Back to time 0, the setup pose and the setup colours, with the root bone at the stored position.
// Attachments keep what the last attachment key set.
void RestartActor(SpineActor& actor);

// Stores the canvas position and moves the root bone there in window pixels (display scale).
void SetActorPosition(SpineActor& actor, float x, float y);

// Advances the time by one tick when the actor is visible and not held.
void TickActor(SpineActor& actor);

// Poses the actor at its time and draws it, when visible.
void DrawActor(SpineActor& actor);
