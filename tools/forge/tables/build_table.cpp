// The build table: read, checked and copied into the data folder.
#include "tools/forge/tables/build_table.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "tools/forge/core/forge.h"
#include "tools/forge/tables/ini_sections.h"

namespace {

constexpr const char* kTable = "build.ini";
// The groups the camp looks up by name; the camp finds them in any order.
constexpr const char* kCampGroups[] = {"HUTS", "UPG_HUTS", "LAB", "CLINIC", "FINISH_CAMP"};

bool readPair(const std::string& text, int& a, int& b) {
    const size_t comma = text.find(',');
    return comma != std::string::npos && readWholeInt(text.substr(0, comma), a) && readWholeInt(text.substr(comma + 1), b);
}

bool readPlace(const std::string& value, BuildingPlace& place) {
    std::vector<std::string> fields;
    std::istringstream in(value);
    std::string field;
    while (std::getline(in, field, ';')) fields.push_back(field);
    if (fields.size() != 4) return false;
    place.image = trimmedText(fields[0]);
    return !place.image.empty() && readPair(fields[1], place.x, place.y) && readPair(fields[2], place.cx, place.cy) &&
           readWholeInt(fields[3], place.delay) && place.delay >= 0;
}

bool readGroup(const IniSection& section, BuildGroupEntry& group, std::string& error) {
    group.key = section.name;
    for (int n = 1; n <= kBuildGroupSlots; ++n) {
        const auto found = section.keys.find("BUILDING" + std::to_string(n));
        if (found == section.keys.end() || found->second.empty()) break;
        BuildingPlace place;
        if (!readPlace(found->second, place)) {
            error = "[" + section.name + "] BUILDING" + std::to_string(n) + " is not \"image;x,y;cx,cy;delay\"";
            return false;
        }
        group.buildings.push_back(place);
    }
    group.name = iniValue(section, "NAME");
    group.description = iniValue(section, "DESCRIPTION");
    group.locked = iniValue(section, "LOCKED");
    group.price = iniValue(section, "PRICE");
    int price = 0;
    if (group.buildings.empty() || group.name.empty() || group.description.empty() ||
        (!group.price.empty() && (!readWholeInt(group.price, price) || price < 0))) {
        error = "[" + section.name + "] needs buildings, a NAME, a DESCRIPTION and a whole PRICE";
        return false;
    }
    return true;
}

}  // namespace

bool readBuildTable(const std::string& text, std::vector<BuildGroupEntry>& groups, std::string& error) {
    groups.clear();
    if (text.find('\r') != std::string::npos) {
        error = "build.ini must use \\n line ends only";
        return false;
    }
    const std::vector<IniSection> sections = readIniSections(text);
    if (sections.size() > static_cast<size_t>(kBuildGroupSlots)) {
        error = "build.ini holds more than ten groups";
        return false;
    }
    for (const IniSection& section : sections) {
        BuildGroupEntry group;
        if (!readGroup(section, group, error)) return false;
        groups.push_back(group);
    }
    return true;
}

std::string buildingStageFile(const std::string& image, int stage) {
    std::string path = "img/states/camp/" + image + "_s" + std::to_string(stage) + ".png";
    for (char& c : path) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return path;
}

FORGE_STEP(build_table) {
    std::string text;
    if (!forge.readContent(kTable, text)) return forge.fail("missing content file build.ini");
    std::vector<BuildGroupEntry> groups;
    std::string error;
    if (!readBuildTable(text, groups, error)) return forge.fail(error);
    for (const char* key : kCampGroups) {
        const bool present = std::any_of(groups.begin(), groups.end(), [&](const BuildGroupEntry& g) { return g.key == key; });
        if (!present) return forge.fail(std::string("build.ini has no [") + key + "] group, which the camp sells");
    }
    forge.writeText(kTable, text);
}
