// Every font of the data read through the engine's own font-table reader and picture decoder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "engine/image_codec.h"
#include "engine/k_text.h"
#include "tests/tools/data_folder.h"
#include "tests/tools/required_data.h"

namespace {

std::string fontBase(const char* name) {
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return "fonts/" + lower;
}

bool covers(const KFontTable& table, long code) {
    return std::any_of(table.glyphs.begin(), table.glyphs.end(), [&](const KFontGlyph& g) { return g.code == code; });
}

// Coverage drawn anywhere inside the glyph's rectangle.
bool hasInk(const DecodedImage& page, const KFontGlyph& g) {
    for (long y = g.top; y <= g.bottom; ++y) {
        for (long x = g.left; x <= g.right; ++x) {
            if ((page.pixels[static_cast<size_t>(y * page.width + x)] >> 24) != 0) return true;
        }
    }
    return false;
}

}  // namespace

TEST(FontTables, EveryFontReadsWithItsPagesAndCoversLatin1) {
    for (const RequiredData& item : kRequiredData) {
        if (item.kind != DataKind::kFont) continue;
        SCOPED_TRACE(item.path);
        const std::string base = fontBase(item.path);
        std::string bytes;
        ASSERT_TRUE(readDataFile(dataPath(base + ".table"), bytes));
        KFontTable table;
        ASSERT_TRUE(parseFontTable(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size(), table));
        EXPECT_EQ(table.glyphLineCount, static_cast<long>(table.glyphs.size()));
        ASSERT_GE(table.pageCount, 1);
        ASSERT_LE(table.pageCount, kMaxFontPages);

        std::vector<DecodedImage> pages(static_cast<size_t>(table.pageCount));
        std::string pageName = base + ".png";
        for (DecodedImage& page : pages) {
            ASSERT_TRUE(decodeImageFile(dataPath(pageName), page)) << pageName;
            EXPECT_LE(page.width, 1024);
            pageName = nextFontPageName(pageName);
        }
        for (long code = 32; code <= 255; ++code) {
            if (code < 127 || code >= 160) {
                EXPECT_TRUE(covers(table, code)) << "character " << code;
            }
        }
        const long lineHeight = table.lineHeight > 0 ? table.lineHeight : table.glyphs.front().lineHeight;
        EXPECT_GT(lineHeight, 0);
        for (const KFontGlyph& g : table.glyphs) {
            SCOPED_TRACE("character " + std::to_string(g.code));
            ASSERT_GE(g.page, 0);
            ASSERT_LT(g.page, table.pageCount);
            const DecodedImage& page = pages[static_cast<size_t>(g.page)];
            ASSERT_TRUE(g.left >= 0 && g.top >= 0 && g.left <= g.right && g.top <= g.bottom);
            ASSERT_TRUE(g.right < page.width && g.bottom < page.height);
            EXPECT_GT(g.advance, 0);
            if (g.code > 32 && g.code < 127) {
                EXPECT_TRUE(hasInk(page, g));
            }
        }
    }
}
