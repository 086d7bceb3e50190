#pragma once
// How the canvas that callers draw on reaches the window's pixels. Callers draw in canvas pixels:
// the window's own size unless set otherwise (the game draws on its 1600 x 900 canvas in a smaller
// window too). The accelerated renderer maps each picture straight onto the window's pixels. The
// software renderer, which scales pictures one by one several times slower than it copies them,
// composes every frame that is not shown at canvas size in a picture of its own and scales it once
// when it is presented. Either way the edges of every unturned picture land on whole window pixels,
// so neighbouring pictures meet at any display scale and in full screen.
//
// A frame begins at its first draw (cleared to black) and is finished when it is shown or read.
// Owned by KWindow for as long as the window's renderer lives; owns the composition texture.
#include <cstdint>

struct SDL_FRect;
struct SDL_Renderer;
struct SDL_Texture;

class FrameCanvas {
public:
    // `composes`: scale whole frames (software renderer) rather than each picture. `format`: the
    // composition texture's layout. The window size is the logical size the renderer letter-boxes.
    FrameCanvas(SDL_Renderer* renderer, bool composes, uint32_t format, int windowWidth, int windowHeight);
    ~FrameCanvas();
    FrameCanvas(const FrameCanvas&) = delete;
    FrameCanvas& operator=(const FrameCanvas&) = delete;

    void setSize(int width, int height);
    // The area the frame is shown in changed (the window was resized); taken from the next frame on.
    void setWindowSize(int width, int height);
    int width() const { return canvasWidth; }
    int height() const { return canvasHeight; }

    // Starts a frame: chooses whether it is composed, makes it the render target and clears it.
    void begin();
    bool begun() const { return frameBegun; }
    bool composing() const { return frameBegun && composed; }
    bool shownAlready() const { return shown; }
    // Makes the frame the render target again (after drawing into a picture, or after it was shown
    // and more is drawn into it).
    void resumeDrawing();
    // Puts a composed frame onto the window; afterwards the window is the render target. Does nothing
    // when the frame was shown already and nothing was drawn since.
    void finish();
    // Forgets the frame (shown or dropped): the next draw begins a new one.
    void end();

    // Canvas coordinates to the ones handed to SDL for the frame. With `snap` both edges of the
    // rectangle land on whole window pixels, computed from the canvas edges so that a picture ending
    // where its neighbour starts ends on the very pixel where the neighbour starts.
    void map(SDL_FRect& rect, bool snap) const;
    void map(float& x, float& y) const;
    float lengthScaleX() const { return toTargetX; }  // a canvas length in SDL's coordinates
    float lengthScaleY() const { return toTargetY; }

private:
    bool ensureTexture();
    void clearUncoveredWindow();

    SDL_Renderer* renderer;
    bool composes;
    uint32_t format;
    int windowWidth;
    int windowHeight;
    int canvasWidth;
    int canvasHeight;
    SDL_Texture* texture = nullptr;
    int textureWidth = 0;
    int textureHeight = 0;
    bool frameBegun = false;
    bool composed = false;               // this frame is drawn into the texture
    bool shown = false;                  // finish() ran and nothing was drawn since
    float toTargetX = 1.0f;              // canvas -> SDL coordinates of the frame's render target
    float toTargetY = 1.0f;
    float pixelsX = 1.0f;                // SDL coordinates -> window pixels (SDL's letter-box scale)
    float pixelsY = 1.0f;
};
