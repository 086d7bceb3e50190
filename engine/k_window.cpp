#include "engine/k_window.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>

#include "engine/image_codec.h"
#include "engine/frame_canvas.h"
#include "engine/k_clock.h"
#include "engine/k_log.h"
#include "engine/k_system.h"
#include "engine/k_test_input.h"
#include "engine/letter_box.h"
#include "engine/mouse_state.h"
#include "engine/sdl_key_map.h"
#include "engine/text_decoding.h"

namespace {

KWindow* currentWindow = nullptr;
int activeRendererKind = K_RENDERER_NONE;
uint32_t lastSerial = 0;

constexpr unsigned kGlRendererString = 0x1F01;  // GL_RENDERER
// CPU rasterisers that SDL's OpenGL renderers may land on: slower than SDL's own software renderer.
constexpr const char* kCpuRasterisers[] = {"llvmpipe", "softpipe", "Software Rasterizer", "swrast"};
constexpr int32_t kWheelNotch = 120;           // platform wheel delta of one notch
constexpr int32_t kKeyRepeatBit = 0x4000;      // in the key message's high word: key was already down
constexpr int32_t kKeyReleaseBits = 0xC000;    // previous state and transition bits of a release

int32_t engineButton(uint8_t sdlButton) {
    switch (sdlButton) {
        case SDL_BUTTON_LEFT: return K_BUTTON_LEFT;
        case SDL_BUTTON_RIGHT: return K_BUTTON_RIGHT;
        case SDL_BUTTON_MIDDLE: return K_BUTTON_MIDDLE;
        default: return 0;
    }
}

}  // namespace

int getRendererKind() { return activeRendererKind; }

namespace {

bool anyOpenGlAllowed = false;

}  // namespace

void setAcceleratedOnAnyOpenGl(bool allowed) { anyOpenGlAllowed = allowed; }

bool acceleratedOnAnyOpenGl() {
    const char* wanted = std::getenv("QUORVANE_ANY_OPENGL");
    return anyOpenGlAllowed || (wanted != nullptr && std::strcmp(wanted, "1") == 0);
}

KWindow::KWindow(int kind) : rendererKind(kind) {}

KWindow::~KWindow() {
    destroy();
    engineLog("%s: cleaned up", rendererName());
}

KWindow* KWindow::current() { return currentWindow; }

void KWindow::destroy() {
    if (currentWindow == this) {
        currentWindow = nullptr;
        activeRendererKind = K_RENDERER_NONE;
    }
    canvas.reset();
    if (renderer) SDL_DestroyRenderer(renderer);  // frees every texture made on it
    if (window) SDL_DestroyWindow(window);
    renderer = nullptr;
    window = nullptr;
    if (videoStarted) SDL_QuitSubSystem(SDL_INIT_VIDEO);
    videoStarted = false;
}

void KWindow::setAspectCorrection(bool letterBoxing) { letterBox = letterBoxing; }

void KWindow::setMinimumSize(int minimumW, int minimumH) {
    minimumWidth = minimumW;
    minimumHeight = minimumH;
    if (window) SDL_SetWindowMinimumSize(window, minimumWidth, minimumHeight);
}

namespace {

// Without a DRM device the only OpenGL is a CPU rasteriser; finding that out through SDL costs
// about a third of a second of start-up, so look for the device first.
bool hasGraphicsDevice() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", ec)) {
        (void)entry;
        return true;
    }
    return false;
}

}  // namespace

bool KWindow::createGameWindow(int w, int h, int depth, bool windowed, const char* title, int) {
    (void)depth;  // always 32 bits
    destroy();
    if (rendererKind == K_RENDERER_ACCELERATED && !hasGraphicsDevice() && !acceleratedOnAnyOpenGl()) {
        engineLog("%s: no graphics device in /dev/dri", rendererName());
        return false;
    }
    if (!startVideo()) {
        engineLog("%s: SDL video failed: %s", rendererName(), SDL_GetError());
        return false;
    }
    videoStarted = true;
    // A quit posted for an earlier window stays queued while the sound device keeps SDL's event
    // queue alive; it must not close this one.
    SDL_FlushEvent(SDL_QUIT);
    width = windowedWidth = w;
    height = windowedHeight = h;
    if (rendererKind == K_RENDERER_SOFTWARE) {
        // Otherwise SDL presents the software frame through OpenGL, which on a CPU costs more than drawing it.
        SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    }
    // A letter-boxed canvas fits any window, so the player may size it freely.
    const Uint32 flags = letterBox ? SDL_WINDOW_RESIZABLE : 0;
    window = SDL_CreateWindow(title ? title : "", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, w, h, flags);
    if (window && (minimumWidth > 0 || minimumHeight > 0)) SDL_SetWindowMinimumSize(window, minimumWidth, minimumHeight);
    if (!window || !createRenderer()) {
        if (!window) engineLog("%s: cannot create the window: %s", rendererName(), SDL_GetError());
        destroy();
        return false;
    }
    windowSerial = ++lastSerial;
    currentWindow = this;
    activeRendererKind = rendererKind;
    engineLog("%s: window %d x %d on video driver '%s'", rendererName(), w, h, SDL_GetCurrentVideoDriver());
    setDefaultWorldView();
    SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
    SDL_RenderClear(renderer);
    if (!windowed) toggleFullScreen(true);
    startSignature();
    return true;
}

bool KWindow::setIcon(const char* picturePath) {
    DecodedImage icon;
    if (!window || !decodeImageFile(picturePath, icon)) {
        engineLog("window icon: cannot use %s", picturePath);
        return false;
    }
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon.pixels.data(), icon.width, icon.height, 32,
                                                              icon.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return false;
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
    return true;
}

bool KWindow::createRenderer() {
    const bool accelerated = rendererKind == K_RENDERER_ACCELERATED;
    const Uint32 flags = SDL_RENDERER_TARGETTEXTURE |
                         (accelerated ? SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC : SDL_RENDERER_SOFTWARE);
    renderer = SDL_CreateRenderer(window, -1, flags);
    if (!renderer) {
        engineLog("%s: cannot create the renderer: %s", rendererName(), SDL_GetError());
        return false;
    }
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer, &info);
    if (accelerated && (!(info.flags & SDL_RENDERER_ACCELERATED) || !isRealGpu())) {
        engineLog("%s: '%s' does not run on a graphics card", rendererName(), info.name);
        return false;
    }
    // SDL imitates vsync on its software renderer by sleeping; a CPU-drawn frame has no retrace to wait for.
    if (!accelerated) {
        SDL_RenderSetVSync(renderer, 0);
        SDL_GetRendererInfo(renderer, &info);
    }
    vsync = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    // Textures in the renderer's own layout are drawn without a conversion per blit.
    pixelFormat = SDL_PIXELFORMAT_ABGR8888;
    for (Uint32 i = 0; i < info.num_texture_formats; ++i) {
        const Uint32 format = info.texture_formats[i];
        if (format == SDL_PIXELFORMAT_ARGB8888 || format == SDL_PIXELFORMAT_ABGR8888) {
            pixelFormat = format;
            break;
        }
    }
    opaquePixelFormat = pixelFormat;
    for (Uint32 i = 0; !accelerated && i < info.num_texture_formats; ++i) {
        if (info.texture_formats[i] == SDL_PIXELFORMAT_RGB888) opaquePixelFormat = SDL_PIXELFORMAT_RGB888;
    }
    canvas = std::make_unique<FrameCanvas>(renderer, !accelerated, opaquePixelFormat, width, height);
    if (canvasWidthWanted > 0) canvas->setSize(canvasWidthWanted, canvasHeightWanted);
    if (letterBox) SDL_RenderSetLogicalSize(renderer, width, height);
    followWindowSize();
    engineLog("%s: SDL renderer '%s'%s", rendererName(), info.name, vsync ? " with vsync" : "");
    return true;
}

bool KWindow::isRealGpu() const {
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer, &info);
    if (std::strncmp(info.name, "opengl", 6) != 0) return std::strcmp(info.name, "software") != 0;
    using GetString = const unsigned char* (*)(unsigned);
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const char* device = getString ? reinterpret_cast<const char*>(getString(kGlRendererString)) : nullptr;
    if (!device) return false;
    engineLog("%s: OpenGL device '%s'", rendererName(), device);
    if (acceleratedOnAnyOpenGl()) return true;
    for (const char* rasteriser : kCpuRasterisers) {
        if (std::strstr(device, rasteriser)) return false;
    }
    return true;
}

bool KWindow::toggleFullScreen(bool full) {
    if (!window) return false;
    if (full == fullScreen) return true;
    if (full) noteWindowedSize();
    // Letter-boxing keeps the desktop's mode; without it the display switches to the window's size.
    const Uint32 mode = full ? (letterBox ? SDL_WINDOW_FULLSCREEN_DESKTOP : SDL_WINDOW_FULLSCREEN) : 0;
    if (SDL_SetWindowFullscreen(window, mode) != 0) {
        engineLog("%s: cannot switch to %s: %s", rendererName(), full ? "full screen" : "windowed", SDL_GetError());
        return false;
    }
    fullScreen = full;
    // Some video drivers (SDL's dummy one among them) keep the desktop size after leaving full screen.
    if (!full && !isMaximised()) SDL_SetWindowSize(window, windowedWidth, windowedHeight);
    // Drivers that change the size at once announce it only with the next events; drawing follows now.
    followWindowSize();
    return true;
}

void KWindow::maximise() {
    if (window) SDL_MaximizeWindow(window);
}

bool KWindow::isMaximised() const { return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_MAXIMIZED) != 0; }

void KWindow::getWindowedSize(int& windowedW, int& windowedH) const {
    windowedW = windowedWidth;
    windowedH = windowedHeight;
}

const char* KWindow::videoDriver() const {
    const char* driver = videoStarted ? SDL_GetCurrentVideoDriver() : nullptr;
    return driver ? driver : "none";
}

void KWindow::noteWindowedSize() {
    if (!window || fullScreen) return;
    if (SDL_GetWindowFlags(window) & (SDL_WINDOW_MAXIMIZED | SDL_WINDOW_MINIMIZED | SDL_WINDOW_FULLSCREEN)) return;
    SDL_GetWindowSize(window, &windowedWidth, &windowedHeight);
}

// The canvas keeps its aspect in a window of any size: SDL is told the area it fills, which it
// centres between bars, and the game hears of every new size (its display scale follows).
void KWindow::followWindowSize() {
    noteWindowedSize();
    if (!renderer || !canvas || !letterBox) return;
    int outputWidth = 0;
    int outputHeight = 0;
    if (SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight) != 0) return;
    const AreaSize area = letterBoxArea(canvas->width(), canvas->height(), outputWidth, outputHeight);
    if (area.width <= 0 || (area.width == width && area.height == height)) return;
    width = area.width;
    height = area.height;
    SDL_RenderSetLogicalSize(renderer, width, height);
    canvas->setWindowSize(width, height);
    engineLog("%s: the canvas is shown at %d x %d in a window of %d x %d", rendererName(), width, height,
              outputWidth, outputHeight);
    KEvent resized;
    resized.type = K_EVENT_RESIZED;
    resized.message = SDL_WINDOWEVENT;
    deliverEvent(resized);
}

bool KWindow::isFullScreen() const { return fullScreen; }

void KWindow::setMaxFrameRate(int framesPerSecond) { maxFrameRate = framesPerSecond; }

void KWindow::setEventHandler(EventHandler handler) { eventHandler = std::move(handler); }

void KWindow::setMessageHook(MessageHook hook) { messageHook = std::move(hook); }

bool KWindow::isQuitRequested() const { return quitRequested; }

void KWindow::requestQuit() {
    quitRequested = true;
    if (videoStarted) {
        SDL_Event quit{};
        quit.type = SDL_QUIT;
        SDL_PushEvent(&quit);
    }
}

void KWindow::closeByPlayer() { quitRequested = true; }

bool KWindow::hasFocus() const { return focused; }

void KWindow::setWorldView(float translateX, float translateY, float rotationDegrees, float zoom, bool clear) {
    worldTx = translateX;
    worldTy = translateY;
    worldRotation = rotationDegrees;
    worldZoom = zoom;
    if (rotationDegrees != 0.0f && !rotationLogged) {
        engineLog("%s: world view rotation is not supported and ignored", rendererName());
        rotationLogged = true;
    }
    if (clear && renderer && !probingDraws) {
        prepareFrame();
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
    }
}

void KWindow::setDefaultWorldView() {
    worldTx = 0.0f;
    worldTy = 0.0f;
    worldRotation = 0.0f;
    worldZoom = 1.0f;
}

void KWindow::flipBackBuffer(bool waitForRetrace) {
    (void)waitForRetrace;  // vsync is chosen with the renderer
    ++frameCount;
    if (renderer) {
        if (targetActive) setDrawsIntoPicture(false);  // a picture left as the target would swallow the frame
        if (!canvas->begun()) canvas->begin();         // a frame without draws shows black
        canvas->finish();
        if (testInput) testInput->beforePresent(*this, frameCount);
        SDL_RenderPresent(renderer);
        canvas->end();
        capFrameRate();
    }
    pumpEvents();
    if (testInput) testInput->deliverDue(*this, frameCount);
    startSignature();
}

void KWindow::holdFrame() {
    ++frameCount;
    if (renderer) {
        if (targetActive) setDrawsIntoPicture(false);
        canvas->end();
    }
    pumpEvents();
    if (testInput) testInput->deliverDue(*this, frameCount);
    startSignature();
}

// A frame shows the same as another only in a window of the same size and mode, on the same device.
void KWindow::startSignature() {
    frameSignature.reset();
    int outputWidth = 0;
    int outputHeight = 0;
    if (renderer) SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
    frameSignature.add(outputWidth, outputHeight, fullScreen, windowSerial);
}

void KWindow::setCanvasSize(int canvasWidth, int canvasHeight) {
    canvasWidthWanted = canvasWidth;
    canvasHeightWanted = canvasHeight;
    if (canvas) canvas->setSize(canvasWidth, canvasHeight);
    followWindowSize();
}

void KWindow::prepareFrame() {
    if (!canvas) return;
    if (!canvas->begun()) {
        canvas->begin();
    } else if (canvas->shownAlready()) {
        canvas->resumeDrawing();
    }
}

void KWindow::setDrawsIntoPicture(bool active) {
    targetActive = active;
    // Back from a picture, draws go to the frame (or nowhere yet, until the frame's first draw).
    if (!active && renderer && !probingDraws) {
        if (canvas && canvas->begun()) {
            canvas->resumeDrawing();
        } else {
            SDL_SetRenderTarget(renderer, nullptr);
        }
    }
}

bool KWindow::isMinimised() const {
    return window && (SDL_GetWindowFlags(window) & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN)) != 0;
}

void KWindow::capFrameRate() {
    if (maxFrameRate <= 0 || vsync) return;
    const uint32_t frameMs = 1000u / static_cast<uint32_t>(maxFrameRate);
    const uint32_t elapsed = getMilliseconds() - lastPresentMs;
    if (elapsed < frameMs) sleepMilliseconds(frameMs - elapsed);
    lastPresentMs = getMilliseconds();
}

int KWindow::getWidth() const { return width; }
int KWindow::getHeight() const { return height; }

const char* KWindow::rendererName() const {
    return rendererKind == K_RENDERER_ACCELERATED ? "SDL2 accelerated renderer" : "SDL2 software renderer";
}

bool KWindow::presentWaitsForDisplay() const { return vsync; }

bool KWindow::readPixels(std::vector<uint32_t>& rgba, int& outWidth, int& outHeight) const {
    rgba.clear();
    outWidth = outHeight = 0;
    if (!renderer) return false;
    if (canvas && canvas->begun()) canvas->finish();
    int outputWidth = 0;
    int outputHeight = 0;
    SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
    int w = outputWidth;
    int h = outputHeight;
    int logicalWidth = 0;
    int logicalHeight = 0;
    SDL_RenderGetLogicalSize(renderer, &logicalWidth, &logicalHeight);
    if (logicalWidth > 0 && logicalHeight > 0) {
        // The letter-boxed area, as SDL sizes it: the logical size at the scale that fits.
        constexpr float kRoundingSlack = 1.0e-3f;
        const float scale = std::min(static_cast<float>(outputWidth) / static_cast<float>(logicalWidth),
                                     static_cast<float>(outputHeight) / static_cast<float>(logicalHeight));
        w = std::min(w, static_cast<int>(std::ceil(static_cast<float>(logicalWidth) * scale - kRoundingSlack)));
        h = std::min(h, static_cast<int>(std::ceil(static_cast<float>(logicalHeight) * scale - kRoundingSlack)));
    }
    if (w <= 0 || h <= 0) return false;
    // SDL reads the viewport as it rounds it, which may be a pixel wider than this rounding: the rows
    // land in a buffer of the whole output's size, which holds any viewport.
    std::vector<uint32_t> whole(static_cast<size_t>(outputWidth) * outputHeight);
    if (SDL_RenderReadPixels(renderer, nullptr, SDL_PIXELFORMAT_RGBA32, whole.data(), outputWidth * 4) != 0) {
        engineLog("%s: cannot read the frame: %s", rendererName(), SDL_GetError());
        return false;
    }
    rgba.resize(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        std::copy_n(whole.begin() + static_cast<ptrdiff_t>(y) * outputWidth, w, rgba.begin() + static_cast<ptrdiff_t>(y) * w);
    }
    outWidth = w;
    outHeight = h;
    return true;
}

void KWindow::pumpEvents() {
    if (!videoStarted) return;
    SDL_Event event;
    while (SDL_PollEvent(&event)) handlePlatformEvent(event);
}

namespace {

// What the message hook receives besides the event type, in the spirit of a window message's
// two parameters: the button or key, and the position or scan code.
void hookParameters(const SDL_Event& event, int64_t& first, int64_t& second) {
    switch (event.type) {
        case SDL_MOUSEMOTION:
            first = event.motion.state;
            second = (int64_t{event.motion.y} << 16) | (event.motion.x & 0xFFFF);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            first = event.button.button;
            second = (int64_t{event.button.y} << 16) | (event.button.x & 0xFFFF);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            first = event.key.keysym.sym;
            second = event.key.keysym.scancode;
            break;
        case SDL_WINDOWEVENT:
            first = event.window.event;
            second = event.window.data1;
            break;
        default:
            first = second = 0;
            break;
    }
}

}  // namespace

void KWindow::handlePlatformEvent(const SDL_Event& event) {
    if (messageHook) {
        int64_t first = 0;
        int64_t second = 0;
        hookParameters(event, first, second);
        if (!messageHook(this, static_cast<int>(event.type), first, second)) return;
    }
    switch (event.type) {
        case SDL_QUIT:
            quitRequested = true;
            break;
        case SDL_WINDOWEVENT:
            handleWindowEvent(event.window.event);
            break;
        case SDL_MOUSEMOTION: {
            KEvent moved;
            moved.type = K_EVENT_MOUSEMOVE;
            moved.mouseX = event.motion.x;
            moved.mouseY = event.motion.y;
            moved.message = static_cast<int32_t>(event.type);
            deliverEvent(moved);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
            handleMouseButton(event, event.type == SDL_MOUSEBUTTONDOWN);
            break;
        case SDL_MOUSEWHEEL: {
            KEvent wheel;
            wheel.type = K_EVENT_WHEEL;
            const int32_t notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
            wheel.keyData = notches * kWheelNotch;
            wheel.message = static_cast<int32_t>(event.type);
            deliverEvent(wheel);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP:
            handleKey(event, event.type == SDL_KEYDOWN);
            break;
        case SDL_TEXTINPUT:
            handleText(event.text.text);
            break;
        case SDL_RENDER_DEVICE_RESET:
            // Every texture went with the device: a new number makes pictures upload theirs again.
            engineLog("%s: device lost, resetting", rendererName());
            windowSerial = ++lastSerial;
            break;
        default:
            break;
    }
}

void KWindow::handleWindowEvent(int windowEvent) {
    KEvent focus;
    focus.message = SDL_WINDOWEVENT;
    switch (windowEvent) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
            focus.type = K_EVENT_ACTIVATED;
            deliverEvent(focus);
            break;
        case SDL_WINDOWEVENT_FOCUS_LOST:
            focus.type = K_EVENT_DEACTIVATED;
            deliverEvent(focus);
            break;
        case SDL_WINDOWEVENT_CLOSE:
            closeByPlayer();
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            followWindowSize();
            break;
        default:
            break;
    }
}

void KWindow::handleMouseButton(const SDL_Event& event, bool pressed) {
    KEvent button;
    button.type = pressed ? K_EVENT_MOUSEDOWN : K_EVENT_MOUSEUP;
    button.buttonIndex = engineButton(event.button.button);
    if (button.buttonIndex == 0) return;  // extra side buttons have no engine meaning
    button.mouseX = event.button.x;
    button.mouseY = event.button.y;
    button.message = static_cast<int32_t>(event.type);
    deliverEvent(button);
    // Every second click within the double-click time is a double click, reported after its press.
    if (pressed && event.button.clicks >= 2 && event.button.clicks % 2 == 0) {
        button.type = K_EVENT_DBLCLICK;
        deliverEvent(button);
    }
}

void KWindow::handleKey(const SDL_Event& event, bool pressed) {
    const SDL_KeyboardEvent& key = event.key;
    KEvent typed;
    typed.type = pressed ? K_EVENT_KEYDOWN : K_EVENT_KEYUP;
    typed.virtualKey = virtualKeyFromSdlKey(key.keysym.sym, key.keysym.scancode);
    typed.keyCode = engineKeyFromVirtualKey(typed.virtualKey);
    const uint32_t highWord = (static_cast<uint32_t>(key.keysym.scancode) & 0xFF) | (key.repeat ? kKeyRepeatBit : 0) |
                              (pressed ? 0 : kKeyReleaseBits);
    typed.keyData = static_cast<int32_t>(highWord << 16);
    typed.param = key.keysym.sym;
    typed.message = static_cast<int32_t>(event.type);
    deliverEvent(typed);
}

void KWindow::handleText(const char* utf8) {
    const char* cursor = utf8;
    const char* end = utf8 + std::strlen(utf8);
    while (cursor < end) deliverCharacter(nextCodePoint(cursor, end), SDL_TEXTINPUT);
}

void KWindow::deliverCharacter(uint32_t codePoint, int32_t message) {
    KEvent typed;
    typed.message = message;
    if (codePoint < 256) {
        typed.type = K_EVENT_CHAR;
        typed.keyData = static_cast<int32_t>(codePoint << 16);
        deliverEvent(typed);
    }
    typed.type = K_EVENT_RAWCHAR;
    typed.keyData = 0;
    typed.character = static_cast<int32_t>(codePoint);
    deliverEvent(typed);
}

void KWindow::deliverEvent(KEvent event) {
    if (event.type == K_EVENT_WHEEL) {
        event.mouseX = getMouseX();
        event.mouseY = getMouseY();
    }
    if (event.type == K_EVENT_ACTIVATED) focused = true;
    if (event.type == K_EVENT_DEACTIVATED) focused = false;
    noteMouseEvent(event);
    if (eventHandler) eventHandler(&event);
}
