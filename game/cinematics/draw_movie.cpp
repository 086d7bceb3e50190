#include "game/cinematics/draw_movie.h"

#include <cmath>
#include <string>

#include "engine/k_graphic.h"
#include "engine/k_window.h"
#include "framework/core/game_random.h"
#include "framework/ui/ldv_texture_atlas.h"
#include "game/cinematics/spine_actor.h"
#include "game/cinematics/spine_compose.h"
#include "game/scenes/scene_text_box.h"

namespace {

constexpr float kZoomStep = 0.001f;                 // per tick: from 1.1 the zoom-out takes 100 ticks
constexpr int kJudderEvery = 3;                     // ticks
constexpr float kJudderDecay = 0.15f;
constexpr int kDriftEvery = 60;                     // ticks between brightness rolls
constexpr float kBrightnessStep = 0.01f;
constexpr float kDimmest = 0.85f;
constexpr float kBrightest = 1.0f;
constexpr int kCanvasWidth = 1600;
constexpr int kCanvasHeight = 900;
constexpr float kFrameZoom = 4.0f;
constexpr float kScratchLost = -900.0f;             // a scratch above this has run off the film
constexpr int kCentreX = 800;
constexpr int kCentreY = 450;
constexpr uint32_t kBackdropBlack = 0xFF000000u;
constexpr const char* kFramePicture = "oldfilm_frame";
constexpr std::array<const char*, DrawMovie::kScratchCount> kScratchPictures = {"scratch1", "scratch2", "scratch3",
                                                                                 "scratch4", "scratch5"};

struct ScratchRange {
    int low, high;
};
constexpr ScratchRange kScratchX{0, 1600};
constexpr ScratchRange kScratchY{900, 1200};
constexpr ScratchRange kScratchSpeed{200, 250};
constexpr ScratchRange kScratchOpacity{5, 25};

}  // namespace

DrawMovie::DrawMovie() = default;
DrawMovie::~DrawMovie() = default;

void DrawMovie::ForgetPictures() {
    canvas = PixelCanvas();
    composed.reset();
}

void DrawMovie::ResetScratch(Scratch& scratch) {
    scratch.x = static_cast<float>(RandomRange(kScratchX.low, kScratchX.high));
    scratch.y = static_cast<float>(RandomRange(kScratchY.low, kScratchY.high));
    scratch.drift = static_cast<float>(RandomRange(-1, 1));
    scratch.speed = static_cast<float>(RandomRange(kScratchSpeed.low, kScratchSpeed.high));
    scratch.opacityPercent = RandomRange(kScratchOpacity.low, kScratchOpacity.high);
}

void DrawMovie::ResetScratches() {
    for (Scratch& scratch : scratches) ResetScratch(scratch);
}

void DrawMovie::OnTick(int tickCount) {
    StepZoom();
    for (Scratch& scratch : scratches) {
        scratch.y -= scratch.speed;
        scratch.x += scratch.drift;
        if (scratch.y < kScratchLost) ResetScratch(scratch);
    }
    StepJudder(tickCount);
    StepBrightness(tickCount);
}

void DrawMovie::StepZoom() {
    if (zoomX <= 1.0f) return;
    zoomX -= kZoomStep;
    zoomY -= kZoomStep;
}

void DrawMovie::StepJudder(int tickCount) {
    if (judderAmplitude == 0.0f || tickCount % kJudderEvery != 0) return;
    judderAmplitude -= kJudderDecay;
    if (judderAmplitude < 0.0f) judderAmplitude = 0.0f;
    const int extent = static_cast<int>(judderAmplitude);
    judder = RandomRange(-extent, extent);
}

// While the drift is 0 the skeleton keeps the brightness it last got, so a first movie shows its
// scenes at full brightness until the first non-zero roll.
void DrawMovie::StepBrightness(int tickCount) {
    if (tickCount % kDriftEvery == 0) brightnessDrift = RandomRange(-1, 1);
    if (brightnessDrift == 0) return;
    brightness += static_cast<float>(brightnessDrift) * kBrightnessStep;
    if (brightness < kDimmest) brightness = kDimmest;
    if (brightness > kBrightest) brightness = kBrightest;
    if (currentActor != nullptr) currentActor->skeleton.brightness = brightness;
}

// The whole picture under the captions is composed on the processor and shown as one: drawn
// layer by layer, the software renderer blended up to ten tinted, scaled full-screen layers a frame.
void DrawMovie::Draw() {
    if (canvas.width() == 0 && !canvas.resize(kCanvasWidth, kCanvasHeight)) return;
    canvas.begin(kBackdropBlack);
    ComposeScene();
    ComposeBundlePicture(kFramePicture, kCentreX, kCentreY, kFrameZoom, 1.0f, true);
    for (int i = 0; i < kScratchCount; ++i) {
        const Scratch& scratch = scratches[i];
        ComposeBundlePicture(kScratchPictures[i], scratch.x, scratch.y, 1.0f,
                             static_cast<float>(scratch.opacityPercent) / 100.0f, false);
    }
    canvas.finish();
    if (!composed) composed = createKGraphic();
    if (composed->updateOpaquePixels(canvas.pixels().data(), canvas.width(), canvas.height())) {
        composed->blitAlphaRect(0.0f, 0.0f, static_cast<float>(kCanvasWidth), static_cast<float>(kCanvasHeight), 0.0f,
                                0.0f);
    }
    if (captions != nullptr) captions->Draw();
}

// The skeleton is composed into a canvas-sized picture, so it is posed in canvas pixels whatever
// the window's scale: the window scales the composed picture as it scales everything else.
void DrawMovie::ComposeScene() {
    SpineBone* root = currentActor == nullptr ? nullptr : currentActor->skeleton.BoneAt(0);
    if (root == nullptr) return;
    root->scaleX = zoomX;
    root->scaleY = zoomY;
    SetActorPosition(*currentActor, kCentreX, kCentreY + static_cast<float>(judder));
    root->x = currentActor->x;
    root->y = currentActor->y;
    ComposeActor(*currentActor, canvas);
}

// Placed as a sprite zoomed about its centre would be; a picture the data may lack, or one holding
// no pixels, is simply not drawn.
void DrawMovie::ComposeBundlePicture(const char* shortName, float x, float y, float zoom, float opacity,
                                     bool centred) {
    if (bundle == nullptr) return;
    LDvSprite* item = bundle->FindItem(shortName);
    if (item == nullptr || !item->loaded || item->Picture() == nullptr) return;
    const PixelPicture picture = pixelsOf(*item->Picture());
    if (picture.pixels == nullptr) return;
    const float left = centred ? x - static_cast<float>(item->GetFrameWidth() / 2) : x;
    const float top = centred ? y - static_cast<float>(item->GetFrameHeight() / 2) : y;
    const float pivotX = static_cast<float>(picture.width) * 0.5f;
    const float pivotY = static_cast<float>(picture.height) * 0.5f;
    const float x1 = left + pivotX - pivotX * zoom;
    const float y1 = top + pivotY - pivotY * zoom;
    const float x2 = x1 + static_cast<float>(picture.width) * zoom;
    const float y2 = y1 + static_cast<float>(picture.height) * zoom;
    const float corners[8] = {x1, y1, x2, y1, x2, y2, x1, y2};
    canvas.drawPicture(picture, corners, PixelTint{255, 255, 255, tintLevel(opacity)});
}
