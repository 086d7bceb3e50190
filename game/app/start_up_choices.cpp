#include "game/app/start_up_choices.h"

#include "framework/core/folders.h"
#include "framework/data/ldv_ini_file.h"

namespace {

struct WindowSize {
    int width;
    int height;
};

// Largest first; the canvas is 1600 x 900 and the others are the common laptop screens below it.
constexpr WindowSize kWindowSizes[] = {{1600, 900}, {1365, 768}, {1280, 720}};
constexpr float kCanvasWidth = 1600.0f;

}  // namespace

WindowChoice ChooseWindowSize(int desktopWidth, int desktopHeight) {
    WindowChoice choice;
    for (const WindowSize& size : kWindowSizes) {
        if (desktopWidth < size.width || desktopHeight < size.height) continue;
        choice.supported = true;
        choice.width = size.width;
        choice.height = size.height;
        choice.scaled = size.width < kWindowSizes[0].width;
        if (choice.scaled) choice.scale = static_cast<float>(size.width) / kCanvasWidth;
        return choice;
    }
    return choice;
}

bool FullScreenFromSettings(const LDvIniFile& settings) {
    if (!settings.HasKey(nullptr, "FULL_SCREEN")) return true;
    const LDvString value = settings.GetString(nullptr, "FULL_SCREEN", "");
    return value.empty() || value == "true" || value == "1";
}

LDvString SurveyUrl(const LDvString& dataRoot) {
    // Read only when present: a missing table must not be created in the (possibly read-only) data.
    const LDvString path = dataRoot + "urls.ini";
    if (!FileExists(path)) return {};
    LDvIniFile urls(path);
    return urls.GetString(nullptr, "SURVEY_URL", "");
}
