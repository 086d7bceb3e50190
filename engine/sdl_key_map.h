#pragma once
// Turns SDL key codes into the Windows-numbered platform key codes that the engine key table
// reads, so that one key table serves every platform. Takes plain integers: no SDL types here.
#include <cstdint>

// sdlKeycode is an SDL_Keycode, sdlScancode an SDL_Scancode. Keys of other keyboard layouts that
// produce a character outside ASCII are read by their position on a US keyboard. 0 when unknown.
int32_t virtualKeyFromSdlKey(int32_t sdlKeycode, int32_t sdlScancode);
