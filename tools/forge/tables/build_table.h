#pragma once
// The camp's build table, content/build.ini, read the way the camp reads it: sections in file order
// are the groups; "BUILDING1", "BUILDING2", ... until the first missing or empty key are the
// buildings, each "image;x,y;cx,cy;delay". The camp's art steps paint from it (the background's
// clear ground, every stage picture, the preview of the whole camp), so placing a building in the
// table is all it takes to move it.
#include <string>
#include <vector>

struct BuildingPlace {
    std::string image;  // stage pictures "states/camp/" + image + "_s1.png" ... "_s3.png"
    int x = 0, y = 0;   // top-left corner on the canvas
    int cx = 0, cy = 0; // centre offset for smoke and sparkles; 0,0 = the picture's middle
    int delay = 0;      // ticks after the purchase
};

struct BuildGroupEntry {
    std::string key;
    std::vector<BuildingPlace> buildings;
    std::string name, description, locked, price;  // as written; an empty price costs 1000
};

inline constexpr int kBuildGroupSlots = 10;

// False with a reason for anything the camp would read differently from what the table means: a
// malformed building value, a group without buildings or texts, more than ten groups.
bool readBuildTable(const std::string& text, std::vector<BuildGroupEntry>& groups, std::string& error);

// The stage picture of a building as the data folder stores it (lower-cased under img/).
std::string buildingStageFile(const std::string& image, int stage);
