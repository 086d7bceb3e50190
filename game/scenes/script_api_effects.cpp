// The scene functions for frame-sheet effects, wave crests, sounds and the screen shake.
#include <algorithm>

#include "engine/k_files.h"

#include "framework/core/game_log.h"
#include "framework/ui/ldv_named_sounds.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/game_view.h"
#include "game/assets/effect_pictures.h"
#include "game/expedition/wave_top.h"
#include "game/scenes/scene.h"
#include "game/scenes/script_api_functions.h"
#include "game/scenes/script_api_target.h"
#include "game/scenes/script_effect_params.h"

namespace script_api {

namespace {

constexpr const char* kEffectFolder = "tl_fx";
constexpr float kPercent = 100.0f;

TLPlayer* FindTemplate(Scene& scene, const LDvString& id) {
    for (const auto& effect : scene.loadedEffects) {
        if (effect->name == id) return effect.get();
    }
    return nullptr;
}

void AddTemplate(Scene& scene, const LDvString& id, const LDvString& file, const EffectSheetGrid& grid) {
    auto& sheet = scene.effectSheets.Add(std::make_unique<LDvSprite>());
    LoadFrames(sheet.get(), LDvString(kEffectFolder) + "/" + file, grid.columns, grid.rows, grid.frames);
    auto& effect = scene.loadedEffects.Add(std::make_unique<TLPlayer>(*sheet));
    effect->name = id;
}

}  // namespace

// A name loaded before already has its template, and lookups find the first: loading it again
// would only pile up copies of the sheet until the scene changes.
void LoadTLFX(LDvString id) {
    Scene* scene = ScriptScene();
    if (scene == nullptr || id.empty() || FindTemplate(*scene, id) != nullptr) return;
    for (const LDvString& file : listFolder(makeFilePath(PicturePath(kEffectFolder)))) {
        if (file.compare(0, id.size(), id) != 0) continue;
        EffectSheetGrid grid;
        if (!ReadEffectSheetGrid(file, grid)) {
            Log("Effect sheet " + file + " has no usable grid in its name; not loaded");
            continue;
        }
        AddTemplate(*scene, id, file, grid);
    }
}

void PlayTLFX(LDvString id, int x, int y, float zoom, bool loop, int speed, float alpha, bool additive, int angle) {
    Scene* scene = ScriptScene();
    if (scene == nullptr) return;
    const TLPlayer* found = FindTemplate(*scene, id);
    if (found == nullptr) return;
    auto effect = std::make_unique<TLPlayer>(found->sheet);
    effect->name = found->name;
    effect->topLeft = found->topLeft;
    effect->x = static_cast<float>(x);
    effect->y = static_cast<float>(y);
    effect->currentFrame = 0;
    effect->looping = loop;
    effect->zoom = zoom;
    effect->ticksPerFrame = std::max(speed, 1);
    effect->opacityPercent = static_cast<int32_t>(alpha * kPercent);
    effect->additive = additive;
    effect->angleDegrees = angle;
    effect->Start();
    scene->playingEffects.Add(std::move(effect));
}

void StopTLFX(LDvString id) {
    Scene* scene = ScriptScene();
    if (scene == nullptr) return;
    if (TLPlayer* found = FindTemplate(*scene, id)) found->started = false;
}

void DoWaveTop(LDvString params) {
    Scene* scene = ScriptScene();
    GameView* game = ScriptGame();
    if (scene == nullptr || game == nullptr) return;
    const WaveTopParams read = ReadWaveTopParams(params);
    WaveTop::Spawn spawn;
    spawn.area = {read.x1, read.y1, read.x2, read.y2};
    spawn.scale = read.scale;
    spawn.peakOpacity = read.peakOpacity;
    spawn.dx = read.dx;
    spawn.dy = read.dy;
    auto wave = std::make_unique<WaveTop>();
    wave->Arm(game->EffectArt().waveBit, spawn);
    scene->sceneOverlays.Add(std::move(wave));
}

void PlaySound(LDvString name) {
    if (GameView* game = ScriptGame()) PlayNamedSound(name, game->NamedEffects());
}

void StreamEnvironment(LDvString name) {
    if (GameView* game = ScriptGame()) PlayNamedSound(name, game->NamedAmbience());
}

void Shake(int steps, int power) { StartScreenShake(steps, power); }

}  // namespace script_api
