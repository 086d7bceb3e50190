#include "framework/effects/ldv_emitter2.h"

#include <algorithm>

#include "framework/core/game_random.h"
#include "framework/core/int_cos.h"

namespace {

constexpr int kFullTurn = 360;
constexpr int kQuarterTurn = 90;
constexpr float kFallingAngle = -90.0f;

struct PresetValues {
    int emitInterval;
    int spawnRadius;
    float speedMin, speedMax;
    int lifeMin, lifeMax;
    float growth;
    float zoomMin, zoomMax;
    float angleMin, angleMax;
    float fadeFraction;
};
constexpr PresetValues kPresetA = {20, 15, 0.25f, 0.35f, 330, 400, 0.0025f, 0.15f, 0.2f, 0.0f, 180.0f, 0.35f};
constexpr PresetValues kPresetB = {7, 10, 0.95f, 0.75f, 70, 120, 0.002f, 0.05f, 0.1f, 0.0f, 180.0f, 0.15f};

void ApplyPreset(LDvEmitter2& e, const PresetValues& v, int px, int py, LDvSprite& image) {
    e.positionX = px;
    e.positionY = py;
    e.running = true;
    e.burstCount = 1;
    e.emitInterval = v.emitInterval;
    e.spawnRadius = v.spawnRadius;
    LDvParticle2& t = e.particleTemplate;
    t.image = &image;
    t.minimum.speed = v.speedMin;
    t.maximum.speed = v.speedMax;
    t.minimum.lifeTotal = v.lifeMin;
    t.maximum.lifeTotal = v.lifeMax;
    t.minimum.growth = t.maximum.growth = v.growth;
    t.minimum.zoom = v.zoomMin;
    t.maximum.zoom = v.zoomMax;
    t.minimum.angle = v.angleMin;
    t.maximum.angle = v.angleMax;
    t.minimum.emissionAngle = t.maximum.emissionAngle = kFallingAngle;
    t.base.emissionAngle = kFallingAngle;
    t.base.mirror = false;
    t.base.fadeFraction = v.fadeFraction;
}

// -1 or +1 by the low bit of the game's generator.
int RandomSide() { return (GameRand() & 1) ? 1 : -1; }

}  // namespace

void LDvEmitter2::PresetA(int px, int py, LDvSprite& image) { ApplyPreset(*this, kPresetA, px, py, image); }

void LDvEmitter2::PresetB(int px, int py, LDvSprite& image) { ApplyPreset(*this, kPresetB, px, py, image); }

LDvPoint LDvEmitter2::SpawnPosition() {
    const LDvPoint here{positionX, positionY};
    if (spawnRadius == 0) return here;
    const int theta = RandomRange(0, kFullTurn);
    const int r1 = RandomRange(0, spawnRadius);
    const int r2 = RandomRange(0, secondSpawnRange);
    switch (spawnShape) {
    case kSpawnCircle:
        return {here.x + IntCos(theta, r1), here.y + IntCos(theta + kQuarterTurn, r1)};
    case kSpawnEllipse: {
        if (r1 == 0 && r2 == 0) return here;
        const int large = std::max(r1, r2);
        const int small = std::min(r1, r2);
        const float squashed = static_cast<float>(IntCos(theta + kQuarterTurn, large) * small) / static_cast<float>(large);
        return {here.x + IntCos(theta, large), here.y + static_cast<int>(squashed)};
    }
    case kSpawnLeftOrRight: return {here.x + RandomSide() * r1, here.y};
    case kSpawnAboveOrBelow: return {here.x, here.y + RandomSide() * r1};
    default: return here;
    }
}

void LDvEmitter2::Emit() {
    const int count = std::max(burstCount, 1);
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<LDvParticle2> particle = particleTemplate.Spawn();
        const LDvPoint at = SpawnPosition();
        particle->base.positionX = static_cast<float>(at.x);
        particle->base.positionY = static_cast<float>(at.y);
        if (randomStartFrame) {
            const int frames = particle->image != nullptr ? particle->image->frameCount : 0;
            particle->base.frame = RandomRange(0, frames > 0 ? frames - 1 : 0);
        }
        particles.Add(std::move(particle));
    }
}

void LDvEmitter2::OnTick(int) {
    // An idle emitter (stopped, counter at zero) neither counts nor spawns.
    bool counted = false;
    if (running) {
        ++tickCounter;
        counted = true;
    } else if (tickCounter > 0) {
        --tickCounter;
        counted = true;
    }
    if (counted && emitInterval > 0 && tickCounter % emitInterval == 0) Emit();
    if (counted && !running && tickCounter == 0 && finalBurst) Emit();

    for (std::unique_ptr<LDvParticle2>& particle : particles) particle->Step();
    particles.RemoveIf([](const std::unique_ptr<LDvParticle2>& p) { return p->base.life <= 0; });
}

void LDvEmitter2::Draw() {
    for (std::unique_ptr<LDvParticle2>& particle : particles) particle->Draw();
}
