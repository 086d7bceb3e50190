#include "framework/ui/overlay_images.h"

#include <gtest/gtest.h>

#include <memory>

#include "framework/core/frame_context.h"
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "framework/ui/picture_batch.h"
#include "tests/support/picture_fixtures.h"

namespace {

TEST(LoadImage, FindsTheLowerCasedFileUnderTheImageFolder) {
    PictureWorld world;
    world.writePng("img/gui/black.png", 4, 2);
    LDvSprite sprite;
    LoadImage(&sprite, "GUI/Black.PNG");

    EXPECT_TRUE(sprite.loaded);
    EXPECT_EQ(sprite.GetWidth(), 4);
    EXPECT_EQ(sprite.frameWidth, 4);
    EXPECT_EQ(sprite.frameHeight, 2);
    EXPECT_FALSE(sprite.hasFrames);
    EXPECT_EQ(sprite.filePath, "GUI/Black.PNG");
    EXPECT_EQ(sprite.shortName, "Black");
    EXPECT_EQ(world.countInLog("No cache for file :" + world.root() + "/img/gui/black.png\n"), 1);
}

TEST(LoadImage, TakesTheLanguageReplacementOnlyWhenItExists) {
    PictureWorld world;
    world.writePng("img/states/coconut.png", 4, 4);
    world.writePng("locale/over_img/german/states/coconut.png", 8, 8);
    world.writePng("img/states/palm.png", 2, 2);
    Frame().imageOverrideFolder = "locale/over_img/german";

    LDvSprite replaced, ordinary;
    LoadImage(&replaced, "states/coconut.png");
    LoadImage(&ordinary, "states/palm.png");
    EXPECT_EQ(replaced.GetWidth(), 8);
    EXPECT_EQ(ordinary.GetWidth(), 2);
    EXPECT_TRUE(ordinary.loaded);
}

TEST(LoadImage, AMissingFileLeavesAnInvisiblePlaceholderAndReportsMissingMedia) {
    PictureWorld world;
    LDvSprite sprite;
    LoadImage(&sprite, "gui/absent.png");

    const std::string fullPath = world.root() + "/img/gui/absent.png";
    EXPECT_FALSE(sprite.loaded);
    ASSERT_NE(sprite.Picture(), nullptr);
    EXPECT_EQ(sprite.GetWidth(), 16);
    EXPECT_EQ(sprite.GetHeight(), 16);
    EXPECT_EQ(world.countInLog("file not found - " + fullPath + "\n"), 1);
    EXPECT_EQ(world.messageBoxes, 1) << "missing media reported once";
    EXPECT_EQ(world.countInLog("=== Game Ended Next Update ==="), 1);
    EXPECT_TRUE(Frame().quitPending);
    EXPECT_EQ(world.countInLog("No cache for file :"), 0);
}

TEST(LoadImage, AnUndecodableFileLoadsAsAnEmptyPicture) {
    PictureWorld world;
    world.writeFile("img/broken.png", "\x89PNG\r\n\x1a\n but not really");
    LDvSprite sprite;
    LoadImage(&sprite, "broken.png");
    EXPECT_TRUE(sprite.loaded);
    EXPECT_EQ(sprite.GetWidth(), 0);
    EXPECT_FALSE(Frame().quitPending);
}

TEST(LoadImage, ALoadedOverlayIsLeftAlone) {
    PictureWorld world;
    world.writePng("img/a.png", 4, 4);
    world.writePng("img/b.png", 6, 6);
    LDvSprite sprite;
    LoadImage(&sprite, "a.png");
    LoadImage(&sprite, "b.png");
    EXPECT_EQ(sprite.GetWidth(), 4);
    EXPECT_EQ(sprite.filePath, "a.png");
}

TEST(LoadFrames, CutsThePictureIntoItsGrid) {
    PictureWorld world;
    world.writePng("img/tl_fx/explode2_8_6_48.png", 66, 49);
    LDvSprite sheet;
    LoadFrames(&sheet, "tl_fx/explode2_8_6_48.png", 8, 6, 48);
    EXPECT_TRUE(sheet.hasFrames);
    EXPECT_EQ(sheet.frameWidth, 8);
    EXPECT_EQ(sheet.frameHeight, 8);
    EXPECT_EQ(sheet.frameCount, 48);
    EXPECT_EQ(sheet.columns, 8);
    EXPECT_EQ(sheet.rows, 6);
}

// Loaded in a batch, pictures come out as loaded one by one: sizes, frames and the log lines of
// files that would not decode, in their order, once the batch has decoded them all.
TEST(PictureBatch, LoadsEveryPictureAsLoadImageAndLoadFramesWould) {
    PictureWorld world;
    world.writePng("img/a.png", 4, 2);
    world.writePng("img/sheet.png", 66, 49);
    world.writeFile("img/broken.png", "\x89PNG\r\n\x1a\n but not really");
    for (int i = 0; i < 20; ++i) world.writePng("img/many/" + std::to_string(i) + ".png", i + 1, 3);
    LDvSprite plain, sheet, broken;
    LDvSprite many[20];
    int decoded = 0;
    {
        PictureBatch batch([&decoded] { ++decoded; });
        EXPECT_EQ(PictureBatch::Open(), &batch);
        LoadImage(&plain, "a.png");
        LoadFrames(&sheet, "sheet.png", 8, 6, 48);
        LoadImage(&broken, "broken.png");
        for (int i = 0; i < 20; ++i) LoadImage(&many[i], "many/" + std::to_string(i) + ".png");
        EXPECT_EQ(decoded, 0) << "nothing is decoded before the batch finishes";
    }
    EXPECT_EQ(PictureBatch::Open(), nullptr);
    EXPECT_EQ(decoded, 23);
    EXPECT_EQ(plain.frameWidth, 4);
    EXPECT_EQ(plain.frameHeight, 2);
    EXPECT_EQ(sheet.frameWidth, 8);
    EXPECT_EQ(sheet.frameHeight, 8);
    EXPECT_TRUE(sheet.hasFrames);
    for (int i = 0; i < 20; ++i) EXPECT_EQ(many[i].frameWidth, i + 1);
    EXPECT_TRUE(broken.loaded);
    EXPECT_EQ(broken.GetWidth(), 0);
    EXPECT_EQ(world.countInLog("cannot decode picture - " + world.root() + "/img/broken.png"), 1);
}

TEST(PictureHolder, SharedPicturesLiveUntilTheirLastHolderLetsGo) {
    LDvSprite source;
    source.hasFrames = true;
    source.frameCount = 3;
    const uint32_t pixels[6] = {};
    LoadFromPixels(&source, pixels, 3, 2);
    auto target = std::make_unique<LDvSprite>();
    target->currentFrame = 2;
    SharePicture(target.get(), &source);

    std::weak_ptr<KGraphic> watch = source.picture;
    EXPECT_EQ(watch.use_count(), 2);
    EXPECT_TRUE(target->loaded);
    EXPECT_EQ(target->frameCount, 3);
    EXPECT_EQ(target->currentFrame, 2) << "the frame shown is the target's own";
    UnloadImage(&source);
    EXPECT_FALSE(source.loaded);
    EXPECT_EQ(source.Picture(), nullptr);
    EXPECT_FALSE(watch.expired());
    target.reset();
    EXPECT_TRUE(watch.expired());
}

TEST(PictureHolder, EnsurePictureGivesAnEmptyPictureOnlyWhenThereIsNone) {
    LDvSprite sprite;
    EnsurePicture(&sprite);
    KGraphic* first = sprite.Picture();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(sprite.loaded);
    EnsurePicture(&sprite);
    EXPECT_EQ(sprite.Picture(), first);
}

struct NameCase {
    const char* path;
    const char* shortName;
};
constexpr NameCase kNames[] = {
    {"states/playing/winlose/coconut.png", "coconut"},
    {"GUI/black.png", "black"},
    {"plain", "plain"},
    {"folder/", ""},
};

TEST(SetName, ShortNameIsTheFileNameWithoutFolderAndExtension) {
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.path);
        LDvOverlay overlay;
        SetName(&overlay, c.path);
        EXPECT_EQ(overlay.filePath, c.path);
        EXPECT_EQ(overlay.shortName, c.shortName);
    }
}

TEST(Bundle, LoadsWhatIsNotLoadedAndReloadsAfterUnloading) {
    PictureWorld world;
    world.writePng("img/movie/card.png", 4, 4);
    world.writePng("img/movie/strip.png", 8, 2);
    LDvTextureAtlas bundle;
    bundle.SetName("IntroMovie", true);
    LDvSprite* card = bundle.AddItem("movie/card.png");
    LDvSprite* strip = bundle.AddItem("movie/strip.png");
    strip->columns = 2;
    strip->rows = 1;
    strip->frameCount = 2;
    EXPECT_FALSE(card->loaded);

    bundle.LoadAll();
    EXPECT_TRUE(card->loaded);
    EXPECT_EQ(strip->frameWidth, 4);
    EXPECT_EQ(bundle.FindItem("strip"), strip);
    EXPECT_EQ(world.countInLog("No cache for file :"), 2);

    bundle.LoadAll();
    EXPECT_EQ(world.countInLog("No cache for file :"), 2) << "nothing loads twice";

    bundle.UnloadAll();
    EXPECT_FALSE(card->loaded);
    EXPECT_EQ(strip->Picture(), nullptr);
    bundle.LoadAll();
    EXPECT_TRUE(card->loaded && strip->loaded);
    EXPECT_EQ(strip->frameWidth, 4);
    EXPECT_EQ(world.countInLog("No cache for file :"), 4);
}

}  // namespace
