#include "game/scenes/scene_bar_pictures.h"

#include "framework/ui/overlay_images.h"

namespace {

constexpr std::array<const char*, SceneBarPictures::kCount> kPaths = {
    "states/scene/adventure_ui_bar.png", "states/scene/hog_cover.png",        "states/scene/btn_menu.png",
    "states/scene/btn_hint.png",         "states/scene/btn_skip.png",         "states/scene/grey_hint.png",
    "states/scene/grey_skip.png",        "states/scene/printback_double.png", "states/scene/printback_single.png",
    "states/scene/god_of_air_icon.png",  "states/scene/hint_glow.png",        "states/scene/skip_glow.png",
    "states/scene/strikeout.png",        "states/scene/clinic_icon.png",      "states/scene/combine_glow.png",
    "states/scene/hint_stars.png",       "states/scene/wind_award.png",
};

// The hint stars are one sheet of two frames side by side.
constexpr int kStarColumns = 2;
constexpr int kStarRows = 1;
constexpr int kStarFrames = 2;

}  // namespace

const char* SceneBarPictures::PathOf(Picture picture) { return kPaths[picture]; }

void SceneBarPictures::Load() {
    for (size_t i = 0; i < kCount; ++i) {
        if (i == kHintStars) LoadFrames(&sprites[i], kPaths[i], kStarColumns, kStarRows, kStarFrames);
        else LoadImage(&sprites[i], kPaths[i]);
    }
    loaded = true;
}

void SceneBarPictures::Release() {
    for (LDvSprite& sprite : sprites) UnloadImage(&sprite);
    loaded = false;
}
