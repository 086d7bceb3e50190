#pragma once
// The 52 functions a scene script can call, registered with the script host in the order the
// scripts were written against. They keep no state: each reaches the targeted scene
// (script_api_target.h) and the game through it.
class ScriptHost;

bool RegisterSceneFunctions(ScriptHost& host);
