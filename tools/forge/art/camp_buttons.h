#pragma once
// The camp's buttons, badges and build-dialog icons, each with the file name it is stored under
// (in img/states/camp/, without ".png").
#include <string>
#include <vector>

#include "tools/forge/core/rgba_image.h"

struct CampPicture {
    std::string file;
    RgbaImage picture;
};

std::vector<CampPicture> campButtonPictures();
// The picture of that file name among them; an empty picture when there is none.
const RgbaImage& campPicture(const std::vector<CampPicture>& pictures, const std::string& file);
