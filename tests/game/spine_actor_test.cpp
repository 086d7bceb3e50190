// Actors: the generated level-end animations loaded with their bundle and played through in a
// 1600 x 900 off-screen window as the level-end screen plays them, restarting and positioning,
// and files that are missing.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/core/frame_context.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "game/cinematics/spine_actor.h"
#include "tests/game/spine_fixtures.h"

namespace {

constexpr const char* kWinLosePictures[] = {
    "win_panel", "win_title", "blue", "bonus", "timeleft", "total", "lose_panel", "lose_title",
    "hourglass", "coconut", "parrot_body", "parrot_head", "parrot_head_cheer", "parrot_head_sad",
    "parrot_wing_front", "parrot_wing_back", "parrot_tail", "confetti_red", "confetti_gold",
    "confetti_blue", "confetti_green", "star"};

constexpr float kCentreX = 800.0f;
constexpr float kCentreY = 370.0f;
constexpr int kCentrePixelX = 800;
constexpr int kCentrePixelY = 370;

class LevelEndActors : public testing::Test {
protected:
    void SetUp() override {
        for (const char* name : kWinLosePictures) bundle.AddItem(std::string("states/playing/winlose/") + name + ".png");
        bundle.SetName("WinLose", true);
        bundle.LoadAll();
        ASSERT_TRUE(screen.created());
    }

    // One draw of the level-end screen at the actor's current time.
    void DrawAt(SpineActor& actor, float time) {
        actor.time = time;
        SpineBone* root = actor.skeleton.BoneAt(0);
        root->scaleX = root->scaleY = Frame().displayScale;
        SetActorPosition(actor, kCentreX, kCentreY);
        screen.Begin();
        DrawActor(actor);
        screen.Grab();
    }

    SpineWorld world{QV_DATA_DIR};
    LDvTextureAtlas bundle;
    PixelWindow screen{1600, 900};
};

}  // namespace

TEST_F(LevelEndActors, PlayThroughWithEveryNameAndPictureFound) {
    struct Case {
        const char* name;
        int bones, slots;
    };
    for (const Case c : {Case{"levelwin", 27, 26}, Case{"loselevel", 11, 10}}) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<SpineActor> actor = LoadActor(c.name, &bundle);
        ASSERT_EQ(actor->skeleton.bones.Count(), c.bones);
        ASSERT_EQ(actor->skeleton.slots.Count(), c.slots);
        EXPECT_GT(actor->animation.duration, 2.0f);
        for (const std::unique_ptr<SpineSlot>& slot : actor->skeleton.slots) {
            EXPECT_NE(slot->bone, nullptr) << slot->name;
            EXPECT_NE(slot->attachment, nullptr) << slot->name;
        }
        RestartActor(*actor);
        actor->visible = true;
        // The panel fades in from nothing and stays once the animation has run out.
        DrawAt(*actor, 0.0f);
        EXPECT_EQ(screen.At(kCentrePixelX, kCentrePixelY), (Rgb{0, 0, 0}));
        for (float t = 0.0f; t < actor->animation.duration + 1.0f; t += 0.25f) DrawAt(*actor, t);
        EXPECT_NE(screen.At(kCentrePixelX, kCentrePixelY), (Rgb{0, 0, 0}));
        for (const std::unique_ptr<SpineSlot>& slot : actor->skeleton.slots) {
            if (slot->attachment != nullptr) {
                EXPECT_NE(slot->attachment->picture, nullptr) << slot->name;
            }
        }
    }
    const std::string log = world.log();
    EXPECT_EQ(log.find("Spine:"), std::string::npos) << log;
}

TEST_F(LevelEndActors, TheWinningParrotCheersAndKeepsItsHeadAcrossRestarts) {
    std::unique_ptr<SpineActor> actor = LoadActor("levelwin", &bundle);
    SpineSlot* head = actor->skeleton.SlotAt(actor->skeleton.FindSlot("parrot_head"));
    ASSERT_NE(head, nullptr);
    actor->visible = true;
    DrawAt(*actor, 1.5f);
    ASSERT_NE(head->attachment, nullptr);
    EXPECT_EQ(head->attachment->currentImage->name, "parrot_head_cheer");
    RestartActor(*actor);
    EXPECT_EQ(head->attachment->currentImage->name, "parrot_head_cheer");
    DrawAt(*actor, 3.0f);
    EXPECT_EQ(head->attachment->currentImage->name, "parrot_head");
}

TEST_F(LevelEndActors, PositionFollowsTheDisplayScaleButRestartUsesItAsStored) {
    std::unique_ptr<SpineActor> actor = LoadActor("loselevel", &bundle);
    SpineSlot* panel = actor->skeleton.SlotAt(actor->skeleton.FindSlot("panel"));
    ASSERT_NE(panel, nullptr);
    Frame().displayScale = 0.8f;
    SetActorPosition(*actor, kCentreX, kCentreY);
    Frame().displayScale = 1.0f;
    SpineBone& root = *actor->skeleton.BoneAt(0);
    EXPECT_FLOAT_EQ(root.x, 640.0f);
    EXPECT_FLOAT_EQ(root.y, 296.0f);
    actor->time = 2.0f;
    panel->a = 7;
    actor->skeleton.BoneAt(1)->rotation = 45.0f;
    RestartActor(*actor);
    EXPECT_EQ(actor->time, 0.0f);
    EXPECT_EQ(root.x, kCentreX);
    EXPECT_EQ(root.y, kCentreY);
    EXPECT_EQ(panel->a, 255);
    EXPECT_EQ(actor->skeleton.BoneAt(1)->rotation, actor->skeleton.BoneAt(1)->setupRotation);
}

TEST_F(LevelEndActors, TicksOnlyWhileVisibleAndNotHeld) {
    std::unique_ptr<SpineActor> actor = LoadActor("loselevel", &bundle);
    struct Case {
        bool visible, held;
        float time;
    };
    for (const Case c : {Case{false, false, 0.0f}, Case{true, true, 0.0f}, Case{true, false, kSpineTickSeconds}}) {
        actor->time = 0.0f;
        actor->visible = c.visible;
        actor->held = c.held;
        TickActor(*actor);
        EXPECT_EQ(actor->time, c.time);
    }
}

TEST_F(LevelEndActors, MissingFilesLeaveAnActorThatShowsNothing) {
    std::unique_ptr<SpineActor> actor = LoadActor("nosuch", &bundle);
    EXPECT_TRUE(actor->skeleton.bones.IsEmpty());
    EXPECT_TRUE(actor->animation.timelines.IsEmpty());
    actor->visible = true;
    RestartActor(*actor);
    SetActorPosition(*actor, kCentreX, kCentreY);
    screen.Begin();
    DrawActor(*actor);
    const std::string log = world.log();
    EXPECT_NE(log.find("Spine: file not found - " QV_DATA_DIR "/Spine/nosuch-skeleton.json"), std::string::npos) << log;
    EXPECT_NE(log.find("nosuch-animation.json"), std::string::npos) << log;
}
