#pragma once
// The base of every short-lived effect: an overlay that animates itself for a while and then
// reports that it is finished. The owner (board, camp, scene) keeps a list of them, steps them
// with Update, draws them and deletes the finished ones. Effects draw through a sprite of their
// owner's, which they never own: it must outlive them. Each draw sets that sprite's position,
// opacity, zoom, angle and blend mode (and the frame where the effect chooses one).
#include "framework/ui/ldv_overlay.h"

class Bit : public LDvOverlay {
public:
    virtual void Finish();
    virtual bool IsFinished();

    bool finished = false;
};

// How an effect shows its sprite for one draw.
struct SpriteLook {
    float opacity = 1.0f;
    float zoom = 1.0f;
    float angle = 0.0f;                // degrees
    bool additive = false;
    int frame = -1;                    // -1 keeps the sprite's frame
};

// Draws `sprite` with its frame centred on (cx, cy), halving the frame size in integers.
void DrawCentred(LDvSprite& sprite, float cx, float cy, const SpriteLook& look);
// Draws `sprite` with its top-left corner at (left, top).
void DrawTopLeft(LDvSprite& sprite, float left, float top, const SpriteLook& look);

// The elapsed fraction t of a countdown of `total` steps with `remaining` left (1 when it has no length).
inline float Elapsed(int remaining, int total) {
    return total > 0 ? 1.0f - static_cast<float>(remaining) / static_cast<float>(total) : 1.0f;
}
