#include "framework/effects/ldv_emitter2.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "framework/core/game_random.h"

namespace {

struct ShapeCase {
    const char* what;
    int shape;
    int radius;
    int secondRange;
    int maxDx;                         // largest distance from the emitter allowed on each axis
    int maxDy;
    bool onCircle;                     // within the radius as a distance, not only per axis
};
constexpr ShapeCase kShapes[] = {
    {"circle", kSpawnCircle, 15, 0, 15, 15, true},
    {"ellipse, wide", kSpawnEllipse, 30, 10, 30, 10, false},
    {"ellipse, tall radius given second", kSpawnEllipse, 10, 30, 30, 10, false},
    {"left or right", kSpawnLeftOrRight, 12, 0, 12, 0, false},
    {"above or below", kSpawnAboveOrBelow, 12, 0, 0, 12, false},
    {"no radius", kSpawnCircle, 0, 40, 0, 0, false},
    {"unknown shape", 9, 20, 20, 0, 0, false},
};

TEST(EmitterSpawn, PlacesParticlesWithinEachShape) {
    SeedGameRand(3);
    for (const ShapeCase& c : kShapes) {
        SCOPED_TRACE(c.what);
        LDvEmitter2 emitter;
        emitter.positionX = 400;
        emitter.positionY = 300;
        emitter.spawnShape = c.shape;
        emitter.spawnRadius = c.radius;
        emitter.secondSpawnRange = c.secondRange;
        std::set<std::pair<int, int>> seen;
        for (int i = 0; i < 400; ++i) {
            const LDvPoint p = emitter.SpawnPosition();
            const int dx = p.x - 400;
            const int dy = p.y - 300;
            ASSERT_LE(std::abs(dx), c.maxDx);
            ASSERT_LE(std::abs(dy), c.maxDy);
            if (c.onCircle) {
                ASSERT_LE(dx * dx + dy * dy, (c.radius + 1) * (c.radius + 1));
            }
            seen.insert({dx, dy});
        }
        const bool spread = c.maxDx + c.maxDy > 0;
        EXPECT_EQ(seen.size() > 10, spread) << "positions vary only where the shape has room";
        if (c.maxDx > 0 && c.maxDy == 0) {
            EXPECT_TRUE(seen.count({-c.maxDx, 0}) && seen.count({c.maxDx, 0})) << "both sides reach the radius";
        }
    }
}

struct PresetCase {
    const char* what;
    bool presetB;
    int interval;
    int lifeMin, lifeMax;
    float zoomMin, zoomMax;
};
constexpr PresetCase kPresets[] = {
    {"A", false, 20, 330, 400, 0.15f, 0.2f},
    {"B", true, 7, 70, 120, 0.05f, 0.1f},
};

TEST(EmitterPresets, EmitOnTheirIntervalStraightDownTheScreen) {
    LDvSprite mote;
    for (const PresetCase& c : kPresets) {
        SCOPED_TRACE(c.what);
        LDvEmitter2 emitter;
        if (c.presetB) emitter.PresetB(500, 200, mote);
        else emitter.PresetA(500, 200, mote);
        EXPECT_TRUE(emitter.running);
        for (int i = 1; i < c.interval; ++i) emitter.Update();
        EXPECT_TRUE(emitter.particles.IsEmpty());
        emitter.Update();
        ASSERT_EQ(emitter.particles.Count(), 1);
        const ParticleParams& p = emitter.particles.Head()->base;
        EXPECT_NEAR(p.directionX, 0.0f, 1e-6);
        EXPECT_NEAR(p.directionY, 1.0f, 1e-6);
        EXPECT_GE(p.lifeTotal, c.lifeMin);
        EXPECT_LE(p.lifeTotal, c.lifeMax);
        EXPECT_EQ(p.life, p.lifeTotal - 1) << "stepped in the tick it was born";
        EXPECT_GE(p.zoom, c.zoomMin);
        EXPECT_LE(p.zoom, c.zoomMax + 0.01f);
        EXPECT_EQ(emitter.particles.Head()->image, &mote);
        const float y = p.positionY;
        emitter.Update();
        EXPECT_GT(emitter.particles.Head()->base.positionY, y);
    }
}

TEST(Emitter, WindsDownAfterStoppingAndEndsWithItsFinalBurst) {
    for (const bool finalBurst : {true, false}) {
        SCOPED_TRACE(finalBurst ? "with final burst" : "without");
        LDvEmitter2 emitter;
        emitter.particleTemplate.minimum.lifeTotal = emitter.particleTemplate.maximum.lifeTotal = 1000;
        emitter.finalBurst = finalBurst;
        emitter.running = true;
        for (int i = 0; i < 10; ++i) emitter.Update();  // interval 0: nothing spawns while running
        emitter.running = false;
        for (int i = 0; i < 9; ++i) emitter.Update();
        EXPECT_TRUE(emitter.particles.IsEmpty());
        emitter.Update();
        EXPECT_EQ(emitter.particles.Count(), finalBurst ? 1 : 0);
        for (int i = 0; i < 50; ++i) emitter.Update();
        EXPECT_EQ(emitter.particles.Count(), finalBurst ? 1 : 0) << "an idle emitter spawns nothing";
    }
}

TEST(Emitter, RemovesParticlesWhenTheirLifeRunsOut) {
    LDvSprite mote;
    mote.frameCount = 5;
    LDvEmitter2 emitter;
    emitter.emitInterval = 1;
    emitter.running = true;
    emitter.randomStartFrame = true;
    emitter.particleTemplate.image = &mote;
    emitter.particleTemplate.minimum.lifeTotal = emitter.particleTemplate.maximum.lifeTotal = 3;
    for (int i = 0; i < 10; ++i) {
        emitter.Update();
        for (const auto& p : emitter.particles) {
            ASSERT_GE(p->base.frame, 0);
            ASSERT_LE(p->base.frame, 4);
        }
    }
    EXPECT_EQ(emitter.particles.Count(), 2) << "born this tick and the one before";
}

struct FadeCase {
    int life;
    int opacity;
};
constexpr FadeCase kFades[] = {{100, 0}, {90, 50}, {70, 100}, {50, 100}, {30, 100}, {10, 50}, {1, 5}};

TEST(Particle, FadesInAndOutOverItsFadeFraction) {
    for (const FadeCase& c : kFades) {
        SCOPED_TRACE(c.life);
        LDvParticle2 particle;
        particle.base.lifeTotal = 100;
        particle.base.life = c.life + 1;
        particle.Step();
        EXPECT_EQ(particle.base.opacity, c.opacity);
    }
}

TEST(Particle, MirroringSendsHalfTheParticlesTheOtherWay) {
    LDvParticle2 templ;
    SeedGameRand(11);
    int down = 0;
    int up = 0;
    for (int i = 0; i < 400; ++i) {
        const float dy = templ.Spawn()->base.directionY;
        if (dy > 0.99f) ++down;
        if (dy < -0.99f) ++up;
    }
    EXPECT_EQ(down + up, 400);
    EXPECT_GT(down, 150);
    EXPECT_GT(up, 150);
}

}  // namespace
