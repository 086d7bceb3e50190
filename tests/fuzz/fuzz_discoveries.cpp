// Any bytes as the discovery table: every section's reward list splits into entries with a key
// and without a ";", never more entries than the list has parts, and looking up their pictures
// and the blockers they name neither crashes nor hangs.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/data/ldv_ini_file.h"
#include "game/assets/gui_pictures.h"
#include "game/expedition/reward_list.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const GuiPictures gui;
    LDvIniFile table;
    table.Parse(reinterpret_cast<const char*>(data), size);
    for (LDvString name = table.FirstSectionName(); !name.empty(); name = table.NextSectionName(name)) {
        const LDvString list = table.GetString(name.c_str(), "REWARDS", "");
        const std::vector<RewardEntry> entries = ParseRewardList(list);
        const size_t parts = static_cast<size_t>(std::count(list.begin(), list.end(), ';')) + 1;
        if (entries.size() > parts) std::abort();
        for (const RewardEntry& entry : entries) {
            if (entry.key.empty() || entry.key.find(';') != LDvString::npos) std::abort();
            if (entry.text.find(';') != LDvString::npos) std::abort();
            RewardPicture(gui, entry.key);
        }
        RequirementsMet(table, table.GetString(name.c_str(), "BLOCKER", ""));
    }
    return 0;
}
