#pragma once
// The wind-bonus count beside the wind-god button: the number over its small plate
// ("states/playing/bonuscount_back.png", frame 0 plain, frame 1 lit), which lights up in
// flashes while a newly earned bonus is announced. It shares the plate and digit pictures,
// which must outlive it.
#include <cstdint>

#include "framework/ui/ldv_overlay.h"

class BonusDrawer : public LDvOverlay {
public:
    static constexpr int kPlainFrame = 0;
    static constexpr int kLitFrame = 1;
    static constexpr int kBlinkTicks = 5;           // steps per lit or plain phase of a flash

    void setPictures(const LDvSprite& plate, const LDvSprite& digitSheet);
    int plateFrame() const;                         // what the plate shows this step

    void Draw() override;

    int32_t count = 0;
    int32_t flashTicks = 0;                         // steps of flashing left

private:
    LDvSprite back;
    LDvSprite digits;
};
