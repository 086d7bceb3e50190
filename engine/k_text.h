#pragma once
// Bitmap-font text: a font table (fonts/<name>.table) and up to 8 page pictures. Text is decoded
// as UTF-8, with bytes that are not valid UTF-8 taken as Latin-1; codes missing from the table are skipped.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class KGraphic;

struct KFontGlyph {
    long code = 0;
    long left = 0, top = 0, right = 0, bottom = 0;  // inclusive pixel edges on the page
    long advance = 0;
    long lineHeight = 0;
    long page = 0;
    long offsetX = 0, offsetY = 0;
};

struct KFontTable {
    long version = 0;
    long pageCount = 0;
    long glyphLineCount = 0;
    long lineHeight = 0;              // header line height (version 2), 0 when the glyphs give it
    std::vector<KFontGlyph> glyphs;   // sorted by code; a code of 0 ends the table
};

constexpr int kMaxFontPages = 8;

// Parses a font description; false when shorter than 8 bytes, without the "%ktext " magic, or
// without at least version, page count and glyph count on the header line. Glyph lines are read
// (at most 255 characters of each) until the glyph count, the end of the data, a line without ten
// numbers, or a code of 0 or below; what was read up to there is kept. Numbers are clamped to
// +-1,000,000, negative header counts and line height count as 0.
bool parseFontTable(const uint8_t* data, size_t size, KFontTable& out);
// "X.png" -> "X2.png", "X2.png" -> "X3.png".
std::string nextFontPageName(const std::string& pageName);

class KText {
public:
    KText();
    ~KText();
    KText(const KText&) = delete;
    KText& operator=(const KText&) = delete;

    bool loadFontTable(const char* tableFile, const char* firstPageImage);
    void setTextColor(float r, float g, float b, float a);
    int getTextHeight() const;
    float getTextWidth(const char* text, float letterSpacing, float scale = 1.0f, int encoding = -1) const;
    void drawTextAt(const char* text, float x, float y, float letterSpacing, float scale = 1.0f, int encoding = -1);

    KGraphic* page(int index) const;   // null when absent
    int pageCount() const { return static_cast<int>(pages.size()); }
    const KFontTable& table() const { return fontTable; }

private:
    const KFontGlyph* findGlyph(long code) const;

    KFontTable fontTable;
    std::vector<std::unique_ptr<KGraphic>> pages;
    float colorR = 1.0f, colorG = 1.0f, colorB = 1.0f, colorA = 1.0f;
};
