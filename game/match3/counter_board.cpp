#include "game/match3/counter_board.h"

#include "framework/ui/overlay_images.h"

void CounterBoard::setPictures(const LDvSprite& panelPicture, const LDvSprite& digitSheet) {
    SharePicture(&panel, &panelPicture);
    SharePicture(&counter.digitSprite, &digitSheet);
    frameWidth = panel.frameWidth;
    frameHeight = panel.frameHeight;
}

void CounterBoard::OnTick(int) { counter.countStep(); }

float CounterBoard::counterX() const {
    const int digitWidth = counter.digitSprite.frameWidth;
    return x + static_cast<float>(panel.frameWidth / 2 - digitWidth * counter.digits / 2);
}

float CounterBoard::counterY() const { return y + static_cast<float>(kCounterDrop); }

void CounterBoard::Draw() {
    if (hidden) return;
    panel.x = x;
    panel.y = y;
    panel.opacity = opacity;
    panel.Draw();
    counter.x = counterX();
    counter.y = counterY();
    counter.Draw();
}

int CounterBoard::GetWidth() { return panel.frameWidth; }

int CounterBoard::GetHeight() { return panel.frameHeight; }
