#include "game/expedition/build_table.h"

#include <algorithm>
#include <vector>

#include "framework/core/game_log.h"
#include "framework/core/leading_number.h"
#include "framework/core/split_text.h"
#include "framework/data/ldv_ini_file.h"
#include "game/expedition/data_table.h"

namespace {

constexpr const char* kBuildingKey = "BUILDING";
constexpr const char* kNoValue = "novalue";
constexpr int kDefaultPrice = 1000;
constexpr long long kCoordinateLimit = 100000;
// A delay beyond a minute is a typing error; left as it is, the camp would wait for it forever.
constexpr int kLongestDelay = 3600;

LDvPoint ParsePoint(const LDvString& text) {
    const std::vector<LDvString> xy = SplitText(text, ',');
    LDvPoint point;
    point.x = static_cast<int>(LeadingInteger(xy[0], kCoordinateLimit));
    if (xy.size() > 1) point.y = static_cast<int>(LeadingInteger(xy[1], kCoordinateLimit));
    return point;
}

LDvString Trimmed(const LDvString& text) {
    const size_t first = text.find_first_not_of(" \t");
    if (first == LDvString::npos) return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::unique_ptr<Building> MakeBuilding(const BuildingEntry& entry) {
    auto building = std::make_unique<Building>();
    building->LoadStages(entry.image);
    building->position = entry.position;
    building->centre = entry.centre;
    if (entry.centre.x == 0 && entry.centre.y == 0) building->CentreOnFirstStage();
    building->delay = entry.delay;
    return building;
}

void ReadTexts(const LDvIniFile& table, BuildGroup& group) {
    const char* section = group.key.c_str();
    group.name = table.GetString(section, "NAME", kNoValue);
    group.description = table.GetString(section, "DESCRIPTION", kNoValue);
    group.lockedText = table.GetString(section, "LOCKED", kNoValue);
    group.price = table.GetInt(section, "PRICE", kDefaultPrice);
}

}  // namespace

BuildingEntry ParseBuildingEntry(const LDvString& value) {
    const std::vector<LDvString> fields = SplitText(value, ';');
    BuildingEntry entry;
    entry.image = Trimmed(fields[0]);
    if (fields.size() > 1) entry.position = ParsePoint(fields[1]);
    if (fields.size() > 2) entry.centre = ParsePoint(fields[2]);
    if (fields.size() > 3) entry.delay = static_cast<int>(std::clamp(LeadingInteger(fields[3], kLongestDelay), 0LL,
                                                                   static_cast<long long>(kLongestDelay)));
    return entry;
}

void BuildTable::Load(const BuildArt& art) {
    LDvIniFile table;
    LoadDataTable(table, kBuildTable, "Build table");
    Load(table, art);
}

void BuildTable::Load(const LDvIniFile& table, const BuildArt& art) {
    Clear();
    int slot = 0;
    for (const auto& section : table.Sections()) {
        if (slot == kSlots) {
            Log("Build table: only " + std::to_string(kSlots) + " groups fit the camp; ignoring " + section->name);
            continue;
        }
        BuildGroup& group = groups[slot++];
        group.key = section->name;
        group.art = art;
        for (int n = 1; n <= BuildGroup::kMaxBuildings; ++n) {
            const LDvString value = table.GetString(group.key.c_str(), kBuildingKey + std::to_string(n), "");
            if (value.empty()) break;
            group.buildings.Add(MakeBuilding(ParseBuildingEntry(value)));
        }
        // A section without buildings keeps only its key: no texts, no price, never built or locked.
        if (group.buildings.IsEmpty()) continue;
        ReadTexts(table, group);
        group.RefreshBuildState();
    }
}

void BuildTable::Clear() {
    for (BuildGroup& group : groups) group.Clear();
}

BuildGroup* BuildTable::Find(const LDvString& key) {
    for (BuildGroup& group : groups) {
        if (!group.key.empty() && group.key == key) return &group;
    }
    return nullptr;
}

bool BuildTable::AnyAnimating() const {
    return std::any_of(groups.begin(), groups.end(), [](const BuildGroup& group) { return group.IsAnimating(); });
}
