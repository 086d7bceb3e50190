// The discovery table, copied as written after a check that every BLOCKER a discovery names is a
// section of the file and that every reward has a picture in the game.
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "tools/forge/core/forge.h"

namespace {

constexpr const char* kTable = "discoveries.ini";

const std::set<std::string> kRewardsWithPictures = {
    "MED_SUPPLIES", "CLINIC", "CLINIC_BUILT", "TORTUGA", "WATER", "HUTS_FINISHED", "WINDBONUS", "BSUPPLY",
};

struct Entry {
    std::string section;
    std::string key;
    std::string value;
};

std::vector<Entry> readEntries(const std::string& text, std::set<std::string>& sections) {
    std::vector<Entry> entries;
    std::istringstream in(text);
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            section = line.substr(1, line.size() - 2);
            sections.insert(section);
            continue;
        }
        const size_t equals = line.find('=');
        if (equals != std::string::npos) entries.push_back({section, line.substr(0, equals), line.substr(equals + 1)});
    }
    return entries;
}

// Keys of a "KEY,Text;KEY,Text" list.
std::vector<std::string> rewardKeys(const std::string& list) {
    std::vector<std::string> keys;
    std::istringstream in(list);
    std::string entry;
    while (std::getline(in, entry, ';')) keys.push_back(entry.substr(0, entry.find(',')));
    return keys;
}

bool checkTable(Forge& forge, const std::string& text) {
    if (text.find('\r') != std::string::npos) {
        forge.fail("discoveries.ini must use \\n line ends only");
        return false;
    }
    std::set<std::string> sections;
    bool good = true;
    for (const Entry& e : readEntries(text, sections)) {
        // A discovery's BLOCKER is a section name; a blocker's own BLOCKER is a sentence.
        const bool namesBlocker = e.key == "BLOCKER" && e.value.find(' ') == std::string::npos;
        if (namesBlocker && sections.count(e.value) == 0) {
            forge.fail("discoveries.ini: [" + e.section + "] names the blocker " + e.value + ", which has no section");
            good = false;
        }
        if (e.key != "REWARDS") continue;
        for (const std::string& key : rewardKeys(e.value)) {
            if (kRewardsWithPictures.count(key) != 0) continue;
            forge.fail("discoveries.ini: [" + e.section + "] grants " + key + ", which has no picture");
            good = false;
        }
    }
    return good;
}

}  // namespace

FORGE_STEP(discoveries) {
    std::string text;
    if (!forge.readContent(kTable, text)) return forge.fail("missing content file discoveries.ini");
    if (checkTable(forge, text)) forge.writeText(kTable, text);
}
