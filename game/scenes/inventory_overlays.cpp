#include "game/scenes/inventory_overlays.h"

#include "framework/core/mouse_position.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/overlay_registry.h"
#include "game/scenes/inventory.h"

void InventoryDrawer::Draw() { inventory.Draw(); }

ToolTipper::ToolTipper(Inventory& owner) : inventory(owner) {
    Register(this, nullptr);
    SetLayer(this, kLayer);
}

// Shown only while the pointer stays on the hovered slot, above it, the text centred in it.
void ToolTipper::Draw() {
    const InventoryItem* item = inventory.hovered;
    if (item == nullptr || inventory.tooltipFont == nullptr || !inventory.tooltipBackground.loaded) return;
    const LDvRect& box = inventory.hoveredBounds;
    const LDvPoint mouse = GetMousePosition();
    if (mouse.x < box.left || mouse.x > box.right || mouse.y < box.top || mouse.y > box.bottom) return;
    LDvSprite& back = inventory.tooltipBackground;
    const int centre = (box.left + box.right) / 2;
    back.SetPosition(centre - back.GetFrameWidth() / 2, box.top - back.GetFrameHeight());
    back.Draw();
    const int textY = box.top - back.GetFrameHeight() / 2 - GetLineHeight(inventory.tooltipFont) / 2;
    DrawText(inventory.tooltipFont, item->description, centre, textY, kAlignCentre, 1.0f);
}
