// The scene model: what scene names mean, sections made from a document's groups, hit tests,
// the drawing order and section fades. Documents are written by the forge's writer and read back
// by the game's reader, as the scene loader reads them.
#include "game/scenes/scene_content.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/scenes/ldv_psd_reader.h"
#include "game/scenes/scene_name.h"
#include "tests/game/logged_world.h"
#include "tests/support/scene_data.h"

namespace {

struct NameCase {
    const char* name;
    bool plain;
    bool hiddenObject;
};
const NameCase kNames[] = {
    {"medical_supplies_hog", true, true},
    {"hog", true, true},
    {"x-hog", true, true},
    {"hogwarts", true, false},        // "hog" at the start
    {"the_hog_pen", true, false},     // in the middle
    {"medical_HOG", true, false},     // exactly "hog"
    {"god_of_air", true, false},
    {"../god_of_air", false, false},
    {"Scenes/god_of_air", false, false},
    {"/tmp/evil_hog", false, true},
    {"..", false, false},
    {".hidden", false, false},
    {"two words", false, false},
    {"back\\slash", false, false},
    {"line\nbreak", false, false},
    {"", false, false},
    {"a234567890123456789012345678901234567890123456789012345678901234", true, false},   // 64
    {"a2345678901234567890123456789012345678901234567890123456789012345", false, false}, // 65
};

TEST(SceneNames, OnlyPlainNamesAreScenesAndTheHogSuffixMakesAHiddenObjectScene) {
    for (const NameCase& c : kNames) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(IsPlainSceneName(c.name), c.plain);
        EXPECT_EQ(IsHiddenObjectSceneName(c.name), c.hiddenObject);
    }
}

class SceneContentTest : public testing::Test {
protected:
    void Build(const PsdDocument& document) {
        bytes = encodePsd(document);
        // As the scene reads its document: only the parts the content uses.
        ASSERT_TRUE(reader.LoadFromMemory(bytes.data(), bytes.size(), "test document", SceneContent::LayerNeeds));
        content.Build(reader);
    }

    Section& At(int index) { return *content.sections.Get(index); }

    std::vector<std::string> SectionNames() const {
        std::vector<std::string> names;
        for (const auto& section : content.sections) names.push_back(section->name);
        return names;
    }

    std::vector<std::string> DrawOrder() const {
        std::vector<std::string> names;
        content.ForEachInDrawOrder([&](Section& section) { names.push_back(section.name); });
        return names;
    }

    // The name of the section hit at the point, "" for none.
    std::string HitAt(int x, int y) const {
        const Section* section = content.SectionAt(x, y);
        return section != nullptr ? section->name : "";
    }

    struct Probe {
        int x, y;
        const char* hit;
    };
    void ExpectHits(std::initializer_list<Probe> probes) const {
        for (const Probe& p : probes) {
            SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
            EXPECT_EQ(HitAt(p.x, p.y), p.hit);
        }
    }

    LoggedWorld world;
    std::vector<uint8_t> bytes;
    LDvPSDReader reader;
    SceneContent content;
};

TEST_F(SceneContentTest, GroupsWithImgOrHitBecomeSectionsFromTheBottomUp) {
    Build(SceneDocument(0x204060, {
                                      Group("DOOR", {ImageLayer({100, 100, 50, 40}, 0xff0000), HitLayer({90, 90, 70, 60})}),
                                      Group("ROPE", {HitLayer({300, 300, 20, 20})}),
                                      Group("SKY", {ImageLayer({500, 0, 100, 100}, 0x0000ff)}),
                                      Group("EMPTY", {PsdLayer{"Sketch", 0, 0, SolidPicture(10, 10, 0), true}}),
                                  }));
    ASSERT_NE(content.background, nullptr);
    EXPECT_EQ(content.background->GetWidth(), 1600);
    EXPECT_EQ(content.background->GetHeight(), 900);
    EXPECT_EQ(SectionNames(), (std::vector<std::string>{"DOOR", "ROPE", "SKY"}));

    struct Expected {
        bool picture;
        Box at;        // the picture's place (when it has one)
        Box mask;      // 0 x 0 without a "HIT" layer
    };
    const Expected kSections[] = {
        {true, {100, 100, 50, 40}, {90, 90, 70, 60}},
        {false, {}, {300, 300, 20, 20}},
        {true, {500, 0, 100, 100}, {0, 0, 0, 0}},
    };
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(At(i).name);
        const Expected& e = kSections[i];
        const Section& section = At(i);
        ASSERT_EQ(section.picture != nullptr, e.picture);
        if (e.picture) {
            EXPECT_EQ(section.picture->x, e.at.left);
            EXPECT_EQ(section.picture->y, e.at.top);
            EXPECT_EQ(section.picture->GetWidth(), e.at.width);
            EXPECT_EQ(section.picture->GetHeight(), e.at.height);
        }
        EXPECT_EQ(section.maskX, e.mask.left);
        EXPECT_EQ(section.maskY, e.mask.top);
        EXPECT_EQ(section.maskWidth, e.mask.width);
        EXPECT_EQ(section.maskHeight, e.mask.height);
        // Sized to the layer, not a fixed block per section.
        EXPECT_EQ(section.hitMask.size(), static_cast<size_t>(e.mask.width * e.mask.height + 7) / 8);
    }
    ExpectHits({
        {95, 95, "DOOR"},    // the mask reaches past the picture
        {125, 120, "DOOR"},
        {310, 310, "ROPE"},  // a mask without a picture is clickable
        {550, 50, ""},       // a picture without a mask never is
        {10, 10, ""},
    });
}

TEST_F(SceneContentTest, TheHigherGroupWinsAndTheMaskEndsBeforeItsWidth) {
    Build(SceneDocument(0, {
                               Group("LOW", {HitLayer({100, 100, 100, 100})}),
                               Group("HIGH", {HitLayer({150, 150, 100, 100})}),
                           }));
    ExpectHits({
        {175, 175, "HIGH"},  // both masks are set here
        {120, 120, "LOW"},
        {100, 100, "LOW"},   // the top-left pixel is inside
        {99, 100, ""},
        {199, 120, "LOW"},   // x = maskX + width - 1
        {200, 120, ""},      // x = maskX + width
        {120, 199, "LOW"},
        {120, 200, ""},
    });
    // The mask position is truncated before the test.
    At(0).maskX = 100.9f;
    ExpectHits({{100, 100, "LOW"}, {200, 120, ""}});
    At(0).maskX = -0.5f;
    ExpectHits({{0, 100, "LOW"}, {-1, 100, ""}});
}

TEST_F(SceneContentTest, InactiveSectionsAreNeitherHitNorFoundButStillDrawn) {
    Build(SceneDocument(0, {
                               Group("LOW", {HitLayer({100, 100, 100, 100})}),
                               Group("HIGH", {ImageLayer({150, 150, 100, 100}, 0xff0000), HitLayer({150, 150, 100, 100})}),
                           }));
    Section& high = At(1);
    high.active = false;
    ExpectHits({{175, 175, "LOW"}, {220, 220, ""}});
    EXPECT_EQ(content.FindSection("HIGH", false), nullptr);
    EXPECT_EQ(content.FindSection("HIGH", true), &high);
    EXPECT_EQ(content.FindSection("high", true), nullptr) << "names compare exactly";
    EXPECT_EQ(DrawOrder(), (std::vector<std::string>{"LOW", "HIGH"}));
}

TEST_F(SceneContentTest, TwoGroupsOfOneNameGiveTwoSectionsAndLookupsFindTheFirst) {
    Build(SceneDocument(0, {
                               Group("KEY", {HitLayer({0, 0, 10, 10})}),
                               Group("KEY", {HitLayer({50, 50, 10, 10})}),
                           }));
    ASSERT_EQ(content.sections.Count(), 2);
    EXPECT_EQ(content.FindSection("KEY", false), &At(0));
    At(0).active = false;
    EXPECT_EQ(content.FindSection("KEY", false), &At(1));
    // Both take the upper group's layer, which the first must not have taken away from the second.
    EXPECT_FALSE(At(0).hitMask.empty());
    EXPECT_EQ(At(0).hitMask, At(1).hitMask);
    EXPECT_EQ(At(1).maskX, 50.0f);
}

TEST_F(SceneContentTest, PassesDrawTheUnflaggedThenTheMiddleThenTheTopEachInListOrder) {
    Build(SceneDocument(0, {
                               Group("A", {HitLayer({0, 0, 4, 4})}),
                               Group("FX", {HitLayer({0, 0, 1, 1})}),
                               Group("B", {HitLayer({0, 0, 4, 4})}),
                               Group("C", {HitLayer({0, 0, 4, 4})}),
                               Group("D", {HitLayer({0, 0, 4, 4})}),
                           }));
    EXPECT_EQ(DrawOrder(), (std::vector<std::string>{"A", "FX", "B", "C", "D"}));
    At(0).drawTop = true;     // A
    At(3).drawMiddle = true;  // C
    At(2).drawTop = true;     // B
    EXPECT_EQ(DrawOrder(), (std::vector<std::string>{"FX", "D", "C", "A", "B"}));
}

TEST_F(SceneContentTest, ADocumentWithoutLayersGivesAnEmptyScene) {
    PsdDocument document;
    document.width = 16;
    document.height = 16;
    Build(document);
    EXPECT_EQ(content.background, nullptr);
    EXPECT_TRUE(content.sections.IsEmpty());
    EXPECT_EQ(content.SectionAt(5, 5), nullptr);
}

TEST(SectionFades, OnePercentPerStepAndAFadeInGoesFirst) {
    Section section;
    section.picture = std::make_unique<LDvSprite>();
    float& opacity = section.picture->opacity;

    section.fadingOut = true;
    for (int i = 0; i < 100; ++i) section.StepFade();
    EXPECT_LT(opacity, 0.01f);
    EXPECT_GE(opacity, 0.0f);
    EXPECT_TRUE(section.fadingOut) << "cleared on the step after the last change";
    section.StepFade();
    EXPECT_FALSE(section.fadingOut);

    opacity = 0.5f;
    section.fadingIn = section.fadingOut = true;
    for (int i = 0; i < 10; ++i) section.StepFade();
    EXPECT_NEAR(opacity, 0.6f, 1e-4f) << "the fade-out waits";
    for (int i = 0; i < 60; ++i) section.StepFade();
    EXPECT_FALSE(section.fadingIn);
    EXPECT_TRUE(section.fadingOut);
    EXPECT_LT(opacity, 1.0f) << "the waiting fade-out has begun";

    Section bare;  // no picture: nothing to fade, nothing breaks
    bare.fadingOut = true;
    bare.StepFade();
    EXPECT_TRUE(bare.fadingOut);
}

}  // namespace
