// The scene functions for arithmetic and for the player's progress store.
#include <cmath>
#include <cstdlib>

#include "framework/core/game_random.h"
#include "framework/data/player_profiles.h"
#include "game/scenes/script_api_functions.h"

namespace script_api {

namespace {

constexpr float kRadiansPerDegree = 0.017453292f;
constexpr float kRandomScale = 32767.0f;

}  // namespace

float Sin(float degrees) { return std::sin(degrees * kRadiansPerDegree); }

float Cos(float degrees) { return std::cos(degrees * kRadiansPerDegree); }

float LinearValue(float from, float to, float t) { return from + (to - from) * t; }

float QuadValue(float from, float to, float t) { return from + (to - from) * t * t; }

float RootValue(float from, float to, float t) { return from + (to - from) * std::sqrt(t); }

// rand() here reaches 32767 at most, as the scripts were tuned for.
float Random() { return static_cast<float>(std::rand() % (static_cast<int>(kRandomScale) + 1)) / kRandomScale; }

int RandomRange(int a, int b) { return ::RandomRange(a, b); }

void SetPlayerBool(LDvString key, bool value) {
    if (IsPlayerSelected()) SetPlayerValue(nullptr, key, value ? "1" : "0");
}

void SetPlayerInt(LDvString key, int value) {
    if (IsPlayerSelected()) SetPlayerValue(nullptr, key, std::to_string(value));
}

void SetPlayerString(LDvString key, LDvString value) {
    if (IsPlayerSelected()) SetPlayerValue(nullptr, key, value);
}

// The second arguments of the getters are part of the scripts' declarations but never used.
bool GetPlayerBool(LDvString key, bool) { return GetPlayerInt(key, 0) != 0; }

int GetPlayerInt(LDvString key, int) {
    if (!IsPlayerSelected()) return 0;
    return static_cast<int>(std::atol(::GetPlayerString(key, "").c_str()));
}

// The script hands a return slot that is not 8-byte aligned; only this file is built to accept
// that, so the text is copied into it here rather than made there by the profile code.
LDvString GetPlayerString(LDvString key, LDvString) {
    struct Stored {
        LDvString text;
    };
    const Stored stored{IsPlayerSelected() ? ::GetPlayerString(key, "") : LDvString()};
    return stored.text;
}

}  // namespace script_api
