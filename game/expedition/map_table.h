#pragma once
// The island map's table, "map.ini": every section is a landmass (its name is the section's name)
// with its pictures' places, the expedition count that reveals it, up to ten icons ("ICON1"..) and
// up to ten locations ("LOCATION1"..), each list read in order until a key is missing or empty.
//
//   POS, HPOS, CPOS   x,y: the land picture's top-left, its glow's top-left, its middle from POS
//   REVEAL            the expedition count from which the landmass shows (0 when empty)
//   ICONn             name;x,y;sx,sy;PRE|other;HIDE|other
//   LOCATIONn         id;x,y;discovery or NONE;exit,exit,...
//
// Malformed values read as defaults: a missing number is -1 in a point and 0 in REVEAL; missing
// fields are empty, except a location's discovery, which is then "NONE" (a place to walk through).
#include <vector>

#include "framework/core/ldv_string.h"

class LDvIniFile;

inline constexpr const char* kMapTable = "map.ini";
inline constexpr int kMapListLength = 10;     // icons and locations per landmass
inline constexpr const char* kNoDiscovery = "NONE";

struct MapIconRecord {
    LDvString name;
    LDvPoint position{-1, -1};                // top-left on the map
    LDvPoint sparkleOffset{-1, -1};
    bool underMarkers = false;                // "PRE"
    bool waitsForDiscovery = false;           // "HIDE"
};

struct MapLocationRecord {
    LDvString id;
    LDvPoint point{-1, -1};                   // the marker's centre on the map
    LDvString discovery = kNoDiscovery;
    LDvString exitsText;
    std::vector<LDvString> exits;             // ids, one-way
};

struct MapLandmassRecord {
    LDvString name;
    LDvPoint position{-1, -1};
    LDvPoint highlightPosition{-1, -1};
    LDvPoint centreOffset{-1, -1};
    int reveal = 0;
    std::vector<MapIconRecord> icons;
    std::vector<MapLocationRecord> locations;
};

// "x,y" with -1 for a part that holds no number.
LDvPoint ParseMapPoint(const LDvString& text);
MapIconRecord ParseMapIcon(const LDvString& value);
MapLocationRecord ParseMapLocation(const LDvString& value);
// The ids of a location's exits field ("A,B,C"), blanks trimmed, empty ones left out.
std::vector<LDvString> ParseExitIds(const LDvString& exitsText);
// Every section of the table, in file order.
std::vector<MapLandmassRecord> ReadMapTable(const LDvIniFile& table);
