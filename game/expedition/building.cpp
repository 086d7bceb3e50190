#include "game/expedition/building.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/core/folders.h"
#include "framework/core/game_log.h"
#include "framework/core/game_random.h"
#include "framework/effects/tl_player.h"
#include "framework/ui/overlay_images.h"
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/expedition/build_smoke.h"

namespace {

constexpr const char* kStageFolder = "states/camp/";
constexpr const char* kStageSuffixes[Building::kStageCount] = {"_s1.png", "_s2.png", "_s3.png"};

constexpr int32_t kFirstSmoke = 30;        // steps before the first puff, plus 0..20
constexpr int32_t kLaterSmoke = 50;        // steps between later puffs, plus 0..20
constexpr int32_t kSmokeSpread = 20;
constexpr int32_t kMostPuffs = 3;
constexpr int32_t kPuffScatter = 30;       // pixels around the centre, each way
constexpr int32_t kFirstFade = 30;         // the first stage fades in from 25 %
constexpr int32_t kCrossFade = 40;
constexpr int32_t kFirstFadeInPercent = 25;

constexpr int kStageSmokeTicks = 1;        // the smoke strip at a change of stage
constexpr float kStageSmokeOpacity = 0.75f;
constexpr float kStageSmokeZoom = 6.0f;
constexpr int kStageSmokeRise = 30;
constexpr int kFlashTicks = 2;             // the power-up strip when the group is complete
constexpr float kFlashOpacity = 0.3f;
constexpr float kFlashZoom = 7.0f;

// A whole number 0..n-1 from the game's generator as r / 32767 x n; r = 32767 folds back to n - 1.
int32_t RandomBelow(int32_t n) {
    const auto value = static_cast<int32_t>(static_cast<float>(GameRand()) / kGameRandMax * static_cast<float>(n));
    return std::min(value, n - 1);
}

void StartStrip(LDvList<std::unique_ptr<Bit>>& effects, LDvSprite* sheet, LDvPoint at, int ticksPerFrame,
                float opacity, float zoom) {
    if (sheet == nullptr) return;
    auto strip = std::make_unique<TLPlayer>(*sheet, static_cast<float>(at.x), static_cast<float>(at.y), ticksPerFrame,
                                            opacity, zoom);
    strip->Start();
    effects.Add(std::move(strip));
}

}  // namespace

void Building::LoadStages(const LDvString& image) {
    for (int i = 0; i < kStageCount; ++i) {
        const LDvString path = kStageFolder + image + kStageSuffixes[i];
        if (!FileExists(PicturePath(path))) {
            Log("Building stage picture missing: " + path);
            continue;
        }
        LoadImage(&stages[i], path);
    }
}

void Building::CentreOnFirstStage() {
    centre.x = stages[0].GetFrameWidth() / 2;
    centre.y = stages[0].GetFrameHeight() / 2;
}

// The building shows its finished stage; standing built, it never passed through the stages that
// would otherwise leave it drawn as scaffolding.
void Building::StandBuilt() {
    built = complete = 1;
    remaining = delayCounter = 0;
    glowPulse = glowStart = glow = 0;
    crossFade = 0;
    fadeOutStage = -1;
    currentStage = lastStage = kStageCount - 1;
}

void Building::StartConstruction() {
    smokeInterval = kFirstSmoke + RandomBelow(kSmokeSpread + 1);
    lastStage = 0;
    remaining = duration;
    delayCounter = delay;
    currentStage = 0;
    built = complete = 0;
    crossFade = kFirstFade;
    fadeOutStage = -1;
    fadeInStage = 0;
    fadeInOpacity = kFirstFadeInPercent;
    fadeOutOpacity = 100 - kFirstFadeInPercent;
    glowPulse = glowStart = glow = 0;
}

void Building::StartGlow() { glowStart = glowPulse = kGlowSteps; }

void Building::Tick(int tickNumber, const BuildArt& art) {
    StepEffects();
    StepGlow(art);
    if (delayCounter != 0) {
        --delayCounter;
        return;
    }
    if (remaining == 0) return;
    if (smokeInterval > 0 && tickNumber % smokeInterval == 0) MakeSmoke(art);
    StepStage(art);
    StepCrossFade();
    if (remaining == 0) built = 1;
}

void Building::StepEffects() {
    for (auto& effect : effects) effect->Update();
    effects.RemoveIf([](const std::unique_ptr<Bit>& effect) { return effect->IsFinished(); });
}

void Building::StepGlow(const BuildArt& art) {
    if (glowPulse == 0) return;
    if (glowStart != 0) {
        if (--glowStart == 0) {
            StartStrip(effects, art.powerUp, Centre(), kFlashTicks, kFlashOpacity, kFlashZoom);
            PlayGameSound(sounds::kBuildingDone);
        }
        return;
    }
    --glowPulse;
    const double phase = 1.0 - static_cast<double>(glowPulse) / kGlowSteps;
    glow = static_cast<int32_t>(100.0 * (1.0 - std::cos(2.0 * std::numbers::pi * phase)) / 2.0);
    if (glowPulse == 0) complete = 1;
}

void Building::MakeSmoke(const BuildArt& art) {
    const int32_t puffs = std::min(RandomBelow(kMostPuffs) + 1, kMostPuffs);
    const LDvPoint at = Centre();
    for (int i = 0; art.smoke != nullptr && i < puffs; ++i) {
        const int dx = RandomRange(-kPuffScatter, kPuffScatter);
        const int dy = RandomRange(-kPuffScatter, kPuffScatter);
        effects.Add(std::make_unique<BuildSmoke>(*art.smoke, static_cast<float>(at.x + dx), static_cast<float>(at.y + dy)));
    }
    smokeInterval = kLaterSmoke + RandomBelow(kSmokeSpread + 1);
}

void Building::StepStage(const BuildArt& art) {
    --remaining;
    currentStage = duration > 0 ? kStageCount * (duration - remaining) / duration : kStageCount;
    if (currentStage == lastStage || remaining == 0 || crossFade != 0) return;
    crossFade = kCrossFade;
    fadeOutStage = lastStage;
    fadeInStage = currentStage;
    lastStage = currentStage;
    const LDvPoint at = Centre();
    StartStrip(effects, art.smokePuff, {at.x, at.y - kStageSmokeRise}, kStageSmokeTicks, kStageSmokeOpacity,
               kStageSmokeZoom);
}

void Building::StepCrossFade() {
    if (crossFade == 0) return;
    --crossFade;
    const float u = 1.0f - static_cast<float>(crossFade) / kCrossFade;
    fadeInOpacity = static_cast<int32_t>(100.0f * u);
    fadeOutOpacity = static_cast<int32_t>(100.0f - 100.0f * u);
}

void Building::Draw() {
    if (delayCounter != 0) return;
    if (crossFade != 0 && built == 0) {
        if (fadeOutStage != -1) DrawStage(fadeOutStage, static_cast<float>(fadeOutOpacity) / 100.0f, false);
        DrawStage(fadeInStage, static_cast<float>(fadeInOpacity) / 100.0f, false);
    } else {
        const int stage = built != 0 ? lastStage : currentStage;
        DrawStage(stage, 1.0f, false);
        if (glowPulse != 0 && glowStart == 0) DrawStage(stage, static_cast<float>(glow) / 100.0f, true);
    }
    for (auto& effect : effects) effect->Draw();
}

void Building::DrawStage(int stage, float opacity, bool additive) {
    LDvSprite& sprite = stages[std::clamp(stage, 0, kStageCount - 1)];
    SpriteLook look;
    look.opacity = opacity;
    look.additive = additive;
    DrawTopLeft(sprite, static_cast<float>(position.x), static_cast<float>(position.y), look);
}
