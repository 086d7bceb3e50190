#pragma once
// The commented script written for a scene that has none. Its math lines name the functions
// without comment marks, so as written it does not compile (the errors reach the log); the
// building variant comments those five lines out and keeps everything else.
#include "framework/core/ldv_string.h"

LDvString DefaultSceneScript();
LDvString DefaultSceneScriptThatBuilds();
