#pragma once
// The hidden-object list: what the scene's script asked the player to find, shown in nine cells
// over the bar (three columns of three). An entry counts its finds as the inventory reports items
// landing; the list is complete once every entry is found and every cell has finished animating.
// Entries past the ninth have no cell but must still be found.
#include <array>
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/ui/ldv_overlay.h"
#include "game/scenes/hog_text.h"

struct HOGITEM {
    LDvString name;
    LDvString pluralName;                // shown with the count while two or more remain
    int32_t count = 1;
    int32_t found = 0;
};

class HOG : public LDvOverlay {
public:
    static constexpr int kCells = 9;
    static constexpr int kRows = 3;
    static constexpr LDvPoint kFirstCell{404, 773};
    static constexpr int kGap = 5;

    HOG();

    void AddEntry(const LDvString& name, const LDvString& pluralName, int count);
    void ClearEntries();
    void MarkFound(const LDvString& id);
    void RebuildTexts();
    bool AllFound() const;
    void SetLook(LDvFont* font, LDvSprite* strike);

    // The scene ticks the list from its own step (AdventureBar::Update), not the overlay registry.
    void Update() override {}
    void OnTick(int tickCount) override;
    void Draw() override;

    int32_t cellWidth = 209;
    int32_t cellHeight = 26;
    LDvList<std::unique_ptr<HOGITEM>> entries;
    std::array<HOGText, kCells> cells;
};
