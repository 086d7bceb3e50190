#pragma once
// A hanging wooden panel with a counter centred under its title: the base of the resources and
// level boards of the play screen, the camp and the map. It owns its counter and shares the
// panel and digit pictures (the game's GUI set, which must outlive it). Its step runs the
// counter's count.
#include "framework/ui/ldv_overlay.h"
#include "game/match3/counter.h"

class CounterBoard : public LDvOverlay {
public:
    static constexpr int kCounterDrop = 52;      // pixels from the panel top to the digits

    CounterBoard() = default;

    void setPictures(const LDvSprite& panelPicture, const LDvSprite& digitSheet);
    void OnTick(int tickCount) override;
    void Draw() override;
    int GetWidth() override;
    int GetHeight() override;

    // Where the counter stands for the panel's current position.
    float counterX() const;
    float counterY() const;

    Counter counter;

protected:
    LDvSprite panel;
};
