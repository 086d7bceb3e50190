#pragma once
// The whole game in this process, as a player starts it: the game object on a data folder, the
// save folder in a temporary folder, a software-rendered 1600 x 900 window on SDL's dummy driver
// (or the window a smaller desktop gets, or the accelerated renderer under the tests' Xvfb), and
// the mouse, the keyboard and the window focus simulated through the engine's own event path. Each step is one fixed logic step followed by the dispatch of the queued input, as in
// the main loop; frames are drawn only when a test looks at one, which keeps long plays fast.
//
// Dialogs that run modally (stories, tips with an OK button, confirmations) run a nested main
// loop inside a step; answerModals lets a test click their buttons through the same event path.
//
// Set QV_TEST_FRAMES to a folder to keep the frames the tests look at as PNG files.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/k_test_input.h"
#include "framework/core/ldv_string.h"
#include "tests/support/mirrored_data.h"
#include "tests/support/temp_dir.h"
#include "tests/support/xvfb_display.h"

class LDvOverlay;
class LDvState;
class Match3;
class Playing;

struct Pixel {
    int r = 0, g = 0, b = 0;
};

// The window the game opens: by renderer, and sized as the program sizes it for a desktop.
struct PlayWindow {
    TestRenderer renderer = TestRenderer::Software;
    int desktopWidth = 1600;
    int desktopHeight = 900;
};

class PlayWorld {
public:
    // Where the world begins: on the play screen, in the camp or on the title.
    enum class Start { PlayScreen, Camp, Title };

    // `prepare` runs once the player is selected and before the first screen is entered; it sets
    // progress values. Tips are switched off unless `prepare` switches them on again.
    explicit PlayWorld(const std::string& dataFolder = QV_DATA_DIR, const std::function<void()>& prepare = {},
                       Start start = Start::PlayScreen, const PlayWindow& window = {});
    // The accelerated renderer needs the tests' Xvfb: without it the world does not start.
    explicit PlayWorld(const PlayWindow& window, const std::function<void()>& prepare = {})
        : PlayWorld(QV_DATA_DIR, prepare, Start::PlayScreen, window) {}
    ~PlayWorld();
    PlayWorld(const PlayWorld&) = delete;
    PlayWorld& operator=(const PlayWorld&) = delete;

    bool started() const { return running; }
    Match3& game() { return *match3; }
    Playing& play();

    void steps(int count);
    // Steps until `done` answers true; false when it did not within `limit` steps.
    bool stepUntil(const std::function<bool()>& done, int limit);
    // Steps until the board has revealed itself and the level has begun.
    bool waitForPlay();
    // Steps until the board rests between moves.
    bool waitForQuiet(int limit = 600);

    // The mouse in canvas pixels: the pointer brought to `from`, a press, a one-pixel nudge that
    // starts the drag, then the pointer at the offset from the nudge, and the release there.
    void drag(LDvPoint from, int dx, int dy);
    void click(int x, int y);
    // A tap: the pointer arrives, presses and releases within one step (a touchpad tap).
    void tap(int x, int y);
    void rightClick(int x, int y);
    void moveMouse(int x, int y);
    void key(int engineKeyCode);
    void focus(bool gained);
    // Plays the swap from the cell `from` to its neighbour `to` by dragging 20 pixels.
    void dragSwap(LDvPoint from, LDvPoint to);
    // Plays bot-chosen swaps with the mouse until the level is won; false when no move is left.
    bool playToTheWin();
    // Moves the mouse onto the middle of the overlay's bounds and clicks there.
    void clickOn(LDvOverlay& overlay);

    // Which button to click in the modal dialog that is current (null: none yet). Asked once the
    // dialog has run a few frames and the previous click has gone out.
    using ModalAnswer = std::function<LDvOverlay*(LDvState& dialog)>;
    // Answers every modal dialog from now on; the clock turns manual, so a nested loop runs one
    // step per frame. An empty answer stops answering.
    void answerModals(ModalAnswer answer);
    // The buttons that close the game's stories and tips: the page button, the tip's OK.
    static LDvOverlay* closeStoriesAndTips(LDvState& dialog);
    int modalFrames() const { return nestedFrames; }

    // Draws the current frame and keeps it for sampling (and as `name`.png when asked to).
    void drawFrame(const std::string& name);
    Pixel pixel(int x, int y) const;

    std::string saveFile(const std::string& name) const;  // a file of the save folder, read whole
    int countInLog(const std::string& text) const;

private:
    void deliverMouse(int type, int button, int x, int y);
    void answerModal();

    std::unique_ptr<OnXvfb> xvfb;
    TempDir home;
    ScopedEnv xdg;
    std::unique_ptr<Match3> match3;
    bool running = false;
    std::vector<uint32_t> frame;
    int frameWidth = 0;
    int frameHeight = 0;
    KTestInput modalInput;
    ModalAnswer modalAnswer;
    LDvState* modalSeen = nullptr;
    int modalSince = 0;
    int nestedFrames = 0;                  // frames presented by nested loops
};

bool Near(const Pixel& actual, const Pixel& expected, int tolerance);
