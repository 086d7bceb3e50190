// The inventory's catalogue and held list: loading the items, adding, removing, finding, and the
// clicks that pick an item up and put it back.
#include "game/scenes/inventory.h"

#include <algorithm>
#include <cctype>

#include "engine/k_files.h"
#include "framework/core/folders.h"
#include "framework/core/game_log.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/ui/overlay_images.h"
#include "framework/ui/overlay_registry.h"

namespace {

constexpr const char* kTooltipFile = "tooltip.png";
constexpr const char* kDescriptionsFile = "items.ini";
constexpr const char* kDescriptionKey = "Description";
constexpr const char* kNoDescription = "No Description";
constexpr size_t kExtensionLength = 4;   // ".png"

bool Inside(const LDvRect& box, int x, int y) { return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom; }

}  // namespace

LDvString UpperId(const LDvString& id) {
    LDvString upper = id;
    std::transform(upper.begin(), upper.end(), upper.begin(), [](unsigned char c) { return std::toupper(c); });
    return upper;
}

void Inventory::LoadItems(const LDvString& folder) {
    const LDvString folderPath = makeFilePath(folder);
    LDvIniFile descriptions;
    descriptions.LoadExisting(JoinPaths(folderPath, kDescriptionsFile));
    for (const std::string& file : listFolder(folderPath)) {
        const LDvString path = JoinPaths(folderPath, file);
        if (file == kTooltipFile) {
            if (!tooltipBackground.loaded) LoadImage(&tooltipBackground, path);
            continue;
        }
        if (file == kDescriptionsFile || file.size() <= kExtensionLength) continue;
        auto item = std::make_unique<InventoryItem>();
        item->id = UpperId(file.substr(0, file.size() - kExtensionLength));
        item->picture = std::make_unique<LDvSprite>();
        LoadImage(item->picture.get(), path);
        item->description = descriptions.GetString(item->id.c_str(), kDescriptionKey, "");
        if (item->description.empty()) item->description = kNoDescription;
        definitions.Add(std::move(item));
    }
}

const InventoryItem* Inventory::FindDefinition(const LDvString& id) const {
    const LDvString upper = UpperId(id);
    for (const auto& item : definitions) {
        if (item->id == upper) return item.get();
    }
    return nullptr;
}

InventoryItem* Inventory::Find(const LDvString& id) const {
    const LDvString upper = UpperId(id);
    for (const auto& item : held) {
        if (item->id == upper) return item.get();
    }
    return nullptr;
}

InventoryItem* Inventory::AddItem(const LDvString& id) {
    if (InventoryItem* item = Find(id)) {
        ++item->count;
        return item;
    }
    const InventoryItem* definition = FindDefinition(id);
    if (definition == nullptr) {
        Log("Error.. attempted to add undefined inventory item :" + id);
        return nullptr;
    }
    auto item = std::make_unique<InventoryItem>();
    item->id = definition->id;
    item->description = definition->description;
    item->picture = std::make_unique<LDvSprite>();
    SharePicture(item->picture.get(), definition->picture.get());
    return held.Add(std::move(item)).get();
}

void Inventory::RemoveItem(const LDvString& id, int count) {
    InventoryItem* item = Find(id);
    if (item == nullptr) return;
    if (count >= 1 && item->count - count > 0) {
        item->count -= count;
        return;
    }
    if (carried == item) carried = nullptr;
    if (hovered == item) hovered = nullptr;
    held.RemoveIf([item](const std::unique_ptr<InventoryItem>& entry) { return entry.get() == item; });
}

bool Inventory::HasItem(const LDvString& id) const { return Find(id) != nullptr; }

bool Inventory::HasArrived(const LDvString& id) const {
    const InventoryItem* item = Find(id);
    return item != nullptr && item->flightSteps == 0;
}

LDvString Inventory::CarriedId() const { return carried != nullptr ? carried->id : LDvString(); }

void Inventory::ReturnCarried() {
    if (carried != nullptr) carried->carried = false;
    carried = nullptr;
}

void Inventory::ClearHeld() {
    carried = nullptr;
    hovered = nullptr;
    combineHighlight = false;
    held.Clear();
}

LDvPoint Inventory::SlotPoint(int slot, int pictureHeight) const {
    if (hiddenObjectMode) return kHiddenObjectSlot;
    return {kSlotLeft + kSlotStep * slot, kCanvasHeight - pictureHeight - kSlotBottomGap};
}

int Inventory::SlotOf(const InventoryItem& item) const {
    int slot = 0;
    for (const auto& entry : held) {
        if (entry.get() == &item) return slot;
        ++slot;
    }
    return slot;
}

void Inventory::PlaceInSlot(InventoryItem& item, int slot) {
    const LDvPoint at = SlotPoint(slot, item.picture->GetFrameHeight());
    item.picture->SetPosition(at.x, at.y);
}

bool Inventory::HandleClick(int x, int y) {
    if (hiddenObjectMode) return false;
    int slot = 0;
    for (const auto& entry : held) {
        InventoryItem& item = *entry;
        PlaceInSlot(item, slot++);
        if (!Inside(item.picture->GetBounds(), x, y)) continue;
        if (carried == nullptr) {
            item.carried = true;
            carried = &item;
        } else if (carried == &item) {
            ReturnCarried();
        }
        return true;
    }
    return false;
}
