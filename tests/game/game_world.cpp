#include "tests/game/game_world.h"

#include <algorithm>
#include <cmath>

#include "engine/k_clock.h"
#include "engine/k_event.h"
#include "engine/k_window.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/main_loop.h"
#include "framework/core/state_control.h"
#include "framework/ui/ldv_overlay.h"

namespace {

// Press and release need a step between them, so the button sees the press before the release.
constexpr int kFramesBetweenMouseEvents = 2;

}  // namespace

Point MiddleOf(LDvOverlay& overlay) {
    const LDvRect box = overlay.GetBounds();
    return {(box.left + box.right) / 2, (box.top + box.bottom) / 2};
}

GameWorld::GameWorld() {
    ResetFrameForTesting();
    SetMessageBoxHookForTesting([this](const LDvString& caption, const LDvString& text) {
        messageBoxes.push_back(caption + " | " + text);
    });
    setManualClock(true);
    SetAppDataFolderOverride(home.path());
    game = std::make_unique<Match3>();
    ::Frame().rootDirOverride = QV_DATA_DIR;
    StartLogging("Quorvane", "0.2", false);
    started = game->InitGame(false) && messageBoxes.empty();
    if (!started) return;
    input.setClockStep(0);  // the loop moves the manual clock itself
    ::Frame().window->setTestInput(&input);
    LoopHooks hooks;
    hooks.beforePresent = [this](int) { BeforePresent(); };
    hooks.afterPresent = [this](int) { OnFrame(); };
    SetLoopHooks(std::move(hooks));
    // Dialogs and screens are judged over a quiet black screen with no player chosen; the play
    // screen that the game starts on has its own world.
    SetState(&game->blankState, game.get(), false);
}

GameWorld::~GameWorld() {
    SetLoopHooks({});
    if (::Frame().window != nullptr) ::Frame().window->setTestInput(nullptr);
    game.reset();
    ResetFrameForTesting();
    SetAppDataFolderOverride("");
    SetMessageBoxHookForTesting({});
    setManualClock(false);
}

int GameWorld::Frame() const {
    const KWindow* window = ::Frame().window.get();
    return window != nullptr ? static_cast<int>(window->frameNumber()) : 0;
}

void GameWorld::After(int frames, std::function<void()> action) { timed.push_back({Frame() + frames, std::move(action)}); }

void GameWorld::OnFrame() {
    const int now = Frame();
    // Actions may add actions, so the due ones are taken out before any runs.
    std::vector<Timed> due;
    for (auto it = timed.begin(); it != timed.end();) {
        if (it->frame <= now) {
            due.push_back(std::move(*it));
            it = timed.erase(it);
        } else {
            ++it;
        }
    }
    for (Timed& t : due) t.action();
    if (now >= frameLimit && ::Frame().window != nullptr) ::Frame().window->requestQuit();
}

// Points are canvas pixels; the engine's events carry the window's, which full screen scales.
void GameWorld::QueueMouse(int framesFromNow, int32_t type, Point at) {
    const FrameContext& frame = ::Frame();
    if (frame.displayScaled) {
        at.x = static_cast<int>(std::lround(static_cast<float>(at.x) * frame.displayScale));
        at.y = static_cast<int>(std::lround(static_cast<float>(at.y) * frame.displayScale));
    }
    input.queueEvent(static_cast<uint32_t>(Frame() + framesFromNow), KTestInput::mouseEvent(type, K_BUTTON_LEFT, at.x, at.y));
}

void GameWorld::ClickAt(Point at, int afterFrames) {
    After(afterFrames, [this, at] {
        QueueMouse(1, K_EVENT_MOUSEMOVE, at);
        QueueMouse(1 + kFramesBetweenMouseEvents, K_EVENT_MOUSEDOWN, at);
        QueueMouse(1 + 2 * kFramesBetweenMouseEvents, K_EVENT_MOUSEUP, at);
    });
}

void GameWorld::ClickOn(LDvOverlay& overlay, int afterFrames) {
    After(afterFrames, [this, &overlay] { ClickAt(MiddleOf(overlay), 0); });
}

void GameWorld::DragFromTo(Point from, Point to, int afterFrames) {
    After(afterFrames, [this, from, to] {
        int at = 1;
        for (int32_t type : {K_EVENT_MOUSEMOVE, K_EVENT_MOUSEDOWN}) {
            QueueMouse(at, type, from);
            at += kFramesBetweenMouseEvents;
        }
        QueueMouse(at, K_EVENT_MOUSEMOVE, {from.x + 2, from.y});
        at += kFramesBetweenMouseEvents;
        QueueMouse(at, K_EVENT_MOUSEMOVE, to);
        at += kFramesBetweenMouseEvents;
        QueueMouse(at, K_EVENT_MOUSEUP, to);
    });
}

void GameWorld::CaptureAfter(int frames) { captureFrame = Frame() + frames; }

void GameWorld::BeforePresent() {
    if (Frame() + 1 != captureFrame || ::Frame().window == nullptr) return;
    int width = 0, height = 0;
    ::Frame().window->readPixels(captured, width, height);
}

std::string GameWorld::LogText() const { return home.read("Drovana Games/Quorvane/Ver0.2/log.txt"); }
