// Input as the game receives it: platform events pumped by flipBackBuffer, scripted test input at
// its frame, and the mouse state both leave behind.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "engine/image_codec.h"
#include "engine/k_clock.h"
#include "engine/k_files.h"
#include "engine/k_graphic.h"
#include "engine/k_system.h"
#include "engine/k_test_input.h"
#include "engine/sdl_key_map.h"
#include "tests/engine/offscreen_window.h"
#include "tests/support/temp_dir.h"

namespace {

struct Seen {
    uint32_t frame;
    KEvent event;
};

class InputWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(screen.created());
        screen.window().setEventHandler([this](KEvent* event) {
            seen.push_back({screen.window().frameNumber(), *event});
            return true;
        });
        screen.window().setTestInput(&input);
        screen.window().flipBackBuffer(true);  // drain whatever the platform sent at creation
        seen.clear();
    }
    void TearDown() override { screen.window().setTestInput(nullptr); }

    std::vector<int32_t> typesSeen() const {
        std::vector<int32_t> types;
        for (const Seen& s : seen) types.push_back(s.event.type);
        return types;
    }

    OffscreenWindow screen;
    KTestInput input;
    std::vector<Seen> seen;
};

TEST(KeyTable, VirtualKeysMapToEngineKeys) {
    struct Case { int32_t virtualKey; int32_t engineKey; };
    constexpr Case kKeys[] = {
        {'A', 25},  {'Z', 50},  {'0', 51},  {'9', 60},  {0x60, 61}, {0x69, 70},  {0x6A, 71},  {0x6F, 75},
        {0x25, 0},  {0x26, 1},  {0x28, 2},  {0x27, 3},  {0x20, 4},  {0x10, 6},   {0x0D, 7},   {0x11, 9},
        {0x70, 10}, {0x7B, 21}, {0x08, 22}, {0x09, 23}, {0x1B, 24}, {0x12, 77},  {0x2E, 95},  {0x21, 98},
        {186, 82},  {192, 88},  {219, 89},  {222, 92},  {0xA4, 100}, {0xA5, 101}, {0x7C, 102}, {0x07, 102},
        {255, 102}, {256, 102}, {-1, 102},  {70000, 102},
    };
    for (const Case& c : kKeys) EXPECT_EQ(engineKeyFromVirtualKey(c.virtualKey), c.engineKey) << c.virtualKey;
    for (int32_t key = 0; key < K_KEY_NONE; ++key) {
        if (key == K_KEY_LSHIFT || key == 8) continue;  // share their platform codes with 6 and 9's family
        EXPECT_EQ(engineKeyFromVirtualKey(virtualKeyFromEngineKey(key)), key) << key;
    }
}

TEST(KeyTable, SdlKeysMapLikeTheWindowsKeyboard) {
    struct Case { SDL_Keycode key; SDL_Scancode scancode; int32_t engineKey; };
    constexpr Case kKeys[] = {
        {SDLK_a, SDL_SCANCODE_A, 25},         {SDLK_z, SDL_SCANCODE_Z, 50},
        {SDLK_5, SDL_SCANCODE_5, 56},         {SDLK_KP_3, SDL_SCANCODE_KP_3, 64},
        {SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS, 72}, {SDLK_LSHIFT, SDL_SCANCODE_LSHIFT, 6},
        {SDLK_RSHIFT, SDL_SCANCODE_RSHIFT, 6}, {SDLK_RCTRL, SDL_SCANCODE_RCTRL, 9},
        {SDLK_RETURN, SDL_SCANCODE_RETURN, 7}, {SDLK_KP_ENTER, SDL_SCANCODE_KP_ENTER, 7},
        {SDLK_ESCAPE, SDL_SCANCODE_ESCAPE, 24}, {SDLK_BACKSPACE, SDL_SCANCODE_BACKSPACE, 22},
        {SDLK_F12, SDL_SCANCODE_F12, 21},     {SDLK_SEMICOLON, SDL_SCANCODE_SEMICOLON, 82},
        {SDLK_BACKQUOTE, SDL_SCANCODE_GRAVE, 88}, {SDLK_QUOTE, SDL_SCANCODE_APOSTROPHE, 92},
        {SDLK_HOME, SDL_SCANCODE_HOME, 94},   {SDLK_PAGEDOWN, SDL_SCANCODE_PAGEDOWN, 99},
        {0xE4, SDL_SCANCODE_APOSTROPHE, 92},  // ä on a German keyboard sits where ' is
        {SDLK_F13, SDL_SCANCODE_F13, 102},    {SDLK_VOLUMEUP, SDL_SCANCODE_VOLUMEUP, 102},
    };
    for (const Case& c : kKeys) {
        EXPECT_EQ(engineKeyFromVirtualKey(virtualKeyFromSdlKey(c.key, c.scancode)), c.engineKey) << c.key;
    }
}

TEST_F(InputWindow, PlatformEventsArriveAsEngineEvents) {
    SDL_Event event{};
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = SDL_BUTTON_RIGHT;
    event.button.clicks = 2;
    event.button.x = 30;
    event.button.y = 40;
    SDL_PushEvent(&event);
    event = SDL_Event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_F13;  // not in the key table
    event.key.keysym.scancode = SDL_SCANCODE_F13;
    SDL_PushEvent(&event);
    event = SDL_Event{};
    event.type = SDL_TEXTINPUT;
    std::strcpy(event.text.text, "\xC3\xA9\xE2\x82\xAC");  // é then €
    SDL_PushEvent(&event);
    event = SDL_Event{};
    event.type = SDL_MOUSEWHEEL;
    event.wheel.y = -1;
    SDL_PushEvent(&event);
    screen.window().flipBackBuffer(true);

    ASSERT_EQ(typesSeen(), (std::vector<int32_t>{3, 8, 6, 5, 50, 50, 11}));
    EXPECT_EQ(seen[0].event.buttonIndex, K_BUTTON_RIGHT);
    EXPECT_EQ(seen[1].event.mouseX, 30);
    EXPECT_EQ(seen[2].event.keyCode, K_KEY_NONE);
    EXPECT_EQ(seen[3].event.typedCharacter(), 0xE9);
    EXPECT_EQ(seen[5].event.character, 0x20AC);
    EXPECT_EQ(seen[6].event.keyData, -120);
    EXPECT_EQ(seen[6].event.mouseX, 30);  // a wheel event carries the mouse position
    EXPECT_TRUE(isRightButtonDown());

    event = SDL_Event{};
    event.type = SDL_WINDOWEVENT;
    event.window.event = SDL_WINDOWEVENT_CLOSE;
    SDL_PushEvent(&event);
    screen.window().flipBackBuffer(true);
    EXPECT_TRUE(screen.window().isQuitRequested());
}

TEST_F(InputWindow, MessageHookSeesEventsFirstAndMaySwallowThem) {
    std::vector<int> messages;
    screen.window().setMessageHook([&](KWindow*, int message, int64_t, int64_t) {
        messages.push_back(message);
        return message != SDL_KEYDOWN;
    });
    SDL_Event event{};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_a;
    SDL_PushEvent(&event);
    event.type = SDL_KEYUP;
    SDL_PushEvent(&event);
    screen.window().flipBackBuffer(true);
    EXPECT_EQ(messages, (std::vector<int>{SDL_KEYDOWN, SDL_KEYUP}));
    ASSERT_EQ(typesSeen(), std::vector<int32_t>{K_EVENT_KEYUP});
    EXPECT_EQ(seen[0].event.keyCode, K_KEY_A);
}

TEST_F(InputWindow, ScriptedInputArrivesAtItsFrameAndMovesTheMouseState) {
    // Frame 1 was the flip in SetUp.
    ASSERT_TRUE(input.parseScript("# a drag, a key, a letter, focus and quit\n"
                                  "3 down 1 640 300\n"
                                  "4 move 660 300\n"
                                  "5 up 1 660 300\n"
                                  "\n"
                                  "6 key 24\n"
                                  "6 char 65\n"
                                  "7 focus 0\n"
                                  "8 quit\n"));
    screen.window().flipBackBuffer(true);  // frame 2: nothing due
    EXPECT_TRUE(seen.empty());
    screen.window().flipBackBuffer(true);  // frame 3
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].event.type, K_EVENT_MOUSEDOWN);
    EXPECT_TRUE(isLeftButtonDown());
    EXPECT_EQ(getMouseX(), 640);
    screen.window().flipBackBuffer(true);
    EXPECT_EQ(getMouseX(), 660);
    EXPECT_TRUE(isLeftButtonDown());
    screen.window().flipBackBuffer(true);
    EXPECT_FALSE(isLeftButtonDown());
    seen.clear();
    screen.window().flipBackBuffer(true);  // frame 6
    ASSERT_EQ(typesSeen(), (std::vector<int32_t>{6, 7, 5, 50}));
    EXPECT_EQ(seen[0].event.keyCode, K_KEY_ESCAPE);
    EXPECT_EQ(seen[0].event.virtualKey, 0x1B);
    EXPECT_EQ(seen[2].event.typedCharacter(), 'A');
    EXPECT_EQ(seen[3].frame, 6u);
    EXPECT_TRUE(screen.window().hasFocus());
    screen.window().flipBackBuffer(true);
    EXPECT_FALSE(screen.window().hasFocus());
    EXPECT_FALSE(screen.window().isQuitRequested());
    screen.window().flipBackBuffer(true);
    EXPECT_TRUE(screen.window().isQuitRequested());
    EXPECT_EQ(input.pendingCount(), 0u);
}

TEST_F(InputWindow, BadScriptQueuesNothing) {
    const char* kBadLines[] = {"12 jump 3", "x move 1 2", "5 down 4 1 1", "5 key 102", "5 move 1", "-1 quit",
                               "5 focus 2", "5 move 1 2 3"};
    for (const char* line : kBadLines) {
        EXPECT_FALSE(input.parseScript(std::string("1 move 5 5\n") + line)) << line;
        EXPECT_EQ(input.pendingCount(), 0u) << line;
    }
    EXPECT_FALSE(input.loadScript("/no/such/script.txt"));
}

TEST_F(InputWindow, CapturesChosenFramesAndStepsTheManualClock) {
    TempDir dir;
    input.setCaptureFolder(dir.file("frames"));
    input.captureFrame(3);
    setManualClock(true);
    const uint32_t start = getMilliseconds();
    auto square = createKGraphic();
    const std::vector<uint32_t> white(16, 0xFFFFFFFFu);
    ASSERT_TRUE(square->loadPictureFromPixels(white.data(), 4, 4));
    screen.window().flipBackBuffer(true);      // frame 2
    square->blitAlphaRect(0, 0, 4, 4, 10, 20);  // drawn for frame 3
    screen.window().flipBackBuffer(true);
    EXPECT_EQ(getMilliseconds() - start, 32u);
    setManualClock(false);

    EXPECT_FALSE(fileExists(KTestInput::captureFileName(dir.file("frames"), 2)));
    DecodedImage frame;
    ASSERT_TRUE(decodeImageFile(KTestInput::captureFileName(dir.file("frames"), 3), frame));
    ASSERT_EQ(frame.width, 1600);
    ASSERT_EQ(frame.height, 900);
    EXPECT_EQ(frame.pixels[20 * 1600 + 10] & 0xFFFFFFu, 0xFFFFFFu);
    EXPECT_EQ(frame.pixels[19 * 1600 + 10] & 0xFFFFFFu, 0u);
}

}  // namespace
