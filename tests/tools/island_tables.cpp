#include "tests/tools/island_tables.h"

#include <cstdlib>
#include <sstream>

namespace {

std::vector<std::string> fields(const std::string& text, char separator) {
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string field;
    while (std::getline(in, field, separator)) out.push_back(field);
    return out;
}

bool wholeNumber(const std::string& text, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = static_cast<int>(std::strtol(text.c_str(), &end, 10));
    return *end == '\0';
}

bool readPoint(const std::string& text, IslandPoint& point) {
    const std::vector<std::string> xy = fields(text, ',');
    return xy.size() == 2 && wholeNumber(xy[0], point.x) && wholeNumber(xy[1], point.y);
}

void readIcons(const TableSection& section, IslandLand& land, std::vector<std::string>& problems) {
    for (int n = 1; n <= kMaxEntriesPerLand; ++n) {
        const std::string value = section.value("ICON" + std::to_string(n));
        if (value.empty()) break;
        const std::vector<std::string> f = fields(value, ';');
        IslandIcon icon;
        if (f.size() != 5 || f[0].empty() || !readPoint(f[1], icon.corner) || !readPoint(f[2], icon.sparkle)) {
            problems.push_back(land.name + ": icon \"" + value + "\"");
            continue;
        }
        icon.name = f[0];
        icon.placement = f[3];
        icon.visibility = f[4];
        land.icons.push_back(icon);
    }
}

void readPlaces(const TableSection& section, IslandLand& land, std::vector<std::string>& problems) {
    for (int n = 1; n <= kMaxEntriesPerLand; ++n) {
        const std::string value = section.value("LOCATION" + std::to_string(n));
        if (value.empty()) break;
        const std::vector<std::string> f = fields(value, ';');
        IslandPlace place;
        if (f.size() != 4 || f[0].empty() || f[2].empty() || !readPoint(f[1], place.point)) {
            problems.push_back(land.name + ": location \"" + value + "\"");
            continue;
        }
        place.id = f[0];
        place.landmass = land.name;
        place.discovery = f[2];
        for (const std::string& exit : fields(f[3], ',')) {
            if (!exit.empty()) place.exits.push_back(exit);
        }
        land.places.push_back(place);
    }
}

std::string dataText(const char* file) {
    std::string text;
    readDataFile(dataPath(file), text);
    return text;
}

}  // namespace

const IslandLand* IslandMap::land(const std::string& name) const {
    for (const IslandLand& l : lands) {
        if (l.name == name) return &l;
    }
    return nullptr;
}

const IslandPlace* IslandMap::place(const std::string& id) const {
    for (const IslandPlace* p : places()) {
        if (p->id == id) return p;
    }
    return nullptr;
}

std::vector<const IslandPlace*> IslandMap::places() const {
    std::vector<const IslandPlace*> all;
    for (const IslandLand& l : lands) {
        for (const IslandPlace& p : l.places) all.push_back(&p);
    }
    return all;
}

IslandMap readIslandMap(const std::string& text) {
    IslandMap map;
    for (const TableSection& section : readTableSections(text)) {
        IslandLand land;
        land.name = section.name;
        const std::string reveal = section.value("REVEAL");
        if (!readPoint(section.value("POS"), land.pos) || !readPoint(section.value("HPOS"), land.hpos) ||
            !readPoint(section.value("CPOS"), land.cpos) || (!reveal.empty() && !wholeNumber(reveal, land.reveal))) {
            map.problems.push_back(land.name + ": POS, HPOS, CPOS or REVEAL");
        }
        readIcons(section, land, map.problems);
        readPlaces(section, land, map.problems);
        map.lands.push_back(land);
    }
    return map;
}

IslandMap dataIslandMap() { return readIslandMap(dataText("map.ini")); }

DiscoveryTable dataDiscoveries() {
    DiscoveryTable table;
    for (const TableSection& section : readTableSections(dataText("discoveries.ini"))) table[section.name] = section;
    return table;
}

std::vector<std::pair<std::string, std::string>> rewardList(const std::string& value) {
    std::vector<std::pair<std::string, std::string>> rewards;
    for (const std::string& entry : fields(value, ';')) {
        if (entry.empty()) continue;
        const size_t comma = entry.find(',');
        rewards.emplace_back(entry.substr(0, comma), comma == std::string::npos ? "" : entry.substr(comma + 1));
    }
    return rewards;
}
