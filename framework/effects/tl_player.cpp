#include "framework/effects/tl_player.h"

#include "framework/core/game_random.h"

TLPlayer::TLPlayer(LDvSprite& sprite, float px, float py, int framesTicks, float opacityFraction,
                   float scale)
    : sheet(sprite), ticksPerFrame(framesTicks), opacityPercent(static_cast<int32_t>(opacityFraction * 100.0f)) {
    x = px;
    y = py;
    zoom = scale;
}

TLPlayer::TLPlayer(LDvSprite& sprite) : sheet(sprite), additive(false) {}

void TLPlayer::Start() { started = true; }

void TLPlayer::StartAtRandomFrame() {
    currentFrame = RandomRange(0, sheet.frameCount > 0 ? sheet.frameCount - 1 : 0);
    started = true;
}

void TLPlayer::OnTick(int tickCount) {
    if (finished || !started || ticksPerFrame <= 0 || tickCount % ticksPerFrame != 0) return;
    if (backAndForth) {
        StepBackAndForth();
    } else {
        StepForward();
    }
}

void TLPlayer::StepForward() {
    ++currentFrame;
    if (currentFrame < sheet.frameCount) return;
    if (looping) {
        currentFrame = 0;
    } else {
        Finish();
    }
}

// The end frames show for two steps each: the step that reaches past an end lands back on it.
void TLPlayer::StepBackAndForth() {
    currentFrame += direction;
    if (currentFrame >= sheet.frameCount && direction == 1) {
        currentFrame = sheet.frameCount > 0 ? sheet.frameCount - 1 : 0;
        direction = -1;
    } else if (currentFrame < 0 && direction == -1) {
        currentFrame = 0;
        direction = 1;
    }
}

void TLPlayer::Draw() {
    if (finished || !started) return;
    SpriteLook look;
    look.frame = currentFrame;
    look.zoom = zoom;
    look.additive = additive;
    look.opacity = static_cast<float>(opacityPercent) / 100.0f;
    look.angle = static_cast<float>(angleDegrees);
    if (topLeft) {
        DrawTopLeft(sheet, x, y, look);
    } else {
        DrawCentred(sheet, x, y, look);
    }
}
