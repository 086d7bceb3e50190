#pragma once
// The intro movie's picture: a black backdrop, the current scene's skeleton seen through an old
// projector (a slow zoom-out, a vertical judder that dies away, a flickering brightness), five
// scratches running up the film and the film's frame on top, then the captions.
//
// One drawer lives as long as the movie state that owns it; its brightness and drift carry over
// from one showing to the next. It borrows the current actor (owned by the movie, cleared when
// the movie is left), the movie's picture bundle and the text box. The bundle's pictures must hold
// their pixels (the frame is composed from them on the processor); it owns the composed frame.
#include <array>
#include <cstdint>
#include <memory>

#include "engine/pixel_canvas.h"
#include "framework/ui/ldv_overlay.h"

class KGraphic;
class LDvTextureAtlas;
class SceneTextBox;
struct SpineActor;

class DrawMovie : public LDvOverlay {
public:
    static constexpr float kStartZoom = 1.1f;
    static constexpr float kStartJudder = 5.0f;      // canvas units either way
    static constexpr int32_t kScratchCount = 5;

    struct Scratch {
        float x = 0.0f, y = 0.0f;                    // canvas units
        float drift = 0.0f;                          // -1, 0 or 1, added to x every tick
        float speed = 0.0f;                          // subtracted from y every tick
        int32_t opacityPercent = 0;
    };

    DrawMovie();
    ~DrawMovie() override;
    void OnTick(int tickCount) override;
    void Draw() override;

    // Lets go of the composed frame and of what was kept of the bundle's pictures (when the movie
    // is left and its bundle unloaded); the next draw starts afresh.
    void ForgetPictures();

    // A new scratch somewhere below the screen.
    void ResetScratch(Scratch& scratch);
    void ResetScratches();

    float zoomX = 0.0f, zoomY = 0.0f;
    float brightness = 0.0f;                         // 0.85..1 once the first drift has run
    int32_t brightnessDrift = 0;                     // -1, 0 or 1, rolled every 60 ticks
    int32_t judder = 0;                              // canvas units added to the scene's y
    float judderAmplitude = 0.0f;
    SpineActor* currentActor = nullptr;              // borrowed from the movie
    std::array<Scratch, kScratchCount> scratches{};

    LDvTextureAtlas* bundle = nullptr;               // the film frame and scratch pictures
    SceneTextBox* captions = nullptr;

private:
    void StepZoom();
    void StepJudder(int tickCount);
    void StepBrightness(int tickCount);
    void ComposeScene();
    void ComposeBundlePicture(const char* shortName, float x, float y, float zoom, float opacity, bool centred);

    PixelCanvas canvas;                              // the frame under the captions, composed anew every draw
    std::unique_ptr<KGraphic> composed;              // the canvas as shown

};
