#pragma once
// What a scene name means: which files it names and whether it is a hidden-object scene. Names
// come from the discovery table and from player profiles, so only plain names are turned into
// paths: anything that could reach outside the scenes folder is refused.
#include "framework/core/ldv_string.h"

inline constexpr const char* kScenesFolder = "Scenes";
inline constexpr const char* kScenePictureExtension = ".psd";
inline constexpr const char* kSceneScriptExtension = ".angel";

// Letters, digits, "_" and "-" only, 1 to 64 of them: no folders, no "..", no hidden files.
bool IsPlainSceneName(const LDvString& name);
// A name whose last three characters are exactly "hog" ("medical_supplies_hog"; not "hogwarts").
bool IsHiddenObjectSceneName(const LDvString& name);
// GetDataRoot() + "Scenes/" + name + extension; only for plain names.
LDvString SceneFilePath(const LDvString& name, const char* extension);
