#pragma once
// The camp's ten build-group slots, filled from "build.ini" in file order each time the camp is
// entered. Group 0 is drawn under the palms, the others over them (the camp registers them so).
//
// Owns the ten groups for its whole life; their buildings live until the next Load or Clear, so
// pointers from Find stay valid until then.
#include <array>

#include "framework/core/ldv_string.h"
#include "game/expedition/build_group.h"

class LDvIniFile;

inline constexpr const char* kBuildTable = "build.ini";

class BuildTable {
public:
    static constexpr int kSlots = 10;

    // Reads "build.ini" from the data folder; a missing file leaves every slot empty (logged).
    void Load(const BuildArt& art);
    // Fills the slots from the sections of `table`; sections past the tenth are ignored (logged).
    void Load(const LDvIniFile& table, const BuildArt& art);
    void Clear();

    BuildGroup* Find(const LDvString& key);     // the first slot with exactly this key, or null
    BuildGroup& Slot(int index) { return groups[index]; }
    // Any building of any slot still under construction or glowing.
    bool AnyAnimating() const;

private:
    std::array<BuildGroup, kSlots> groups;
};

// A building key's value, "image;x,y;cx,cy;delay": missing fields read as 0 (an empty image).
struct BuildingEntry {
    LDvString image;
    LDvPoint position;
    LDvPoint centre;
    int delay = 0;                              // steps, 0..3600
};
BuildingEntry ParseBuildingEntry(const LDvString& value);
