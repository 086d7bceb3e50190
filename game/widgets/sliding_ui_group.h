#pragma once
// A sliding menu: an overlay owning a list of entries that slide in and out together. Buttons of
// the group respond to the pointer only once their entry has rested for more than half a second;
// a pressed button and its badges move down by 2 pixels. Entry indices are positions in insertion
// order. Owns its entries until Clear or its end; the overlays the entries carry belong to the
// screen.
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/ui/ldv_overlay.h"
#include "game/widgets/sliding_ui.h"

class LDvButton;

class SlidingUIGroup : public LDvOverlay {
public:
    // Adds an entry that starts at (startX, startY) and rests at (endX, endY); the overlay is
    // placed at the start at once. The entry stays valid until Clear.
    SlidingUI& Add(LDvOverlay* overlay, int delay, float endX, float endY, float startX, float startY);
    SlidingUI* Entry(int index);                  // null when out of range
    int Count() const { return entries.Count(); }

    void SlideInAll();
    void SlideIn(int index);
    // Makes every button unclickable and slides out the entries resting at their end.
    void SlideOut();
    bool IsSettled();                             // every entry resting for 31 steps or more
    // The first settled entry whose enabled button contains the point plays the click sound and
    // moves down; null when none does.
    SlidingUI* PressAt(LDvPoint point);
    void ClearPresses();
    void Clear();

    // The screen ticks its groups from its own Update (not the overlay pass), so they stand still
    // while it waits, for a fade for instance.
    void Tick();
    void Draw() override;

private:
    LDvList<std::unique_ptr<SlidingUI>> entries;
};

// The entry's main overlay as a button that may take input, or null.
LDvButton* EnabledButton(const SlidingUI& entry);
