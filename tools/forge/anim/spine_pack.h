#pragma once
// Packing a hand-written skeletal animation: its two files copied from content/animations into
// "Spine/", read back as the game reads them, checked against the bundle's pictures, and shown
// posed at chosen moments on a contact sheet.
#include <map>
#include <string>
#include <vector>

#include "tools/forge/anim/spine_preview.h"
#include "tools/forge/core/rgba_image.h"

class Forge;

struct PreviewLayout {
    double rootX = 800, rootY = 450;  // where the root bone stands on the 1600 x 900 screen
    double scale = 1.0;               // every frame shrunk by this
    int columns = 2;
    int cellSize = 800;
};

// Copies "<name>-skeleton.json" and "-animation.json" and loads them into preview; fails the
// forge (and returns false) when they cannot be read, or names a picture `pictures` lacks.
bool packAnimation(Forge& forge, const std::string& name, const std::map<std::string, RgbaImage>& pictures,
                   const std::string& bundleName, SpinePreview& preview);
// The contact sheet `sheetName`: the animation posed at each of `times` (seconds).
void addPreviewSheet(Forge& forge, const std::string& sheetName, const std::string& name, const SpinePreview& preview,
                     const std::map<std::string, RgbaImage>& pictures, const std::vector<double>& times,
                     const PreviewLayout& layout);
