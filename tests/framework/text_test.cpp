// Fonts and text widgets without a window: measuring, loading, fitting, word wrap, the name
// entry and the typewriter's wrapping and timing, all with the block font of mono_font.h.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/k_event.h"
#include "framework/ui/indented_wrap.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/ldv_text_entry.h"
#include "framework/ui/ldv_text_rect.h"
#include "framework/ui/typeout_text_display.h"
#include "tests/framework/mono_font.h"

namespace {

class TextTest : public testing::Test {
protected:
    void SetUp() override {
        WriteMonoFont(world);
        LoadFont(&font, "Mono", false);
        ASSERT_EQ(world.messageBoxes, 0);
    }

    std::vector<std::string> Lines(const LDvList<LDvString>& list) const {
        return std::vector<std::string>(list.begin(), list.end());
    }

    PictureWorld world;
    LDvFont font;
};

struct WidthCase {
    const char* text;
    int wordSpacing;
    float letterSpacing;
    int width;
};
constexpr WidthCase kWidths[] = {
    {"ab", 0, 0.0f, 20},
    {"a b c", 0, 0.0f, 50},
    {"a b c", 5, 0.0f, 60},  // two blanks, 5 extra each
    {"ab", 0, 1.0f, 22},
    {"", 5, 0.0f, 0},
};

}  // namespace

TEST_F(TextTest, WidthCountsLetterAndWordSpacing) {
    for (const WidthCase& c : kWidths) {
        SCOPED_TRACE(c.text);
        font.wordSpacing = c.wordSpacing;
        font.letterSpacing = c.letterSpacing;
        EXPECT_EQ(GetTextWidth(c.text, &font), c.width);
    }
    EXPECT_EQ(GetTextWidth("ab", nullptr), 0);
}

TEST_F(TextTest, LineHeightComesFromTheTableUnlessFixed) {
    EXPECT_EQ(GetLineHeight(&font), kMonoLineHeight);
    font.fixedLineHeight = true;
    font.lineHeight = 31;
    EXPECT_EQ(GetLineHeight(&font), 31);
}

TEST_F(TextTest, MissingFontGoesToMissingMediaAndMeasuresNothing) {
    LDvFont missing;
    LoadFont(&missing, "Nowhere_14Pt", true);
    EXPECT_EQ(world.messageBoxes, 1);
    EXPECT_TRUE(missing.loadedWith);
    EXPECT_EQ(GetTextWidth("abc", &missing), 0);
}

TEST_F(TextTest, BrokenTableLeavesTheFontWithoutGlyphs) {
    world.writeFile("fonts/broken.table", "not a font");
    world.writeFile("fonts/broken.png", "not a picture");
    LDvFont broken;
    LoadFont(&broken, "Broken", false);
    EXPECT_EQ(world.messageBoxes, 0);
    EXPECT_EQ(GetTextWidth("abc", &broken), 0);
    EXPECT_EQ(GetLineHeight(&broken), 0);
}

struct FitCase {
    const char* what;
    const char* text;
    int left, top, right, bottom;
    FittedText expected;
};
const FitCase kFits[] = {
    {"small text is centred, not enlarged", "ab", 0, 0, 100, 60, {40, 20, 1.0f}},
    {"wide text shrinks to the width", "abcdefghij", 0, 0, 50, 20, {0, 5, 0.5f}},
    {"tall text shrinks to the height", "ab", 10, 10, 110, 20, {55, 10, 0.5f}},
    {"box given backwards", "ab", 100, 60, 0, 0, {40, 20, 1.0f}},
};

TEST_F(TextTest, FittedTextShrinksToItsBoxAndIsCentred) {
    for (const FitCase& c : kFits) {
        SCOPED_TRACE(c.what);
        const FittedText fitted = FitText(&font, c.text, c.left, c.top, c.right, c.bottom);
        EXPECT_EQ(fitted.x, c.expected.x);
        EXPECT_EQ(fitted.y, c.expected.y);
        EXPECT_FLOAT_EQ(fitted.scale, c.expected.scale);
    }
}

struct WrapCase {
    const char* what;
    const char* text;
    int width;   // of the rectangle, margins 0
    int height;
    std::vector<std::string> lines;
};
const WrapCase kWraps[] = {
    {"words fill a line up to the width", "aa bb cc", 50, 100, {"aa bb ", "cc "}},
    {"a word wider than the box sits alone after an empty line", "abcdefgh ij", 50, 100,
     {"", "abcdefgh ", "ij "}},
    {"lines below the height are dropped", "aa bb cc dd", 20, 40, {"aa ", "bb "}},
    {"a double blank does not end the text", "aa  bb", 100, 100, {"aa bb "}},
    {"too low for one line", "aa", 100, 10, {}},
};

TEST_F(TextTest, TextRectWrapsWordsIntoItsBox) {
    for (const WrapCase& c : kWraps) {
        SCOPED_TRACE(c.what);
        LDvTextRect rect;
        rect.font = &font;
        rect.text = c.text;
        rect.right = c.width;
        rect.bottom = c.height;
        EXPECT_EQ(Lines(rect.WrappedLines()), c.lines);
    }
}

// Notes in the field guide: a task is drawn with blanks before it for its check mark, and every
// one of its lines keeps that room free.
struct IndentCase {
    const char* what;
    const char* text;
    int width;
    float scale;
    std::vector<std::string> lines;
};
const IndentCase kIndents[] = {
    {"the indent is kept on a line that fits", "    - aa bb", 200, 1.0f, {"    - aa bb"}},
    {"every wrapped line starts with the indent", "    - aa bb cc", 90, 1.0f, {"    - aa", "    bb cc"}},
    {"the width is measured at the scale", "aa bb cc", 40, 0.5f, {"aa bb cc"}},
    {"each paragraph has its own indent", "  aa\nbb", 200, 1.0f, {"  aa", "bb"}},
    {"a word too wide stands alone", "aa bbbbbbbb cc", 50, 1.0f, {"aa", "bbbbbbbb", "cc"}},
    {"double blanks inside collapse", "aa  bb", 200, 1.0f, {"aa bb"}},
    {"a blank line stays", "aa\n\nbb", 200, 1.0f, {"aa", "", "bb"}},
};

TEST_F(TextTest, IndentedWrapKeepsTheLeadingBlanksOnEveryLine) {
    for (const IndentCase& c : kIndents) {
        SCOPED_TRACE(c.what);
        const std::vector<LDvString> lines = WrapIndented(&font, c.text, c.width, c.scale);
        EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), c.lines);
    }
}

TEST_F(TextTest, NameEntryCapitalisesTheFirstLetterOnly) {
    LDvTextEntry entry;
    entry.maxLength = 12;
    for (char c : std::string("hELLO wORLD")) entry.AddChar(c);
    EXPECT_EQ(entry.Text(), "Hello world");
}

TEST_F(TextTest, NameEntryRefusesWhatDoesNotFit) {
    LDvTextEntry entry;
    entry.maxLength = 3;
    entry.HandleKey(K_KEY_BACKSPACE);
    EXPECT_EQ(entry.Text(), "");
    for (int c : {int{'7'}, int{'!'}, int{'-'}, 0xE9, int{'a'}, int{'b'}, int{'c'}, int{'d'}}) entry.AddChar(c);
    EXPECT_EQ(entry.Text(), "7ab") << "a digit first leaves the next letter lower-case; the fourth is ignored";
    entry.HandleKey(K_KEY_BACKSPACE);
    entry.HandleKey(K_KEY_RETURN);
    EXPECT_EQ(entry.Text(), "7a");
}

TEST_F(TextTest, NameEntryCaretBlinksEveryFiftySteps) {
    LDvTextEntry entry;
    std::vector<bool> seen;
    for (int step = 1; step <= 100; ++step) {
        entry.Update();
        if (step == 49 || step == 50 || step == 99 || step == 100) seen.push_back(entry.caretVisible);
    }
    EXPECT_EQ(seen, (std::vector<bool>{true, false, false, true}));
}

namespace {

struct TypeoutWrapCase {
    const char* what;
    const char* text;
    int maxWidth;
    std::vector<std::string> lines;
};
const TypeoutWrapCase kTypeoutWraps[] = {
    {"words join while narrower than the maximum", "aa bb cc", 60, {"aa bb", "cc"}},
    {"exactly the maximum does not fit", "aa bb", 50, {"aa", "bb"}},
    {"line feeds and runs of blanks act as one blank", "aa\nbb  \n cc", 90, {"aa bb cc"}},
    {"a wide word sits alone", "aa abcdefgh bb", 60, {"aa", "abcdefgh", "bb"}},
    {"a wide first word leaves an empty line before it", "abcdefgh", 60, {"", "abcdefgh"}},
    {"empty text has no lines", "", 60, {}},
};

}  // namespace

TEST_F(TextTest, TypewriterWrapsAtTheMaximumWidth) {
    for (const TypeoutWrapCase& c : kTypeoutWraps) {
        SCOPED_TRACE(c.what);
        TypeoutTextDisplay display;
        display.font = &font;
        display.maxLineWidth = c.maxWidth;
        display.maxLines = 4;
        display.TypeOut(c.text);
        EXPECT_EQ(Lines(display.lines), c.lines);
    }
}

TEST_F(TextTest, TypewriterBlockCoversTheShownLines) {
    TypeoutTextDisplay display;
    display.font = &font;
    display.maxLineWidth = 60;
    display.maxLines = 2;
    display.TypeOut("a bb ccccc dd");  // "a bb", "ccccc", "dd": the third is beyond the maximum
    EXPECT_EQ(display.blockRight, 50);
    EXPECT_EQ(display.blockBottom, 2 * kMonoLineHeight);
}

namespace {

// What the typewriter shows after each step: line index, visible characters, "F" once finished.
std::vector<std::string> TypeSteps(TypeoutTextDisplay& display, int steps) {
    std::vector<std::string> seen;
    for (int i = 0; i < steps; ++i) {
        display.Update();
        seen.push_back(std::to_string(display.currentLine) + ":" + std::to_string(display.visibleChars) +
                       (display.finished ? "F" : ""));
    }
    return seen;
}

}  // namespace

TEST_F(TextTest, TypewriterPausesOneStepBetweenLinesAndFinishesOneStepAfterTheLast) {
    TypeoutTextDisplay display;
    display.font = &font;
    display.maxLineWidth = 30;
    display.maxLines = 4;
    display.startDelay = 2;
    display.TypeOut("ab cd");
    EXPECT_EQ(TypeSteps(display, 9),
              (std::vector<std::string>{"0:0", "0:0", "0:1", "0:2", "1:0", "1:1", "1:2", "1:2F", "1:2F"}));
}

TEST_F(TextTest, TypewriterStopsAtTheMaximumLinesAndTypesSeveralCharactersPerStep) {
    TypeoutTextDisplay display;
    display.font = &font;
    display.maxLineWidth = 40;
    display.maxLines = 1;
    display.charsPerStep = 2;
    display.TypeOut("abc de");
    EXPECT_EQ(TypeSteps(display, 3), (std::vector<std::string>{"0:2", "0:3", "0:3F"}));
}

TEST_F(TextTest, TypewriterHoldsThenFades) {
    TypeoutTextDisplay display;
    display.font = &font;
    display.maxLineWidth = 30;
    display.maxLines = 4;
    display.fadeEnabled = true;
    display.holdSteps = 1;
    display.extraHoldPerLine = 1;
    display.fadeSteps = 2;
    display.TypeOut("a b");
    EXPECT_EQ(display.fadeFactor, 0.0) << "nothing shows before the first step";
    std::vector<double> fades;
    for (int i = 0; i < 9; ++i) {
        display.Update();
        fades.push_back(display.fadeFactor);
    }
    // a, next line, b, finished, hold 2 (1 + 1 for the second line), fade over 2 steps, then stays out.
    EXPECT_EQ(fades, (std::vector<double>{1, 1, 1, 1, 1, 1, 0.5, 0, 0}));
    EXPECT_TRUE(display.finished);
}

TEST_F(TextTest, TypewriterMovesItsRectangleAndBacking) {
    TypeoutTextDisplay display;
    LDvSprite backing;
    display.backing = &backing;
    display.rectLeft = 10;
    display.rectRight = 110;
    display.MoveBy(5, -3);
    EXPECT_EQ(display.rectLeft, 15);
    EXPECT_EQ(display.rectRight, 115);
    EXPECT_EQ(display.rectTop, -3);
    EXPECT_EQ(backing.x, 5.0f);
    EXPECT_EQ(backing.y, -3.0f);
}

TEST(TypewriterCount, CountsCharactersNotBytes) {
    EXPECT_EQ(CharacterCount("abc"), 3u);
    EXPECT_EQ(CharacterCount("caf\xC3\xA9"), 4u);
    EXPECT_EQ(CharacterCount(""), 0u);
}
