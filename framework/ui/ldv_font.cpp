#include "framework/ui/ldv_font.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "engine/k_graphic.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/split_text.h"
#include "framework/ui/draw_primitives.h"

namespace {

constexpr char kTwoColourMark = '~';

LDvString LowerCase(LDvString text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

float DisplayScale() { return DrawScale(); }

std::vector<LDvString> Segments(const LDvFont& font, const LDvString& text) {
    if (!font.twoColour) return {text};
    return SplitText(text, kTwoColourMark);
}

void ApplyColour(LDvFont& font, float r, float g, float b, float a) { font.text.setTextColor(r, g, b, a); }

void ApplyMainColour(LDvFont& font) { ApplyColour(font, font.colorR, font.colorG, font.colorB, font.colorA); }

void DrawLeftAligned(LDvFont& font, const LDvString& text, int x, int y, float scale) {
    const float d = DisplayScale();
    const int lineHeight = GetLineHeight(&font);
    float penX = static_cast<float>(x);
    bool second = false;
    for (const LDvString& segment : Segments(font, text)) {
        if (font.shadow) {
            ApplyColour(font, font.shadowR, font.shadowG, font.shadowB, font.shadowA);
            font.text.drawTextAt(segment.c_str(), (penX + static_cast<float>(font.shadowOffsetX)) * d,
                                 static_cast<float>(y + font.shadowOffsetY) * d, font.letterSpacing, scale * d);
        }
        if (second) {
            ApplyColour(font, font.secondR, font.secondG, font.secondB, font.colorA);
        } else {
            ApplyMainColour(font);
        }
        font.text.drawTextAt(segment.c_str(), penX * d, static_cast<float>(y) * d, font.letterSpacing, scale * d);
        // The segment's drawn width: the next segment starts there and the underline ends there.
        const float width =
            std::trunc(font.text.getTextWidth(segment.c_str(), font.letterSpacing, 1.0f)) * scale;
        if (font.underline) {
            const int lineY = y + static_cast<int>(static_cast<float>(lineHeight) * scale) + font.underlineOffset;
            DrawLine(static_cast<int>(penX), lineY, static_cast<int>(penX + width), lineY, font.colorR, font.colorG,
                     font.colorB, font.colorA);
        }
        penX += width;
        second = !second;
    }
    ApplyMainColour(font);
}

// Centred text is one colour, so the "~" marks are only taken out: centring each segment on its
// own would pile them on top of one another.
void DrawCentred(LDvFont& font, const LDvString& text, int x, int y, float scale) {
    LDvString plain = text;
    if (font.twoColour) plain.erase(std::remove(plain.begin(), plain.end(), kTwoColourMark), plain.end());
    const float d = DisplayScale();
    const int width = GetTextWidth(plain, &font);
    ApplyMainColour(font);
    font.text.drawTextAt(plain.c_str(), static_cast<float>(x - width / 2) * d, static_cast<float>(y) * d,
                         font.letterSpacing, scale * d);
}

}  // namespace

void LoadFont(LDvFont* font, const LDvString& name, bool flag) {
    if (font == nullptr) return;
    font->loadedWith = flag;
    // Only the font's own name is lower-cased: the data root is a real folder and keeps its case.
    const LDvString path = GetDataRoot() + "fonts/" + LowerCase(name);
    const LDvString firstPage = path + ".png";
    if (!FileExists(firstPage)) {
        MediaMissing(path);
        return;
    }
    const LDvString table = path + ".table";
    if (!font->text.loadFontTable(table.c_str(), firstPage.c_str())) {
        Log("font table not loaded - " + table);
        return;
    }
    if (KGraphic* page = font->text.page(0)) page->setTextureQuality(true);
    ApplyMainColour(*font);
}

void SetTextColor(LDvFont* font, float r, float g, float b) {
    if (font == nullptr) return;
    font->colorR = r;
    font->colorG = g;
    font->colorB = b;
    ApplyMainColour(*font);
}

int GetTextWidth(const LDvString& text, LDvFont* font) {
    if (font == nullptr) return 0;
    const auto blanks = static_cast<int>(std::count(text.begin(), text.end(), ' '));
    return blanks * font->wordSpacing + static_cast<int>(font->text.getTextWidth(text.c_str(), font->letterSpacing, 1.0f));
}

int GetLineHeight(LDvFont* font) {
    if (font == nullptr) return 0;
    return font->fixedLineHeight ? font->lineHeight : font->text.getTextHeight();
}

void DrawText(LDvFont* font, const LDvString& text, int x, int y, int align, float scale) {
    if (font == nullptr) return;
    if (align == kAlignLeft) {
        DrawLeftAligned(*font, text, x, y, scale);
    } else if (align == kAlignCentre) {
        DrawCentred(*font, text, x, y, scale);
    }
}

FittedText FitText(LDvFont* font, const LDvString& text, int left, int top, int right, int bottom) {
    const int width = GetTextWidth(text, font);
    const int height = GetLineHeight(font);
    const int boxWidth = std::abs(right - left);
    const int boxHeight = std::abs(bottom - top);
    FittedText fitted;
    if (boxWidth < width) fitted.scale = std::min(fitted.scale, static_cast<float>(boxWidth) / static_cast<float>(width));
    if (boxHeight < height) {
        fitted.scale = std::min(fitted.scale, static_cast<float>(boxHeight) / static_cast<float>(height));
    }
    fitted.x = (right - left) / 2 + left - static_cast<int>(static_cast<float>(width) * fitted.scale / 2.0f);
    fitted.y = (bottom - top) / 2 + top - static_cast<int>(static_cast<float>(height) * fitted.scale / 2.0f);
    return fitted;
}

void DrawTextFitted(LDvFont* font, const LDvString& text, int left, int top, int right, int bottom) {
    if (font == nullptr) return;
    const FittedText fitted = FitText(font, text, left, top, right, bottom);
    DrawText(font, text, fitted.x, fitted.y, kAlignLeft, fitted.scale);
}
