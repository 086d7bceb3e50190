#include "framework/core/ldv_state.h"

// Every message and life-cycle step does nothing unless a screen or dialog overrides it.
void LDvMessageReceiver::OnChar(int, bool) {}
void LDvMessageReceiver::OnKeyDown(int, bool) {}
void LDvMessageReceiver::OnClick(int, int) {}
void LDvMessageReceiver::OnRightClick(int, int) {}
void LDvMessageReceiver::OnMouseMove(int, int, bool, bool) {}
void LDvMessageReceiver::OnDrag(int, int, int, int, int, int) {}
void LDvMessageReceiver::OnDragStart(int, int) {}
void LDvMessageReceiver::OnDragEnd(int, int) {}
void LDvMessageReceiver::OnButton(LDvOverlay*) {}

void LDvState::OnFirstEnter() {}
void LDvState::OnEnter() {}
void LDvState::OnLeave(LDvState*) {}
void LDvState::ToggleOverlays() {}
void LDvState::OnIdle() {}
void LDvState::Update() {}
