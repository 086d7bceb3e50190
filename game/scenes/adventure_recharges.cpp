// The hint and skip buttons' recharges behind their grey covers, the glows that say they are
// ready, and the hint itself.
#include "game/assets/game_sounds.h"
#include "game/assets/sound_paths.h"
#include "game/scenes/adventure_bar.h"
#include "game/scenes/scene.h"

namespace {

constexpr const char* kPlacePrefix = "HZ:";
constexpr const char* kTextPrefix = "TEXT:";

void CoverWhole(LDvSprite& cover) {
    cover.percentWidthShown = 100;
    cover.percentHeightShown = 100;
}

}  // namespace

void AdventureBar::StartRecharges(Scene& scene) {
    StartSkipRecharge(scene);
    StartHintRecharge(scene);
    HintReady(scene, false);
}

namespace {

// The button stops acting as one and its grey cover covers it whole until the recharge has run.
void StartRecharge(LDvButton& button, float& progress, int32_t& countdown, int steps, LDvSprite& cover,
                   GlowOverlay& glow) {
    button.isButton = false;
    progress = 0.0f;
    countdown = steps;
    CoverWhole(cover);
    glow.StopGlow();
}

}  // namespace

void AdventureBar::StartHintRecharge(Scene& scene) {
    StartRecharge(scene.hintButton, scene.hintProgress, scene.hintCountdown, kHintRechargeSteps,
                  scene.bar[SceneBarPictures::kGreyHint], hintGlow);
}

void AdventureBar::StartSkipRecharge(Scene& scene) {
    StartRecharge(scene.skipButton, scene.skipProgress, scene.skipCountdown, kSkipRechargeSteps,
                  scene.bar[SceneBarPictures::kGreySkip], skipGlow);
}

void AdventureBar::HintReady(Scene& scene, bool playSound) {
    hintGlow.StartGlow(&scene.bar[SceneBarPictures::kHintGlow]);
    scene.hintButton.isButton = true;
    if (playSound) PlayGameSound(sounds::kHintEnabled);
    scene.hintProgress = 0.0f;
    scene.hintCountdown = 0;
    LDvSprite& cover = scene.bar[SceneBarPictures::kGreyHint];
    cover.percentHeightShown = 0;
    cover.percentWidthShown = 100;
}

void AdventureBar::SkipReady(Scene& scene) {
    skipGlow.StartGlow(&scene.bar[SceneBarPictures::kSkipGlow]);
    scene.skipButton.isButton = true;
    PlayGameSound(sounds::kSkipEnabled);
}

// The skip cover shrinks toward its right edge, the hint cover upward.
void AdventureBar::UpdateRecharges(Scene& scene) {
    if (scene.skipCountdown != 0) {
        --scene.skipCountdown;
        const float f = static_cast<float>(scene.skipCountdown) / kSkipRechargeSteps;
        scene.skipProgress = f;
        LDvSprite& cover = scene.bar[SceneBarPictures::kGreySkip];
        cover.cropFromFarSide = true;
        cover.percentWidthShown = static_cast<int32_t>(100.0f * f);
        cover.percentHeightShown = 100;
        if (scene.skipCountdown == 0) SkipReady(scene);
    }
    if (scene.hintCountdown != 0) {
        --scene.hintCountdown;
        const float f = static_cast<float>(scene.hintCountdown) / kHintRechargeSteps;
        scene.hintProgress = f;
        LDvSprite& cover = scene.bar[SceneBarPictures::kGreyHint];
        cover.percentWidthShown = 100;
        cover.percentHeightShown = static_cast<int32_t>(100.0f * f);
        if (scene.hintCountdown == 0) HintReady(scene, true);
    }
}

// "HZ:<section>" rings the section's hit zone, "TEXT:<text>" prints the text; either way the
// hint recharges.
void AdventureBar::UseHint(Scene& scene) {
    const LDvString hint = scene.script.GetHint();
    if (hint.rfind(kPlacePrefix, 0) == 0) {
        const LDvString name = hint.substr(LDvString(kPlacePrefix).size());
        if (const Section* section = scene.FindSceneSection(name, false)) {
            hintDisplay.ShowStars(static_cast<int>(section->maskX + static_cast<float>(section->maskWidth / 2)),
                                  static_cast<int>(section->maskY + static_cast<float>(section->maskHeight / 2)));
        }
    } else if (hint.rfind(kTextPrefix, 0) == 0) {
        scene.PrintSceneText(hint.substr(LDvString(kTextPrefix).size()));
    }
    StartHintRecharge(scene);
}
