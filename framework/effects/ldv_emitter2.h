#pragma once
// A particle emitter: spawns particles from its template every emit interval while running,
// winds down after it stops (with an optional final burst) and steps and draws its live particles.
// It owns its template and its live particles; the particles' picture belongs to the owner.
#include <cstdint>
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/effects/ldv_particle2.h"
#include "framework/ui/ldv_overlay.h"

// Where new particles appear around the emitter position.
enum SpawnShape : int32_t {
    kSpawnCircle = 0,                  // within the spawn radius
    kSpawnEllipse = 1,                 // radii drawn from the spawn radius and the second range
    kSpawnLeftOrRight = 2,             // on the horizontal line, up to the spawn radius away
    kSpawnAboveOrBelow = 3,            // on the vertical line, up to the spawn radius away
};

class LDvEmitter2 : public LDvOverlay {
public:
    // The title screen's two looks: slow drifting motes (A) and a quicker trickle (B), both falling.
    void PresetA(int px, int py, LDvSprite& image);
    void PresetB(int px, int py, LDvSprite& image);

    void OnTick(int tickCount) override;
    void Draw() override;

    int32_t tickCounter = 0;
    int32_t emitInterval = 0;          // steps between spawns; 0 never spawns on the interval
    int32_t burstCount = 0;            // particles per spawn (at least one)
    int32_t spawnRadius = 0;           // pixels; 0 spawns at the emitter position
    int32_t secondSpawnRange = 0;      // pixels; the ellipse's second radius
    bool finalBurst = false;           // one more spawn when the wind-down reaches zero
    bool running = false;
    bool randomStartFrame = false;
    int32_t spawnShape = kSpawnCircle;
    int32_t positionX = 0;
    int32_t positionY = 0;
    LDvParticle2 particleTemplate;
    LDvList<std::unique_ptr<LDvParticle2>> particles;

    // Where the next particle appears (draws random numbers as a spawn does).
    LDvPoint SpawnPosition();

private:
    void Emit();
};
