#pragma once
// A purchasable item of the camp (the huts, the hut upgrade, the lab, the clinic, the finishing
// of the camp): a section of "build.ini" with a price, its texts and up to ten buildings drawn on
// the camp background. Bought, its buildings are built one after another as their delays say and
// the group glows once all of them stand; one the player owns already stands from the start.
//
// Owns its buildings (and through them their pictures and effects) until Clear. The effect sheets
// in `art` are the game's, borrowed.
#include <cstdint>
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"
#include "game/expedition/building.h"

class BuildGroup : public LDvOverlay {
public:
    static constexpr int kMaxBuildings = 10;

    void Clear();
    // Reads "BUILDING_DATA" / key + "_BUILT" and the rewards that unlock the clinic ("MED_SUPPLIES")
    // and the hut upgrade ("BSUPPLY"); without a player both are locked and nothing is built. A
    // built group is started at once.
    void RefreshBuildState();
    // Bought: plays the construction sound and builds every building; instant: shows them built.
    void Start(bool instant);
    void Tick(int tickNumber);
    bool IsAnimating() const;

    void OnTick(int tickCount) override;   // Tick with the overlay's own step count
    void Draw() override;

    uint8_t started = 0;
    uint8_t finished = 0;
    uint8_t lockedByRequirement = 0;
    uint8_t built = 0;
    int32_t price = 0;                     // resources
    LDvString name;
    LDvString key;                         // the section name: "HUTS", "LAB", ...
    LDvString description;
    LDvString lockedText;
    LDvList<std::unique_ptr<Building>> buildings;
    BuildArt art;
};

// The progress key that records a group as bought: "HUTS" -> "HUTS_BUILT".
LDvString BuiltKey(const LDvString& groupKey);
