#include "game/app/start_up_choices.h"

#include <algorithm>

#include "engine/letter_box.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/window_request.h"
#include "framework/data/ldv_ini_file.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;

// The scale follows the area the canvas takes in the window, letter-boxed when the window's shape
// is not the canvas's.
WindowChoice ChoiceOf(int width, int height, bool maximised) {
    WindowChoice choice;
    choice.supported = true;
    choice.width = width;
    choice.height = height;
    choice.maximised = maximised;
    const AreaSize area = letterBoxArea(kCanvasWidth, kCanvasHeight, width, height);
    choice.scaled = area.width != kCanvasWidth || area.height != kCanvasHeight;
    if (choice.scaled) choice.scale = static_cast<float>(area.width) / static_cast<float>(kCanvasWidth);
    return choice;
}

bool HoldsTheMinimum(int width, int height) { return width >= kMinimumWindowWidth && height >= kMinimumWindowHeight; }

}  // namespace

WindowChoice ChooseWindowSize(const DesktopSize& desktop) {
    if (!HoldsTheMinimum(desktop.width, desktop.height)) return WindowChoice{};
    // Panels may leave less than the minimum: the window then takes the minimum and overlaps them.
    const int roomWidth = std::clamp(desktop.usableWidth, kMinimumWindowWidth, kCanvasWidth);
    const int roomHeight = std::clamp(desktop.usableHeight, kMinimumWindowHeight, kCanvasHeight);
    // Whole pixels of the canvas's aspect, each side rounded: 1366 x 768 and 1365 x 768 hold 1365 x 768.
    const int height = std::min(roomHeight, (2 * roomWidth * kCanvasHeight + kCanvasWidth) / (2 * kCanvasWidth));
    const int width = std::min(roomWidth, (2 * height * kCanvasWidth + kCanvasHeight) / (2 * kCanvasHeight));
    return ChoiceOf(width, height, false);
}

WindowChoice ChooseWindowSize(int desktopWidth, int desktopHeight) {
    return ChooseWindowSize(DesktopSize{desktopWidth, desktopHeight, desktopWidth, desktopHeight});
}

WindowChoice ChooseWindowSize(const DesktopSize& desktop, const RememberedWindow& remembered) {
    const WindowChoice fitted = ChooseWindowSize(desktop);
    if (!fitted.supported || !HoldsTheMinimum(remembered.width, remembered.height)) return fitted;
    if (remembered.width > desktop.width || remembered.height > desktop.height) return fitted;
    return ChoiceOf(remembered.width, remembered.height, remembered.maximised);
}

void ApplyWindowChoice(const WindowChoice& choice) {
    FrameContext& frame = Frame();
    const AreaSize area = letterBoxArea(kCanvasWidth, kCanvasHeight, choice.width, choice.height);
    frame.width = static_cast<int16_t>(area.width);
    frame.height = static_cast<int16_t>(area.height);
    RequestedWindow() = WindowRequest{choice.width,        choice.height, kMinimumWindowWidth, kMinimumWindowHeight,
                                      choice.maximised,    kCanvasWidth,  kCanvasHeight};
    if (!choice.scaled) return;
    frame.displayScaled = true;
    frame.displayCentreScaling = true;
    frame.displayScale = choice.scale;
    frame.inverseDisplayScale = 1.0f / choice.scale;
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
