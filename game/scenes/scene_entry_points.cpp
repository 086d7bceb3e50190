#include "game/scenes/scene_entry_points.h"

#include "game/scenes/script_host.h"

void SceneEntryPoints::OnEnter() { host.CallVoid("void OnEnter()"); }
void SceneEntryPoints::OnLeave() { host.CallVoid("void OnLeave()"); }
void SceneEntryPoints::OnTick() { host.CallVoid("void OnTick()"); }
void SceneEntryPoints::OnLeftClick(int x, int y) { host.CallWithPoint("void OnLeftClick(int x, int y)", x, y); }
void SceneEntryPoints::StartDrag(int x, int y) { host.CallWithPoint("void StartDrag(int x, int y)", x, y); }
void SceneEntryPoints::EndDrag(int x, int y) { host.CallWithPoint("void EndDrag(int x, int y)", x, y); }
void SceneEntryPoints::OnDrag(int x, int y) { host.CallWithPoint("void OnDrag(int x, int y)", x, y); }
void SceneEntryPoints::OnInteract(const LDvString& section) { host.CallWithText("void OnInteract(LDvString id)", section); }

bool SceneEntryPoints::CanCombine(const LDvString& item, const LDvString& section) {
    return host.CallForBool("bool CanCombine(LDvString strItemID, LDvString strSection)", item, section);
}

// Called through the two-text shape; its (missing) result is not used.
void SceneEntryPoints::OnCombine(const LDvString& item, const LDvString& section) {
    host.CallForBool("void OnCombine(LDvString strID, LDvString strZone)", item, section);
}

LDvString SceneEntryPoints::OnCursor(int x, int y, const LDvString& section) {
    return host.CallForTextAt("LDvString OnCursor(int x, int y, LDvString strHitzone)", x, y, section);
}

LDvString SceneEntryPoints::GetHint() { return host.CallForText("LDvString GetHint()"); }
