#include "game/scenes/inventory_overlays.h"

#include <algorithm>

#include "framework/core/mouse_position.h"
#include "framework/ui/ldv_font.h"
#include "framework/ui/overlay_registry.h"
#include "game/scenes/inventory.h"

namespace {

constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;

}  // namespace

LDvPoint TooltipPosition(const LDvRect& hovered, int width, int height) {
    const int centre = (hovered.left + hovered.right) / 2;
    const int x = std::clamp(centre - width / 2, 0, std::max(0, kCanvasWidth - width));
    const int y = std::clamp(hovered.top - height, 0, std::max(0, kCanvasHeight - height));
    return {x, y};
}

void InventoryDrawer::Draw() { inventory.Draw(); }

ToolTipper::ToolTipper(Inventory& owner) : inventory(owner) {
    Register(this, nullptr);
    SetLayer(this, kLayer);
}

// Shown only while the pointer stays on the hovered slot, above it, the text centred in it. A slot
// near the canvas edge (a long bar reaches past it) keeps the tooltip on screen, text and all.
void ToolTipper::Draw() {
    const InventoryItem* item = inventory.hovered;
    if (item == nullptr || inventory.tooltipFont == nullptr || !inventory.tooltipBackground.loaded) return;
    const LDvRect& box = inventory.hoveredBounds;
    const LDvPoint mouse = GetMousePosition();
    if (mouse.x < box.left || mouse.x > box.right || mouse.y < box.top || mouse.y > box.bottom) return;
    LDvSprite& back = inventory.tooltipBackground;
    const LDvPoint at = TooltipPosition(box, back.GetFrameWidth(), back.GetFrameHeight());
    back.SetPosition(at.x, at.y);
    back.Draw();
    const int centre = at.x + back.GetFrameWidth() / 2;
    const int textY = at.y + back.GetFrameHeight() / 2 - GetLineHeight(inventory.tooltipFont) / 2;
    DrawText(inventory.tooltipFont, item->description, centre, textY, kAlignCentre, 1.0f);
}
