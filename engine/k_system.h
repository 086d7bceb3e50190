#pragma once
// Desktop, mouse, cursor, message box and URL opening: the small platform services the shell uses.
#include <cstdint>
#include <string>

// Whether the game's window could be seen. SDL falls back to its off-screen driver when no display
// answers; that counts only when SDL_VIDEODRIVER asks for a headless driver (tests and tools).
// False with what was found in `report`.
bool displayReachable(std::string& report);

// Starts SDL's video (a reference counted SDL_InitSubSystem). When a display is set but SDL lands on
// its off-screen driver anyway (its X11 start fails now and then while the server is busy), that
// is a fallback no one asked for: it is logged and the display tried again a few times.
bool startVideo();

// Size of the display the window opens on (or will open on); false when no display is available.
// SDL's dummy and offscreen drivers count as a 1920 x 1080 desktop, so headless runs get the full canvas.
bool getDesktopSize(int& width, int& height);
// The same, and the part of that display a window may take: less the panels and docks the desktop
// keeps for itself (the whole display when the desktop says nothing of them).
bool getDesktopSize(int& width, int& height, int& usableWidth, int& usableHeight);

// Mouse state as the engine last saw it (events processed by flipBackBuffer, scripted input included),
// in window client coordinates corrected for letter-boxing. Callers apply the display scale.
int getMouseX();
int getMouseY();
bool isLeftButtonDown();
bool isRightButtonDown();
void setMousePosition(int x, int y);

void showSystemCursor(bool show);
bool isSystemCursorShown();

// Top-most warning box; a full-screen window is switched to windowed first. Without a display it only logs.
void showMessageBox(const char* caption, const char* text);

// Opens an address with the desktop's default handler (xdg-open) and waits at most
// `waitMilliseconds` for the opener to hand it over (xdg-open returns once the browser is asked);
// an opener still busy then is left to finish on its own. False when no opener was started
// (an empty address, no process).
bool openUrl(const std::string& url, uint32_t waitMilliseconds);
