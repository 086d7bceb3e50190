#include "game/match3/aimer_cursor.h"

#include "framework/effects/bit.h"

void AimerCursor::Draw() {
    if (hidden) return;
    SpriteLook look;
    look.angle = turn;
    DrawCentred(aimer, static_cast<float>(pointerX), static_cast<float>(pointerY), look);
    aimer.angle = 0.0f;
}
