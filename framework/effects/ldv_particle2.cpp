#include "framework/effects/ldv_particle2.h"

#include <cmath>

#include "framework/core/game_random.h"
#include "framework/core/int_cos.h"
#include "framework/effects/bit.h"

namespace {

constexpr int kTableScale = 1024;      // the cosine table's values are fractions of 1024
constexpr float kDegreesToRadians = 3.14159265358979f / 180.0f;

float Between(float low, float high) {
    return low + (high - low) * static_cast<float>(GameRand()) / static_cast<float>(kGameRandMax);
}

// The unit vector of an angle from the shared cosine table: (cos a, -sin a), y pointing down.
void DirectionOf(float emissionAngle, float& dx, float& dy) {
    const int a = static_cast<int>(emissionAngle);
    const float cx = static_cast<float>(IntCos(a, kTableScale)) / kTableScale;
    const float cy = static_cast<float>(IntCos(a + 90, kTableScale)) / kTableScale;
    const float length = std::sqrt(cx * cx + cy * cy);
    dx = length > 0.0f ? cx / length : 0.0f;
    dy = length > 0.0f ? cy / length : 0.0f;
}

int FadeOpacity(int life, int lifeTotal, float fraction) {
    if (lifeTotal <= 0 || fraction <= 0.0f) return 100;
    const float t = 1.0f - static_cast<float>(life) / static_cast<float>(lifeTotal);
    if (t < fraction) return static_cast<int>(100.0f * t / fraction);
    if (t > 1.0f - fraction) return static_cast<int>(100.0f - 100.0f * (t - (1.0f - fraction)) / fraction);
    return 100;
}

}  // namespace

std::unique_ptr<LDvParticle2> LDvParticle2::Spawn() const {
    auto particle = std::make_unique<LDvParticle2>();
    ParticleParams& p = particle->base;
    p = base;
    p.lifeTotal = static_cast<int32_t>(Between(static_cast<float>(minimum.lifeTotal), static_cast<float>(maximum.lifeTotal)));
    p.life = p.lifeTotal;
    p.speed = Between(minimum.speed, maximum.speed);
    p.acceleration = Between(minimum.acceleration, maximum.acceleration);
    p.emissionAngle = Between(minimum.emissionAngle, maximum.emissionAngle);
    p.growth = Between(minimum.growth, maximum.growth);
    p.zoom = Between(minimum.zoom, maximum.zoom);
    p.angle = Between(minimum.angle, maximum.angle);
    p.spin = Between(minimum.spin, maximum.spin);
    p.opacity = static_cast<int32_t>(Between(static_cast<float>(minimum.opacity), static_cast<float>(maximum.opacity)));
    if (base.mirror && (GameRand() & 1)) p.emissionAngle += 180.0f;
    DirectionOf(p.emissionAngle, p.directionX, p.directionY);
    p.wavePhase = static_cast<int32_t>(360.0f * static_cast<float>(GameRand()) / static_cast<float>(kGameRandMax));
    particle->image = image;
    return particle;
}

void LDvParticle2::Step() {
    ParticleParams& p = base;
    if (p.life <= 0) return;
    --p.life;
    p.positionX += p.directionX * p.speed;
    p.positionY += p.directionY * p.speed;
    p.speed += p.acceleration;
    p.angle += p.spin;
    p.zoom += p.growth;
    if (p.fade) p.opacity = FadeOpacity(p.life, p.lifeTotal, p.fadeFraction);
}

void LDvParticle2::Draw() {
    const ParticleParams& p = base;
    if (image == nullptr || p.life <= 0) return;
    float px = p.positionX;
    float py = p.positionY;
    const float wave =
        p.waveAmplitude * std::sin((p.zoom * static_cast<float>(p.life) + static_cast<float>(p.wavePhase)) * kDegreesToRadians);
    if (p.waveOnX) px += wave;
    if (p.waveOnY) py += wave;
    SpriteLook look;
    look.frame = p.frame;
    look.zoom = p.zoom;
    look.angle = p.angle;
    look.opacity = static_cast<float>(p.opacity) / 100.0f;
    look.additive = p.additive;
    DrawCentred(*image, px, py, look);
}
