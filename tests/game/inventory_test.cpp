// The adventure inventory: the catalogue read from its folder, taking, counting and removing held
// items, the flight into the slot, picking up and putting back, and the hidden-object mode.
#include "game/scenes/inventory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/scenes/inventory_overlays.h"
#include "tests/support/picture_fixtures.h"

namespace {

constexpr int kKeyHeight = 60;

class InventoryTest : public ::testing::Test {
protected:
    void SetUp() override {
        world.writePng("inventory/key.png", 50, kKeyHeight);
        world.writePng("inventory/lamp.png", 50, 50);
        world.writePng("inventory/tooltip.png", 120, 40);
        world.writeFile("inventory/items.ini", "[key]\nDescription=An old brass key\n");
        inventory.LoadItems(world.root() + "/inventory");
        inventory.onArrived = [this](const LDvString& id) { arrived.push_back(id); };
    }

    std::vector<std::string> HeldIds() const {
        std::vector<std::string> ids;
        for (const auto& item : inventory.held) ids.push_back(item->id);
        return ids;
    }

    // Runs every flight to its end.
    void Land() {
        for (int step = 0; step < 400; ++step) inventory.Update();
    }

    PictureWorld world;
    Inventory inventory;
    std::vector<std::string> arrived;
};

TEST_F(InventoryTest, EveryPictureButTheTooltipIsAnItem) {
    ASSERT_EQ(inventory.definitions.Count(), 2);
    EXPECT_EQ(inventory.definitions.Get(0)->id, "KEY");
    EXPECT_EQ(inventory.definitions.Get(0)->description, "An old brass key");
    EXPECT_EQ(inventory.definitions.Get(1)->id, "LAMP");
    EXPECT_EQ(inventory.definitions.Get(1)->description, "No Description");
    EXPECT_TRUE(inventory.tooltipBackground.loaded);
}

TEST_F(InventoryTest, IdsIgnoreCaseAndASecondTakeCounts) {
    for (const char* id : {"key", "Key", "KEY"}) inventory.Take(id, 100, 100);
    EXPECT_EQ(HeldIds(), std::vector<std::string>{"KEY"});
    EXPECT_EQ(inventory.held.Get(0)->count, 3);
    EXPECT_TRUE(inventory.HasItem("kEy"));
    inventory.RemoveItem("key", -1);
    EXPECT_TRUE(inventory.held.IsEmpty()) << "a removal takes every copy";
    EXPECT_FALSE(inventory.HasItem("KEY"));
}

TEST_F(InventoryTest, UndefinedItemsAreRefusedWithALogLine) {
    inventory.Take("GHOST", 10, 10);
    EXPECT_TRUE(inventory.held.IsEmpty());
    EXPECT_EQ(world.countInLog("Error.. attempted to add undefined inventory item :GHOST"), 1);
    inventory.RemoveItem("GHOST", -1);
    EXPECT_FALSE(inventory.HasArrived("GHOST"));
}

TEST_F(InventoryTest, RemovingAnItemMovesTheLaterOnesLeft) {
    inventory.AddItem("KEY");
    inventory.AddItem("LAMP");
    const LDvPoint lampBefore = inventory.SlotPoint(1, 50);
    inventory.RemoveItem("KEY", -1);
    EXPECT_EQ(HeldIds(), std::vector<std::string>{"LAMP"});
    EXPECT_EQ(inventory.SlotPoint(0, 50).x, lampBefore.x - Inventory::kSlotStep);
    inventory.AddItem("LAMP");
    inventory.RemoveItem("LAMP", 1);
    EXPECT_EQ(inventory.held.Get(0)->count, 1) << "a partial removal only lowers the count";
    inventory.RemoveItem("LAMP", 3);
    EXPECT_TRUE(inventory.held.IsEmpty());
}

TEST_F(InventoryTest, ATakePopsThenFliesIntoItsSlot) {
    inventory.Take("KEY", 408, 0);
    const InventoryItem& key = *inventory.held.Get(0);
    EXPECT_EQ(key.targetX, 445);
    EXPECT_EQ(key.targetY, 900 - kKeyHeight - 34 + 37);
    EXPECT_EQ(key.flightTotal, 843 * 75 / 1500 + 10);
    for (int step = 0; step < Inventory::kPopSteps; ++step) inventory.Update();
    EXPECT_EQ(key.positionY, 0) << "the pop does not move it";
    EXPECT_FALSE(inventory.HasArrived("KEY"));
    for (int step = 0; step < key.flightTotal - 1; ++step) inventory.Update();
    EXPECT_TRUE(key.flying);
    inventory.Update();
    EXPECT_FALSE(key.flying);
    EXPECT_TRUE(inventory.HasArrived("KEY"));
    EXPECT_EQ(key.positionX, key.targetX);
    EXPECT_EQ(arrived, std::vector<std::string>{"KEY"});
}

TEST_F(InventoryTest, ANewTakeEndsTheEarlierFlightAtOnce) {
    inventory.Take("KEY", 0, 0);
    inventory.Take("KEY", 0, 0);
    EXPECT_EQ(arrived, std::vector<std::string>{"KEY"});
    Land();
    EXPECT_EQ(arrived, (std::vector<std::string>{"KEY", "KEY"}));
}

TEST_F(InventoryTest, ClickingASlotPicksUpAndPutsBack) {
    inventory.Take("KEY", 0, 0);
    inventory.Take("LAMP", 0, 0);
    Land();
    const LDvPoint key = inventory.SlotPoint(0, kKeyHeight);
    const LDvPoint lamp = inventory.SlotPoint(1, 50);
    EXPECT_FALSE(inventory.HandleClick(10, 10));
    EXPECT_TRUE(inventory.HandleClick(key.x + 5, key.y + 5));
    EXPECT_EQ(inventory.CarriedId(), "KEY");
    EXPECT_TRUE(inventory.HandleClick(lamp.x + 5, lamp.y + 5));
    EXPECT_EQ(inventory.CarriedId(), "KEY") << "another slot while carrying changes nothing";
    EXPECT_TRUE(inventory.HandleClick(key.x + 5, key.y + 5));
    EXPECT_EQ(inventory.CarriedId(), "");
    inventory.HandleClick(key.x + 5, key.y + 5);
    inventory.RemoveItem("KEY", -1);
    EXPECT_EQ(inventory.carried, nullptr) << "removing the carried item lets go of it";
}

TEST_F(InventoryTest, HiddenObjectsFlyToTheListAndTheBarTakesNoClicks) {
    inventory.hiddenObjectMode = true;
    inventory.Take("LAMP", 100, 100);
    EXPECT_EQ(inventory.held.Get(0)->targetX, 749);
    EXPECT_EQ(inventory.held.Get(0)->targetY, 799);
    Land();
    EXPECT_FALSE(inventory.HandleClick(749, 799));
}

struct TooltipCase {
    const char* where;
    LDvRect hovered;
    LDvPoint at;   // the tooltip's top-left, 120 x 40
};

// Right above the hovered slot, centred on it, unless that would leave the canvas.
TEST(Tooltip, SitsAboveTheHoveredSlotAndStaysOnTheCanvas) {
    const TooltipCase kCases[] = {
        {"first slot", {408, 806, 458, 866}, {373, 766}},
        {"a slot past the right edge", {1608, 806, 1658, 866}, {1480, 766}},
        {"a slot at the right edge", {1560, 806, 1599, 866}, {1480, 766}},
        {"a picture at the left edge", {-20, 806, 30, 866}, {0, 766}},
        {"a picture at the top", {700, 10, 750, 60}, {665, 0}},
    };
    for (const TooltipCase& c : kCases) {
        SCOPED_TRACE(c.where);
        const LDvPoint at = TooltipPosition(c.hovered, 120, 40);
        EXPECT_EQ(at.x, c.at.x);
        EXPECT_EQ(at.y, c.at.y);
    }
}

}  // namespace
