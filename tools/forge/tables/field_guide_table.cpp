// The field guide's page table, copied as written after a check that the guide will show every
// entry as meant: one entry for each page the game unlocks and no other, a page type the guide
// knows, a sketch that exists, and a heading and text.
#include <algorithm>
#include <set>
#include <string>

#include "tools/forge/core/forge.h"
#include "tools/forge/tables/ini_sections.h"

namespace {

constexpr const char* kTable = "fieldguide.ini";
constexpr int kSketches = 8;

// The PAGES keys something in the game writes: the camp (the first three) and the map.
const std::set<std::string> kUnlockedPages = {"INTRO", "HISTORY", "SCIENTIST", "TURTLE", "MEDICAL_SUPPLIES",
                                              "GOD_OF_AIR"};
const std::set<std::string> kPageTypes = {"SINGLE_TOP", "SINGLE_BOTTOM", "DOUBLE_LEFT", "DOUBLE_RIGHT"};

std::string entryProblem(const IniSection& entry) {
    if (kUnlockedPages.count(entry.name) == 0) return "is a page nothing in the game unlocks";
    if (kPageTypes.count(iniValue(entry, "PAGE_TYPE")) == 0) return "has a PAGE_TYPE the guide does not know";
    int sketch = -1;
    if (!readWholeInt(iniValue(entry, "SKETCH"), sketch) || sketch < 0 || sketch >= kSketches) {
        return "needs a SKETCH from 0 to 7";
    }
    if (trimmedText(iniValue(entry, "HEADER")).empty() || trimmedText(iniValue(entry, "BODY")).empty()) {
        return "needs a HEADER and a BODY";
    }
    return "";
}

}  // namespace

FORGE_STEP(field_guide_table) {
    std::string text;
    if (!forge.readContent(kTable, text)) return forge.fail("missing content file fieldguide.ini");
    if (text.find('\r') != std::string::npos) return forge.fail("fieldguide.ini must use \\n line ends only");
    std::set<std::string> seen;
    for (const IniSection& entry : readIniSections(text)) {
        const std::string problem = entryProblem(entry);
        if (!problem.empty()) return forge.fail("fieldguide.ini: [" + entry.name + "] " + problem);
        seen.insert(entry.name);
    }
    if (seen != kUnlockedPages) return forge.fail("fieldguide.ini needs one entry for every page the game unlocks");
    forge.writeText(kTable, text);
}
