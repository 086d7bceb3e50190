#pragma once
// A contact sheet for a rendered font: sample lines drawn through the font's own table, the way
// the game places glyphs, light on a dark panel and dark on parchment, followed by the page itself.
#include <string>

#include "tools/forge/core/rgba_image.h"

RgbaImage fontPreview(const RgbaImage& page, const std::string& table);
