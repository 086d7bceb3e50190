#pragma once
// The two overlays that show the inventory: the bar's items, the carried item and the flights
// (drawn among the scene's bar pictures), and the tooltip of the hovered slot (registered with no
// owner on its own layer, so it draws above whatever screen is current). Both borrow the
// inventory, which outlives them.
#include "framework/ui/ldv_overlay.h"

class Inventory;

class InventoryDrawer : public LDvOverlay {
public:
    explicit InventoryDrawer(Inventory& inventory) : inventory(inventory) {}
    void Draw() override;

private:
    Inventory& inventory;
};

// Where a tooltip of that size goes for the hovered rectangle: its bottom on the rectangle's top and
// centred on it, moved only as far as it takes to keep the whole tooltip on the canvas.
LDvPoint TooltipPosition(const LDvRect& hovered, int width, int height);

class ToolTipper : public LDvSprite {
public:
    static constexpr int kLayer = 10;

    explicit ToolTipper(Inventory& inventory);
    void Draw() override;

private:
    Inventory& inventory;
};
