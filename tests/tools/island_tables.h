#pragma once
// The island's tables read with code of the tests' own: map.ini as the map screen reads it
// (landmasses with their icons and places) and discoveries.ini as sections of keys.
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tests/tools/data_folder.h"

struct IslandPoint {
    int x = 0, y = 0;
};

struct IslandIcon {
    std::string name;
    IslandPoint corner, sparkle;
    std::string placement;   // "PRE" draws it under the markers
    std::string visibility;  // "HIDE" waits for a discovery
};

struct IslandPlace {
    std::string id, landmass;
    IslandPoint point;
    std::string discovery;  // a discovery section, or "NONE"
    std::vector<std::string> exits;
};

struct IslandLand {
    std::string name;
    IslandPoint pos, hpos, cpos;
    int reveal = 0;
    std::vector<IslandIcon> icons;
    std::vector<IslandPlace> places;
};

struct IslandMap {
    std::vector<IslandLand> lands;
    std::vector<std::string> problems;  // values the map would misread, described

    const IslandLand* land(const std::string& name) const;
    const IslandPlace* place(const std::string& id) const;  // null when no place has that id
    std::vector<const IslandPlace*> places() const;         // in file order
};

inline constexpr int kMaxEntriesPerLand = 10;  // "ICON1".."ICON10", "LOCATION1".."LOCATION10"

IslandMap readIslandMap(const std::string& text);
IslandMap dataIslandMap();  // map.ini of the data folder

// discoveries.ini by section name.
using DiscoveryTable = std::map<std::string, TableSection>;
DiscoveryTable dataDiscoveries();
// A reward list "KEY,Text;KEY,Text" as (key, text) pairs.
std::vector<std::pair<std::string, std::string>> rewardList(const std::string& value);
