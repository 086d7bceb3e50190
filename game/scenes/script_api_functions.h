#pragma once
// The scene functions as C++ sees them; scene_script_api.cpp registers each under its script
// declaration. Texts arrive by value, as the script's value type passes them.
#include "framework/core/ldv_string.h"

namespace script_api {

// Sections and their pictures.
void Print(LDvString text);
void Rotate(LDvString id, float angle);
void Move(LDvString id, int x, int y);
int SetPos(LDvString id, int x, int y);
int SetPosCenter(LDvString id, int x, int y);
int GetXPos(LDvString id);
int GetYPos(LDvString id);
int GetXPosCenter(LDvString id);
int GetYPosCenter(LDvString id);
int GetHitzoneXCenter(LDvString id);
int GetHitzoneYCenter(LDvString id);
void SetOpacity(LDvString id, int percent);
void SetZoom(LDvString id, float zoom);
void FadeOut(LDvString id);
void FadeIn(LDvString id);
void Activate(LDvString id, bool active);
bool IsActive(LDvString id);
void Hide(LDvString id);
void Show(LDvString id);
void MoveF(LDvString id, float x, float y);
void TurnAdditiveON(LDvString id, bool on);
void Top(LDvString id);
void Middle(LDvString id);

// Arithmetic.
float Sin(float degrees);
float Cos(float degrees);
float LinearValue(float from, float to, float t);
float QuadValue(float from, float to, float t);
float RootValue(float from, float to, float t);
float Random();
int RandomRange(int a, int b);

// The player's progress store.
void SetPlayerBool(LDvString key, bool value);
void SetPlayerInt(LDvString key, int value);
void SetPlayerString(LDvString key, LDvString value);
bool GetPlayerBool(LDvString key, bool unused);
int GetPlayerInt(LDvString key, int unused);
LDvString GetPlayerString(LDvString key, LDvString unused);

// Effects, decorations, sounds and shake.
void LoadTLFX(LDvString id);
void PlayTLFX(LDvString id, int x, int y, float zoom, bool loop, int speed, float alpha, bool additive, int angle);
void StopTLFX(LDvString id);
void DoWaveTop(LDvString params);
void PlaySound(LDvString name);
void Shake(int steps, int power);
void StreamEnvironment(LDvString name);

// The scene's flow, the inventory and the hidden-object list.
void SceneFinished();
void InvTake(LDvString id, int x, int y);
bool InvExists(LDvString id);
void InvRemove(LDvString id);
void InvReturn();
void Wait();
void StopWaiting();
void AddHogItem(LDvString name, LDvString pluralName, int count);
void FindHogItem(LDvString name, int x, int y);

}  // namespace script_api
