#include "tests/game/play_world.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/image_codec.h"
#include "engine/k_clock.h"
#include "engine/k_files.h"
#include "engine/k_test_input.h"
#include "engine/k_window.h"
#include "framework/core/event_dispatch.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/game_random.h"
#include "framework/core/main_loop.h"
#include "framework/core/state_control.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/match3.h"
#include "game/app/start_up_choices.h"
#include "game/expedition/character_dialog.h"
#include "game/expedition/tip_dialog.h"
#include "game/match3/board.h"
#include "tests/game/match3_bot.h"
#include "tests/support/picture_fixtures.h"
#include "tests/support/test_log.h"

namespace {

constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kSwapDragPixels = 20;
constexpr int kRevealLimit = 1200;
constexpr int kMoveLimit = 400;
constexpr int kModalSettleFrames = 4;      // a dialog is answered once it has run this long
constexpr int kFramesBetweenEvents = 2;

std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// As the program entry sizes the window for a desktop.
void SizeWindowFor(int desktopWidth, int desktopHeight) { ApplyWindowChoice(ChooseWindowSize(desktopWidth, desktopHeight)); }

}  // namespace

PlayWorld::PlayWorld(const std::string& dataFolder, const std::function<void()>& prepare, Start start,
                     const PlayWindow& window)
    : xdg("XDG_DATA_HOME", home.path()) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    if (window.renderer == TestRenderer::Accelerated) {
        xvfb = std::make_unique<OnXvfb>();
        if (!xvfb->ready()) return;
    }
    ResetFrameForTesting();
    SeedGameRand(1);
    setGameBaseFolder(dataFolder);
    match3 = std::make_unique<Match3>();
    Frame().rootDirOverride = dataFolder;
    StartTestGameLog();
    SizeWindowFor(window.desktopWidth, window.desktopHeight);
    if (!match3->InitGame(false)) return;
    CreatePlayer(0, "Tester");
    SetPlayerInt(nullptr, "SHOW_TIPS", 0);
    if (prepare) prepare();
    LDvState& first = start == Start::Camp    ? static_cast<LDvState&>(match3->camp)
                      : start == Start::Title ? static_cast<LDvState&>(match3->title)
                                              : match3->playing;
    SetState(&first, match3.get(), false);
    running = Frame().currentState == &first;
}

PlayWorld::~PlayWorld() {
    if (modalAnswer) answerModals({});
    if (match3 != nullptr) {
        if (Frame().window != nullptr) match3->UninitGame();
        match3.reset();
    }
    ResetFrameForTesting();
}

Playing& PlayWorld::play() { return match3->playing; }

void PlayWorld::steps(int count) {
    for (int i = 0; i < count; ++i) {
        RunOneStep();
        DispatchEvents();
    }
}

bool PlayWorld::stepUntil(const std::function<bool()>& done, int limit) {
    for (int i = 0; i < limit; ++i) {
        if (done()) return true;
        steps(1);
    }
    return done();
}

bool PlayWorld::waitForPlay() {
    return stepUntil([this] { return play().values.startSequenceDone; }, kRevealLimit);
}

bool PlayWorld::waitForQuiet(int limit) {
    return stepUntil([this] { return IsQuiet(*play().board); }, limit);
}

void PlayWorld::deliverMouse(int type, int button, int x, int y) {
    Frame().window->deliverEvent(KTestInput::mouseEvent(type, button, x, y));
}

void PlayWorld::drag(LDvPoint from, int dx, int dy) {
    deliverMouse(K_EVENT_MOUSEMOVE, 0, from.x, from.y);
    steps(1);
    deliverMouse(K_EVENT_MOUSEDOWN, kLeftButton, from.x, from.y);
    steps(1);
    deliverMouse(K_EVENT_MOUSEMOVE, 0, from.x + 1, from.y);
    steps(1);
    deliverMouse(K_EVENT_MOUSEMOVE, 0, from.x + 1 + dx, from.y + dy);
    steps(1);
    deliverMouse(K_EVENT_MOUSEUP, kLeftButton, from.x + 1 + dx, from.y + dy);
    steps(1);
}

void PlayWorld::dragSwap(LDvPoint from, LDvPoint to) {
    const LDvPoint centre = Board::cellCentre(from);
    drag(centre, (to.x - from.x) * kSwapDragPixels, (to.y - from.y) * kSwapDragPixels);
}

bool PlayWorld::playToTheWin() {
    const auto won = [this] { return play().values.levelWon; };
    for (int move = 0; move < kMoveLimit && !won(); ++move) {
        if (!waitForQuiet()) return false;
        if (won()) break;
        LDvPoint from, to;
        if (!ChooseSwap(*play().board, from, to)) return false;
        dragSwap(from, to);
    }
    return won();
}

void PlayWorld::clickOn(LDvOverlay& overlay) {
    const LDvRect box = overlay.GetBounds();
    const int x = (box.left + box.right) / 2;
    const int y = (box.top + box.bottom) / 2;
    moveMouse(x, y);
    click(x, y);
}

void PlayWorld::answerModals(ModalAnswer answer) {
    modalAnswer = std::move(answer);
    if (!modalAnswer) {
        SetLoopHooks({});
        if (Frame().window != nullptr) Frame().window->setTestInput(nullptr);
        setManualClock(false);
        return;
    }
    setManualClock(true);
    modalInput.setClockStep(0);  // the nested loop moves the manual clock itself
    Frame().window->setTestInput(&modalInput);
    SetLoopHooks({nullptr, [this](int) { answerModal(); }});
}

// Runs after every frame a nested loop presents (the world's own steps present none).
void PlayWorld::answerModal() {
    ++nestedFrames;
    LDvState* dialog = Frame().currentState;
    if (dialog != modalSeen) {
        modalSeen = dialog;
        modalSince = nestedFrames;
    }
    if (dialog == nullptr || modalInput.pendingCount() != 0 || nestedFrames - modalSince < kModalSettleFrames) return;
    LDvOverlay* button = modalAnswer(*dialog);
    if (button == nullptr) return;
    const LDvRect box = button->GetBounds();
    const std::string at = std::to_string((box.left + box.right) / 2) + " " + std::to_string((box.top + box.bottom) / 2);
    const uint32_t frame = Frame().window->frameNumber() + 1;
    modalInput.parseScript(std::to_string(frame) + " move " + at + "\n" +
                           std::to_string(frame + kFramesBetweenEvents) + " down 1 " + at + "\n" +
                           std::to_string(frame + 2 * kFramesBetweenEvents) + " up 1 " + at + "\n");
    modalSince = nestedFrames + 3 * kFramesBetweenEvents;  // the next answer waits for this click to land
}

LDvOverlay* PlayWorld::closeStoriesAndTips(LDvState& dialog) {
    if (dynamic_cast<CharacterDialog*>(&dialog) != nullptr) {
        return &static_cast<Match3*>(Frame().game)->Parts().character.pageButton;
    }
    if (auto* tip = dynamic_cast<TipDialog*>(&dialog)) return &tip->okButton;
    return nullptr;
}

void PlayWorld::click(int x, int y) {
    deliverMouse(K_EVENT_MOUSEMOVE, 0, x, y);
    deliverMouse(K_EVENT_MOUSEDOWN, kLeftButton, x, y);
    steps(1);
    deliverMouse(K_EVENT_MOUSEUP, kLeftButton, x, y);
    steps(1);
}

void PlayWorld::tap(int x, int y) {
    deliverMouse(K_EVENT_MOUSEMOVE, 0, x, y);
    deliverMouse(K_EVENT_MOUSEDOWN, kLeftButton, x, y);
    deliverMouse(K_EVENT_MOUSEUP, kLeftButton, x, y);
    steps(1);
}

void PlayWorld::rightClick(int x, int y) {
    deliverMouse(K_EVENT_MOUSEDOWN, kRightButton, x, y);
    steps(1);
    deliverMouse(K_EVENT_MOUSEUP, kRightButton, x, y);
    steps(1);
}

void PlayWorld::moveMouse(int x, int y) {
    deliverMouse(K_EVENT_MOUSEMOVE, 0, x, y);
    steps(1);
}

void PlayWorld::key(int engineKeyCode) {
    Frame().window->deliverEvent(KTestInput::keyEvent(K_EVENT_KEYDOWN, engineKeyCode));
    Frame().window->deliverEvent(KTestInput::keyEvent(K_EVENT_KEYUP, engineKeyCode));
    steps(1);
}

void PlayWorld::focus(bool gained) {
    Frame().window->deliverEvent(KTestInput::focusEvent(gained));
    steps(1);
}

void PlayWorld::drawFrame(const std::string& name) {
    KWindow& window = *Frame().window;
    window.setDefaultWorldView();
    DrawOverlays();
    frame.clear();
    window.readPixels(frame, frameWidth, frameHeight);
    if (const char* folder = std::getenv("QV_TEST_FRAMES")) {
        std::filesystem::create_directories(folder);
        writePngFile(std::string(folder) + "/" + name + ".png", frame.data(), frameWidth, frameHeight);
    }
}

Pixel PlayWorld::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= frameWidth || y >= frameHeight) return Pixel{-1, -1, -1};
    const uint32_t value = frame[static_cast<size_t>(y) * frameWidth + x];
    return Pixel{static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
                 static_cast<int>((value >> 16) & 0xFF)};
}

std::string PlayWorld::saveFile(const std::string& name) const { return ReadWhole(GetSaveFolder() + name); }

int PlayWorld::countInLog(const std::string& text) const {
    const std::string all = ReadWhole(GetSaveFolder() + "log.txt");
    int count = 0;
    for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + text.size())) ++count;
    return count;
}

bool Near(const Pixel& actual, const Pixel& expected, int tolerance) {
    return std::abs(actual.r - expected.r) <= tolerance && std::abs(actual.g - expected.g) <= tolerance &&
           std::abs(actual.b - expected.b) <= tolerance;
}
