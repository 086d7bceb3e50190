#pragma once
// A bitmap font with its drawing style: colours, drop shadow, underline, letter and word spacing
// and a two-colour mode in which "~" switches between the main and the second colour. The game
// owns its fonts for the whole run and shares them between screens; whoever draws sets the colours
// it needs, and they stay until someone sets them again.
#include <cstdint>

#include "engine/k_text.h"
#include "framework/core/ldv_string.h"

struct LDvFont {
    float letterSpacing = 0.0f;        // pixels added after every glyph, drawing and measuring
    bool loadedWith = false;           // the flag handed to LoadFont
    bool shadow = false;
    int32_t wordSpacing = 0;           // extra pixels per blank, counted when measuring
    bool underline = false;
    int32_t underlineOffset = 0;       // pixels below the line height
    bool twoColour = false;            // "~" switches colour and is not drawn
    bool fixedLineHeight = false;
    int32_t lineHeight = 0;            // used instead of the table's while fixedLineHeight is set
    float colorR = 1.0f, colorG = 1.0f, colorB = 1.0f, colorA = 1.0f;
    float shadowR = 0.0f, shadowG = 0.0f, shadowB = 0.0f, shadowA = 0.5f;
    KText text;                        // the glyph table and its page pictures
    int32_t shadowOffsetY = 1;
    int32_t shadowOffsetX = 1;
    float secondR = 0.0f, secondG = 0.0f, secondB = 0.0f;  // two-colour mode; alpha is the main colour's
};

constexpr int kAlignLeft = 0;
constexpr int kAlignCentre = 2;

// Loads fonts/<name>.table (lower-cased, under the data root) and its pages; a missing first page
// goes to the missing-media path. A table that fails its checks leaves the font without glyphs.
void LoadFont(LDvFont* font, const LDvString& name, bool flag);
// Stores the colour and applies it with the font's alpha.
void SetTextColor(LDvFont* font, float r, float g, float b);
// Engine width with the letter spacing, plus the word spacing for every blank. 0 without a font.
int GetTextWidth(const LDvString& text, LDvFont* font);
int GetLineHeight(LDvFont* font);
// Align kAlignLeft draws from x, kAlignCentre centres on x; any other value draws nothing.
// Positions are canvas pixels; the display scale is applied here.
void DrawText(LDvFont* font, const LDvString& text, int x, int y, int align, float scale);
// Where and how large DrawTextFitted draws: shrunk (never enlarged) to fit the box, centred in it.
struct FittedText {
    int x = 0;
    int y = 0;
    float scale = 1.0f;
};
FittedText FitText(LDvFont* font, const LDvString& text, int left, int top, int right, int bottom);
void DrawTextFitted(LDvFont* font, const LDvString& text, int left, int top, int right, int bottom);
