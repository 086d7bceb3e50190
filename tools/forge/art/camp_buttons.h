#pragma once
// The camp's buttons, badges and build-dialog icons, each with the file name it is stored under
// (in img/states/camp/, without ".png").
#include <string>
#include <vector>

#include "tools/forge/art/camp_icons.h"
#include "tools/forge/core/rgba_image.h"
#include "tools/forge/core/style.h"

struct CampPicture {
    std::string file;
    RgbaImage picture;
};

std::vector<CampPicture> campButtonPictures();
// The picture of that file name among them; an empty picture when there is none.
const RgbaImage& campPicture(const std::vector<CampPicture>& pictures, const std::string& file);

// A wooden sign that rises from the bottom edge of the screen to rest at restY: the board with a
// round window holding the icon over the label, its post running down past the edge. The map's
// buttons are made the same way.
RgbaImage signButton(int width, int restY, const std::string& label, const IconPainter& icon, uint32_t seed,
                     Rgb board = palette::kWood);
