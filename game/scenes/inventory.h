#pragma once
// The adventure inventory: the item catalogue read once from the "inventory" folder, the items the
// player holds in the bar's slots (in the order first taken), the one being carried over the
// scene, and the take animation that pops a found item and flies it into its slot. In
// hidden-object scenes there is no bar: found objects fly to the list instead and are never
// carried. What a carried item does on the scene is the script's choice.
//
// Ownership: the inventory owns its definitions and held items; the pictures are shared between a
// definition and its copies. It borrows the combine glow (the scene's bar picture) and the tooltip
// font, which must outlive their drawing.
#include <functional>
#include <memory>

#include "framework/core/ldv_list.h"
#include "game/scenes/inventory_item.h"

struct LDvFont;

class Inventory {
public:
    static constexpr int kCanvasHeight = 900;
    static constexpr int kSlotLeft = 408;
    static constexpr int kSlotStep = 75;
    static constexpr int kSlotBottomGap = 34;     // between a picture's bottom and the canvas's
    static constexpr int kTargetOffset = 37;      // the flight ends this far right and down of the slot
    static constexpr LDvPoint kHiddenObjectSlot{712, 762};
    static constexpr int kPopSteps = 50;

    // Reads every picture of `folder` as an item ("tooltip.png" is the tooltip's background),
    // described by the "Description" of its section in the folder's "items.ini".
    void LoadItems(const LDvString& folder);
    // The held item with `id` gets one more; else a copy of its definition is appended. Null, with
    // a log line, when no definition has that id.
    InventoryItem* AddItem(const LDvString& id);
    // AddItem, then the item pops at (x, y) and flies to its slot.
    void Take(const LDvString& id, int x, int y);
    // count -1 removes the item whatever its count; else its count drops by `count`.
    void RemoveItem(const LDvString& id, int count);
    bool HasItem(const LDvString& id) const;
    bool HasArrived(const LDvString& id) const;
    LDvString CarriedId() const;
    void ReturnCarried();
    // Picks up the clicked slot's item, or puts the carried one back; true when a slot was hit.
    bool HandleClick(int x, int y);
    void ClearHeld();

    void Update();
    void Draw();

    // The point slot `slot` shows a picture of that height at.
    LDvPoint SlotPoint(int slot, int pictureHeight) const;

    InventoryItem* carried = nullptr;    // one of `held`, or null
    bool hiddenObjectMode = false;
    int32_t glowAngle = 0;
    int32_t carriedSwing = 0;             // degrees
    int32_t glowZoomOffset = 0;
    bool combineHighlight = false;
    LDvSprite tooltipBackground;
    LDvList<std::unique_ptr<InventoryItem>> definitions;
    LDvList<std::unique_ptr<InventoryItem>> held;
    LDvFont* tooltipFont = nullptr;       // not owned; no tooltip without it
    LDvSprite* combineGlow = nullptr;     // not owned; the scene's bar picture while it is loaded
    // Told the name of every item whose flight ends (the hidden-object list crosses it off).
    std::function<void(const LDvString&)> onArrived;

    // What the pointer hovers, for the tooltip; null when nothing.
    const InventoryItem* hovered = nullptr;
    LDvRect hoveredBounds;

private:
    InventoryItem* Find(const LDvString& id) const;
    const InventoryItem* FindDefinition(const LDvString& id) const;
    void StartFlight(InventoryItem& item, int slot, int x, int y);
    void StepFlight(InventoryItem& item);
    void StepCombineGlow();
    void UpdateHover();
    int SlotOf(const InventoryItem& item) const;
    void PlaceInSlot(InventoryItem& item, int slot);
    void DrawCarried();
    void EndFlight(InventoryItem& item);

    int32_t glowCounter = 0;
};

// Ids are compared in upper case.
LDvString UpperId(const LDvString& id);
