#pragma once
// Scene documents and data folders for the scene tests and benchmarks: small layered documents
// written with the forge's writer (a background and groups of "IMG" and "HIT" layers), and the
// default data with a scene's files added.
#include <cstdint>
#include <string>
#include <vector>

#include "tests/support/mirrored_data.h"
#include "tests/support/solid_picture.h"
#include "tools/forge/scenes/psd_writer.h"

struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};

// Colours as 0xRRGGBB.
PsdLayer ImageLayer(Box box, uint32_t rgb);
PsdLayer HitLayer(Box box);
PsdGroup Group(const std::string& name, std::vector<PsdLayer> layers);
// A document with a background of `rgb` and the groups, bottom-most first.
PsdDocument SceneDocument(uint32_t backgroundRgb, std::vector<PsdGroup> groups, int width = 1600, int height = 900);

// The default data plus scenes written by the test, and plain stand-ins for the bar pictures the
// data does not hold yet.
class SceneData : public MirroredData {
public:
    SceneData();
    // "Scenes/<name>.psd" and, unless `script` is empty, "Scenes/<name>.angel".
    void AddScene(const std::string& name, const PsdDocument& document, const std::string& script) const;
};
