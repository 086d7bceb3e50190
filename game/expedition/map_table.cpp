#include "game/expedition/map_table.h"

#include <cctype>

#include "framework/core/leading_number.h"
#include "framework/data/ini_text.h"
#include "framework/data/ldv_ini_file.h"

namespace {

constexpr long long kCoordinateLimit = 1000000;
constexpr int kNoNumber = -1;
constexpr const char* kPre = "PRE";
constexpr const char* kHide = "HIDE";

std::vector<LDvString> Split(const LDvString& text, char separator) {
    std::vector<LDvString> parts;
    size_t start = 0;
    for (size_t at = text.find(separator); at != LDvString::npos; at = text.find(separator, start)) {
        parts.push_back(text.substr(start, at - start));
        start = at + 1;
    }
    parts.push_back(text.substr(start));
    return parts;
}


// A number needs at least one digit after the blanks and the sign.
int Coordinate(const LDvString& text) {
    const LDvString trimmed = TrimIniBlanks(text);
    const size_t digit = trimmed.find_first_not_of("+-");
    if (digit == LDvString::npos || digit > 1 || std::isdigit(static_cast<unsigned char>(trimmed[digit])) == 0) {
        return kNoNumber;
    }
    return static_cast<int>(LeadingInteger(trimmed, kCoordinateLimit));
}

LDvString Field(const std::vector<LDvString>& fields, size_t index) {
    return index < fields.size() ? TrimIniBlanks(fields[index]) : LDvString();
}

LDvPoint PointKey(const LDvIniFile& table, const LDvString& section, const char* key) {
    return ParseMapPoint(table.GetString(section.c_str(), key, "-1,-1"));
}

MapLandmassRecord ReadLandmass(const LDvIniFile& table, const LDvString& name) {
    MapLandmassRecord landmass;
    landmass.name = name;
    landmass.position = PointKey(table, name, "POS");
    landmass.highlightPosition = PointKey(table, name, "HPOS");
    landmass.centreOffset = PointKey(table, name, "CPOS");
    landmass.reveal = table.GetInt(name.c_str(), "REVEAL", 0);
    for (int n = 1; n <= kMapListLength; ++n) {
        const LDvString icon = table.GetString(name.c_str(), "ICON" + std::to_string(n), "");
        if (icon.empty()) break;
        MapIconRecord record = ParseMapIcon(icon);
        if (!record.name.empty()) landmass.icons.push_back(record);
    }
    for (int n = 1; n <= kMapListLength; ++n) {
        const LDvString location = table.GetString(name.c_str(), "LOCATION" + std::to_string(n), "");
        if (location.empty()) break;
        MapLocationRecord record = ParseMapLocation(location);
        if (!record.id.empty()) landmass.locations.push_back(record);
    }
    return landmass;
}

}  // namespace

LDvPoint ParseMapPoint(const LDvString& text) {
    const size_t comma = text.find(',');
    if (comma == LDvString::npos) return {Coordinate(text), kNoNumber};
    return {Coordinate(text.substr(0, comma)), Coordinate(text.substr(comma + 1))};
}

MapIconRecord ParseMapIcon(const LDvString& value) {
    const std::vector<LDvString> fields = Split(value, ';');
    MapIconRecord icon;
    icon.name = Field(fields, 0);
    icon.position = ParseMapPoint(Field(fields, 1));
    icon.sparkleOffset = ParseMapPoint(Field(fields, 2));
    icon.underMarkers = Field(fields, 3) == kPre;
    icon.waitsForDiscovery = Field(fields, 4) == kHide;
    return icon;
}

MapLocationRecord ParseMapLocation(const LDvString& value) {
    const std::vector<LDvString> fields = Split(value, ';');
    MapLocationRecord location;
    location.id = Field(fields, 0);
    location.point = ParseMapPoint(Field(fields, 1));
    location.discovery = Field(fields, 2);
    if (location.discovery.empty()) location.discovery = kNoDiscovery;
    location.exitsText = Field(fields, 3);
    location.exits = ParseExitIds(location.exitsText);
    return location;
}

std::vector<LDvString> ParseExitIds(const LDvString& exitsText) {
    std::vector<LDvString> ids;
    if (exitsText.empty()) return ids;
    for (const LDvString& exit : Split(exitsText, ',')) {
        const LDvString id = TrimIniBlanks(exit);
        if (!id.empty()) ids.push_back(id);
    }
    return ids;
}

std::vector<MapLandmassRecord> ReadMapTable(const LDvIniFile& table) {
    std::vector<MapLandmassRecord> landmasses;
    for (LDvString name = table.FirstSectionName(); !name.empty(); name = table.NextSectionName(name)) {
        landmasses.push_back(ReadLandmass(table, name));
    }
    return landmasses;
}
