#include "game/frontend/title_pictures.h"

#include "framework/ui/overlay_images.h"

namespace {

struct PictureFile {
    TitlePictures::Slot slot;
    const char* path;
    int columns = 0;             // a frame sheet when set
    int rows = 0;
};

constexpr int kSheetFrames = 40;

constexpr PictureFile kFiles[] = {
    {TitlePictures::kBack, "states/title/back.jpg"},
    {TitlePictures::kUiBar, "states/title/ui_bar.png"},
    {TitlePictures::kExitUp, "states/title/btn_exit_up.png"},
    {TitlePictures::kExitDown, "states/title/btn_exit_dn.png"},
    {TitlePictures::kStoryUp, "states/title/btn_story_up.png"},
    {TitlePictures::kStoryDown, "states/title/btn_story_dn.png"},
    {TitlePictures::kChallengeUp, "states/title/btn_challenge_up.png"},
    {TitlePictures::kChallengeDown, "states/title/btn_challenge_dn.png"},
    {TitlePictures::kZenUp, "states/title/btn_zen_up.png"},
    {TitlePictures::kZenDown, "states/title/btn_zen_dn.png"},
    {TitlePictures::kOptionsUp, "states/title/btn_options_up.png"},
    {TitlePictures::kOptionsDown, "states/title/btn_options_dn.png"},
    {TitlePictures::kNotYouUp, "states/title/btn_notyou_up.png"},
    {TitlePictures::kNotYouDown, "states/title/btn_notyou_dn.png"},
    {TitlePictures::kFish, "states/title/bfish.png", 8, 5},
    {TitlePictures::kWaveTop, "states/title/wavetop.png", 10, 4},
    {TitlePictures::kExitQuestion, "GUI/exit_text.png"},
    {TitlePictures::kRays, "states/title/rays.png"},
};

}  // namespace

void TitlePictures::Load() {
    for (const PictureFile& file : kFiles) {
        LDvSprite& sprite = sprites[file.slot];
        if (sprite.loaded) continue;
        if (file.columns != 0) {
            LoadFrames(&sprite, file.path, file.columns, file.rows, kSheetFrames);
        } else {
            LoadImage(&sprite, file.path);
        }
    }
}

void TitlePictures::Release() {
    for (LDvSprite& sprite : sprites) {
        if (sprite.loaded) UnloadImage(&sprite);
    }
}
