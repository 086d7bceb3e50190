#pragma once
// Plays the island's story through in every order a player could take, by the map's rules: each
// expedition adds one to the count and shows the land whose REVEAL it reaches; the marker walks
// from the place it last stopped along the exits, over places with nothing (left) to find, to a
// place with a discovery. A plain discovery or an adventure scene (taken as finished) ends the
// expedition; a blocker whose rewards are owned is passed, adds one to the count and the walk goes
// on; a blocker without them turns the marker back. Between expeditions the camp builds whatever
// it can (the clinic needs MED_SUPPLIES, the hut upgrade BSUPPLY, the finished camp the upgrade
// and the lab). Arriving at PICORU ends the game.
//
// A player may also leave an adventure scene unfinished: the expedition ends there, its count
// stays paid, and the next expedition pays again. The count then runs ahead of the story and land
// behind a blocker can show before the blocker is passed; what must hold is that its places stay
// out of reach until then. `unfinishedSceneVisits` lets each order of play leave scenes that many
// times; land shown early, and a blocker that then opens no new land, are no fault there.
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/tools/island_tables.h"

inline constexpr const char* kLastPlace = "PICORU";
inline constexpr const char* kNoDiscovery = "NONE";

struct WalkReport {
    std::vector<std::string> faults;  // dead ends, land shown before it can be reached, ...
    int endings = 0;                  // orders of play that reached the last place
    // Per blocker discovery, the expedition counts it was passed at (one value when the count
    // does not depend on the order of play).
    std::map<std::string, std::set<int>> countsAfterPassing;
    std::set<std::string> discoveries, rewards, buildings, visited, landsShown;
    // What was owned on arriving at the last place, in every order (intersection).
    std::set<std::string> rewardsAtEnd, discoveriesAtEnd, buildingsAtEnd;
    std::vector<std::string> firstExpeditionTargets;  // places a first expedition can find something at
};

// campGroups: the groups build.ini offers (the camp can only build those).
WalkReport walkEveryOrder(const IslandMap& map, const DiscoveryTable& discoveries, const std::set<std::string>& campGroups,
                          int unfinishedSceneVisits = 0);
