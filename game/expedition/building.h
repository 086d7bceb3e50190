#pragma once
// One building of a camp building group: three stage pictures placed on the camp background and
// the construction that leads from the first to the last. Bought, it waits for its delay, then
// builds for 200 steps through its stages with cross-fades and puffs of smoke; once the whole group
// stands, a power-up flash and a glow pulse finish it.
//
// Owns its three stage sprites and its effects (smoke puffs, smoke and power-up strips), which draw
// through the effect sheets of BuildArt; those belong to the game and outlive every building.
#include <array>
#include <cstdint>
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "framework/effects/bit.h"

// The game's effect sheets the construction shows; borrowed.
struct BuildArt {
    LDvSprite* smoke = nullptr;        // "fx/csmoke.png", the puffs
    LDvSprite* smokePuff = nullptr;    // "tl_fx/smokepuff_8_5_40.png", at every change of stage
    LDvSprite* powerUp = nullptr;      // "tl_fx/powerup_8_4_32.png", when the group is complete
};

class Building {
public:
    static constexpr int32_t kStageCount = 3;
    static constexpr int32_t kDuration = 200;        // steps of construction
    static constexpr int32_t kGlowSteps = 60;        // the wait before the flash, and the pulse

    Building() = default;
    Building(const Building&) = delete;
    Building& operator=(const Building&) = delete;

    // Loads "states/camp/" + image + "_s1.png" .. "_s3.png"; a missing picture leaves its stage
    // empty (logged) instead of ending the game, since the names come from an editable table.
    void LoadStages(const LDvString& image);
    // The centre offset when the table gives (0, 0): half the first stage picture.
    void CentreOnFirstStage();

    // Shown as it stands, without construction.
    void StandBuilt();
    // Back to the start of its construction, after its delay.
    void StartConstruction();
    void StartGlow();
    void Tick(int tickNumber, const BuildArt& art);
    void Draw();
    bool IsAnimating() const { return remaining != 0 || glowPulse != 0; }

    int32_t delay = 0;                 // steps after the purchase before it starts
    int32_t duration = kDuration;
    int32_t remaining = 0;             // steps of construction left
    int32_t delayCounter = 0;
    int32_t currentStage = 0;
    int32_t lastStage = 0;
    int32_t smokeInterval = 0;         // steps between puffs of smoke
    int32_t glowPulse = 0;             // steps of the glow left, the wait included
    int32_t glow = 0;                  // 0..100
    int32_t glowStart = 0;             // steps until the flash
    uint8_t built = 0;
    uint8_t complete = 0;
    int32_t crossFade = 0;             // steps of the stage cross-fade left
    int32_t fadeOutStage = -1;         // -1: nothing fades out
    int32_t fadeInStage = 0;
    int32_t fadeInOpacity = 0;         // percent
    int32_t fadeOutOpacity = 0;
    LDvPoint position;                 // top-left on the canvas
    LDvPoint centre;                   // offset from the position; smoke, flash and glow centre there
    LDvList<std::unique_ptr<Bit>> effects;
    std::array<LDvSprite, kStageCount> stages;

private:
    void StepEffects();
    void StepGlow(const BuildArt& art);
    void MakeSmoke(const BuildArt& art);
    void StepStage(const BuildArt& art);
    void StepCrossFade();
    void DrawStage(int stage, float opacity, bool additive);
    LDvPoint Centre() const { return {position.x + centre.x, position.y + centre.y}; }
};
