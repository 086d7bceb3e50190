#include "engine/sdl_key_map.h"

#include <SDL.h>

namespace {

struct KeyPair {
    SDL_Keycode sdl;
    int32_t virtualKey;
};

constexpr KeyPair kNamedKeys[] = {
    {SDLK_BACKSPACE, 0x08}, {SDLK_TAB, 0x09}, {SDLK_CLEAR, 0x0C}, {SDLK_RETURN, 0x0D},
    {SDLK_KP_ENTER, 0x0D}, {SDLK_PAUSE, 0x13}, {SDLK_CAPSLOCK, 0x14}, {SDLK_ESCAPE, 0x1B},
    {SDLK_SPACE, 0x20}, {SDLK_PAGEUP, 0x21}, {SDLK_PAGEDOWN, 0x22}, {SDLK_END, 0x23},
    {SDLK_HOME, 0x24}, {SDLK_LEFT, 0x25}, {SDLK_UP, 0x26}, {SDLK_RIGHT, 0x27},
    {SDLK_DOWN, 0x28}, {SDLK_PRINTSCREEN, 0x2C}, {SDLK_INSERT, 0x2D}, {SDLK_DELETE, 0x2E},
    {SDLK_LGUI, 0x5B}, {SDLK_RGUI, 0x5C}, {SDLK_APPLICATION, 0x5D},
    {SDLK_KP_0, 0x60}, {SDLK_KP_1, 0x61}, {SDLK_KP_2, 0x62}, {SDLK_KP_3, 0x63},
    {SDLK_KP_4, 0x64}, {SDLK_KP_5, 0x65}, {SDLK_KP_6, 0x66}, {SDLK_KP_7, 0x67},
    {SDLK_KP_8, 0x68}, {SDLK_KP_9, 0x69}, {SDLK_KP_MULTIPLY, 0x6A}, {SDLK_KP_PLUS, 0x6B},
    {SDLK_KP_MINUS, 0x6D}, {SDLK_KP_PERIOD, 0x6E}, {SDLK_KP_DIVIDE, 0x6F}, {SDLK_KP_CLEAR, 0x0C},
    {SDLK_NUMLOCKCLEAR, 0x90}, {SDLK_SCROLLLOCK, 0x91},
    // Windows reports either shift, control or alt key as the generic one.
    {SDLK_LSHIFT, 0x10}, {SDLK_RSHIFT, 0x10}, {SDLK_LCTRL, 0x11}, {SDLK_RCTRL, 0x11},
    {SDLK_LALT, 0x12}, {SDLK_RALT, 0x12},
    {SDLK_SEMICOLON, 186}, {SDLK_EQUALS, 187}, {SDLK_COMMA, 188}, {SDLK_MINUS, 189},
    {SDLK_PERIOD, 190}, {SDLK_SLASH, 191}, {SDLK_BACKQUOTE, 192}, {SDLK_LEFTBRACKET, 219},
    {SDLK_BACKSLASH, 220}, {SDLK_RIGHTBRACKET, 221}, {SDLK_QUOTE, 222},
};

struct ScanPair {
    SDL_Scancode scancode;
    int32_t virtualKey;
};

// Positions of the US layout's punctuation keys, for layouts whose keys produce other characters.
constexpr ScanPair kPunctuationPositions[] = {
    {SDL_SCANCODE_SEMICOLON, 186}, {SDL_SCANCODE_EQUALS, 187}, {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189}, {SDL_SCANCODE_PERIOD, 190}, {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192}, {SDL_SCANCODE_LEFTBRACKET, 219}, {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_RIGHTBRACKET, 221}, {SDL_SCANCODE_APOSTROPHE, 222},
};

int32_t virtualKeyFromScancode(int32_t scancode) {
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) return 'A' + (scancode - SDL_SCANCODE_A);
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) return '1' + (scancode - SDL_SCANCODE_1);
    if (scancode == SDL_SCANCODE_0) return '0';
    for (const ScanPair& pair : kPunctuationPositions) {
        if (pair.scancode == scancode) return pair.virtualKey;
    }
    return 0;
}

}  // namespace

int32_t virtualKeyFromSdlKey(int32_t sdlKeycode, int32_t sdlScancode) {
    if (sdlKeycode >= SDLK_a && sdlKeycode <= SDLK_z) return 'A' + (sdlKeycode - SDLK_a);
    if (sdlKeycode >= SDLK_0 && sdlKeycode <= SDLK_9) return '0' + (sdlKeycode - SDLK_0);
    if (sdlKeycode >= SDLK_F1 && sdlKeycode <= SDLK_F12) return 0x70 + (sdlKeycode - SDLK_F1);
    if (sdlKeycode >= SDLK_F13 && sdlKeycode <= SDLK_F24) return 0x7C + (sdlKeycode - SDLK_F13);
    for (const KeyPair& pair : kNamedKeys) {
        if (pair.sdl == sdlKeycode) return pair.virtualKey;
    }
    // A key of another layout (an umlaut, an accent) that SDL reports by its character.
    if (sdlKeycode >= 0x80 && !(sdlKeycode & SDLK_SCANCODE_MASK)) return virtualKeyFromScancode(sdlScancode);
    return 0;
}
