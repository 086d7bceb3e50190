#pragma once
// The map's icons, img/states/map/<name>_ico.png: things drawn over the land that the landmass
// pictures do not hold, most of them shown when a discovery names them.
#include <string>
#include <vector>

#include "tools/forge/art/map_markers.h"

// One picture per icon name the island's story uses (file "<name lower-cased>_ico").
std::vector<MapPicture> mapIconPictures();
// The picture of an icon name as map.ini writes it; an empty picture for an unknown name.
RgbaImage mapIconPicture(const std::string& name);
