#pragma once
// Typewriter text: TypeOut wraps a text into lines of at most the maximum width and shows it
// character by character, a line at a time, after an optional start delay; once finished it can
// hold and then fade out (together with an optional backing overlay drawn behind it). The owner
// sets the rectangle, the widths, speeds, flags, font and backing directly before TypeOut; the
// font and the backing are borrowed and must outlive the display's drawing. Drawing sets the
// shared font's alpha to the fade factor and leaves it so.
#include <cstdint>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

struct LDvFont;

class TypeoutTextDisplay : public LDvOverlay {
public:
    void TypeOut(const LDvString& text);
    void OnTick(int tickCount) override;
    void Draw() override;
    void MoveBy(int dx, int dy) override;

    uint32_t visibleChars = 0;        // characters shown of the current line
    int32_t startDelay = 0;           // steps before the first character
    int32_t currentLine = 0;
    int32_t maxLineWidth = 0;         // pixels
    int32_t maxLines = 0;
    int32_t charsPerStep = 1;
    int32_t holdCounter = 0;          // steps
    int32_t holdSteps = 0;            // steps shown whole before the fade
    int32_t fadeSteps = 0;
    int32_t extraHoldPerLine = 0;     // added to the hold for every line after the first
    int32_t fadeCounter = 0;
    double fadeFactor = 0.0;          // 1 while typing, falls to 0 over the fade
    bool fadeEnabled = false;
    bool finished = false;
    bool topAnchored = false;         // block at rectangle top + topOffset instead of centred
    int32_t topOffset = 0;
    int32_t horizontalAlign = 2;      // 2: block centred in the rectangle; 0: at its left edge
    LDvList<LDvString> lines;
    int32_t blockLeft = 0, blockTop = 0, blockRight = 0, blockBottom = 0;
    int32_t rectLeft = 0, rectTop = 0, rectRight = 0, rectBottom = 0;
    LDvOverlay* backing = nullptr;    // drawn behind the text, faded with it; not owned
    LDvFont* font = nullptr;          // not owned

private:
    void WrapLines(const LDvString& text);
    void MeasureBlock();
    void StepFade();
    void StepTyping();
    int LastLine() const;             // index of the last line shown
};

// Number of characters (code points) of a text, as the typewriter counts them.
uint32_t CharacterCount(const LDvString& text);
