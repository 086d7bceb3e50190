#include "framework/ui/overlay_registry.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/frame_context.h"
#include "framework/core/ldv_state.h"
#include "framework/ui/ldv_clickable.h"
#include "framework/ui/ldv_overlay.h"

namespace {

using Journal = std::vector<std::string>;

// Writes every draw and tick into a journal; an optional action runs inside its tick.
class Probe : public LDvOverlay {
public:
    Probe(Journal& journal, std::string label, int onLayer = 0) : journal(journal), label(std::move(label)) {
        layer = onLayer;
    }
    void Draw() override { journal.push_back("draw " + label); }
    void OnTick(int) override {
        journal.push_back("tick " + label);
        if (duringTick) duringTick();
    }

    Journal& journal;
    std::string label;
    std::function<void()> duringTick;
};

class RegistryTest : public testing::Test {
protected:
    void SetUp() override { Frame().currentState = &current; }
    void TearDown() override { Frame().currentState = nullptr; }

    LDvState current;
    LDvState other;
    Journal journal;
};

TEST_F(RegistryTest, DrawsLayerByLayerInRegistrationOrderSkippingHidden) {
    Probe top(journal, "top", 5), first(journal, "first"), second(journal, "second"), hidden(journal, "hidden");
    hidden.Hide();
    Register(&top, &current);
    Register(&first, &other);  // overlays of every owner are drawn
    Register(&hidden, &current);
    Register(&second, nullptr);

    DrawOverlays();
    EXPECT_EQ(journal, (Journal{"draw first", "draw second", "draw top"}));
}

TEST_F(RegistryTest, UpdatesHiddenOverlaysOfTheCurrentStateAndThoseWithoutOwner) {
    Probe mine(journal, "mine"), hidden(journal, "hidden"), ownerless(journal, "ownerless"), theirs(journal, "theirs");
    hidden.Hide();
    Register(&mine, &current);
    Register(&hidden, &current);
    Register(&ownerless, nullptr);
    Register(&theirs, &other);

    UpdateOverlays();
    EXPECT_EQ(journal, (Journal{"tick mine", "tick hidden", "tick ownerless"}));
}

TEST_F(RegistryTest, SetLayerMovesARegisteredOverlayToTheEndOfItsNewLayer) {
    Probe moved(journal, "moved", 3), resident(journal, "resident", 7), idle(journal, "idle");
    Register(&moved, &other);
    Register(&resident, &current);

    SetLayer(&moved, 7);
    SetLayer(&idle, 9);  // not registered: only remembers the layer
    EXPECT_TRUE(RegisteredOn(3).IsEmpty());
    ASSERT_EQ(RegisteredOn(7).Count(), 2);
    EXPECT_EQ(RegisteredOn(7).Get(1).overlay, &moved);
    EXPECT_EQ(RegisteredOn(7).Get(1).owner, &current) << "re-registered under the current state";
    EXPECT_TRUE(RegisteredOn(9).IsEmpty());
    EXPECT_EQ(idle.layer, 9);
    Unregister(&moved);
    Unregister(&resident);
    EXPECT_FALSE(moved.registered);
}

TEST_F(RegistryTest, ADestroyedOverlayLeavesTheRegistry) {
    auto doomed = std::make_unique<Probe>(journal, "doomed", 2);
    Register(doomed.get(), &current);
    doomed.reset();
    EXPECT_TRUE(RegisteredOn(2).IsEmpty());
    DrawOverlays();
    EXPECT_TRUE(journal.empty());
}

// A black-out switching states from its own step unregisters and registers overlays while the
// registry walks its lists; overlays may even be destroyed then.
TEST_F(RegistryTest, OverlaysComeAndGoSafelyDuringAWalk) {
    Probe switcher(journal, "switcher"), later(journal, "later"), newcomer(journal, "newcomer", 4);
    auto destroyed = std::make_unique<Probe>(journal, "destroyed");
    switcher.duringTick = [&] {
        Unregister(&switcher);
        Unregister(&later);
        destroyed.reset();
        Register(&newcomer, &current);
    };
    Register(&switcher, nullptr);
    Register(destroyed.get(), &current);
    Register(&later, &current);

    UpdateOverlays();
    EXPECT_EQ(journal, (Journal{"tick switcher", "tick newcomer"}));
    EXPECT_TRUE(RegisteredOn(0).IsEmpty());
    EXPECT_EQ(RegisteredOn(4).Count(), 1);
    Unregister(&newcomer);
}

class FakeButton : public LDvOverlay, public LDvClickable {
public:
    FakeButton(Journal& journal, std::string label, int onLayer, bool clicked)
        : journal(journal), label(std::move(label)), clicked(clicked) {
        layer = onLayer;
        enabled = true;
    }
    bool IsButton() const override { return buttonFlag; }
    void UpdateHover() override { journal.push_back("hover " + label); }
    bool IsClicked() override { return clicked; }

    Journal& journal;
    std::string label;
    bool clicked;
    bool buttonFlag = true;
};

TEST_F(RegistryTest, FindsTheFirstClickedEnabledButtonOfTheOwnerLayerByLayer) {
    FakeButton low(journal, "low", 1, false), notMine(journal, "notMine", 1, true), disabled(journal, "disabled", 1, true),
        flagless(journal, "flagless", 2, true), hit(journal, "hit", 3, true), shadowed(journal, "shadowed", 3, true),
        earlierLayerRegisteredLast(journal, "first layer", 0, false);
    disabled.enabled = false;
    flagless.buttonFlag = false;
    Probe plain(journal, "plain", 1);
    plain.enabled = true;
    for (LDvOverlay* o : std::initializer_list<LDvOverlay*>{&low, &disabled, &flagless, &plain, &hit, &shadowed})
        Register(o, &current);
    Register(&notMine, &other);
    Register(&earlierLayerRegisteredLast, &current);

    EXPECT_EQ(FindClickedButton(&current), &hit);
    EXPECT_EQ(journal, (Journal{"hover first layer", "hover low", "hover hit"}));
    EXPECT_EQ(FindClickedButton(nullptr), nullptr);
    for (LDvOverlay* o : std::initializer_list<LDvOverlay*>{&low, &notMine, &disabled, &flagless, &plain, &hit,
                                                            &shadowed, &earlierLayerRegisteredLast})
        Unregister(o);
}

TEST_F(RegistryTest, ScreenShakeJittersEveryThirdStepThenSettles) {
    struct Offset {
        int x, y;
    };
    // Seven steps at amplitude 2: remaining 4 is table entry 4 (2, -2), remaining 1 entry 1 (1, 2).
    constexpr Offset kExpected[] = {{0, 0}, {0, 0}, {4, -4}, {4, -4}, {4, -4}, {2, 4}, {0, 0}};
    StartScreenShake(7, 2);
    for (const Offset& expected : kExpected) {
        UpdateOverlays();
        EXPECT_EQ(Frame().drawOffsetX, expected.x);
        EXPECT_EQ(Frame().drawOffsetY, expected.y);
    }
    EXPECT_EQ(CurrentScreenShake().remaining, 0);
    EXPECT_EQ(CurrentScreenShake().phase, 0);
}

}  // namespace
