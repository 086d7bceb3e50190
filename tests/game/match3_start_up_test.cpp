// The game object's start-up on the default data, in process: what the screens rely on finding
// once OnInit has run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/k_system.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/match3.h"
#include "game/assets/game_sounds.h"
#include "tests/support/temp_dir.h"

namespace {

class Match3StartUp : public testing::Test {
protected:
    void SetUp() override {
        ResetFrameForTesting();
        SetMessageBoxHookForTesting([this](const LDvString& caption, const LDvString& text) {
            messageBoxes.push_back(caption + " | " + text);
        });
    }
    void TearDown() override {
        ResetFrameForTesting();
        SetMessageBoxHookForTesting({});
    }

    // The game reads the default data and keeps its save folder in a temporary folder.
    std::unique_ptr<Match3> MakeGame() {
        auto game = std::make_unique<Match3>();
        Frame().rootDirOverride = QV_DATA_DIR;
        return game;
    }

    bool IsOnLayer(const LDvOverlay* overlay, int layer) {
        for (const LDvRegistered& record : RegisteredOn(layer)) {
            if (record.overlay == overlay && record.owner == nullptr) return true;
        }
        return false;
    }

    TempDir home;
    ScopedEnv xdg{"XDG_DATA_HOME", home.path()};
    std::vector<std::string> messageBoxes;
};

}  // namespace

TEST_F(Match3StartUp, SharedResourcesAreInPlaceAfterOnInit) {
    std::unique_ptr<Match3> game = MakeGame();
    ASSERT_TRUE(game->InitGame(false));
    EXPECT_TRUE(messageBoxes.empty()) << messageBoxes.front();

    // Every black-out covers the whole canvas from its layer.
    struct BlackOutCase { BlackOut* blackOut; float opacity; int layer; };
    const BlackOutCase kBlackOuts[] = {
        {&game->screenFade, 1.0f, 11}, {&game->dialogDimmer, 0.0f, 4}, {&game->messageDimmer, 0.0f, 7}};
    for (const BlackOutCase& c : kBlackOuts) {
        SCOPED_TRACE(c.layer);
        EXPECT_EQ(c.blackOut->Picture(), game->gui.black.Picture());
        EXPECT_EQ(c.blackOut->opacity, c.opacity);
        EXPECT_TRUE(IsOnLayer(c.blackOut, c.layer));
        EXPECT_EQ(c.blackOut->game, game.get());
        const float halfWidth = c.blackOut->zoom * static_cast<float>(c.blackOut->frameWidth) / 2;
        const float halfHeight = c.blackOut->zoom * static_cast<float>(c.blackOut->frameHeight) / 2;
        const float centreX = c.blackOut->x + static_cast<float>(c.blackOut->frameWidth) / 2;
        const float centreY = c.blackOut->y + static_cast<float>(c.blackOut->frameHeight) / 2;
        EXPECT_LE(centreX - halfWidth, 0.0f);
        EXPECT_GE(centreX + halfWidth, 1600.0f);
        EXPECT_LE(centreY - halfHeight, 0.0f);
        EXPECT_GE(centreY + halfHeight, 900.0f);
    }
    EXPECT_TRUE(IsOnLayer(&game->cursor, 12));
    EXPECT_TRUE(game->cursor.loaded);

    // The level-end skeletons find every win/lose picture by short name, and each one loads.
    EXPECT_EQ(game->winLoseBundle.name, "WinLose");
    EXPECT_EQ(game->introMovieBundle.name, "IntroMovie");
    EXPECT_EQ(game->winLoseBundle.items.Count(), 22);
    for (const char* name : {"win_panel", "lose_title", "parrot_head_sad", "confetti_green", "star"}) {
        EXPECT_NE(game->winLoseBundle.FindItem(name), nullptr) << name;
    }
    game->winLoseBundle.LoadAll();
    for (const auto& item : game->winLoseBundle.items) EXPECT_TRUE(item->loaded) << item->filePath;
    EXPECT_TRUE(messageBoxes.empty());

    // Sounds: the board and screens find them by the path they were loaded with.
    EXPECT_EQ(game->effects.sounds.Count(), kEffectSoundCount);
    EXPECT_EQ(game->music.sounds.Count(), kMusicCount + 1);
    EXPECT_EQ(game->ambience.sounds.Count(), 1);
    EXPECT_EQ(GameSound("sounds\\sfx\\level_start.ogg"), game->effectSounds[3]);
    EXPECT_EQ(GameSound("sounds\\music\\play4.ogg"), game->musicSounds[3]);
    EXPECT_TRUE(GameSound("sounds\\music\\title.ogg")->isStream());
    for (LDvNamedSounds* list : {&game->movieSounds, &game->movieAmbience, &game->namedEffects, &game->namedAmbience}) {
        EXPECT_FALSE(list->sounds.IsEmpty());
    }
    EXPECT_TRUE(game->movieAmbience.streamed);
    EXPECT_FALSE(game->namedEffects.streamed);

    EXPECT_EQ(game->Font(7).colorR, 0.0f);
    EXPECT_EQ(game->Font(8).colorG, 0.2f);
    EXPECT_EQ(game->Font(1).colorB, 1.0f);
    EXPECT_GT(GetLineHeight(&game->Font(5)), 0);
    EXPECT_NE(Frame().primitivePicture, nullptr);

    game->UninitGame();
    EXPECT_FALSE(game->gui.black.loaded) << "OnExit releases the GUI pictures";
}

TEST_F(Match3StartUp, CursorFollowsTheHideCustomCursorsSetting) {
    struct CursorCase { const char* settings; bool systemCursor; const char* stored; };
    constexpr CursorCase kCases[] = {
        {"", false, "false"},
        {"HIDE_CUSTOM_CURSORS=\n", false, "false"},
        {"HIDE_CUSTOM_CURSORS=true\n", true, "true"},
        {"HIDE_CUSTOM_CURSORS=1\n", true, "true"},
        {"HIDE_CUSTOM_CURSORS=false\n", false, "false"},
        {"HIDE_CUSTOM_CURSORS=yes\n", false, "false"},
    };
    for (const CursorCase& c : kCases) {
        SCOPED_TRACE(c.settings);
        home.write("Drovana Games/Quorvane/Ver0.2/settings.ini", c.settings);
        std::unique_ptr<Match3> game = MakeGame();
        game->ChooseCursor();
        EXPECT_EQ(game->cursor.systemCursorMode, c.systemCursor);
        EXPECT_EQ(Frame().customCursor, !c.systemCursor);
        EXPECT_EQ(Frame().systemCursorHidden, !c.systemCursor);
        EXPECT_EQ(isSystemCursorShown(), c.systemCursor);
        EXPECT_EQ(Frame().settings->GetString(nullptr, "HIDE_CUSTOM_CURSORS", ""), c.stored);
    }
}

// The volumes the options dialog stored are what the first screen plays at.
TEST_F(Match3StartUp, TheStoredVolumesAreAppliedBeforeTheFirstScreen) {
    home.write("Drovana Games/Quorvane/Ver0.2/settings.ini", "MUSIC_VOLUME=10\nSFX_VOLUME=\nENV_VOLUME=35\n");
    std::unique_ptr<Match3> game = MakeGame();
    ASSERT_TRUE(game->InitGame(false));
    game->EnterFirstState();
    struct VolumeCase { const char* what; LDvWaveGroup& group; int volume; };
    const VolumeCase kVolumes[] = {{"music", game->music, 10}, {"effects (empty)", game->effects, 100},
                                   {"ambience", game->ambience, 35}};
    for (const VolumeCase& c : kVolumes) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(c.group.volume, c.volume);
        EXPECT_EQ(c.group.settingVolume, c.volume);
        for (const auto& sound : c.group.sounds) EXPECT_EQ(sound->getVolume(), c.volume);
    }
    game->UninitGame();
}
