// Timelines read from animation text and applied to a small skeleton: key search, linear,
// stepped and Bezier keys, the short way round for turns, scale on top of the setup scale,
// colours, and picture switches.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "game/cinematics/spine_frames.h"
#include "game/cinematics/spine_pose.h"
#include "tests/game/spine_fixtures.h"

namespace {

// The arm's setup pose: (10, 20) on screen, turned -30 degrees, scale 1.5.
const std::string kSkeleton = R"({
  "bones": {
    "root": { "x": "0", "y": "0" },
    "arm": { "parent": "root", "x": "10", "y": "-20", "rotation": "30", "scaleX": "1.5", "scaleY": "1.5" }
  },
  "slots": {
    "hand": { "bone": "arm" },
    "hat": { "bone": "root", "attachment": "hat" }
  },
  "skins": {
    "default": {
      "hand": {
        "fist": { "x": "4", "y": "2", "rotation": "10", "scaleX": "2" },
        "palm": { "x": "9", "y": "9" }
      },
      "hat": {
        "hat": { "x": "0" },
        "cap": { "x": "1" }
      }
    }
  }
}
)";

const std::string kAnimation = R"({
  "bones": {
    "arm": {
      "translate": {
        "1": { "x": "10", "y": "20" },
        "2": { "x": "30", "y": "40", "curve": "stepped" },
        "3": { "x": "50", "y": "60" }
      },
      "rotate": {
        "0": { "angle": "170" },
        "1": { "angle": "-170" }
      },
      "scale": {
        "0": { "x": "2", "y": "2" }
      }
    }
  },
  "slots": {
    "hand": {
      "color": {
        "0": { "color": "ff000080" },
        "1": { "color": "00ff00ff" }
      },
      "attachment": { "0": "palm", "1": "null", "2": "fist" }
    },
    "hat": {
      "attachment": { "0": "null", "1": "hat", "2": "cap" }
    }
  }
}
)";

// A cubic Bezier from (0, 0) to (1, 1), solved for y at x by bisection.
float BezierAt(float cx1, float cy1, float cx2, float cy2, float x) {
    auto point = [](float p1, float p2, float t) {
        const float u = 1.0f - t;
        return 3.0f * u * u * t * p1 + 3.0f * u * t * t * p2 + t * t * t;
    };
    float low = 0.0f, high = 1.0f;
    for (int i = 0; i < 60; ++i) {
        const float mid = (low + high) / 2.0f;
        (point(cx1, cx2, mid) < x ? low : high) = mid;
    }
    return point(cy1, cy2, (low + high) / 2.0f);
}

}  // namespace

TEST(SpineFrames, KeySearchFindsTheFirstKeyAfterTheTime) {
    Array<float> two;  // keys of time and one value
    for (float f : {0.0f, 5.0f, 1.0f, 6.0f}) two.Add(f);
    EXPECT_EQ(SpineKeySearch(two, 0.0f, 2), 2);
    EXPECT_EQ(SpineKeySearch(two, 0.99f, 2), 2);

    Array<float> times;
    for (float f : {0.0f, 1.0f, 2.0f, 3.0f, 4.0f}) times.Add(f);
    struct Case {
        float time;
        int next;
    };
    for (const Case c : {Case{0.0f, 1}, Case{0.5f, 1}, Case{1.0f, 2}, Case{2.5f, 3}, Case{3.99f, 4}}) {
        SCOPED_TRACE(c.time);
        EXPECT_EQ(SpineKeySearch(times, c.time, 1), c.next);
    }
}

TEST(SpineFrames, TranslateKeysHoldOutsideTheirSpanAndStepOrEaseBetween) {
    Rig rig(kSkeleton, kAnimation);
    struct Case {
        float time;
        float x, y;
    };
    const Case cases[] = {
        {0.5f, 777.0f, 777.0f},   // before the first key: untouched
        {1.0f, 20.0f, 0.0f},      // setup (10, 20) + (10, -20)
        {1.5f, 30.0f, -10.0f},    // linear, halfway to the second key
        {2.0f, 40.0f, -20.0f},
        {2.99f, 40.0f, -20.0f},   // stepped: held until the next key
        {3.0f, 60.0f, -40.0f},    // the last key exactly
        {99.0f, 60.0f, -40.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.time);
        rig.Bone("arm").x = rig.Bone("arm").y = 777.0f;
        rig.At(c.time);
        EXPECT_FLOAT_EQ(rig.Bone("arm").x, c.x);
        EXPECT_FLOAT_EQ(rig.Bone("arm").y, c.y);
    }
}

TEST(SpineFrames, TurnsTheShortWayAndScalesOnTheSetupScale) {
    Rig rig(kSkeleton, kAnimation);
    struct Case {
        float time;
        float rotation;
    };
    // Setup -30; 170 to -170 in the file is -170 to 170 on screen, turning 20 degrees through 180.
    for (const Case c : {Case{0.0f, -200.0f}, Case{0.25f, -205.0f}, Case{0.5f, -210.0f}, Case{1.0f, 140.0f}}) {
        SCOPED_TRACE(c.time);
        rig.At(c.time);
        EXPECT_NEAR(rig.Bone("arm").rotation, c.rotation, 1e-3);
    }
    EXPECT_FLOAT_EQ(rig.Bone("arm").scaleX, 2.5f);
    EXPECT_FLOAT_EQ(rig.Bone("arm").scaleY, 2.5f);
}

TEST(SpineFrames, ColoursComeFromEightHexDigits) {
    Rig rig(kSkeleton, kAnimation);
    struct Case {
        float time;
        int r, g, b, a;
    };
    for (const Case c : {Case{0.0f, 255, 0, 0, 128}, Case{0.5f, 127, 127, 0, 191}, Case{1.0f, 0, 255, 0, 255}}) {
        SCOPED_TRACE(c.time);
        rig.At(c.time);
        const SpineSlot& hand = rig.Slot("hand");
        EXPECT_EQ((Rgb{hand.r, hand.g, hand.b}), (Rgb{c.r, c.g, c.b}));
        EXPECT_EQ(hand.a, c.a);
    }
}

TEST(SpineFrames, AttachmentKeysSwitchPicturesButNeverToTheSetupOne) {
    Rig rig(kSkeleton, kAnimation);
    SpineSlot& hand = rig.Slot("hand");
    SpineSlot& hat = rig.Slot("hat");
    ASSERT_NE(hand.attachment, nullptr);
    SpineAttachment* handEntry = hand.attachment;

    rig.At(0.5f);
    ASSERT_EQ(hand.attachment, handEntry);
    EXPECT_EQ(hand.attachment->currentImage->name, "palm");
    // The placement stays the first picture's (y and rotation negated on reading).
    EXPECT_EQ(hand.attachment->x, 4.0f);
    EXPECT_EQ(hand.attachment->y, -2.0f);
    EXPECT_EQ(hand.attachment->rotation, -10.0f);
    EXPECT_EQ(hand.attachment->scaleX, 2.0f);
    EXPECT_EQ(hat.attachment, nullptr);

    rig.At(1.5f);
    EXPECT_EQ(hand.attachment, nullptr);
    EXPECT_EQ(hat.attachment, nullptr);  // "hat" is its setup attachment: the key does nothing

    rig.At(2.0f);
    ASSERT_EQ(hand.attachment, handEntry);
    EXPECT_EQ(hand.attachment->currentImage->name, "fist");
    ASSERT_NE(hat.attachment, nullptr);
    EXPECT_EQ(hat.attachment->currentImage->name, "cap");
}

TEST(SpineFrames, CurvesEaseAlongTheirBezierAndShortListsFillWithZeros) {
    const std::string animation = R"({ "bones": { "arm": {
      "translate": {
        "0": { "x": "0", "y": "0", "curve": [ "0.2", "0.8", "0.4", "1" ] },
        "1": { "x": "100", "y": "0" }
      },
      "rotate": {
        "0": { "angle": "0", "curve": [ "0.25", "0.5" ] },
        "1": { "angle": "10" }
      }
    } } })";
    Rig rig(kSkeleton, animation);
    for (float p : {0.1f, 0.3f, 0.5f, 0.8f, 0.95f}) {
        SCOPED_TRACE(p);
        rig.At(p);
        EXPECT_NEAR(rig.Bone("arm").x - 10.0f, 100.0f * BezierAt(0.2f, 0.8f, 0.4f, 1.0f, p), 1.0f);
    }
    auto* read = dynamic_cast<SpineRotateFrames*>(rig.animation.timelines.Tail().get());
    ASSERT_NE(read, nullptr);
    SpineRotateFrames expected(2);
    expected.SetCurve(0, 0.25f, 0.5f, 0.0f, 0.0f);
    for (int i = 0; i < SpineCurveFrames::kCurveSize; ++i) EXPECT_FLOAT_EQ(read->curves.Get(i), expected.curves.Get(i));
}

TEST(SpineFrames, LoopingWrapsTheTimeIntoTheDuration) {
    Rig rig(kSkeleton, kAnimation);
    ASSERT_FLOAT_EQ(rig.animation.duration, 3.0f);
    rig.At(4.5f, true);  // 1.5 s into the second run
    EXPECT_FLOAT_EQ(rig.Bone("arm").x, 30.0f);
    rig.At(4.5f, false);
    EXPECT_FLOAT_EQ(rig.Bone("arm").x, 60.0f);
}

TEST(SpineFrames, NamesThatMatchNothingAndBadColoursAreLoggedAndSkipped) {
    SpineWorld world;
    const std::string skeleton = R"({ "bones": {
      "root": { "x": "0" },
      "lost": { "parent": "nobody", "x": "5" }
    }, "slots": {
      "floating": { "bone": "nowhere" }
    }, "skins": { "default": { "floating": { } } } })";
    const std::string animation = R"({ "bones": {
      "ghost": { "translate": { "0": { "x": "1" } } }
    }, "slots": {
      "phantom": { "attachment": { "0": "null" } },
      "floating": { "color": { "0": { "color": "red" }, "1": { "color": "ff00ff" }, "2": { "color": "00000000" } } }
    } })";
    Rig rig(skeleton, animation);
    rig.At(5.0f);
    UpdateWorld(rig.skeleton);
    EXPECT_EQ(rig.Bone("lost").parent, nullptr);
    EXPECT_EQ(rig.Slot("floating").bone, nullptr);
    EXPECT_EQ(rig.Slot("floating").a, 0);  // only the well-formed key is kept
    EXPECT_FLOAT_EQ(rig.animation.duration, 2.0f);
    const std::string log = world.log();
    for (const char* name : {"'nobody'", "'nowhere'", "'floating' has no pictures", "'ghost'", "'phantom'",
                             "key at '0' is not eight", "key at '1' is not eight"}) {
        EXPECT_NE(log.find(name), std::string::npos) << name << " not in\n" << log;
    }
}
