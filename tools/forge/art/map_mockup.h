#pragma once
// Previews of the island map for people: the whole painting with the landmass borders, every
// landmass with its glow, and the map screen as a player sees it, composed from the data's own
// pictures by the rules the map draws with.
#include <vector>

#include "tools/forge/art/map_island.h"
#include "tools/forge/art/map_pieces.h"
#include "tools/forge/tables/map_table.h"

class Forge;

RgbaImage islandSheet(const IslandPainting& island);
RgbaImage landmassSheet(const std::vector<LandPiece>& pieces);
// "map_mockup_enter": the first visit, the view on the camp with the first map tip;
// "map_mockup_browse": the buttons at rest with half the island shown;
// "map_mockup_first": the first expedition, the view on the camp, the first landmasses shown and
// the markers round the camp; "map_mockup_full": the whole island revealed, every icon and marker.
void addMapMockups(Forge& forge, const std::vector<MapLandmass>& table, const std::vector<LandPiece>& pieces);
