#include "framework/core/ldv_game.h"

#include <cmath>

#include "engine/display_watch.h"
#include "engine/k_files.h"
#include "engine/k_graphic.h"
#include "engine/k_system.h"
#include "engine/k_window.h"
#include "engine/k_write_leftovers.h"
#include "framework/core/display_scale.h"
#include "framework/core/event_dispatch.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_state.h"
#include "framework/core/main_loop.h"
#include "framework/core/window_request.h"
#include "framework/data/ldv_ini_file.h"

namespace {

constexpr int kWindowDepth = 32;
constexpr int kDefaultUpdatesPerSecond = 125;
constexpr int16_t kDefaultWidth = 800;
constexpr int16_t kDefaultHeight = 600;

// A save under way in another running copy of the game takes milliseconds; a temporary this old was
// left by a copy that died while saving.
constexpr int kLeftoverAgeSeconds = 60;

void CreateSaveFolders() {
    if (folderExists(GetSaveFolder())) {
        removeAtomicWriteLeftovers(GetSaveFolder(), kLeftoverAgeSeconds);
        return;
    }
    createFolder(GetCompanyFolder());
    createFolder(GetGameFolder());
    createFolder(GetSaveFolder());
}

// Opens a window of the given renderer family; null when it cannot be created.
std::unique_ptr<KWindow> OpenWindow(int rendererKind) {
    FrameContext& frame = Frame();
    frame.rendererKind = rendererKind;
    auto window = std::make_unique<KWindow>(rendererKind);
    window->setAspectCorrection(true);
    const WindowRequest& request = RequestedWindow();
    window->setMinimumSize(request.minimumWidth, request.minimumHeight);
    const int width = request.width > 0 ? request.width : frame.width;
    const int height = request.height > 0 ? request.height : frame.height;
    if (!window->createGameWindow(width, height, kWindowDepth, true, frame.windowTitle.c_str(), 0)) {
        return nullptr;
    }
    Log(LDvString("->Video driver: ") + window->videoDriver());
    if (!frame.windowIcon.empty()) window->setIcon((GetDataRoot() + frame.windowIcon).c_str());
    if (request.maximised) window->maximise();
    return window;
}

// The game keeps drawing on the full canvas whatever the window's size: the window scales it, all
// at once where that is cheaper, and lands every picture's edges on whole pixels.
void MapCanvasOntoWindow(KWindow& window) {
    FrameContext& frame = Frame();
    const WindowRequest& request = RequestedWindow();
    const float inverseScale = frame.displayScaled && frame.inverseDisplayScale > 0.0f ? frame.inverseDisplayScale : 1.0f;
    // Given outright where it is known: derived from a letter-boxed area it could be a pixel off.
    window.setCanvasSize(request.canvasWidth > 0 ? request.canvasWidth : static_cast<int>(std::lround(frame.width * inverseScale)),
                         request.canvasHeight > 0 ? request.canvasHeight
                                                  : static_cast<int>(std::lround(frame.height * inverseScale)));
    frame.canvasDrawing = true;
    FollowWindowSize();
}

std::unique_ptr<KWindow> OpenWindowWithFallback() {
    Log("->Linux - Using SDL2 accelerated renderer");
    showSystemCursor(false);
    Frame().systemCursorHidden = true;
    if (auto window = OpenWindow(K_RENDERER_ACCELERATED)) return window;
    Log("->accelerated renderer failed.. trying software renderer");
    if (auto window = OpenWindow(K_RENDERER_SOFTWARE)) return window;
    Log("->software renderer failed as well");
    Log("->Unable to create game window.");
    Frame().rendererKind = K_RENDERER_NONE;
    return nullptr;
}

// The display is gone under the running game: what is unsaved is saved and the logs close.
void EndAfterLostDisplay() {
    Log("=== Game Ended: the display went away ===");
    FrameContext& frame = Frame();
    if (frame.settings != nullptr) frame.settings->Save();
    if (frame.progress != nullptr) frame.progress->Save();
    StopLogging();
}

}  // namespace

LDvGame::LDvGame(const char* gameName, const char* title, long versionMajor, long versionMinor) {
    FrameContext& frame = Frame();
    frame.game = this;
    frame.gameName = gameName;
    frame.windowTitle = title;
    frame.updatesPerSecond = kDefaultUpdatesPerSecond;
    frame.width = kDefaultWidth;
    frame.height = kDefaultHeight;
    frame.imageFolder = "pictures";
    frame.versionMajor = versionMajor;
    frame.versionMinor = versionMinor;
    CreateSaveFolders();
    frame.settings = std::make_unique<LDvIniFile>();
    frame.settings->LoadExisting(GetSaveFolder() + "settings.ini");
    frame.settings->SetAutoSave(true);
    frame.settingsLoaded = true;
}

LDvGame::~LDvGame() {
    FrameContext& frame = Frame();
    frame.window.reset();
    // Both save a change still unwritten now, while the logs are open; left to the end of the
    // process they would try again after the logs are gone.
    frame.settings.reset();
    frame.progress.reset();
    frame.settingsLoaded = false;
    if (frame.game == this) frame.game = nullptr;
}

bool LDvGame::OnInit() { return true; }
void LDvGame::OnTick() {}
void LDvGame::OnExit() {}
void LDvGame::OnFocusChange(bool) {}
void LDvGame::LoadSceneForFade(const LDvString&) {}

bool LDvGame::InitGame(bool fullScreen) {
    FrameContext& frame = Frame();
    Log("=== Game Initializing ===");
    frame.window = OpenWindowWithFallback();
    if (frame.window == nullptr) return false;
    KWindow& window = *frame.window;
    MapCanvasOntoWindow(window);
    watchDisplay(EndAfterLostDisplay);
    if (fullScreen) window.toggleFullScreen(true);
    window.setMaxFrameRate(-1);
    setMousePosition(frame.width / 2, frame.height / 2);
    Log("-> Setting callbacks");
    window.setEventHandler(GameEventHandler);
    // SDL shows the arrow over the client area by itself; the hook only lets everything through.
    window.setMessageHook([](KWindow*, int, int64_t, int64_t) { return true; });
    frame.primitivePicture = createKGraphic();
    Log("=== Game Finished Initializing Successfully ===");
    Log("=== Calling User OnInit ===");
    if (OnInit()) {
        Log("-> User init succeeded");
        return true;
    }
    Log("-> User init failed / returned false");
    frame.window.reset();
    return false;
}

void LDvGame::RunGame() {
    Log("=== Game started ===");
    RunMainLoop();
    UninitGame();
}

void LDvGame::UninitGame() {
    FrameContext& frame = Frame();
    Log("=== Game Uninit() called ===");
    frame.primitivePicture.reset();
    if (LDvState* state = frame.currentState) {
        state->ToggleOverlays();
        state->OnLeave(nullptr);
        frame.currentState = nullptr;
    }
    OnExit();
    if (frame.window != nullptr) frame.window->requestQuit();
    frame.window.reset();
}
