#pragma once
// The game's parts around an adventure scene: the inventory with its drawer and tooltip, the
// hidden-object list, the hint stars, the hint and skip recharges with their glows, and the
// adventure save. The game owns one for the whole run and hands it to the scene.
#include "game/scenes/adventure_parts.h"
#include "game/scenes/glow_overlay.h"
#include "game/scenes/hint_display.h"
#include "game/scenes/hog.h"
#include "game/scenes/inventory.h"
#include "game/scenes/inventory_overlays.h"

class AdventureBar : public AdventureParts {
public:
    static constexpr int kHintRechargeSteps = 3600;
    static constexpr int kSkipRechargeSteps = 14400;

    AdventureBar();

    void ClearForNewScene() override;
    void SaveAdventure(Scene& scene) override;
    void RestoreAdventure() override;
    void SetHiddenObjectMode(bool on) override { inventory.hiddenObjectMode = on; }
    void StartRecharges(Scene& scene) override;
    void UpdateRecharges(Scene& scene) override;
    void Update() override;
    bool AllFound() override { return hog.AllFound(); }

    bool HasItem(const LDvString& id) override { return inventory.HasItem(id); }
    bool HasArrived(const LDvString& id) override { return inventory.HasArrived(id); }
    bool OfferClick(int x, int y) override { return inventory.HandleClick(x, y); }
    bool IsCarrying() override { return inventory.carried != nullptr; }
    LDvString CarriedId() override { return inventory.CarriedId(); }
    void ReturnCarried() override { inventory.ReturnCarried(); }
    void SetCombineHighlight(bool on) override { inventory.combineHighlight = on; }
    void UseBarPictures(SceneBarPictures* pictures) override;
    void TakeItem(const LDvString& id, int x, int y) override { inventory.Take(id, x, y); }
    void RemoveItem(const LDvString& id) override { inventory.RemoveItem(id, -1); }
    void AddHogItem(const LDvString& name, const LDvString& plural, int count) override {
        hog.AddEntry(name, plural, count);
    }

    void UseHint(Scene& scene) override;
    void ClearStars() override { hintDisplay.ClearStars(); }

    LDvOverlay* HintStars() override { return &hintDisplay; }
    LDvOverlay* HiddenObjectList() override { return &hog; }
    LDvOverlay* InventoryDrawer() override { return &drawer; }
    LDvOverlay* HintGlow() override { return &hintGlow; }
    LDvOverlay* SkipGlow() override { return &skipGlow; }

    void StartHintRecharge(Scene& scene);
    void StartSkipRecharge(Scene& scene);
    void HintReady(Scene& scene, bool playSound);
    void SkipReady(Scene& scene);

    Inventory inventory;
    HOG hog;
    HintDisplay hintDisplay;
    GlowOverlay hintGlow;
    GlowOverlay skipGlow;

private:
    class InventoryDrawer drawer{inventory};
    ToolTipper tooltip{inventory};
    SceneBarPictures* pictures = nullptr;   // not owned; the scene's while its bar is shown
};
