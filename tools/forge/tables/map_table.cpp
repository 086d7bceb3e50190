#include "tools/forge/tables/map_table.h"

#include <cctype>
#include <sstream>

#include "tools/forge/tables/ini_sections.h"

namespace {

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> fields;
    std::istringstream in(text);
    std::string field;
    while (std::getline(in, field, separator)) fields.push_back(trimmedText(field));
    return fields;
}

bool readPoint(const std::string& text, MapPoint& point) {
    const std::vector<std::string> parts = split(text, ',');
    return parts.size() == 2 && readWholeInt(parts[0], point.x) && readWholeInt(parts[1], point.y);
}

bool readIcon(const std::string& value, MapIcon& icon) {
    const std::vector<std::string> fields = split(value, ';');
    if (fields.size() != 5 || fields[0].empty()) return false;
    icon.name = fields[0];
    icon.underMarkers = fields[3] == "PRE";
    icon.hidden = fields[4] == "HIDE";
    return readPoint(fields[1], icon.corner) && readPoint(fields[2], icon.sparkle);
}

bool readLocation(const std::string& value, MapLocation& location) {
    const std::vector<std::string> fields = split(value, ';');
    if (fields.size() != 4 || fields[0].empty() || fields[2].empty()) return false;
    location.id = fields[0];
    location.discovery = fields[2];
    for (const std::string& exit : split(fields[3], ',')) {
        if (!exit.empty()) location.exits.push_back(exit);
    }
    return readPoint(fields[1], location.point);
}

// Values of "<prefix>1", "<prefix>2", ... up to the first missing or empty one.
std::vector<std::string> numberedValues(const IniSection& section, const std::string& prefix) {
    std::vector<std::string> values;
    for (int n = 1; n <= kMapEntriesPerLandmass; ++n) {
        const std::string value = iniValue(section, prefix + std::to_string(n));
        if (value.empty()) break;
        values.push_back(value);
    }
    return values;
}

bool readLandmass(const IniSection& section, MapLandmass& land, std::string& error) {
    land.name = section.name;
    const std::string where = "map.ini: [" + section.name + "] ";
    const std::string reveal = iniValue(section, "REVEAL");
    if (!readPoint(iniValue(section, "POS"), land.pos) || !readPoint(iniValue(section, "HPOS"), land.hpos) ||
        !readPoint(iniValue(section, "CPOS"), land.cpos) || (!reveal.empty() && !readWholeInt(reveal, land.reveal))) {
        error = where + "needs POS, HPOS and CPOS as \"x,y\" and a whole REVEAL";
        return false;
    }
    for (const std::string& value : numberedValues(section, "ICON")) {
        MapIcon icon;
        if (!readIcon(value, icon)) {
            error = where + "has an icon that is not \"name;x,y;cx,cy;PRE|POST;HIDE|SHOW\": " + value;
            return false;
        }
        land.icons.push_back(icon);
    }
    for (const std::string& value : numberedValues(section, "LOCATION")) {
        MapLocation location;
        if (!readLocation(value, location)) {
            error = where + "has a location that is not \"id;x,y;discovery;exit,exit\": " + value;
            return false;
        }
        land.locations.push_back(location);
    }
    return true;
}

}  // namespace

bool readMapTable(const std::string& text, std::vector<MapLandmass>& landmasses, std::string& error) {
    landmasses.clear();
    if (text.find('\r') != std::string::npos) {
        error = "map.ini must use \\n line ends only";
        return false;
    }
    for (const IniSection& section : readIniSections(text)) {
        MapLandmass land;
        if (!readLandmass(section, land, error)) return false;
        landmasses.push_back(land);
    }
    return true;
}

std::vector<const MapLocation*> mapLocations(const std::vector<MapLandmass>& landmasses) {
    std::vector<const MapLocation*> all;
    for (const MapLandmass& land : landmasses) {
        for (const MapLocation& location : land.locations) all.push_back(&location);
    }
    return all;
}

const MapLocation* findMapLocation(const std::vector<MapLandmass>& landmasses, const std::string& id) {
    for (const MapLocation* location : mapLocations(landmasses)) {
        if (location->id == id) return location;
    }
    return nullptr;
}

std::string mapPictureFile(const std::string& name) {
    std::string path = "img/states/map/" + name + ".png";
    for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return path;
}
