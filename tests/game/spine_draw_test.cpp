// A two-bone skeleton posed and drawn into an off-screen window, checked by pixel samples: where
// each picture lands, which way it faces, the root's scale carried down the bones, tint,
// brightness and pictures missing from the bundle. The same samples hold when the skeleton is
// composed on the processor and shown as one picture, as the intro movie does.
#include <gtest/gtest.h>

#include <chrono>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "engine/k_graphic.h"
#include "engine/pixel_canvas.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "game/cinematics/spine_compose.h"
#include "game/cinematics/spine_draw.h"
#include "game/cinematics/spine_pose.h"
#include "tests/game/spine_fixtures.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 180;
constexpr uint32_t kRedPixel = 0xff0000ff;
constexpr uint32_t kBluePixel = 0x0000ffff;
constexpr uint32_t kGreenPixel = 0x00ff00ff;

// A body on the root and a hand 20 pixels along an arm that is turned a quarter anticlockwise.
const std::string kSkeleton = R"({
  "bones": {
    "root": { "x": "0", "y": "0" },
    "arm": { "parent": "root", "x": "60", "rotation": "90" }
  },
  "slots": {
    "body": { "bone": "root" },
    "hand": { "bone": "arm" },
    "ghost": { "bone": "root" }
  },
  "skins": {
    "default": {
      "body": { "red": { "x": "0", "width": "999" } },
      "hand": { "bluegreen": { "x": "20" } },
      "ghost": { "missing": { } }
    }
  }
}
)";

struct Sample {
    int x, y;
    Rgb expected;
};

class SpineDraw : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(screen.created());
        ASSERT_TRUE(canvas.resize(kWidth, kHeight));
        AddPicture(bundle, "red", 40, 20, kRedPixel, kRedPixel);
        AddPicture(bundle, "bluegreen", 20, 10, kBluePixel, kGreenPixel);
        bundle.SetName("Test", true);
        RetainBundlePixels(bundle);
    }

    // Poses the rig with its root at (100, 90) and draws it into a fresh frame, or composes it
    // over black and shows the composed picture.
    void DrawRig(float rootScale, bool composed = false) {
        SpineBone& root = rig.Bone("root");
        root.x = 100.0f;
        root.y = 90.0f;
        root.scaleX = root.scaleY = rootScale;
        UpdateWorld(rig.skeleton);
        screen.Begin();
        if (composed) {
            canvas.begin(0);
            ComposeSkeleton(rig.skeleton, bundle, canvas);
            canvas.finish();
            shown->updateOpaquePixels(canvas.pixels().data(), kWidth, kHeight);
            shown->blitAlphaRect(0, 0, kWidth, kHeight, 0, 0);
        } else {
            DrawSkeleton(rig.skeleton, &bundle);
        }
        screen.Grab();
    }

    void Expect(const std::vector<Sample>& samples, int tolerance = 0) {
        for (const Sample& s : samples) {
            const Rgb seen = screen.At(s.x, s.y);
            EXPECT_NEAR(seen.r, s.expected.r, tolerance) << "at (" << s.x << ", " << s.y << ")";
            EXPECT_NEAR(seen.g, s.expected.g, tolerance) << "at (" << s.x << ", " << s.y << ")";
            EXPECT_NEAR(seen.b, s.expected.b, tolerance) << "at (" << s.x << ", " << s.y << ")";
        }
    }

    SpineWorld world;
    PixelWindow screen{kWidth, kHeight};
    LDvTextureAtlas bundle;
    Rig rig{kSkeleton, "{}"};
    PixelCanvas canvas;
    std::unique_ptr<KGraphic> shown = createKGraphic();
};

}  // namespace

TEST_F(SpineDraw, PlacesPicturesAlongTheBonesAndCarriesTheRootScale) {
    struct Case {
        float rootScale;
        std::vector<Sample> samples;
    };
    const Case cases[] = {
        // Body 40 x 20 about the root; the picture's own size counts, not the width in the file.
        // The hand's left half (blue) points back along the arm, which points up the screen.
        {1.0f,
         {{100, 90, kRed}, {82, 82, kRed}, {118, 98, kRed}, {123, 90, kBlack}, {100, 102, kBlack},
          {160, 76, kBlue}, {160, 64, kGreen}, {156, 70, kBlue}, {168, 70, kBlack}, {160, 57, kBlack}}},
        {2.0f,
         {{100, 90, kRed}, {62, 72, kRed}, {143, 90, kBlack}, {220, 62, kBlue}, {220, 38, kGreen},
          {212, 50, kBlue}, {233, 50, kBlack}, {220, 27, kBlack}}},
    };
    for (const bool composed : {false, true}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << c.rootScale << (composed ? " composed" : " drawn"));
            DrawRig(c.rootScale, composed);
            Expect(c.samples);
        }
    }
}

TEST_F(SpineDraw, TintsByTheSlotColourAndTheSkeletonBrightness) {
    rig.skeleton.brightness = 0.85f;
    rig.Slot("hand").a = 128;
    DrawRig(1.0f);
    float r = 0, g = 0, b = 0, a = 0;
    bundle.FindItem("red")->Picture()->getBlitColor(r, g, b, a);
    EXPECT_FLOAT_EQ(r, 0.85f);
    EXPECT_FLOAT_EQ(g, 0.85f);
    EXPECT_FLOAT_EQ(b, 0.85f);
    EXPECT_FLOAT_EQ(a, 1.0f);
    Expect({{100, 90, Rgb{217, 0, 0}}, {160, 76, Rgb{0, 0, 109}}}, 2);  // the hand is half transparent
    DrawRig(1.0f, true);
    Expect({{100, 90, Rgb{217, 0, 0}}, {160, 76, Rgb{0, 0, 109}}}, 2);
}

TEST_F(SpineDraw, ComposingNeedsThePicturesPixelsAndSaysSoOnceWithout) {
    for (const std::unique_ptr<LDvSprite>& item : bundle.items) item->Picture()->setRetainPixels(false);
    DrawRig(1.0f);  // the pictures go to the renderer and let go of their pixels
    DrawRig(1.0f, true);
    DrawRig(1.0f, true);
    Expect({{100, 90, kBlack}, {160, 76, kBlack}});
    const std::string log = world.log();
    const std::string line = "picture 'red' holds no pixels to compose";
    ASSERT_NE(log.find(line), std::string::npos) << log;
    EXPECT_EQ(log.find(line), log.rfind(line));
}

TEST_F(SpineDraw, PicturesMissingFromTheBundleAreLoggedOnceAndSkipped) {
    DrawRig(1.0f);
    DrawRig(1.0f);
    Expect({{100, 90, kRed}, {160, 76, kBlue}});
    const std::string log = world.log();
    const std::string line = "picture 'missing' is not in bundle 'Test'";
    ASSERT_NE(log.find(line), std::string::npos) << log;
    EXPECT_EQ(log.find(line), log.rfind(line));
}

TEST_F(SpineDraw, RunawayScalesAreSkippedInsteadOfStallingTheFrame) {
    for (float scale : {400.0f, 1e9f, 1e38f, std::numeric_limits<float>::infinity()}) {
        SCOPED_TRACE(scale);
        const auto start = std::chrono::steady_clock::now();
        DrawRig(scale);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
        Expect({{100, 90, kBlack}, {10, 10, kBlack}});
    }
    EXPECT_NE(world.log().find("picture 'red' is posed too large to draw"), std::string::npos);
}
