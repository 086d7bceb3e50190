#pragma once
// Ten fish that swim together: the school is the overlay the title registers, and it steps and
// draws its fish in order. The title owns two (near and far) for the whole run, so the fish keep
// their places between visits and move only while the title is current.
#include <array>

#include "game/frontend/fishy.h"

class FishSchool : public LDvOverlay {
public:
    static constexpr int kFishCount = 10;

    void OnTick(int schoolStep) override;
    void Draw() override;

    void SetSheet(LDvOverlay* sheet);
    void MakeFar();

    std::array<Fishy, kFishCount> fish;
};
