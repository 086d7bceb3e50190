#include "engine/k_text.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/k_graphic.h"
#include "tests/engine/offscreen_window.h"
#include "tests/support/temp_dir.h"
#include "tools/forge/core/encoders.h"
#include "tools/forge/core/rgba_image.h"

namespace {

KFontTable parsed(const std::string& text) {
    KFontTable table;
    EXPECT_TRUE(parseFontTable(reinterpret_cast<const uint8_t*>(text.data()), text.size(), table));
    return table;
}

std::vector<long> codesOf(const KFontTable& table) {
    std::vector<long> codes;
    for (const KFontGlyph& glyph : table.glyphs) codes.push_back(glyph.code);
    return codes;
}

// Glyph lines: code, left, top, right, bottom, advance, line height, page, x offset, y offset.
const std::string kTwoGlyphs =
    "%ktext 2 1 3 0 trailing words are skipped\n"
    "66 10 0 21 15 12 18 0 1 2\n"
    "65 0 0 9 15 10 17 0 0 2\n"
    "32 30 0 33 3 5 16 0 0 0\n";

struct TableCase {
    const char* name;
    std::string text;
    bool accepted;
    std::vector<long> codes;
    int lineHeight;
};

const TableCase kTables[] = {
    {"sorted by code, line height of the first glyph", kTwoGlyphs, true, {32, 65, 66}, 16},
    {"version 2 header line height wins", "%ktext 2 1 1 24\n65 0 0 9 15 10 17 0 0 2\n", true, {65}, 24},
    {"negative header line height counts as 0", "%ktext 2 1 1 -5\n65 0 0 9 15 10 17 0 0 2\n", true, {65}, 17},
    {"version 1 ignores the fourth number", "%ktext 1 1 1 30\n65 0 0 9 15 10 17 0 0 2\n", true, {65}, 17},
    {"version 1 header of three numbers", "%ktext 1 1 2\n65 0 0 9 15 10 17 0 0 2\n66 0 0 9 15 10 17 0 0 2\n", true,
     {65, 66}, 17},
    {"code 0 ends the table", "%ktext 2 1 3 0\n65 0 0 9 15 10 17 0 0 2\n0 0 0 0 0 0 0 0 0 0\n66 0 0 1 1 1 1 0 0 0\n",
     true, {65}, 17},
    {"garbled line ends the table", "%ktext 2 1 3 0\n65 0 0 9 15 10 17 0 0 2\n66 0 zero\n67 0 0 1 1 1 1 0 0 0\n",
     true, {65}, 17},
    {"glyph count limits the lines read", "%ktext 2 1 1 0\n65 0 0 9 15 10 17 0 0 2\n66 0 0 1 1 1 1 0 0 0\n", true,
     {65}, 17},
    {"file ending early keeps the glyphs read", "%ktext 2 1 90 0\n65 0 0 9 15 10 17 0 0 2\n66 0 0", true, {65}, 17},
    {"only 255 characters of a line are read",
     "%ktext 2 1 2 0\n65 0 0 9 15 10 17 0 0 2\n66" + std::string(260, ' ') + "0 0 1 1 1 1 0 0 0\n", true, {65}, 17},
    {"wrong magic", "%KTEXT 2 1 1 0\n65 0 0 9 15 10 17 0 0 2\n", false, {}, 0},
    {"shorter than 8 bytes", "%ktext ", false, {}, 0},
    {"header without numbers", "%ktext version two\n65 0 0 9 15 10 17 0 0 2\n", false, {}, 0},
};

std::string whitePagePng() {
    RgbaImage page(64, 32);
    for (uint8_t& byte : page.rgba) byte = 255;
    std::vector<uint8_t> png;
    EXPECT_TRUE(encodePng(page, png));
    return std::string(png.begin(), png.end());
}

TEST(FontTable, ReadsHeaderAndGlyphLines) {
    TempDir dir;
    dir.write("font.png", whitePagePng());
    for (const TableCase& c : kTables) {
        SCOPED_TRACE(c.name);
        dir.write("font.table", c.text);
        KText font;
        EXPECT_EQ(font.loadFontTable(dir.file("font.table").c_str(), dir.file("font.png").c_str()), c.accepted);
        EXPECT_EQ(codesOf(font.table()), c.codes);
        EXPECT_EQ(font.getTextHeight(), c.lineHeight);
    }
    const KFontTable table = parsed(kTwoGlyphs);
    ASSERT_EQ(table.glyphs.size(), 3u);
    const KFontGlyph& b = table.glyphs[2];
    EXPECT_EQ(b.left, 10);
    EXPECT_EQ(b.right, 21);
    EXPECT_EQ(b.advance, 12);
    EXPECT_EQ(b.offsetX, 1);
    EXPECT_EQ(b.offsetY, 2);
    EXPECT_EQ(table.pageCount, 1);
}

TEST(FontTable, NamesFollowingPages) {
    struct Case { const char* page; const char* next; };
    constexpr Case kNames[] = {
        {"fonts/x.png", "fonts/x2.png"},           {"fonts/x2.png", "fonts/x3.png"},
        {"fonts/x9.png", "fonts/x10.png"},         {"fonts/artifika_14pt.png", "fonts/artifika_14pt2.png"},
        {"fonts/v1.2/page", "fonts/v1.2/page2"},   {"page7", "page8"},
    };
    for (const Case& c : kNames) EXPECT_EQ(nextFontPageName(c.page), c.next) << c.page;
}

// A font of three glyphs on one white page, written to a temporary folder.
class LoadedFont : public ::testing::Test {
protected:
    void SetUp() override {
        dir.write("font.png", whitePagePng());
        dir.write("font.table", kTwoGlyphs);
        dir.write("accent.table",
                  "%ktext 2 1 2 0\n65 0 0 9 15 10 17 0 0 2\n233 40 0 45 15 7 16 0 0 0\n");
        ASSERT_TRUE(font.loadFontTable(dir.file("font.table").c_str(), dir.file("font.png").c_str()));
    }

    TempDir dir;
    KText font;
};

TEST_F(LoadedFont, MeasuresWithLetterSpacingAndScale) {
    struct Case { const char* text; float spacing; float scale; float width; };
    const Case kWidths[] = {
        {"AB", 0.0f, 1.0f, 22.0f},  {"AB", 2.0f, 1.0f, 26.0f},  {"AB", 2.0f, 2.0f, 52.0f},
        {"A?B", 0.0f, 1.0f, 22.0f}, {"A B", 0.0f, 1.0f, 27.0f}, {"", 1.0f, 1.0f, 0.0f},
        // The pen is rounded before each glyph: 10.5 becomes 11, then 11 + 12.5.
        {"AB", 0.5f, 1.0f, 23.5f},
    };
    for (const Case& c : kWidths) {
        EXPECT_FLOAT_EQ(font.getTextWidth(c.text, c.spacing, c.scale), c.width) << c.text << " " << c.spacing;
    }
    EXPECT_EQ(font.getTextHeight(), 16);
    EXPECT_EQ(font.pageCount(), 1);
}

TEST_F(LoadedFont, ReadsUtf8AndLatin1Alike) {
    KText accents;
    ASSERT_TRUE(accents.loadFontTable(dir.file("accent.table").c_str(), dir.file("font.png").c_str()));
    EXPECT_FLOAT_EQ(accents.getTextWidth("A\xC3\xA9", 0.0f), 17.0f);  // UTF-8 é
    EXPECT_FLOAT_EQ(accents.getTextWidth("A\xE9", 0.0f), 17.0f);      // Latin-1 é
    EXPECT_FLOAT_EQ(accents.getTextWidth("\xC3", 0.0f), 0.0f);        // a cut sequence is Ã, not in the font
}

TEST_F(LoadedFont, BadTableLeavesTheFontEmpty) {
    dir.write("bad.table", "%kte");
    KText broken;
    EXPECT_FALSE(broken.loadFontTable(dir.file("bad.table").c_str(), dir.file("font.png").c_str()));
    EXPECT_EQ(broken.getTextWidth("AB", 0.0f), 0.0f);
    EXPECT_EQ(broken.getTextHeight(), 0);
    EXPECT_FALSE(broken.loadFontTable(dir.file("font.table").c_str(), dir.file("nopage.png").c_str()));
    EXPECT_EQ(broken.getTextWidth("AB", 0.0f), 0.0f);
}

TEST_F(LoadedFont, DrawsGlyphsAtTheirOffsetsInTheTextColour) {
    OffscreenWindow screen;
    ASSERT_TRUE(screen.created());
    font.setTextColor(1.0f, 0.0f, 0.0f, 1.0f);
    font.drawTextAt("AB", 100.0f, 200.0f, 4.0f, 1.0f);
    // A: source 0..9 x 0..15 drawn at (100, 202). B: pen 100 + 10 + 4, offset (1, 2): 115..126 x 202..217.
    font.drawTextAt("A", 300.0f, 200.0f, 0.0f, 2.0f);  // twice the size, offset doubled: 300..319 x 204..235
    ASSERT_TRUE(screen.grab());
    const Rgba red{255, 0, 0, 255};
    const Rgba black{0, 0, 0, 255};
    EXPECT_TRUE(near(screen.sample(100, 202), red, 1));
    EXPECT_TRUE(near(screen.sample(109, 217), red, 1));
    EXPECT_TRUE(near(screen.sample(110, 210), black, 0));
    EXPECT_TRUE(near(screen.sample(100, 201), black, 0));
    EXPECT_TRUE(near(screen.sample(114, 210), black, 0));
    EXPECT_TRUE(near(screen.sample(115, 202), red, 1));
    EXPECT_TRUE(near(screen.sample(126, 217), red, 1));
    EXPECT_TRUE(near(screen.sample(127, 210), black, 0));
    EXPECT_TRUE(near(screen.sample(319, 235), red, 1));
    EXPECT_TRUE(near(screen.sample(320, 220), black, 0));
    EXPECT_TRUE(near(screen.sample(305, 203), black, 0));
}

}  // namespace
