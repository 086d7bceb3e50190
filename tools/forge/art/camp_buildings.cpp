// The catalogue of camp buildings, and the step that paints every stage of every building
// build.ini places, img/states/camp/<image>_s1.png ... _s3.png.
#include "tools/forge/art/camp_buildings.h"

#include <algorithm>
#include <cmath>

#include "tools/forge/art/camp_house.h"
#include "tools/forge/art/camp_paint.h"
#include "tools/forge/art/camp_landmarks.h"
#include "tools/forge/core/canvas.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/gui/paint.h"
#include "tools/forge/paint/sheet.h"
#include "tools/forge/tables/build_table.h"

namespace {

using namespace campPalette;


HouseSpec thatchedHut(double width, double depth, double wall, double roof, double stilts, uint32_t seed) {
    return {.width = width, .depth = depth, .wallHeight = wall, .roofHeight = roof, .overhang = width * 0.15,
            .stilts = stilts, .wall = WallKind::Bamboo, .roof = RoofKind::Thatch, .wallColor = kBamboo,
            .roofColor = kStraw, .seed = seed};
}

// The same hut rebuilt in planks under a shingled roof, over the old one.
HouseSpec rebuilt(HouseSpec hut, Rgb roofColor) {
    hut.rebuild = true;
    hut.wall = WallKind::Planks;
    hut.roof = RoofKind::Shingles;
    hut.wallColor = kPlanks;
    hut.roofColor = roofColor;
    hut.sideWindows = 1;
    return hut;
}

std::vector<BuildingArt> catalogue() {
    const HouseSpec hutA = thatchedHut(92, 70, 46, 54, 22, 1);
    const HouseSpec hutB = thatchedHut(108, 80, 50, 60, 18, 2);
    const HouseSpec hutC = thatchedHut(84, 64, 42, 48, 24, 3);
    std::vector<BuildingArt> arts = {
        houseArt("hut_a", hutA),
        houseArt("hut_b", hutB),
        houseArt("hut_c", hutC),
        houseArt("hut_a_up", rebuilt(hutA, kRedShingles)),
        houseArt("hut_b_up", rebuilt(hutB, kTarShingles)),
        houseArt("hut_c_up", rebuilt(hutC, kRedShingles)),
    };
    for (BuildingArt& art : landmarkArts()) arts.push_back(std::move(art));
    return arts;
}

}  // namespace

const std::vector<BuildingArt>& buildingArts() {
    static const std::vector<BuildingArt> arts = catalogue();
    return arts;
}

const BuildingArt* findBuildingArt(const std::string& image) {
    for (const BuildingArt& art : buildingArts()) {
        if (art.image == image) return &art;
    }
    return nullptr;
}

FORGE_STEP(camp_buildings) {
    std::string text;
    std::vector<BuildGroupEntry> groups;
    std::string error;
    if (!forge.readContent("build.ini", text) || !readBuildTable(text, groups, error)) return;  // build_table says why
    std::vector<std::string> painted;
    std::vector<RgbaImage> previews;
    for (const BuildGroupEntry& group : groups) {
        for (const BuildingPlace& place : group.buildings) {
            if (std::find(painted.begin(), painted.end(), place.image) != painted.end()) continue;
            const BuildingArt* art = findBuildingArt(place.image);
            if (!art) {
                forge.fail("build.ini: [" + group.key + "] places \"" + place.image + "\", which the forge cannot paint");
                continue;
            }
            painted.push_back(place.image);
            for (int stage = 1; stage <= 3; ++stage) {
                const RgbaImage picture = art->paint(stage);
                forge.writePng(buildingStageFile(place.image, stage), picture);
                previews.push_back(previewOver(picture, palette::kSand));
            }
        }
    }
    forge.addContactSheet("camp_buildings", previewRow(previews, 1800));
}
