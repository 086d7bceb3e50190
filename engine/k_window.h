#pragma once
// The game window: one instance for the whole run, owned by the game shell. It owns the SDL window
// and renderer; every KGraphic draws through the window that is current (the last one created).
// Textures made on a window's renderer die with the window: pictures outliving it draw nothing
// until they are loaded again. The test input set with setTestInput is borrowed.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/frame_signature.h"
#include "engine/k_event.h"

// Which renderer family a window uses. The shell prefers the accelerated one and falls back once.
constexpr int K_RENDERER_NONE = -1;
constexpr int K_RENDERER_SOFTWARE = 0;     // SDL software renderer
constexpr int K_RENDERER_ACCELERATED = 3;  // SDL accelerated renderer with vsync, on a real GPU only

int getRendererKind();                     // process-wide; K_RENDERER_NONE until a window was created

// Event type (KEvent::type) of the window's own: the area the canvas is shown in changed size
// (getWidth, getHeight), because the window was resized, maximised or switched to full screen.
constexpr int32_t K_EVENT_RESIZED = 15;

struct SDL_Window;
struct SDL_Renderer;
union SDL_Event;
class FrameCanvas;
class KTestInput;

// Lets the accelerated renderer run on any OpenGL, CPU rasterisers such as Mesa's llvmpipe included
// (for tests and measurements; a player's machine prefers the software renderer over those). Also on
// when the environment variable QUORVANE_ANY_OPENGL is "1".
void setAcceleratedOnAnyOpenGl(bool allowed);
bool acceleratedOnAnyOpenGl();

class KWindow {
public:
    using EventHandler = std::function<bool(KEvent*)>;
    // Sees every platform event first (message = SDL event type); returning false swallows it.
    using MessageHook = std::function<bool(KWindow*, int message, int64_t param1, int64_t param2)>;

    explicit KWindow(int rendererKind);
    ~KWindow();  // destroys the window; logs "<renderer>: cleaned up"
    KWindow(const KWindow&) = delete;
    KWindow& operator=(const KWindow&) = delete;

    static KWindow* current();

    // With letter-boxing the window can take any size, full screen keeps the desktop's mode, and
    // the canvas is shown in the largest area of its aspect that fits (engine/letter_box.h).
    void setAspectCorrection(bool letterBox);
    // The smallest size the player can give the window (before or after creation; 0 x 0: no limit).
    void setMinimumSize(int minimumWidth, int minimumHeight);
    // depth is always 32 and windowed always true from the shell; the last argument is unused.
    // width x height is the window's size; with letter-boxing the canvas may take less of it.
    bool createGameWindow(int width, int height, int depth, bool windowed, const char* title, int unused = 0);
    // Leaving full screen brings back the window's last windowed size.
    bool toggleFullScreen(bool fullScreen);
    void maximise();            // as the window's maximise button; nothing without a window manager
    bool isMaximised() const;
    // The window's size when last neither full screen nor maximised: what is worth remembering.
    void getWindowedSize(int& windowedWidth, int& windowedHeight) const;
    const char* videoDriver() const;  // SDL's video driver ("x11", "wayland", "dummy", ...)
    // The picture the desktop shows for the window (task bar, switcher); false, logged, when the
    // file cannot be decoded, and the window keeps the desktop's default.
    bool setIcon(const char* picturePath);
    bool isFullScreen() const;
    void setMaxFrameRate(int framesPerSecond);  // -1: no cap

    void setEventHandler(EventHandler handler);
    void setMessageHook(MessageHook hook);

    bool isQuitRequested() const;
    void requestQuit();
    bool hasFocus() const;

    // Destinations are scaled by zoom about the window's top-left corner, then translated. Rotation
    // is not supported (one engine log line); `clear` clears the back buffer.
    void setWorldView(float translateX, float translateY, float rotationDegrees, float zoom, bool clear);
    void setDefaultWorldView();

    // Presents the frame, then pumps pending platform events (and scripted test input) into the
    // message hook and the event handler. The next frame starts cleared at its first draw.
    void flipBackBuffer(bool waitForRetrace = true);
    // Ends a frame that would show what the window shows already: nothing is presented and what was
    // drawn into the frame is dropped; events are pumped, scripted input is delivered and the frame
    // counts as flipBackBuffer does.
    void holdFrame();

    // Callers draw on a canvas of this size, mapped onto the window (engine/frame_canvas.h); until
    // set, the canvas is the window's own size.
    void setCanvasSize(int canvasWidth, int canvasHeight);

    // What was drawn since the frame began (engine/frame_signature.h), with the window's size and
    // mode. While probing, draws only add to it and reach no renderer, so a caller can learn whether
    // a frame would differ from the last one without drawing it.
    FrameSignature& signature() { return frameSignature; }
    void setProbing(bool probe) { probingDraws = probe; }
    bool probing() const { return probingDraws; }
    bool isMinimised() const;  // minimised or hidden: nothing of it can be seen

    // The area the canvas is shown in, in window pixels: the client area less the letter-box bars.
    // It follows the window's size; each change is announced with a K_EVENT_RESIZED event.
    int getWidth() const;
    int getHeight() const;
    const char* rendererName() const;     // "SDL2 accelerated renderer" or "SDL2 software renderer"
    bool presentWaitsForDisplay() const;  // true when presenting blocks on vsync, so the loop need not sleep

    // Reads the frame as the window shows it once presented (before the next flip) as RGBA pixels,
    // row-major; a held frame reads as the last one presented (software renderer).
    bool readPixels(std::vector<uint32_t>& rgba, int& width, int& height) const;

    // Test mode: scripted input and frame capture (engine/k_test_input.h); null turns it off.
    void setTestInput(KTestInput* input) { testInput = input; }
    bool hasTestInput() const { return testInput != nullptr; }
    uint32_t frameNumber() const { return frameCount; }  // flipBackBuffer calls so far

    // Hands an event to the engine as if the platform had sent it: the mouse state, focus and
    // the event handler see it. Scripted input arrives this way (without the message hook).
    void deliverEvent(KEvent event);
    void deliverCharacter(uint32_t codePoint, int32_t message = 0);  // type 5 when below 256, then type 50
    void closeByPlayer();                       // the window's close button: quit requested

    // World view applied by KGraphic to every destination coordinate.
    float viewTranslateX() const { return worldTx; }
    float viewTranslateY() const { return worldTy; }
    float viewZoom() const { return worldZoom; }

    // Engine-internal: the renderer, this window's unique number (textures remember it), the
    // pixel format of its textures, and whether drawing goes into a picture instead of the window.
    SDL_Renderer* sdlRenderer() const { return renderer; }
    uint32_t serial() const { return windowSerial; }
    uint32_t textureFormat() const { return pixelFormat; }
    // The layout for pictures without transparency: on the software renderer, the window surface's
    // own, so a picture drawn without blending is copied row by row.
    uint32_t opaqueTextureFormat() const { return opaquePixelFormat; }
    bool drawsIntoPicture() const { return targetActive; }
    bool turnsSmoothly() const { return rendererKind != K_RENDERER_SOFTWARE; }  // see k_graphic.h
    void setDrawsIntoPicture(bool active);
    // The frame ready to take a draw: begun (cleared) at the first one, the render target again
    // after a picture was drawn into or the frame was read.
    void prepareFrame();
    const FrameCanvas* frameCanvas() const { return canvas.get(); }

private:
    bool createRenderer();
    void followWindowSize();
    void noteWindowedSize();
    bool isRealGpu() const;
    void destroy();
    void pumpEvents();
    void handlePlatformEvent(const SDL_Event& event);
    void handleWindowEvent(int windowEvent);
    void handleMouseButton(const SDL_Event& event, bool pressed);
    void handleKey(const SDL_Event& event, bool pressed);
    void handleText(const char* utf8);
    void capFrameRate();
    void startSignature();

    int rendererKind;
    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    int width = 0;                       // the canvas's area (getWidth)
    int height = 0;
    int windowedWidth = 0;               // getWindowedSize
    int windowedHeight = 0;
    int minimumWidth = 0;
    int minimumHeight = 0;
    bool letterBox = false;
    bool fullScreen = false;
    bool quitRequested = false;
    bool focused = true;
    bool vsync = false;
    float worldTx = 0.0f;
    float worldTy = 0.0f;
    float worldRotation = 0.0f;
    float worldZoom = 1.0f;
    bool rotationLogged = false;
    bool videoStarted = false;
    bool targetActive = false;
    int maxFrameRate = -1;
    uint32_t lastPresentMs = 0;
    uint32_t frameCount = 0;
    uint32_t windowSerial = 0;
    uint32_t pixelFormat = 0;
    uint32_t opaquePixelFormat = 0;
    KTestInput* testInput = nullptr;
    std::unique_ptr<FrameCanvas> canvas;
    int canvasWidthWanted = 0;           // 0: the window's own size
    int canvasHeightWanted = 0;
    FrameSignature frameSignature;
    bool probingDraws = false;
    EventHandler eventHandler;
    MessageHook messageHook;
};
