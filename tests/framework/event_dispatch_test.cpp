#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "framework/core/event_dispatch.h"
#include "framework/core/frame_context.h"
#include "framework/core/ldv_game.h"
#include "framework/core/state_control.h"
#include "framework/ui/ldv_clickable.h"
#include "framework/ui/ldv_overlay.h"
#include "framework/ui/overlay_registry.h"
#include "tests/framework/recording_state.h"
#include "tests/framework/shell_fixture.h"

namespace {

// The buttons as the engine would report them after pumping the frame's events.
bool physicalLeft = false;
bool physicalRight = false;

KEvent Mouse(int32_t type, int32_t button, int x, int y) {
    KEvent event;
    event.type = type;
    event.buttonIndex = button;
    event.mouseX = x;
    event.mouseY = y;
    return event;
}
KEvent Move(int x, int y) { return Mouse(K_EVENT_MOUSEMOVE, 0, x, y); }
KEvent Press(int32_t button, int x, int y) { return Mouse(K_EVENT_MOUSEDOWN, button, x, y); }
KEvent Release(int32_t button, int x, int y) { return Mouse(K_EVENT_MOUSEUP, button, x, y); }
KEvent Key(int32_t type, int32_t code) {
    KEvent event;
    event.type = type;
    event.keyCode = code;
    return event;
}
KEvent Char(int c) {
    KEvent event;
    event.type = K_EVENT_CHAR;
    event.keyData = c << 16;
    return event;
}

class DispatchTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        physicalLeft = physicalRight = false;
        SetPhysicalMouseButtonsForTesting({[] { return physicalLeft; }, [] { return physicalRight; }});
        SetState(&state, nullptr, false);
        journal.clear();
    }
    void TearDown() override {
        SetPhysicalMouseButtonsForTesting({nullptr, nullptr});
        ShellTest::TearDown();
    }

    // Queues one frame's events through the engine callback and dispatches them.
    void RunFrame(std::initializer_list<KEvent> events) {
        for (KEvent event : events) {
            if (event.type == K_EVENT_MOUSEDOWN || event.type == K_EVENT_MOUSEUP) {
                const bool down = event.type == K_EVENT_MOUSEDOWN;
                (event.buttonIndex == K_BUTTON_LEFT ? physicalLeft : physicalRight) = down;
            }
            GameEventHandler(&event);
        }
        DispatchEvents();
    }
    void RunFrames(std::initializer_list<KEvent> events) {
        for (const KEvent& event : events) RunFrame({event});
    }

    Journal journal;
    RecordingState state{"s", journal};
};

}  // namespace

TEST_F(DispatchTest, PressAndReleaseInPlaceIsAClick) {
    RunFrames({Move(10, 10), Press(K_BUTTON_LEFT, 10, 10), Release(K_BUTTON_LEFT, 10, 10)});
    EXPECT_EQ(journal, (Journal{"s:move 10,10 --", "s:move 10,10 L-", "s:click 10,10"}));
}

TEST_F(DispatchTest, DragSendsStartMovesAndEndWithDeltas) {
    RunFrames({Move(10, 10), Press(K_BUTTON_LEFT, 10, 10)});
    journal.clear();
    RunFrames({Move(12, 10), Move(14, 10), Move(20, 15), Release(K_BUTTON_LEFT, 20, 15)});
    EXPECT_EQ(journal, (Journal{
                           "s:drag-start 12,10", "s:drag 12,10 0,0 0,0", "s:move 12,10 L-",
                           "s:drag 14,10 2,0 2,0", "s:move 14,10 L-",
                           "s:drag 20,15 8,5 6,5", "s:move 20,15 L-",
                           "s:click 20,15", "s:drag-end 20,15",  // fewer than 10 drags: still a click
                       }));
}

TEST_F(DispatchTest, TenDragMessagesMakeNoClick) {
    RunFrames({Move(0, 0), Press(K_BUTTON_LEFT, 0, 0)});
    for (int x = 1; x <= 10; ++x) RunFrame({Move(x, 0)});
    journal.clear();
    RunFrame({Release(K_BUTTON_LEFT, 10, 0)});
    EXPECT_EQ(journal, (Journal{"s:drag-end 10,0", "s:move 10,0 --"}));
}

TEST_F(DispatchTest, ClickOnAnEnabledButtonOfTheStateGoesToOnButton) {
    struct TestButton : LDvOverlay, LDvClickable {
        bool IsButton() const override { return true; }
        void UpdateHover() override {}
        bool IsClicked() override {
            ++asked;
            return true;
        }
        int asked = 0;
    };
    TestButton elsewhere;  // owned by another state: not searched
    elsewhere.enabled = true;
    RecordingState other("other", journal);
    Register(&elsewhere, &other);
    RunFrames({Move(10, 10), Press(K_BUTTON_LEFT, 10, 10), Release(K_BUTTON_LEFT, 10, 10)});
    EXPECT_EQ(journal.back(), "s:click 10,10");

    TestButton disabled, ok;
    ok.enabled = true;
    Register(&disabled, &state);
    Register(&ok, &state);
    journal.clear();
    RunFrames({Press(K_BUTTON_LEFT, 10, 10), Release(K_BUTTON_LEFT, 10, 10)});
    EXPECT_EQ(journal, (Journal{"s:move 10,10 L-", "s:button"}));
    EXPECT_EQ(ok.asked, 1);
    EXPECT_EQ(disabled.asked + elsewhere.asked, 0);
}

TEST_F(DispatchTest, RightButtonClicksOnReleaseAndNeverDrags) {
    RunFrames({Move(5, 5), Press(K_BUTTON_RIGHT, 5, 5), Move(9, 9), Release(K_BUTTON_RIGHT, 9, 9)});
    EXPECT_EQ(journal, (Journal{"s:move 5,5 --", "s:move 5,5 -R", "s:move 9,9 -R", "s:right-click 9,9"}));
}

TEST_F(DispatchTest, ClickWithinOneFrameIsNotLost) {
    RunFrame({Move(30, 40)});
    journal.clear();
    RunFrame({Press(K_BUTTON_LEFT, 30, 40), Release(K_BUTTON_LEFT, 30, 40)});
    RunFrame({Press(K_BUTTON_RIGHT, 30, 40), Release(K_BUTTON_RIGHT, 30, 40)});
    EXPECT_EQ(journal, (Journal{"s:move 30,40 L-", "s:click 30,40", "s:move 30,40 -R", "s:right-click 30,40"}));
}

TEST_F(DispatchTest, LostReleaseIsNoticedFromThePhysicalButton) {
    RunFrames({Move(1, 1), Press(K_BUTTON_LEFT, 1, 1), Move(3, 1)});
    physicalLeft = false;  // released outside the window
    journal.clear();
    RunFrame({Move(4, 1)});
    EXPECT_EQ(journal, (Journal{"s:click 4,1", "s:drag-end 4,1"}));
}

TEST_F(DispatchTest, ShiftTravelsWithKeysAndItsReleaseSendsNothing) {
    RunFrames({Key(K_EVENT_KEYDOWN, K_KEY_SHIFT), Char('A'), Key(K_EVENT_KEYUP, K_KEY_SHIFT),
               Key(K_EVENT_KEYDOWN, K_KEY_A), Char('a'), Key(K_EVENT_KEYDOWN, K_KEY_LSHIFT), Key(K_EVENT_KEYUP, K_KEY_LSHIFT)});
    EXPECT_EQ(journal, (Journal{"s:key 6 shift", "s:char 65 shift", "s:key 25", "s:char 97", "s:key 5 shift"}));
}

TEST_F(DispatchTest, DisplayScaleConvertsPositionsAndEachDeltaSeparately) {
    Frame().displayScaled = true;
    Frame().displayScale = 0.8f;
    Frame().inverseDisplayScale = 1.25f;
    RunFrames({Move(3, 3), Press(K_BUTTON_LEFT, 3, 3), Move(6, 3)});
    // 6 x 1.25 = 7.5 -> 7, but the delta 3 x 1.25 = 3.75 -> 3 (not 7 - 3).
    EXPECT_EQ(journal, (Journal{"s:move 3,3 --", "s:move 3,3 L-", "s:drag-start 7,3", "s:drag 7,3 0,0 0,0",
                                "s:move 7,3 L-"}));
    journal.clear();
    RunFrame({Move(9, 3)});
    EXPECT_EQ(journal.at(0), "s:drag 11,3 3,0 3,0");  // 9 x 1.25 = 11.25, 3 x 1.25 = 3.75
}

TEST_F(DispatchTest, MouseEventsWaitWhileNoStateIsCurrent) {
    Frame().currentState = nullptr;
    RunFrame({Key(K_EVENT_KEYDOWN, K_KEY_SPACE), Move(2, 2), Key(K_EVENT_KEYDOWN, K_KEY_RETURN)});
    EXPECT_TRUE(journal.empty());
    EXPECT_EQ(Frame().eventQueue.Count(), 2);
    SetState(&state, nullptr, false);
    journal.clear();
    DispatchEvents();
    EXPECT_EQ(journal, (Journal{"s:move 2,2 --", "s:key 7"}));
}

TEST_F(DispatchTest, SecondaryDialogHearsEachMessageFirst) {
    RecordingState tip("tip", journal);
    ShowSecondary(&tip);
    journal.clear();
    RunFrames({Key(K_EVENT_KEYDOWN, K_KEY_ESCAPE)});
    EXPECT_EQ(journal, (Journal{"tip:key 24", "s:key 24"}));
}

TEST_F(DispatchTest, CallbackQueuesOnlyTheEventsTheGameUses) {
    struct TypeCase { int32_t type; bool queued; };
    const TypeCase cases[] = {{0, true}, {K_EVENT_MOUSEMOVE, true}, {K_EVENT_MOUSEUP, true},
                              {K_EVENT_MOUSEDOWN, true}, {K_EVENT_CHAR, true}, {K_EVENT_KEYDOWN, true},
                              {K_EVENT_KEYUP, true}, {K_EVENT_DBLCLICK, false}, {K_EVENT_WHEEL, false},
                              {K_EVENT_CONTEXTMENU, false}, {K_EVENT_ACTIVATED, true}, {K_EVENT_DEACTIVATED, true},
                              {K_EVENT_RAWCHAR, false}, {K_EVENT_TOUCH, true}, {K_EVENT_GESTURE, true}};
    for (const TypeCase& c : cases) {
        SCOPED_TRACE(c.type);
        Frame().eventQueue.Clear();
        KEvent event;
        event.type = c.type;
        EXPECT_TRUE(GameEventHandler(&event));
        EXPECT_EQ(Frame().eventQueue.Count(), c.queued ? 1 : 0);
    }
}

TEST_F(DispatchTest, FocusChangesReachTheGame) {
    struct FocusGame : LDvGame {
        FocusGame() : LDvGame("Quorvane", "Quorvane", 0, 2) {}
        void OnFocusChange(bool active) override { changes += active ? "+" : "-"; }
        std::string changes;
    } game;
    RunFrames({Key(K_EVENT_DEACTIVATED, 0), Key(K_EVENT_ACTIVATED, 0)});
    EXPECT_EQ(game.changes, "-+");
    EXPECT_TRUE(journal.empty());
}
