// Loading a scene by name: its document becomes the background and sections, its script (or the
// default one) the script module.
#include "engine/k_files.h"
#include "framework/core/folders.h"
#include "framework/core/game_log.h"
#include "game/scenes/default_scene_script.h"
#include "game/scenes/scene.h"
#include "game/scenes/scene_name.h"
#include "game/scenes/script_host.h"

namespace {

// Far beyond any scene script (the host refuses more than 64 KiB anyway); a bigger file is not
// read into memory at all.
constexpr long kMaxScriptFileBytes = 1L << 20;

bool ReadScriptFile(const LDvString& path, LDvString& text) {
    KResource file;
    if (!file.open(makeFilePath(path))) return false;
    const long size = file.size();
    if (size < 0 || size > kMaxScriptFileBytes) {
        Log("Scene script " + path + " is too large (" + std::to_string(size) + " bytes); not read");
        return false;
    }
    text.resize(static_cast<size_t>(size));
    text.resize(file.read(text.data(), text.size()));
    return true;
}

}  // namespace

bool Scene::LoadScene(const LDvString& sceneName) {
    parts->ClearForNewScene();
    name = sceneName;
    adventure = IsHiddenObjectSceneName(sceneName) ? 0 : 1;
    SetWaiting(false);
    // The copies share the templates' sheets, so they go first.
    playingEffects.Clear();
    loadedEffects.Clear();
    effectSheets.Clear();
    content.Clear();
    scriptText.clear();
    reader.Clear();
    const bool plain = IsPlainSceneName(sceneName);
    const bool hasDocument = plain && FileExists(SceneFilePath(sceneName, kScenePictureExtension));
    const bool hasScript = plain && FileExists(SceneFilePath(sceneName, kSceneScriptExtension));
    if (hasDocument) ReadDocument();
    if (hasScript) ReadScript();
    if (!hasScript) scriptText = DefaultSceneScriptThatBuilds();
    script.Host().BuildSceneModule(name, scriptText);
    if (!plain) Log("Scene name refused (only letters, digits, _ and -): [" + sceneName + "]");
    else if (!hasDocument && !hasScript) Log("No scene called [" + sceneName + "]");
    return hasDocument || hasScript;
}

// The sections keep copies of what they need, so the layers are let go at once.
void Scene::ReadDocument() {
    reader.Load(SceneFilePath(name, kScenePictureExtension), SceneContent::LayerNeeds);
    content.Build(reader);
    reader.Clear();
}

void Scene::ReadScript() {
    const LDvString path = SceneFilePath(name, kSceneScriptExtension);
    if (!ReadScriptFile(path, scriptText)) Log("Cannot read scene script " + path + "; the scene runs without");
}
