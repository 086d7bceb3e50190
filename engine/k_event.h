#pragma once
// Input and focus events as the engine hands them to the game's event callback, and the
// engine key codes that states receive. Nothing here depends on SDL.
#include <cstdint>

// Event type codes (KEvent::type).
constexpr int32_t K_EVENT_MOUSEMOVE = 1;
constexpr int32_t K_EVENT_MOUSEUP = 2;
constexpr int32_t K_EVENT_MOUSEDOWN = 3;
constexpr int32_t K_EVENT_CHAR = 5;         // typed character (code below 256) in the upper 16 bits of keyData
constexpr int32_t K_EVENT_KEYDOWN = 6;
constexpr int32_t K_EVENT_KEYUP = 7;
constexpr int32_t K_EVENT_DBLCLICK = 8;     // always preceded by a K_EVENT_MOUSEDOWN for the same button
constexpr int32_t K_EVENT_WHEEL = 11;
constexpr int32_t K_EVENT_CONTEXTMENU = 12;
constexpr int32_t K_EVENT_ACTIVATED = 13;
constexpr int32_t K_EVENT_DEACTIVATED = 14;
constexpr int32_t K_EVENT_RAWCHAR = 50;
constexpr int32_t K_EVENT_TOUCH = 100;
constexpr int32_t K_EVENT_GESTURE = 103;

// Mouse buttons (KEvent::buttonIndex).
constexpr int32_t K_BUTTON_LEFT = 1;
constexpr int32_t K_BUTTON_RIGHT = 2;
constexpr int32_t K_BUTTON_MIDDLE = 3;

// Engine key codes (KEvent::keyCode). Letters are K_KEY_A + (letter - 'A'), digits K_KEY_0 + digit.
constexpr int32_t K_KEY_LEFT = 0;
constexpr int32_t K_KEY_UP = 1;
constexpr int32_t K_KEY_DOWN = 2;
constexpr int32_t K_KEY_RIGHT = 3;
constexpr int32_t K_KEY_SPACE = 4;
constexpr int32_t K_KEY_LSHIFT = 5;
constexpr int32_t K_KEY_SHIFT = 6;
constexpr int32_t K_KEY_RETURN = 7;
constexpr int32_t K_KEY_LCONTROL = 8;
constexpr int32_t K_KEY_CONTROL = 9;
constexpr int32_t K_KEY_F1 = 10;            // F1..F12 are 10..21
constexpr int32_t K_KEY_BACKSPACE = 22;
constexpr int32_t K_KEY_TAB = 23;
constexpr int32_t K_KEY_ESCAPE = 24;
constexpr int32_t K_KEY_A = 25;             // A..Z are 25..50
constexpr int32_t K_KEY_0 = 51;             // 0..9 are 51..60
constexpr int32_t K_KEY_PAD0 = 61;          // pad 0..9 are 61..70
constexpr int32_t K_KEY_DELETE = 95;
constexpr int32_t K_KEY_NONE = 102;

// Platform ("virtual") key codes as the key table knows them: the Windows VK numbering, which the
// SDL layer produces from SDL keycodes so that one table serves every platform.
int32_t engineKeyFromVirtualKey(int32_t virtualKey);  // K_KEY_NONE for codes above 255 or not in the table
int32_t virtualKeyFromEngineKey(int32_t keyCode);     // the reverse (scripted input); 0 for K_KEY_NONE

// The record copied by value into the game's event queue. Field order follows the engine's layout.
struct KEvent {
    int32_t type = 0;
    int32_t mouseX = 0;         // window client coordinates, corrected for letter-boxing
    int32_t mouseY = 0;
    int32_t buttonIndex = 0;    // K_BUTTON_*
    int32_t keyData = 0;        // wheel delta; upper 16 bits: typed character (type 5) or key message high word (type 6)
    int32_t virtualKey = 0;     // platform key code for types 6 and 7
    int32_t message = 0;        // originating window message (the SDL event type)
    int32_t keyCode = K_KEY_NONE;
    int32_t param = 0;
    int32_t character = 0;      // typed character for type 50

    int32_t typedCharacter() const { return (keyData >> 16) & 0xFFFF; }
};
