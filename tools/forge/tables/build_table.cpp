// The build table: read, checked and copied into the data folder.
#include "tools/forge/tables/build_table.h"

#include <cctype>
#include <cstdlib>
#include <map>
#include <sstream>

#include "tools/forge/core/forge.h"

namespace {

constexpr const char* kTable = "build.ini";

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool readInt(const std::string& text, int& value) {
    const std::string t = trimmed(text);
    if (t.empty()) return false;
    char* end = nullptr;
    value = static_cast<int>(std::strtol(t.c_str(), &end, 10));
    return *end == '\0';
}

bool readPair(const std::string& text, int& a, int& b) {
    const size_t comma = text.find(',');
    return comma != std::string::npos && readInt(text.substr(0, comma), a) && readInt(text.substr(comma + 1), b);
}

bool readPlace(const std::string& value, BuildingPlace& place) {
    std::vector<std::string> fields;
    std::istringstream in(value);
    std::string field;
    while (std::getline(in, field, ';')) fields.push_back(field);
    if (fields.size() != 4) return false;
    place.image = trimmed(fields[0]);
    return !place.image.empty() && readPair(fields[1], place.x, place.y) && readPair(fields[2], place.cx, place.cy) &&
           readInt(fields[3], place.delay) && place.delay >= 0;
}

struct Section {
    std::string name;
    std::map<std::string, std::string> keys;  // upper-cased keys, as the game compares them
};

std::vector<Section> readSections(const std::string& text) {
    std::vector<Section> sections;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        line = trimmed(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            sections.push_back({line.substr(1, line.size() - 2), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos || sections.empty()) continue;
        sections.back().keys[upper(trimmed(line.substr(0, equals)))] = line.substr(equals + 1);
    }
    return sections;
}

bool readGroup(const Section& section, BuildGroupEntry& group, std::string& error) {
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
    const auto text = [&](const char* key) {
        const auto found = section.keys.find(key);
        return found == section.keys.end() ? std::string() : found->second;
    };
    group.name = text("NAME");
    group.description = text("DESCRIPTION");
    group.locked = text("LOCKED");
    group.price = text("PRICE");
    int price = 0;
    if (group.buildings.empty() || group.name.empty() || group.description.empty() ||
        (!group.price.empty() && (!readInt(group.price, price) || price < 0))) {
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
    const std::vector<Section> sections = readSections(text);
    if (sections.size() > static_cast<size_t>(kBuildGroupSlots)) {
        error = "build.ini holds more than ten groups";
        return false;
    }
    for (const Section& section : sections) {
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
    forge.writeText(kTable, text);
}
