// Reading "map.ini": well-formed entries, and malformed ones that must read as defaults rather
// than fail.
#include <gtest/gtest.h>

#include <vector>

#include "game/expedition/map_table.h"

TEST(MapTable, IconsReadTheirFieldsAndMalformedOnesDefault) {
    struct Case {
        const char* value;
        const char* name;
        LDvPoint position;
        LDvPoint sparkle;
        bool pre;
        bool hide;
    };
    const Case cases[] = {
        {"WREN;1010,1585;70,40;PRE;SHOW", "WREN", {1010, 1585}, {70, 40}, true, false},
        {" SPRING ; 2235,820 ; 35,30 ; POST ; HIDE ", "SPRING", {2235, 820}, {35, 30}, false, true},
        {"ONLY_A_NAME", "ONLY_A_NAME", {-1, -1}, {-1, -1}, false, false},
        {"X;abc,;-5,+7;pre;hide", "X", {-1, -1}, {-5, 7}, false, false},
        {"", "", {-1, -1}, {-1, -1}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const MapIconRecord icon = ParseMapIcon(c.value);
        EXPECT_EQ(icon.name, c.name);
        EXPECT_EQ(icon.position.x, c.position.x);
        EXPECT_EQ(icon.position.y, c.position.y);
        EXPECT_EQ(icon.sparkleOffset.x, c.sparkle.x);
        EXPECT_EQ(icon.sparkleOffset.y, c.sparkle.y);
        EXPECT_EQ(icon.underMarkers, c.pre);
        EXPECT_EQ(icon.waitsForDiscovery, c.hide);
    }
}

TEST(MapTable, LocationsReadTheirExitsAndWalkThroughWithoutADiscovery) {
    struct Case {
        const char* value;
        const char* id;
        LDvPoint point;
        const char* discovery;
        std::vector<LDvString> exits;
    };
    const Case cases[] = {
        {"BASE_CAMP;1260,1470;NONE;SUPPLY_BEACH,PALM_GROVE", "BASE_CAMP", {1260, 1470}, "NONE",
         {"SUPPLY_BEACH", "PALM_GROVE"}},
        {"SPRING;2200,860;HIDDEN_SPRING; WATERFALL ,,SWAMP_EDGE,", "SPRING", {2200, 860}, "HIDDEN_SPRING",
         {"WATERFALL", "SWAMP_EDGE"}},
        {"LOST;12", "LOST", {12, -1}, "NONE", {}},
        {"HUGE;99999999999999,-99999999999999;;", "HUGE", {1000000, -1000000}, "NONE", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const MapLocationRecord location = ParseMapLocation(c.value);
        EXPECT_EQ(location.id, c.id);
        EXPECT_EQ(location.point.x, c.point.x);
        EXPECT_EQ(location.point.y, c.point.y);
        EXPECT_EQ(location.discovery, c.discovery);
        EXPECT_EQ(location.exits, c.exits);
    }
}
