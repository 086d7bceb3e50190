#pragma once
// What the adventure bar holds around the scene: the inventory with its carried item, the
// hidden-object list, the hint stars, the hint and skip recharges with their glows, and the
// adventure save. The scene calls these at fixed points of its loading, entry, steps and input;
// this base does nothing (no items, nothing to find, no overlays), so a scene without them still
// draws, hit-tests, runs its script and can be left. The game owns the one implementation for the
// whole run and hands the scene a pointer to it.
#include "framework/core/ldv_string.h"

class LDvOverlay;
class SceneBarPictures;
class Scene;

class AdventureParts {
public:
    virtual ~AdventureParts() = default;

    // Loading: no held items, an empty hidden-object list.
    virtual void ClearForNewScene() {}

    // Entry and the menu's quit.
    virtual void SaveAdventure(Scene&) {}
    virtual void RestoreAdventure() {}
    virtual void SetHiddenObjectMode(bool) {}
    // Skip and hint recharging, then the hint ready at once without its sound.
    virtual void StartRecharges(Scene&) {}

    // Every step: the countdowns, then the inventory and the hidden-object list.
    virtual void UpdateRecharges(Scene&) {}
    virtual void Update() {}
    // Every listed object has been found and its cell has finished animating.
    virtual bool AllFound() { return false; }

    // The inventory; ids ignore case.
    virtual bool HasItem(const LDvString&) { return false; }
    virtual bool HasArrived(const LDvString&) { return false; }   // held and done flying in
    virtual bool OfferClick(int, int) { return false; }            // true when the bar took the click
    virtual bool IsCarrying() { return false; }
    virtual LDvString CarriedId() { return {}; }
    virtual void ReturnCarried() {}
    virtual void SetCombineHighlight(bool) {}
    // The bar's pictures (combine glow, stars, glows, strike line) while the bar is shown; null
    // once they are released.
    virtual void UseBarPictures(SceneBarPictures*) {}
    // The script's side of the inventory: take an item flying in from a point, drop one.
    virtual void TakeItem(const LDvString&, int, int) {}
    virtual void RemoveItem(const LDvString&) {}
    // The script lists an object to find; a count above 1 shows the plural name with the count.
    virtual void AddHogItem(const LDvString&, const LDvString&, int) {}

    // The hint button's action, and the stars a click wipes away.
    virtual void UseHint(Scene&) {}
    virtual void ClearStars() {}

    // Overlays shown with the scene's own, each at its place among the bar's; null for none.
    virtual LDvOverlay* HintStars() { return nullptr; }
    virtual LDvOverlay* HiddenObjectList() { return nullptr; }   // hidden-object scenes only
    virtual LDvOverlay* InventoryDrawer() { return nullptr; }
    virtual LDvOverlay* HintGlow() { return nullptr; }
    virtual LDvOverlay* SkipGlow() { return nullptr; }
};
