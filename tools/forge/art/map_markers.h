#pragma once
// The map's markers and pointers, under img/states/map/: the four location pictures (one per state
// of a place), the question mark's strip, the pointer that bobs beside a new place, and the
// player's marker: the professor's head over a golden arrow.
#include <string>
#include <vector>

#include "tools/forge/core/rgba_image.h"
#include "tools/forge/core/style.h"

class Forge;

struct MapPicture {
    std::string file;  // in img/states/map/, without ".png"
    RgbaImage picture;
};

enum class PlaceState { Current, Unreachable, New, Found };

RgbaImage locationPicture(PlaceState state);
RgbaImage questionMarkFrame(int frame);  // 0 .. map_layout::kQuestionMarkFrames - 1
RgbaImage questionMarkStrip();
RgbaImage clickPointer();
RgbaImage professorHead();
RgbaImage headArrow();

std::vector<MapPicture> mapMarkerPictures();
// Writes the pictures to img/states/map/ and shows them on a contact sheet of that name, each on
// the backdrop (or a checkerboard when it is null).
void writeMapPictures(Forge& forge, const std::vector<MapPicture>& pictures, const char* sheet, int columns, int cell,
                      const Rgb* backdrop);

// The map screen's buttons and the expedition dialog's icon by file name (map_buttons.cpp).
RgbaImage mapButtonPicture(const std::string& file);
