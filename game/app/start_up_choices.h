#pragma once
// What the program entry decides from the desktop, settings.ini and urls.ini, kept apart from the
// entry itself so each rule can be checked without opening a window.
#include "framework/core/ldv_string.h"

class LDvIniFile;

inline constexpr const char* kResolutionRefusal = "This computer doesn't support minimum game resolution. 1280x720";

struct WindowChoice {
    bool supported = false;              // false: the desktop is below 1280 x 720
    int width = 0;
    int height = 0;
    bool scaled = false;                 // smaller than the canvas: everything drawn at `scale`
    float scale = 1.0f;                  // window width / 1600
};

// The largest of 1600 x 900, 1365 x 768 and 1280 x 720 that fits the desktop.
WindowChoice ChooseWindowSize(int desktopWidth, int desktopHeight);

// "FULL_SCREEN": missing, empty, "true" or "1" mean full screen.
bool FullScreenFromSettings(const LDvIniFile& settings);

// "SURVEY_URL" of `dataRoot` + "urls.ini"; empty when the file or the key is missing.
LDvString SurveyUrl(const LDvString& dataRoot);
