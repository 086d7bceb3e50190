#include "engine/k_text.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>

#include "engine/k_files.h"
#include "engine/k_graphic.h"
#include "engine/k_log.h"
#include "engine/text_decoding.h"

namespace {

constexpr char kFontMagic[] = "%ktext ";
constexpr size_t kFontMagicLength = sizeof kFontMagic - 1;
constexpr size_t kMinimumTableSize = 8;
constexpr size_t kGlyphLineLimit = 255;  // characters of a glyph line that are read
constexpr int kGlyphFields = 10;
constexpr int kHeaderFields = 4;
constexpr long kValueLimit = 1000000;     // keeps every later sum of glyph values far from overflow

// Walks a font table line by line without ever reading past its end.
class TableReader {
public:
    TableReader(const uint8_t* data, size_t size) : cursor(reinterpret_cast<const char*>(data)), end(cursor + size) {}

    bool atEnd() const { return cursor >= end; }

    void skipBlankSpace() {
        while (cursor < end && std::isspace(static_cast<unsigned char>(*cursor))) ++cursor;
    }

    // The next line (at most `limit` characters of it); the rest of the line is passed over.
    std::string nextLine(size_t limit) {
        const char* lineEnd = static_cast<const char*>(std::memchr(cursor, '\n', static_cast<size_t>(end - cursor)));
        if (!lineEnd) lineEnd = end;
        std::string line(cursor, std::min(static_cast<size_t>(lineEnd - cursor), limit));
        cursor = lineEnd < end ? lineEnd + 1 : end;
        return line;
    }

private:
    const char* cursor;
    const char* end;
};

// Reads up to `count` decimal numbers separated by blanks, as "%ld %ld ..." would; returns how many.
int readNumbers(const std::string& line, long* values, int count) {
    size_t at = 0;
    int found = 0;
    while (found < count) {
        while (at < line.size() && std::isspace(static_cast<unsigned char>(line[at]))) ++at;
        const bool negative = at < line.size() && line[at] == '-';
        if (at < line.size() && (line[at] == '-' || line[at] == '+')) ++at;
        if (at >= line.size() || !std::isdigit(static_cast<unsigned char>(line[at]))) break;
        long value = 0;
        for (; at < line.size() && std::isdigit(static_cast<unsigned char>(line[at])); ++at) {
            value = std::min(kValueLimit, value * 10 + (line[at] - '0'));
        }
        values[found++] = negative ? -value : value;
    }
    return found;
}

bool readGlyph(const std::string& line, KFontGlyph& glyph) {
    long v[kGlyphFields] = {};
    if (readNumbers(line, v, kGlyphFields) < kGlyphFields) return false;
    glyph.code = v[0];
    glyph.left = v[1];
    glyph.top = v[2];
    glyph.right = v[3];
    glyph.bottom = v[4];
    glyph.advance = v[5];
    glyph.lineHeight = v[6];
    glyph.page = v[7];
    glyph.offsetX = v[8];
    glyph.offsetY = v[9];
    return true;
}

}  // namespace

bool parseFontTable(const uint8_t* data, size_t size, KFontTable& out) {
    out = KFontTable{};
    if (!data || size < kMinimumTableSize || std::memcmp(data, kFontMagic, kFontMagicLength) != 0) return false;
    TableReader reader(data + kFontMagicLength, size - kFontMagicLength);
    reader.skipBlankSpace();
    long header[kHeaderFields] = {};
    // The version 1 header may stop after the glyph count.
    if (readNumbers(reader.nextLine(std::string::npos), header, kHeaderFields) < kHeaderFields - 1) return false;
    out.version = header[0];
    out.pageCount = std::max(0L, header[1]);
    out.glyphLineCount = std::max(0L, header[2]);
    out.lineHeight = out.version == 2 ? std::max(0L, header[3]) : 0;
    for (long line = 0; line < out.glyphLineCount && !reader.atEnd(); ++line) {
        KFontGlyph glyph;
        if (!readGlyph(reader.nextLine(kGlyphLineLimit), glyph) || glyph.code <= 0) break;
        out.glyphs.push_back(glyph);
    }
    std::stable_sort(out.glyphs.begin(), out.glyphs.end(),
                     [](const KFontGlyph& a, const KFontGlyph& b) { return a.code < b.code; });
    return true;
}

std::string nextFontPageName(const std::string& pageName) {
    const size_t slash = pageName.rfind('/');
    size_t dot = pageName.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = pageName.size();
    size_t digits = dot;
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(pageName[digits - 1]))) --digits;
    // A name without a number is page 1, so its follower is page 2.
    unsigned long number = digits < dot ? 0 : 1;
    for (size_t at = digits; at < dot && number < 100000000UL; ++at) number = number * 10 + (pageName[at] - '0');
    return pageName.substr(0, digits) + std::to_string(number + 1) + pageName.substr(dot);
}

KText::KText() = default;
KText::~KText() = default;

bool KText::loadFontTable(const char* tableFile, const char* firstPageImage) {
    fontTable = KFontTable{};
    pages.clear();
    std::vector<uint8_t> bytes;
    KFontTable parsed;
    if (!tableFile || !readWholeFile(tableFile, bytes) || !parseFontTable(bytes.data(), bytes.size(), parsed)) {
        engineLog("KText: cannot read font table '%s'", tableFile ? tableFile : "");
        return false;
    }
    const long pageTotal = std::clamp(parsed.pageCount, 1L, static_cast<long>(kMaxFontPages));
    std::string pageName = firstPageImage ? firstPageImage : "";
    for (long index = 0; index < pageTotal; ++index, pageName = nextFontPageName(pageName)) {
        auto picture = std::make_unique<KGraphic>();
        if (!picture->loadPicture(pageName.c_str())) {
            engineLog("KText: font page '%s' is missing", pageName.c_str());
            if (index == 0) {
                pages.clear();
                return false;
            }
            picture.reset();
        }
        pages.push_back(std::move(picture));
    }
    fontTable = std::move(parsed);
    return true;
}

void KText::setTextColor(float r, float g, float b, float a) {
    colorR = r;
    colorG = g;
    colorB = b;
    colorA = a;
}

int KText::getTextHeight() const {
    if (fontTable.lineHeight > 0) return static_cast<int>(fontTable.lineHeight);
    if (fontTable.glyphs.empty()) return 0;
    return static_cast<int>(std::max(0L, fontTable.glyphs.front().lineHeight));
}

const KFontGlyph* KText::findGlyph(long code) const {
    const auto found = std::lower_bound(fontTable.glyphs.begin(), fontTable.glyphs.end(), code,
                                        [](const KFontGlyph& glyph, long wanted) { return glyph.code < wanted; });
    return found != fontTable.glyphs.end() && found->code == code ? &*found : nullptr;
}

KGraphic* KText::page(int index) const {
    if (index < 0 || index >= static_cast<int>(pages.size())) return nullptr;
    return pages[static_cast<size_t>(index)].get();
}

float KText::getTextWidth(const char* text, float letterSpacing, float scale, int) const {
    if (!text) return 0.0f;
    const char* cursor = text;
    const char* end = text + std::strlen(text);
    float pen = 0.0f;
    while (cursor < end) {
        const KFontGlyph* glyph = findGlyph(nextCodePoint(cursor, end));
        if (!glyph) continue;
        pen = std::round(pen) + (static_cast<float>(glyph->advance) + letterSpacing) * scale;
    }
    return pen;
}

void KText::drawTextAt(const char* text, float x, float y, float letterSpacing, float scale, int) {
    if (!text) return;
    for (const auto& picture : pages) {
        if (picture) picture->setBlitColor(colorR, colorG, colorB, colorA);
    }
    const char* cursor = text;
    const char* end = text + std::strlen(text);
    float pen = x;
    while (cursor < end) {
        const KFontGlyph* glyph = findGlyph(nextCodePoint(cursor, end));
        if (!glyph) continue;
        pen = std::round(pen);
        if (KGraphic* picture = page(static_cast<int>(glyph->page))) {
            const float left = static_cast<float>(glyph->left);
            const float top = static_cast<float>(glyph->top);
            const float right = static_cast<float>(glyph->right + 1);
            const float bottom = static_cast<float>(glyph->bottom + 1);
            const float drawX = pen + static_cast<float>(glyph->offsetX) * scale;
            const float drawY = y + static_cast<float>(glyph->offsetY) * scale;
            if (scale == 1.0f) {
                picture->blitAlphaRect(left, top, right, bottom, drawX, drawY);
            } else {
                picture->blitStretchRect(left, top, right, bottom, drawX, drawY, drawX + (right - left) * scale,
                                         drawY + (bottom - top) * scale);
            }
        }
        pen += (static_cast<float>(glyph->advance) + letterSpacing) * scale;
    }
}
