#pragma once
// Writes layered Photoshop documents (version 1, 8-bit RGB) the way the scene reader takes them:
// named layers at their positions with RGBA pixels, groups between section dividers ("lsct"),
// PackBits (or raw) channels and a merged image of every layer over white. Deterministic: the
// same document always gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "tools/forge/core/rgba_image.h"

struct PsdLayer {
    std::string name;   // at most 255 bytes are kept
    int left = 0;       // where the picture's top-left corner lies in the document
    int top = 0;
    RgbaImage image;
    bool transparency = true;  // false: only red, green and blue are stored (the reader sees A = 255)
};

struct PsdGroup {
    std::string name;
    std::vector<PsdLayer> layers;  // bottom-most first
    bool closed = false;           // folded in Photoshop's layer panel
};

enum class PsdCompression { kRaw, kPackBits };

struct PsdDocument {
    int width = 0;
    int height = 0;
    std::vector<std::variant<PsdLayer, PsdGroup>> stack;  // bottom-most first (the background)
    PsdCompression compression = PsdCompression::kPackBits;

    void addLayer(PsdLayer layer) { stack.emplace_back(std::move(layer)); }
    void addGroup(PsdGroup group) { stack.emplace_back(std::move(group)); }
};

std::vector<uint8_t> encodePsd(const PsdDocument& document);
bool writePsdFile(const std::string& path, const PsdDocument& document);

// One row of samples as PackBits: runs of three or more equal bytes repeated, the rest literal.
void packBitsRow(const uint8_t* samples, size_t count, std::vector<uint8_t>& out);
