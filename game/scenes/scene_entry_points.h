#pragma once
// The functions a scene script may define and the scene calls, each under its one declaration.
// Borrows the game's script host, which outlives it; what a missing function does is the host's
// call shape (some log "Trouble calling func : ", all give false or the empty text).
#include "framework/core/ldv_string.h"

class ScriptHost;

class SceneEntryPoints {
public:
    explicit SceneEntryPoints(ScriptHost& host) : host(host) {}

    void OnEnter();
    void OnLeave();
    void OnTick();
    void OnLeftClick(int x, int y);
    void StartDrag(int x, int y);
    void EndDrag(int x, int y);
    void OnDrag(int x, int y);
    void OnInteract(const LDvString& section);
    bool CanCombine(const LDvString& item, const LDvString& section);
    void OnCombine(const LDvString& item, const LDvString& section);
    LDvString OnCursor(int x, int y, const LDvString& section);
    LDvString GetHint();

    ScriptHost& Host() { return host; }

private:
    ScriptHost& host;
};
