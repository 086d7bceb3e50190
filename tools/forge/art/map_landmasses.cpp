// The island map's landmasses, under img/states/map/: <name>.png and <name>_h.png for every
// section of map.ini, cut from one painting of the whole island, and map.ini itself once it
// places every picture where it was painted. With contact sheets asked for, also the whole island
// and the mock-ups of the map screen.
#include <algorithm>
#include <string>
#include <vector>

#include "tools/forge/art/map_geography.h"
#include "tools/forge/art/map_mockup.h"
#include "tools/forge/art/map_pieces.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/paint/sheet.h"
#include "tools/forge/tables/map_table.h"

namespace {

constexpr const char* kTable = "map.ini";

std::string pointText(MapPoint p) { return std::to_string(p.x) + "," + std::to_string(p.y); }

bool samePoint(MapPoint a, MapPoint b) { return a.x == b.x && a.y == b.y; }

// Every landmass of the table must be a painted region and be placed as painted; the message
// lists what the table should say.
bool checkPlacement(Forge& forge, const std::vector<MapLandmass>& table, const std::vector<LandPiece>& pieces) {
    std::string wrong;
    for (const MapLandmass& land : table) {
        const auto piece = std::find_if(pieces.begin(), pieces.end(), [&](const LandPiece& p) { return p.name == land.name; });
        if (piece == pieces.end()) {
            wrong += "\n  [" + land.name + "] is not a landmass of the painted island";
            continue;
        }
        if (!samePoint(piece->pos, land.pos) || !samePoint(piece->hpos, land.hpos) || !samePoint(piece->cpos, land.cpos)) {
            wrong += "\n  [" + land.name + "] POS=" + pointText(piece->pos) + " HPOS=" + pointText(piece->hpos) +
                     " CPOS=" + pointText(piece->cpos);
        }
    }
    for (const LandPiece& piece : pieces) {
        const bool listed = std::any_of(table.begin(), table.end(), [&](const MapLandmass& l) { return l.name == piece.name; });
        if (!listed) wrong += "\n  the painted landmass " + piece.name + " has no section";
    }
    if (!wrong.empty()) forge.fail("map.ini does not place the landmasses as painted:" + wrong);
    return wrong.empty();
}

}  // namespace

FORGE_STEP(map_landmasses) {
    std::string text;
    if (!forge.readContent(kTable, text)) return forge.fail("missing content file map.ini");
    std::vector<MapLandmass> table;
    std::string error;
    if (!readMapTable(text, table, error)) return forge.fail(error);
    const IslandPainting island = paintIsland(table);
    const std::vector<LandPiece> pieces = cutLandPieces(island);
    for (const LandPiece& piece : pieces) {
        forge.writePng(mapPictureFile(piece.name), piece.land);
        forge.writePng(mapPictureFile(piece.name + "_h"), piece.glow);
    }
    if (checkPlacement(forge, table, pieces)) forge.writeText(kTable, text);
    if (!forge.wantsContactSheets()) return;
    forge.addContactSheet("map_island", islandSheet(island));
    forge.addContactSheet("map_landmasses", landmassSheet(pieces));
    addMapMockups(forge, table, pieces);
}
