#pragma once
// The map table, content/map.ini, read the way the map screen reads it: every section is a
// landmass (its name names the pictures "states/map/<name>.png" and "<name>_h.png"), with POS,
// HPOS and CPOS as "x,y", REVEAL, "ICON1", "ICON2", ... and "LOCATION1", "LOCATION2", ... up to
// the first missing or empty key. The map's art steps paint from it (trails between linked
// places, landmarks at their points) and check that it places every picture where it was painted.
#include <string>
#include <vector>

struct MapPoint {
    int x = 0, y = 0;
};

struct MapIcon {
    std::string name;     // picture "states/map/<name>_ico.png"
    MapPoint corner;      // top-left on the map
    MapPoint sparkle;     // where the sparkle plays, from the corner
    bool underMarkers = false;  // "PRE"
    bool hidden = false;        // "HIDE": shown once ICONS/<name> is set
};

struct MapLocation {
    std::string id;
    MapPoint point;              // the marker's centre on the map
    std::string discovery;       // a section of discoveries.ini, or "NONE"
    std::vector<std::string> exits;
};

struct MapLandmass {
    std::string name;
    MapPoint pos, hpos, cpos;
    int reveal = 0;
    std::vector<MapIcon> icons;
    std::vector<MapLocation> locations;
};

inline constexpr int kMapEntriesPerLandmass = 10;
inline constexpr const char* kNoDiscovery = "NONE";

// False with a reason for anything the map would read differently from what the table means.
bool readMapTable(const std::string& text, std::vector<MapLandmass>& landmasses, std::string& error);

// Every location of the table in file order, and the one with that id (null when none has it).
std::vector<const MapLocation*> mapLocations(const std::vector<MapLandmass>& landmasses);
const MapLocation* findMapLocation(const std::vector<MapLandmass>& landmasses, const std::string& id);

// Pictures as the data folder stores them (lower-cased under img/states/map/).
std::string mapPictureFile(const std::string& name);  // "<name>.png" of the map's folder
