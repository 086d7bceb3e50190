#include "engine/k_system.h"

#include <SDL.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "engine/k_log.h"
#include "engine/k_window.h"
#include "engine/mouse_state.h"

namespace {

// Without a real display the headless runs still need room for the full 1600 x 900 canvas.
constexpr int kHeadlessDesktopWidth = 1920;
constexpr int kHeadlessDesktopHeight = 1080;

struct MouseState {
    int x = 0;
    int y = 0;
    bool left = false;
    bool right = false;
};

MouseState& mouse() {
    static MouseState state;
    return state;
}

bool cursorShown = true;

bool isHeadlessDriver(const char* driver) {
    return driver && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
}

bool videoDriverHasNoDisplay() {
    const char* driver = SDL_GetCurrentVideoDriver();
    return !driver || isHeadlessDriver(driver);
}

// Before SDL's video is up, the environment tells whether a message box could be seen at all.
bool noDisplayForMessageBox() {
    if (SDL_WasInit(SDL_INIT_VIDEO)) return videoDriverHasNoDisplay();
    if (isHeadlessDriver(std::getenv("SDL_VIDEODRIVER"))) return true;
    return !std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY");
}

bool displaySet() {
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 != nullptr && *x11 != '\0') || (wayland != nullptr && *wayland != '\0');
}

constexpr int kVideoAttempts = 5;
constexpr uint32_t kVideoRetryMilliseconds = 50;

}  // namespace

bool startVideo() {
    const bool mayFallBack = isHeadlessDriver(std::getenv("SDL_VIDEODRIVER")) || !displaySet();
    for (int attempt = 1;; ++attempt) {
        const bool started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        if (started && (mayFallBack || !isHeadlessDriver(SDL_GetCurrentVideoDriver()))) return true;
        if (attempt >= kVideoAttempts) return started;
        if (started) {
            engineLog("SDL fell back to its '%s' video driver; trying the display again", SDL_GetCurrentVideoDriver());
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
        }
        SDL_Delay(kVideoRetryMilliseconds);
    }
}

bool displayReachable(std::string& report) {
    if (isHeadlessDriver(std::getenv("SDL_VIDEODRIVER"))) return true;
    if (!startVideo()) {
        report = std::string("SDL could not start a video driver: ") + SDL_GetError();
        return false;
    }
    const char* driver = SDL_GetCurrentVideoDriver();
    const bool reachable = !videoDriverHasNoDisplay();
    if (!reachable) report = std::string("SDL found no display and fell back to its '") + (driver ? driver : "") + "' driver";
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return reachable;
}

void noteMouseEvent(const KEvent& event) {
    MouseState& state = mouse();
    switch (event.type) {
        case K_EVENT_MOUSEDOWN:
        case K_EVENT_DBLCLICK:
        case K_EVENT_MOUSEUP: {
            const bool down = event.type != K_EVENT_MOUSEUP;
            if (event.buttonIndex == K_BUTTON_LEFT) state.left = down;
            if (event.buttonIndex == K_BUTTON_RIGHT) state.right = down;
            noteMousePosition(event.mouseX, event.mouseY);
            break;
        }
        case K_EVENT_MOUSEMOVE:
            noteMousePosition(event.mouseX, event.mouseY);
            break;
        case K_EVENT_DEACTIVATED:
            // A release outside the window never reaches us; do not leave a button held forever.
            state.left = state.right = false;
            break;
        default:
            break;
    }
}

void noteMousePosition(int x, int y) {
    mouse().x = x;
    mouse().y = y;
}

bool getDesktopSize(int& width, int& height) {
    int usableWidth = 0;
    int usableHeight = 0;
    return getDesktopSize(width, height, usableWidth, usableHeight);
}

bool getDesktopSize(int& width, int& height, int& usableWidth, int& usableHeight) {
    width = height = usableWidth = usableHeight = 0;
    if (!startVideo()) {
        engineLog("Desktop size: no video: %s", SDL_GetError());
        return false;
    }
    bool found = false;
    if (videoDriverHasNoDisplay()) {
        width = usableWidth = kHeadlessDesktopWidth;
        height = usableHeight = kHeadlessDesktopHeight;
        found = true;
    } else {
        KWindow* window = KWindow::current();
        SDL_Window* sdlWindow = window && window->sdlRenderer() ? SDL_RenderGetWindow(window->sdlRenderer()) : nullptr;
        const int display = std::max(sdlWindow ? SDL_GetWindowDisplayIndex(sdlWindow) : 0, 0);
        SDL_Rect bounds{};
        found = SDL_GetDisplayBounds(display, &bounds) == 0;
        SDL_Rect usable = bounds;
        if (SDL_GetDisplayUsableBounds(display, &usable) != 0) usable = bounds;
        width = bounds.w;
        height = bounds.h;
        usableWidth = usable.w;
        usableHeight = usable.h;
        engineLog("Desktop: %d x %d, usable %d x %d, on video driver '%s'", width, height, usableWidth, usableHeight,
                  SDL_GetCurrentVideoDriver());
    }
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return found;
}

int getMouseX() { return mouse().x; }
int getMouseY() { return mouse().y; }
bool isLeftButtonDown() { return mouse().left; }
bool isRightButtonDown() { return mouse().right; }

void setMousePosition(int x, int y) {
    noteMousePosition(x, y);
    KWindow* window = KWindow::current();
    // Without a display there is no pointer to move, and SDL would echo the warp as a motion event.
    if (!window || !window->sdlRenderer() || videoDriverHasNoDisplay()) return;
    int windowX = x;
    int windowY = y;
    SDL_RenderLogicalToWindow(window->sdlRenderer(), static_cast<float>(x), static_cast<float>(y), &windowX, &windowY);
    SDL_WarpMouseInWindow(SDL_RenderGetWindow(window->sdlRenderer()), windowX, windowY);
}

void showSystemCursor(bool show) {
    cursorShown = show;
    if (SDL_WasInit(SDL_INIT_VIDEO)) SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE);
}

bool isSystemCursorShown() { return cursorShown; }

void showMessageBox(const char* caption, const char* text) {
    engineLog("Message box: %s: %s", caption ? caption : "", text ? text : "");
    KWindow* window = KWindow::current();
    if (window && window->isFullScreen()) window->toggleFullScreen(false);
    if (noDisplayForMessageBox()) return;  // nobody could read it, and it must never block a headless run
    const bool wasHidden = !cursorShown;
    if (wasHidden) showSystemCursor(true);
    SDL_Window* parent = window && window->sdlRenderer() ? SDL_RenderGetWindow(window->sdlRenderer()) : nullptr;
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, caption ? caption : "", text ? text : "", parent) != 0) {
        engineLog("Message box could not be shown: %s", SDL_GetError());
    }
    if (wasHidden) showSystemCursor(false);
}

namespace {

constexpr uint32_t kOpenerPollMilliseconds = 10;

void startOpener(const std::string& url) {
    setsid();  // a signal to the game's process group must not stop the browser being asked
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0) {
        dup2(null, STDIN_FILENO);
        dup2(null, STDOUT_FILENO);
        dup2(null, STDERR_FILENO);
    }
    // The address is one argument, never read by a shell.
    execlp("xdg-open", "xdg-open", url.c_str(), static_cast<char*>(nullptr));
    _exit(127);
}

}  // namespace

bool openUrl(const std::string& url, uint32_t waitMilliseconds) {
    if (url.empty()) return false;
    const pid_t child = fork();
    if (child < 0) {
        engineLog("Cannot open '%s': fork failed", url.c_str());
        return false;
    }
    if (child == 0) startOpener(url);
    engineLog("Opening '%s' with xdg-open", url.c_str());
    for (uint32_t waited = 0;; waited += kOpenerPollMilliseconds) {
        int status = 0;
        if (waitpid(child, &status, WNOHANG) == child) {
            if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
                engineLog("xdg-open could not open '%s' (status %d)", url.c_str(), status);
            }
            return true;
        }
        if (waited >= waitMilliseconds) break;
        SDL_Delay(kOpenerPollMilliseconds);
    }
    // Still busy: it finishes on its own once the game has ended (init adopts it).
    engineLog("xdg-open still busy with '%s'; not waiting longer", url.c_str());
    return true;
}
