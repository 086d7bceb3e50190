// The hidden-object list, the hint stars and the ready glows: texts and counts per find, the
// flash and strike that must finish before the list is complete, the star ring's timing and the
// glow's life.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/scenes/glow_overlay.h"
#include "game/scenes/hint_display.h"
#include "game/scenes/hog.h"
#include "game/scenes/inventory.h"

namespace {

void Tick(HOG& hog, int steps) {
    for (int i = 0; i < steps; ++i) hog.OnTick(0);
}

struct FindCase {
    const char* name;
    const char* plural;
    int count;
    std::vector<std::string> textsAfterEachFind;   // the first before any find
    std::vector<bool> struckAfterEachFind;
};

TEST(HiddenObjectList, TextsCountDownAndStrikeWhenComplete) {
    const FindCase kCases[] = {
        {"Bandage", "", 1, {"Bandage", "Bandage"}, {false, true}},
        {"Bottle", "Bottles", 3, {"Bottles x3", "Bottles x2", "Bottle", "Bottle"}, {false, false, false, true}},
        {"Coin", "", 2, {"Coin x2", "Coin", "Coin"}, {false, false, true}},
    };
    for (const FindCase& c : kCases) {
        SCOPED_TRACE(c.name);
        HOG hog;
        hog.AddEntry(c.name, c.plural, c.count);
        EXPECT_EQ(hog.cells[0].text, c.textsAfterEachFind[0]);
        for (size_t find = 1; find < c.textsAfterEachFind.size(); ++find) {
            hog.MarkFound(UpperId(c.name));
            EXPECT_EQ(hog.cells[0].text, c.textsAfterEachFind[find]);
            EXPECT_EQ(hog.cells[0].struck, c.struckAfterEachFind[find]);
        }
    }
}

TEST(HiddenObjectList, CompleteOnlyOnceTheLastFlashAndStrikeHaveRun) {
    HOG hog;
    EXPECT_TRUE(hog.AllFound()) << "an empty list is complete";
    hog.AddEntry("Scissors", "", 1);
    hog.MarkFound("STETHOSCOPE");
    EXPECT_EQ(hog.entries.Get(0)->found, 0) << "a name not listed is never marked";
    hog.MarkFound("SCISSORS");
    EXPECT_EQ(hog.cells[0].flashCounter, HOGText::kFlashSteps);
    EXPECT_FALSE(hog.AllFound());
    Tick(hog, 1);
    EXPECT_FLOAT_EQ(hog.cells[0].flashValue, 29.0f / 30.0f);
    Tick(hog, 28);
    EXPECT_FALSE(hog.AllFound());
    Tick(hog, 1);
    EXPECT_TRUE(hog.AllFound());
    hog.MarkFound("SCISSORS");
    EXPECT_EQ(hog.entries.Get(0)->found, 1) << "a find beyond the count does not spoil the entry";
}

TEST(HiddenObjectList, EntriesPastTheNinthHaveNoCellButMustBeFound) {
    HOG hog;
    for (int i = 0; i < 10; ++i) hog.AddEntry("Item" + std::to_string(i), "", 1);
    for (int i = 0; i < 9; ++i) hog.MarkFound("ITEM" + std::to_string(i));
    Tick(hog, 40);
    EXPECT_FALSE(hog.AllFound());
    hog.MarkFound("ITEM9");
    Tick(hog, 40);
    EXPECT_TRUE(hog.AllFound());
    EXPECT_EQ(hog.cells[8].text, "Item8");
}

TEST(HiddenObjectList, CellsStandInThreeColumnsOfThree) {
    HOG hog;
    EXPECT_EQ(hog.cells[0].left, 404);
    EXPECT_EQ(hog.cells[0].top, 773);
    EXPECT_EQ(hog.cells[2].top, 773 + 62);
    EXPECT_EQ(hog.cells[3].left, 404 + 214);
    EXPECT_EQ(hog.cells[8].right, 404 + 428 + 208);
    EXPECT_EQ(hog.cells[8].bottom, 773 + 62 + 25);
}

TEST(HintStars, FadeInStayAndFadeOutOver370Steps) {
    HintDisplay stars;
    stars.ShowStars(400, 450);
    EXPECT_EQ(stars.x, 400.0f);
    stars.OnTick(0);
    EXPECT_EQ(stars.alpha, 0);
    EXPECT_FLOAT_EQ(stars.scale, 1.25f);
    for (int i = 0; i < 60; ++i) stars.OnTick(0);
    EXPECT_EQ(stars.alpha, 100);
    EXPECT_FLOAT_EQ(stars.scale, 1.0f);
    for (int i = 0; i < 249; ++i) stars.OnTick(0);
    EXPECT_EQ(stars.alpha, 100);
    for (int i = 0; i < 59; ++i) stars.OnTick(0);
    EXPECT_GT(stars.countdown, 0);
    stars.OnTick(0);
    EXPECT_EQ(stars.countdown, 0);
    stars.ShowStars(1, 1);
    stars.ClearStars();
    EXPECT_EQ(stars.countdown, 0);
}

TEST(ReadyGlow, LivesFadeInPulseAndFadeOutThenStops) {
    GlowOverlay glow;
    LDvSprite picture;
    glow.StartGlow(&picture);
    glow.OnTick(0);
    EXPECT_EQ(glow.alpha, 1);
    for (int i = 0; i < GlowOverlay::kFadeInSteps - 1; ++i) glow.OnTick(0);
    EXPECT_EQ(glow.alpha, 50);
    glow.OnTick(0);
    EXPECT_EQ(glow.alpha, 69);
    for (int i = 0; i < GlowOverlay::kPulseSteps - 1 + GlowOverlay::kFadeOutSteps - 1; ++i) glow.OnTick(0);
    EXPECT_FALSE(glow.finished);
    glow.OnTick(0);
    EXPECT_TRUE(glow.finished);
}

}  // namespace
