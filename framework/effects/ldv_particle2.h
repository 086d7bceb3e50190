#pragma once
// One particle, or the template particles are spawned from. A template draws each spawned value
// between its minimum and maximum records and takes everything else from its base record; a live
// particle keeps its state in its base record. The picture is borrowed from the emitter's owner.
#include <cstdint>
#include <memory>

class LDvSprite;

struct ParticleParams {
    float positionX = 0.0f;
    float positionY = 0.0f;
    float directionX = 0.0f;           // unit vector of the emission angle, y pointing down
    float directionY = -1.0f;
    float speed = 0.0f;                // pixels per step
    float emissionAngle = -90.0f;      // degrees; -90 points straight down the screen
    bool mirror = true;                // half of the spawned particles turn by 180 degrees
    float acceleration = 0.0f;         // added to the speed each step
    bool waveOnX = false;
    bool waveOnY = false;
    float waveAmplitude = 1.0f;        // pixels
    float waveSecond = 1.0f;           // carried with the record, never read by the step
    float growth = 0.0f;               // added to the zoom each step
    float zoom = 1.0f;
    float angle = 0.0f;                // degrees
    float spin = 0.0f;                 // degrees per step
    int32_t frame = 0;
    int32_t opacity = 100;             // percent
    int32_t wavePhase = 0;             // degrees
    int32_t life = 0;                  // steps left
    int32_t lifeTotal = 125;           // steps
    uint8_t spareFlag = 0;             // carried with the record, never read
    bool fade = true;                  // fade in and out over the fade fraction of the life
    float fadeFraction = 0.2f;
    bool additive = false;
};

class LDvParticle2 {
public:
    LDvParticle2() = default;
    LDvParticle2(const LDvParticle2&) = default;
    LDvParticle2& operator=(const LDvParticle2&) = default;
    virtual ~LDvParticle2() = default;

    // A new live particle drawn from this template's ranges, at the template's base position.
    std::unique_ptr<LDvParticle2> Spawn() const;
    void Step();                       // one step of a particle with life left
    void Draw();

    ParticleParams minimum;
    ParticleParams maximum;
    ParticleParams base;
    LDvSprite* image = nullptr;        // the owner's; must outlive the particle
};
