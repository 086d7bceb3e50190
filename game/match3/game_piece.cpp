#include "game/match3/game_piece.h"

#include <algorithm>
#include <cmath>

#include "framework/core/game_random.h"
#include "framework/effects/bit.h"
#include "game/match3/match3_images.h"

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr float kGravity = 0.55f;          // pixels per step per step, falling and bouncing
constexpr float kMaxFallSpeed = 10.0f;
constexpr float kBounceDamping = 0.43f;
constexpr float kSecondBounceSpeed = 2.0f; // landing slower than this ends the bounce
constexpr float kFlingLift = -5.0f;
constexpr float kFlingGravity = 0.5f;
constexpr int kFlingSpin = 10;             // degrees per step
constexpr int kFlingMinSpeed = 10;         // tenths of a pixel per step
constexpr int kFlingMaxSpeed = 20;
constexpr int kGlowDegreesPerTick = 5;
constexpr int kSpecialSpin = 3;            // degrees per step
constexpr float kSmallHaloZoom = 1.0f;
constexpr float kBigHaloZoom = 2.0f;

float SinDegrees(float degrees) { return std::sin(degrees * kPi / 180.0f); }

}  // namespace

void GamePiece::updateMoving(int tick, bool& changed, bool& landed) {
    shockStep();
    flingStep();
    if (special) specialStep(tick, changed);
    if (dying && !dead) {
        --dyingTicks;
        if (dyingTicks <= 0) {
            changed = true;
            dead = true;
        }
    }
    animationStep(tick);
    if (falling) fallStep(changed, landed);
    if (bouncing) bounceStep();
}

void GamePiece::shockStep() {
    if (shockTicks <= 0) return;
    --shockTicks;
    if (shockTicks == 0 || shockTotal <= 0) {
        shockOffset = {};
        return;
    }
    const float push = 1.0f - std::sqrt(Elapsed(shockTicks, shockTotal));
    shockOffset = {push * shockAmplitude.x, push * shockAmplitude.y};
}

void GamePiece::flingStep() {
    if (!flung) return;
    flingPos.x += flingVelocity.x;
    flingPos.y += flingVelocity.y;
    flingAngle += kFlingSpin;
    flingVelocity.y += kFlingGravity;
}

void GamePiece::specialStep(int tick, bool& changed) {
    if (appearTicks == 0) {
        const float s = SinDegrees(static_cast<float>(tick * kGlowDegreesPerTick));
        glowPulse = static_cast<int32_t>(50.0f + 50.0f * s);
        haloAlpha = static_cast<int32_t>(30.0f + 30.0f * s);
    } else if (--appearTicks == 0) {
        changed = true;
    }
    if (tick % 2 == 0 && ++specialFrame == kPieceFrames) specialFrame = 0;
    specialAngle += kSpecialSpin;
}

// A highlight (or a thrown piece) plays the sheet at half speed; an animation left running after
// the highlight went away finishes at full speed and rests on frame 0.
void GamePiece::animationStep(int tick) {
    if (highlighted || flung) {
        if (tick % 2 != 0) return;
        ++animFrame;
    } else if (animFrame != 0) {
        ++animFrame;
    }
    if (animFrame >= kPieceFrames) {
        animFrame = 0;
        highlighted = false;
    }
}

void GamePiece::fallStep(bool& changed, bool& landed) {
    fallSpeed = std::min(fallSpeed + kGravity, kMaxFallSpeed);
    fallDistance += fallSpeed;
    if (fallDistance < fallLength) {
        updatePathOffset();
        return;
    }
    pathOffset = {};
    falling = false;
    landed = true;
    if (special) changed = true;
    bouncing = true;
    fadingIn = false;
    bounceSpeed = -fallSpeed * kBounceDamping;
    bounceOffset = 0.0f;
}

void GamePiece::bounceStep() {
    bounceSpeed += kGravity;
    bounceOffset += bounceSpeed;
    if (bounceOffset <= 0.0f) return;
    bounceOffset = 0.0f;
    if (bounceSpeed >= kSecondBounceSpeed) {
        bounceSpeed = -bounceSpeed * kBounceDamping;
    } else {
        bouncing = false;
    }
}

void GamePiece::updatePathOffset() {
    const int count = path.Count();
    if (count == 0) {
        pathOffset = {};
        return;
    }
    const int i = std::clamp(static_cast<int>(fallDistance / kCellSize), 0, count - 1);
    const int j = std::min(i + 1, count - 1);
    const float xa = static_cast<float>(kCellLeft + kCellSize * path.Get(i).x);
    const float xb = static_cast<float>(kCellLeft + kCellSize * path.Get(j).x);
    const float along = (fallDistance - static_cast<float>(kCellSize * i)) / kCellSize;
    pathOffset.x = xa + along * (xb - xa) - static_cast<float>(kCellLeft + kCellSize * col);
    pathOffset.y = fallDistance - fallLength;
}

void GamePiece::startFall(const LDvList<LDvPoint>& cells) {
    if (!falling) {
        fallSpeed = 0.0f;
        path = cells;
        fallDistance = 0.0f;
    } else {
        bool first = true;
        for (const LDvPoint& cell : cells) {
            if (!first) path.Add(cell);
            first = false;
        }
    }
    fallLength = static_cast<float>((path.Count() - 1) * kCellSize);
    falling = true;
    updatePathOffset();
}

void GamePiece::fling() {
    flingVelocity.y = kFlingLift;
    const int speed = RandomRange(kFlingMinSpeed, kFlingMaxSpeed);
    const float direction = (GameRand() & 1) != 0 ? 1.0f : -1.0f;
    flingVelocity.x = static_cast<float>(speed) / 10.0f * direction;
    flung = true;
}

float GamePiece::centreX() const {
    float cx = static_cast<float>(kPieceRestX + kCellSize * col) + pathOffset.x + shockOffset.x + swapOffset.x;
    if (flung) cx += flingPos.x;
    return cx;
}

float GamePiece::centreY() const {
    const float offsets = pathOffset.y + shockOffset.y + swapOffset.y + bounceOffset;
    float cy = static_cast<float>(kPieceRestY + kCellSize * row) + std::trunc(offsets);
    if (flung) cy += flingPos.y;
    return cy;
}

// Alpha of a piece entering the board: nothing above fadeTop, full at fadeBottom; the fade is over
// once the sprite has passed fadeBottom.
float GamePiece::fadeAlpha(float spriteTop) {
    if (!fadingIn) return 1.0f;
    if (spriteTop > static_cast<float>(fadeBottom)) {
        fadingIn = false;
        return 1.0f;
    }
    if (spriteTop < static_cast<float>(fadeTop) || fadeBottom <= fadeTop) return 0.0f;
    return (spriteTop - static_cast<float>(fadeTop)) / static_cast<float>(fadeBottom - fadeTop);
}

void GamePiece::draw(Match3Images& images) {
    if (special) {
        drawSpecial(images);
        return;
    }
    const float cx = centreX();
    const float cy = centreY();
    if (dying) {
        drawDying(images, cx, cy);
        return;
    }
    LDvSprite& sprite = images.piece(colour);
    SpriteLook look;
    look.frame = animFrame;
    look.angle = flung ? static_cast<float>(flingAngle) : 0.0f;
    look.opacity = fadeAlpha(cy - static_cast<float>(sprite.frameHeight / 2));
    DrawCentred(sprite, cx, cy, look);
}

void GamePiece::drawDying(Match3Images& images, float cx, float cy) {
    const float u = Elapsed(std::max(dyingTicks, 0), kDyingTicks);
    SpriteLook look;
    look.frame = animFrame;
    look.angle = flung ? static_cast<float>(flingAngle) : 0.0f;
    look.zoom = 1.0f - 0.5f * u;
    look.opacity = std::trunc(100.0f * (1.0f - u)) / 100.0f;
    LDvSprite& sprite = images.piece(colour);
    DrawCentred(sprite, cx, cy, look);
    look.additive = true;
    look.opacity = std::trunc(100.0f * u) / 100.0f;
    DrawCentred(sprite, cx, cy, look);
    SpriteLook flare;
    flare.zoom = 0.5f + 0.5f * u;
    flare.opacity = u;
    DrawCentred(images.flare, cx, cy, flare);
}

void GamePiece::drawSpecial(Match3Images& images) {
    const float cx = centreX();
    const float cy = centreY();
    LDvSprite& sprite = images.special(specialKind);
    SpriteLook look;
    look.frame = specialFrame;
    look.angle = static_cast<float>(specialAngle + (flung ? flingAngle : 0));
    look.opacity = fadeAlpha(cy - static_cast<float>(sprite.frameHeight / 2));
    DrawCentred(sprite, cx, cy, look);
    look.additive = true;
    look.opacity = static_cast<float>(glowPulse) / 100.0f;
    DrawCentred(sprite, cx, cy, look);
    if (specialKind != kSpecialSmallCrystal && specialKind != kSpecialExplodingCrystal) return;
    SpriteLook halo;
    halo.additive = true;
    halo.zoom = specialKind == kSpecialSmallCrystal ? kSmallHaloZoom : kBigHaloZoom;
    halo.opacity = static_cast<float>(haloAlpha) / 100.0f;
    DrawCentred(images.crystalGlow, cx, cy, halo);
}
