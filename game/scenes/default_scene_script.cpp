#include "game/scenes/default_scene_script.h"

#include <array>
#include <string_view>

namespace {

// Written piece by piece, each exactly as it stands, with its mix of "\n" and "\r\n".
constexpr std::array<std::string_view, 60> kPieces = {
    "// Angel script for scene\n",
    "\r\n",
    "// called when scene starts\n",
    "void OnEnter() {}\r\n",
    "// called when scene ends\n",
    "void OnLeave() {}\n\n",
    "// called player clicks or touches\n",
    "void OnLeftClick(int x, int y) {}\n\n",
    "// called when player clicks or touches a hit mask\n",
    "void OnInteract(LDvString sprite) {}\n\n",
    "// called when player drops inventory item on a hit zone\n",
    "void OnCombine(LDvString item, LDvString hitzone) {}\n\n",
    "// called 60x/sec\n",
    "void OnTick() {}\n\n",
    "\r\n",
    "///////////////////////\n",
    "// things you can do...\n\n",
    "// sprite manipulation\n",
    "//void Print(LDvString str)\n",
    "//void Rotate(LDvString strID, float angle)\n",
    "//void Move(LDvString strID, int x, int y)\n",
    "//void Move(LDvString strID, float x, float y)\n",
    "//void SetPos(LDvString strID, int x, int y)\n",
    "//void SetPosCenter(LDvString strID, int x, int y)\n",
    "//int GetXPos(LDvString strID)\n",
    "//int GetYPos(LDvString strID)\n",
    "//int GetXPosCenter(LDvString strID)\n",
    "//int GetYPosCenter(LDvString strID)\n",
    "//void SetOpacity(LDvString strID, int o)\n",
    "//void SetZoom(LDvString strID, float f)\n",
    "//void FadeOut(LDvString strID)\n",
    "//void FadeIn(LDvString strID)\n",
    "//void Activate(LDvString strID, bool bActive)\n",
    "//bool IsActive(LDvString strID)\n",
    "//void Hide(LDvString strID)\n",
    "//void Show(LDvString strID)\n\n",
    "// number->string conversion funcs\n",
    "// STR(float)\n",
    "// STR(int)\n\n",
    "// math functions\n",
    "float Sin(float x)\n",
    "float Cos(float x)\n",
    "float LinearValue(float x, float y, float t)\n",
    "float QuadValue(float x, float y, float t)\n",
    "float RootValue(float x, float y, float t)\n\n",
    "// player settings and saving\n",
    "//void SetPlayerBool(LDvString strID, bool b)\n",
    "//void SetPlayerInt(LDvString strID, int n)\n",
    "//void SetPlayerString(LDvString strID, LDvString str)\n",
    "//bool GetPlayerBool(LDvString strID, bool b)\n",
    "//int GetPlayerInt(LDvString strID, int n)\n",
    "//LDvString GetPlayerString(LDvString strID, LDvString str)\n\n",
    "// Game engine notification\n",
    "//void SceneFinished()\n",
    "//void InvTake(LDvString strInvID, int x, int y)\n",
    "//void InvRemove(LDvString strInvID)\n",
    "//void InvReturn()\n",
    "//void Shake(int frames, int power)\n\n",
    "// Sounds\n",
    "//void PlaySound(LDvString filename)\n",
};

// The math lines (pieces 41 to 45, counted from 1) declare functions without bodies.
constexpr size_t kFirstMathPiece = 40;
constexpr size_t kMathPieces = 5;

LDvString Join(bool commentMath) {
    LDvString text;
    for (size_t i = 0; i < kPieces.size(); ++i) {
        if (commentMath && i >= kFirstMathPiece && i < kFirstMathPiece + kMathPieces) text += "//";
        text += kPieces[i];
    }
    return text;
}

}  // namespace

LDvString DefaultSceneScript() { return Join(false); }

LDvString DefaultSceneScriptThatBuilds() { return Join(true); }
