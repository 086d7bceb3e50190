#include "game/scenes/scene_name.h"

#include "framework/core/folders.h"

namespace {

constexpr size_t kMaxSceneNameLength = 64;
constexpr const char* kHiddenObjectSuffix = "hog";

bool IsNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
}

}  // namespace

bool IsPlainSceneName(const LDvString& name) {
    if (name.empty() || name.size() > kMaxSceneNameLength) return false;
    for (char c : name) {
        if (!IsNameCharacter(c)) return false;
    }
    return true;
}

bool IsHiddenObjectSceneName(const LDvString& name) { return name.ends_with(kHiddenObjectSuffix); }

LDvString SceneFilePath(const LDvString& name, const char* extension) {
    return GetDataRoot() + kScenesFolder + "/" + name + extension;
}
