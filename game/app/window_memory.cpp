#include "game/app/window_memory.h"

#include <cctype>
#include <string>

#include "engine/k_window.h"
#include "framework/data/ldv_ini_file.h"

namespace {

constexpr const char* kWidthKey = "WINDOW_WIDTH";
constexpr const char* kHeightKey = "WINDOW_HEIGHT";
constexpr const char* kMaximisedKey = "WINDOW_MAXIMISED";
// Far beyond any display, and small enough for the frame's 16-bit sizes.
constexpr int kLargestSide = 16384;

// Only digits, at most kLargestSide; anything else is 0.
int PixelCount(const LDvString& text) {
    if (text.empty() || text.size() > 5) return 0;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) return 0;
    }
    const int value = std::stoi(text);
    return value <= kLargestSide ? value : 0;
}

void StoreIfChanged(LDvIniFile& settings, const char* key, const LDvString& value) {
    if (settings.HasKey(nullptr, key) && settings.GetString(nullptr, key, "") == value) return;
    settings.SetString(nullptr, key, value);
}

}  // namespace

RememberedWindow ReadRememberedWindow(const LDvIniFile& settings) {
    RememberedWindow remembered;
    remembered.width = PixelCount(settings.GetString(nullptr, kWidthKey, ""));
    remembered.height = PixelCount(settings.GetString(nullptr, kHeightKey, ""));
    if (remembered.width == 0 || remembered.height == 0) return RememberedWindow{};
    remembered.maximised = settings.GetString(nullptr, kMaximisedKey, "") == "true";
    return remembered;
}

void RememberWindow(LDvIniFile& settings, const KWindow& window) {
    int width = 0;
    int height = 0;
    window.getWindowedSize(width, height);
    if (width <= 0 || height <= 0) return;
    StoreIfChanged(settings, kWidthKey, std::to_string(width));
    StoreIfChanged(settings, kHeightKey, std::to_string(height));
    StoreIfChanged(settings, kMaximisedKey, window.isMaximised() ? "true" : "false");
}
