#pragma once
// What the program entry decides from the desktop, settings.ini and urls.ini, kept apart from the
// entry itself so each rule can be checked without opening a window.
#include "framework/core/ldv_string.h"
#include "game/app/window_memory.h"

class LDvIniFile;

inline constexpr const char* kResolutionRefusal = "This computer doesn't support minimum game resolution. 1280x720";

// The smallest window the game runs in; the player cannot make it smaller.
inline constexpr int kMinimumWindowWidth = 1280;
inline constexpr int kMinimumWindowHeight = 720;

struct DesktopSize {
    int width = 0;                       // the whole display
    int height = 0;
    int usableWidth = 0;                 // less the desktop's panels and docks
    int usableHeight = 0;
};

struct WindowChoice {
    bool supported = false;              // false: the desktop is below 1280 x 720
    int width = 0;                       // the window
    int height = 0;
    bool maximised = false;
    bool scaled = false;                 // the canvas's area is not 1600 x 900: everything drawn at `scale`
    float scale = 1.0f;                  // the canvas's area's width / 1600
};

// The largest window of the canvas's aspect, up to the canvas's own 1600 x 900, that fits the
// usable desktop; never below 1280 x 720, which the whole desktop must hold.
WindowChoice ChooseWindowSize(const DesktopSize& desktop);
// The same for a desktop without panels.
WindowChoice ChooseWindowSize(int desktopWidth, int desktopHeight);
// The window as the player left it, when the desktop can show it (from 1280 x 720 up to the
// desktop's size); otherwise as above.
WindowChoice ChooseWindowSize(const DesktopSize& desktop, const RememberedWindow& remembered);

// Sizes the window the shell opens and sets the display scale for its canvas's area.
void ApplyWindowChoice(const WindowChoice& choice);

// "FULL_SCREEN": missing, empty, "true" or "1" mean full screen.
bool FullScreenFromSettings(const LDvIniFile& settings);

// "SURVEY_URL" of `dataRoot` + "urls.ini"; empty when the file or the key is missing.
LDvString SurveyUrl(const LDvString& dataRoot);
