#include "game/scenes/scene_script_api.h"

#include "game/scenes/script_api_functions.h"
#include "game/scenes/script_host.h"

namespace {

struct SceneFunction {
    const char* declaration;
    asSFuncPtr function;
};

// The order is part of the engine's function ids; keep new entries at the end.
const SceneFunction kSceneFunctions[] = {
    {"void Print(LDvString str)", asFUNCTION(script_api::Print)},
    {"void Rotate(LDvString strID, float angle)", asFUNCTION(script_api::Rotate)},
    {"void Move(LDvString strID, int x, int y)", asFUNCTION(script_api::Move)},
    {"int SetPos(LDvString strID, int x, int y)", asFUNCTION(script_api::SetPos)},
    {"int SetPosCenter(LDvString strID, int x, int y)", asFUNCTION(script_api::SetPosCenter)},
    {"int GetXPos(LDvString strID)", asFUNCTION(script_api::GetXPos)},
    {"int GetYPos(LDvString strID)", asFUNCTION(script_api::GetYPos)},
    {"int GetXPosCenter(LDvString strID)", asFUNCTION(script_api::GetXPosCenter)},
    {"int GetYPosCenter(LDvString strID)", asFUNCTION(script_api::GetYPosCenter)},
    {"int GetHitzoneXCenter(LDvString strID)", asFUNCTION(script_api::GetHitzoneXCenter)},
    {"int GetHitzoneYCenter(LDvString strID)", asFUNCTION(script_api::GetHitzoneYCenter)},
    {"void SetOpacity(LDvString strID, int o)", asFUNCTION(script_api::SetOpacity)},
    {"void SetZoom(LDvString strID, float f)", asFUNCTION(script_api::SetZoom)},
    {"void FadeOut(LDvString strID)", asFUNCTION(script_api::FadeOut)},
    {"void FadeIn(LDvString strID)", asFUNCTION(script_api::FadeIn)},
    {"void Activate(LDvString strID, bool bActive)", asFUNCTION(script_api::Activate)},
    {"bool IsActive(LDvString strID)", asFUNCTION(script_api::IsActive)},
    {"void Hide(LDvString strID)", asFUNCTION(script_api::Hide)},
    {"void Show(LDvString strID)", asFUNCTION(script_api::Show)},
    {"void MoveF(LDvString strID, float x, float y)", asFUNCTION(script_api::MoveF)},
    {"void TurnAdditiveON(LDvString strID, bool bMakeOn)", asFUNCTION(script_api::TurnAdditiveON)},
    {"void Top(LDvString strID)", asFUNCTION(script_api::Top)},
    {"void Middle(LDvString strID)", asFUNCTION(script_api::Middle)},
    {"float Sin(float x)", asFUNCTION(script_api::Sin)},
    {"float Cos(float x)", asFUNCTION(script_api::Cos)},
    {"float LinearValue(float x, float y, float t)", asFUNCTION(script_api::LinearValue)},
    {"float QuadValue(float x, float y, float t)", asFUNCTION(script_api::QuadValue)},
    {"float RootValue(float x, float y, float t)", asFUNCTION(script_api::RootValue)},
    {"float Random()", asFUNCTION(script_api::Random)},
    {"int RandomRange(int x, int y)", asFUNCTION(script_api::RandomRange)},
    {"void SetPlayerBool(LDvString strID, bool b)", asFUNCTION(script_api::SetPlayerBool)},
    {"void SetPlayerInt(LDvString strID, int n)", asFUNCTION(script_api::SetPlayerInt)},
    {"void SetPlayerString(LDvString strID, LDvString str)", asFUNCTION(script_api::SetPlayerString)},
    {"bool GetPlayerBool(LDvString strID, bool b)", asFUNCTION(script_api::GetPlayerBool)},
    {"int GetPlayerInt(LDvString strID, int n)", asFUNCTION(script_api::GetPlayerInt)},
    {"LDvString GetPlayerString(LDvString strID, LDvString str)", asFUNCTION(script_api::GetPlayerString)},
    {"void LoadTLFX(LDvString strID)", asFUNCTION(script_api::LoadTLFX)},
    {"void PlayTLFX(LDvString strID, int x, int y, float zoom, bool loop, int speed, float alpha, bool additive, "
     "int angle)",
     asFUNCTION(script_api::PlayTLFX)},
    {"void StopTLFX(LDvString strID)", asFUNCTION(script_api::StopTLFX)},
    {"void DoWaveTop(LDvString strParams)", asFUNCTION(script_api::DoWaveTop)},
    {"void SceneFinished()", asFUNCTION(script_api::SceneFinished)},
    {"void InvTake(LDvString strInvID, int x, int y)", asFUNCTION(script_api::InvTake)},
    {"bool InvExists(LDvString strInvID)", asFUNCTION(script_api::InvExists)},
    {"void InvRemove(LDvString strInvID)", asFUNCTION(script_api::InvRemove)},
    {"void InvReturn()", asFUNCTION(script_api::InvReturn)},
    {"void Wait()", asFUNCTION(script_api::Wait)},
    {"void StopWaiting()", asFUNCTION(script_api::StopWaiting)},
    {"void AddHogItem(LDvString strItemName, LDvString strPluralName, int count)", asFUNCTION(script_api::AddHogItem)},
    {"void FindHogItem(LDvString strItemName, int x, int y)", asFUNCTION(script_api::FindHogItem)},
    {"void PlaySound(LDvString strSound)", asFUNCTION(script_api::PlaySound)},
    {"void Shake(int frames, int power)", asFUNCTION(script_api::Shake)},
    {"void StreamEnvironment(LDvString strEnv)", asFUNCTION(script_api::StreamEnvironment)},
};
static_assert(std::size(kSceneFunctions) == 52);

}  // namespace

bool RegisterSceneFunctions(ScriptHost& host) {
    bool all = true;
    for (const SceneFunction& entry : kSceneFunctions) all = host.RegisterFunction(entry.declaration, entry.function) && all;
    return all;
}
