#pragma once
// The list of the five profile slots in the player selection dialog: one row per slot, each a
// backing picture with the player's name, the selected row marked. Owned by the game for the whole
// run (in SelectPlayerParts); the pictures and the font it draws with are borrowed.
#include <array>
#include <cstdint>

#include "framework/core/ldv_string.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/ldv_overlay.h"

struct LDvFont;

class DrawPlayerNames : public LDvOverlay {
public:
    static constexpr int kRowGap = 2;          // pixels between two backings

    void Draw() override;

    // Reads the names of the five slots from the profiles; unused slots are empty.
    void Fill();
    // The first row with a name whose backing contains the canvas point (edges included); -1 when none.
    int RowAt(int px, int py);
    float RowTop(int row);

    std::array<LDvString, kPlayerSlots> names;
    int32_t selected = -1;                     // the selected slot, -1 when none

    LDvOverlay* backing = nullptr;             // "GUI/player_backing.png", not owned
    LDvOverlay* selectionMark = nullptr;       // "GUI/player_selected.png", not owned
    LDvFont* font = nullptr;                   // not owned
};
