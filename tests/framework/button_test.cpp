// Buttons polling the mouse: what counts as a click, toggles, hover frames and sounds, the touch
// button's hold, the slider knob, and a click travelling from the engine's events through the
// dispatcher's button search to the state's OnButton.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "engine/k_test_input.h"
#include "framework/core/event_dispatch.h"
#include "framework/core/frame_context.h"
#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_button.h"
#include "framework/ui/ldv_slider_knob.h"
#include "framework/ui/ldv_sound.h"
#include "framework/ui/ldv_touch_button.h"
#include "framework/ui/overlay_registry.h"
#include "tests/framework/pointer.h"
#include "tests/support/picture_fixtures.h"

namespace {

constexpr int kInside = 15;    // the test buttons cover (10, 10) to (29, 29)
constexpr int kOutside = 100;
// A sound without a device writes this line each time it is played, which lets the tests count plays.
constexpr char kPlayed[] = "sound not enabled";

// One step of the pointer: 'i' / 'o' inside / outside with the button up, 'I' / 'O' held down.
void Pointer(char step) {
    const bool inside = step == 'i' || step == 'I';
    PointerAt(inside ? kInside : kOutside, inside ? kInside : kOutside);
    PointerButton(step == 'I' || step == 'O');
}

class ButtonTest : public testing::Test {
protected:
    ButtonTest() {
        quiet.enabled = false;
        button.SetPosition(10, 10);
        button.frameWidth = button.frameHeight = 20;
    }
    ~ButtonTest() override {
        PointerButton(false);
        SetDefaultButtonSounds(nullptr, nullptr);
    }

    // Runs the steps; answers a letter per step: "c" when a click was reported, "p" while pressed, "-" else.
    std::string Run(LDvButton& b, const std::string& steps) {
        std::string seen;
        for (char step : steps) {
            Pointer(step);
            b.Update();
            seen += b.IsClicked() ? 'c' : b.pressed ? 'p' : '-';
        }
        return seen;
    }

    PictureWorld world;
    LDvSound quiet;
    LDvButton button;
};

struct ClickCase {
    const char* what;
    const char* steps;
    const char* seen;
};
const ClickCase kClicks[] = {
    {"press and release over the button", "iIIi", "-ppc"},
    {"press outside, release over it", "oOIi", "----"},
    {"press, leave and come back", "iIOIi", "-p-pc"},
    {"press, leave and release outside", "iIOo", "-p--"},
    {"two clicks in a row", "iIiIi", "-pcpc"},
};

}  // namespace

TEST_F(ButtonTest, AClickIsAPressAndAReleaseOverTheButton) {
    SetDefaultButtonSounds(nullptr, &quiet);
    int clicks = 0;
    for (const ClickCase& c : kClicks) {
        SCOPED_TRACE(c.what);
        LDvButton b;
        b.SetPosition(10, 10);
        b.frameWidth = b.frameHeight = 20;
        Pointer('o');
        const std::string seen = Run(b, c.steps);
        EXPECT_EQ(seen, c.seen);
        clicks += static_cast<int>(std::count(seen.begin(), seen.end(), 'c'));
    }
    EXPECT_EQ(world.countInLog(kPlayed), clicks) << "every click plays the default click sound once";
}

TEST_F(ButtonTest, OwnSoundsReplaceTheDefaults) {
    SetDefaultButtonSounds(&quiet, &quiet);
    button.ownSounds = true;  // with no own sounds given, nothing plays
    button.kind = 1;
    Run(button, "oiIi");
    EXPECT_EQ(world.countInLog(kPlayed), 0);
}

TEST_F(ButtonTest, AToggleStaysDownUntilClickedAgain) {
    button.kind = 3;
    button.frameCount = 2;
    EXPECT_EQ(Run(button, "iIi"), "--c");
    EXPECT_TRUE(button.pressed);
    EXPECT_EQ(button.currentFrame, kButtonFramePressed);
    EXPECT_EQ(Run(button, "oiI"), "ppp") << "it stays down while the mouse wanders and presses again";
    EXPECT_EQ(Run(button, "i"), "c");
    EXPECT_FALSE(button.pressed);
    EXPECT_EQ(button.currentFrame, kButtonFrameNormal);
}

namespace {

struct HoverCase {
    const char* what;
    int frames;
    bool hoverLook;
    int frameWhileOver;
};
const HoverCase kHovers[] = {
    {"three frames: the hover frame shows", 3, false, kButtonFrameHover},
    {"one frame with a hover look: the frame stays", 1, true, kButtonFrameNormal},
};

}  // namespace

TEST_F(ButtonTest, HoverSoundPlaysOnceOnEnteringAndTheHoverFrameShows) {
    for (const HoverCase& c : kHovers) {
        SCOPED_TRACE(c.what);
        const int before = world.countInLog(kPlayed);
        LDvSprite look;
        LDvButton b;
        b.SetPosition(10, 10);
        b.frameWidth = b.frameHeight = 20;
        b.kind = 1;
        b.ownSounds = true;
        b.hoverSound = &quiet;
        b.frameCount = c.frames;
        b.hoverLook = c.hoverLook ? &look : nullptr;
        Run(b, "oiii");
        EXPECT_EQ(b.currentFrame, c.frameWhileOver);
        Run(b, "o");
        EXPECT_EQ(b.currentFrame, kButtonFrameNormal);
        Run(b, "ii");
        EXPECT_EQ(world.countInLog(kPlayed) - before, 2) << "once per entry, not once per step";
    }
}

TEST_F(ButtonTest, HiddenButtonsAndNonButtonsIgnoreTheMouse) {
    button.Hide();
    EXPECT_EQ(Run(button, "iIi"), "---");
    button.Show();
    button.isButton = false;
    EXPECT_EQ(Run(button, "iIi"), "---");
}

TEST_F(ButtonTest, TheNormalLookDecidesWhereTheButtonIs) {
    LDvSprite look;
    look.frameWidth = look.frameHeight = 10;
    button.normalLook = &look;
    button.SetPosition(200, 200);  // the look moves along
    EXPECT_TRUE(button.Contains(200, 200));
    EXPECT_TRUE(button.Contains(209, 209)) << "edges are inside";
    EXPECT_FALSE(button.Contains(210, 205));
}

namespace {

class ListeningState : public LDvState {
public:
    void OnButton(LDvOverlay* button) override { heard.push_back(button); }
    void OnClick(int, int) override { ++clicks; }

    std::vector<LDvOverlay*> heard;
    int clicks = 0;
};

}  // namespace

TEST_F(ButtonTest, TouchButtonFiresAfterTheHoldNotOnRelease) {
    Frame().updatesPerSecond = 60;
    ListeningState listener;
    LDvTouchButton touch;
    touch.image.frameWidth = touch.image.frameHeight = 20;
    touch.SetPosition(10, 10);
    Pointer('o');
    EXPECT_FALSE(touch.Touch(&listener)) << "not under the mouse";
    Pointer('I');
    ASSERT_TRUE(touch.Touch(&listener));
    EXPECT_FALSE(touch.Touch(&listener)) << "already touched";
    Pointer('i');
    for (int step = 1; step < 18; ++step) touch.Update();
    EXPECT_TRUE(listener.heard.empty()) << "17 steps after the touch";
    touch.Update();
    ASSERT_EQ(listener.heard.size(), 1u);
    EXPECT_EQ(listener.heard[0], &touch);
    EXPECT_FALSE(touch.touched);
    for (int step = 0; step < 30; ++step) touch.Update();
    EXPECT_EQ(listener.heard.size(), 1u);

    touch.disabled = true;
    EXPECT_FALSE(touch.Touch(&listener));
}

namespace {

struct DragCase {
    int dragTo;
    float knobX;
    int value;
};
// Track 100..300, knob 20 wide: the knob's left edge runs from 100 to 280.
constexpr DragCase kDrags[] = {
    {50, 100, 0}, {110, 100, 0}, {200, 190, 50}, {290, 280, 100}, {400, 280, 100},
};

void MakeKnob(LDvSliderKnob& knob, bool vertical) {
    knob.frameWidth = 20;
    knob.frameHeight = 20;
    knob.trackStart = 100;
    knob.trackEnd = 300;
    knob.fixedCoordinate = 50;
    knob.vertical = vertical;
}

}  // namespace

TEST(SliderKnob, DragsAlongTheTrackBetweenZeroAndHundred) {
    for (const DragCase& c : kDrags) {
        SCOPED_TRACE(c.dragTo);
        LDvSliderKnob knob;
        MakeKnob(knob, false);
        knob.value = 50;
        knob.PlaceFromValue();
        EXPECT_EQ(knob.x, 190.0f);
        knob.BeginDrag(static_cast<int>(knob.x) + 5, 55);
        knob.DragTo(c.dragTo, 0, 0, 0, 0, 0);
        knob.EndDrag(c.dragTo, 0);
        EXPECT_EQ(knob.x, c.knobX);
        EXPECT_EQ(knob.y, 50.0f);
        EXPECT_EQ(knob.value, c.value);
    }
}

TEST(SliderKnob, IgnoresDragsThatDidNotStartOnIt) {
    LDvSliderKnob knob;
    MakeKnob(knob, false);
    knob.value = 7;
    knob.PlaceFromValue();
    knob.BeginDrag(10, 10);
    knob.DragTo(200, 50, 0, 0, 0, 0);
    knob.EndDrag(200, 50);
    EXPECT_EQ(knob.value, 7) << "a drag elsewhere in the dialog leaves the value as it was placed";
}

TEST(SliderKnob, AVerticalKnobCannotBeDragged) {
    LDvSliderKnob knob;
    MakeKnob(knob, true);
    knob.value = 50;
    knob.PlaceFromValue();
    EXPECT_EQ(knob.x, 50.0f);
    EXPECT_EQ(knob.y, 190.0f);
    knob.BeginDrag(55, 195);
    EXPECT_TRUE(knob.dragging);
    knob.DragTo(55, 120, 0, 0, 0, 0);
    knob.EndDrag(55, 120);
    EXPECT_EQ(knob.y, 190.0f);
    EXPECT_EQ(knob.value, 50);
}

namespace {

KEvent MouseEvent(int32_t type, int x, int y) { return KTestInput::mouseEvent(type, K_BUTTON_LEFT, x, y); }

// Each frame as the main loop runs it: the engine takes in the event, the steps update the
// overlays, then the dispatcher turns the queued event into messages. A tap, as a touchpad or
// xdotool gives it, brings the pointer, the press and the release within one frame, so every
// step of that frame already reads the button as up.
void ClickAt(int at, bool tap = false) {
    for (int32_t type : {K_EVENT_MOUSEMOVE, K_EVENT_MOUSEDOWN, K_EVENT_MOUSEUP}) {
        KEvent event = MouseEvent(type, at, at);
        noteMouseEvent(event);
        GameEventHandler(&event);
        if (tap && type != K_EVENT_MOUSEUP) continue;
        UpdateOverlays();
        DispatchEvents();
    }
}

class DispatchedButton : public ButtonTest {
protected:
    DispatchedButton() {
        Frame().currentState = &state;
        Register(&button, &state);
    }
    ~DispatchedButton() override { Frame().currentState = nullptr; }

    ListeningState state;
};

struct DispatchCase {
    const char* what;
    bool enabled;
    int at;
    bool reachesOnButton;
};
const DispatchCase kDispatches[] = {
    {"an enabled button under the mouse", true, kInside, true},
    {"a button that is not enabled", false, kInside, false},
    {"a press beside the button", true, kOutside, false},
};

}  // namespace

TEST_F(DispatchedButton, AClickReachesTheStatesOnButton) {
    for (const DispatchCase& c : kDispatches) {
        SCOPED_TRACE(c.what);
        state.heard.clear();
        state.clicks = 0;
        button.enabled = c.enabled;
        ClickAt(c.at);
        EXPECT_EQ(state.heard.size(), c.reachesOnButton ? 1u : 0u);
        EXPECT_EQ(state.clicks, c.reachesOnButton ? 0 : 1);
        if (!state.heard.empty()) {
            EXPECT_EQ(state.heard[0], &button);
        }
    }
}

TEST_F(DispatchedButton, AClickWhileNotEnabledDoesNotFireOnceEnabled) {
    ClickAt(kInside);
    button.enabled = true;
    ClickAt(kOutside);
    EXPECT_TRUE(state.heard.empty());
    EXPECT_EQ(state.clicks, 2);
}

namespace {

struct KindCase {
    const char* what;
    int32_t kind;
    bool toggles;
};
const KindCase kKinds[] = {
    {"plain push button", 9999, false}, {"hover frames", 1, false}, {"toggle", 3, true},
    {"toggle with hover", 4, true},     {"glowing", kButtonKindGlow, false},
};

}  // namespace

TEST_F(DispatchedButton, ATapWithinOneFrameClicksEveryKindOfButton) {
    button.enabled = true;
    for (const KindCase& c : kKinds) {
        SCOPED_TRACE(c.what);
        button.kind = c.kind;
        button.pressed = false;
        state.heard.clear();
        state.clicks = 0;
        ClickAt(kInside, true);
        ASSERT_EQ(state.heard.size(), 1u);
        EXPECT_EQ(state.heard[0], &button);
        EXPECT_EQ(state.clicks, 0);
        EXPECT_EQ(button.pressed, c.toggles);
        ClickAt(kOutside, true);
        EXPECT_EQ(state.heard.size(), 1u) << "a tap beside the button is an ordinary click";
        EXPECT_EQ(state.clicks, 1);
    }
}
