// Writes the Photoshop reader's seed files with the forge's PSD writer: a small scene (background,
// a layer outside the groups, open and closed groups with "IMG" and "HIT"), in PackBits and raw,
// one with layers stored without transparency, and a background alone. Made at build time so no
// binary document lives in the repository; the fuzzer starts from them and the test build
// replays them with the saved corpus.
// Usage: psd_seed_writer <output folder>
#include <cstdio>
#include <filesystem>
#include <string>

#include "tools/forge/scenes/psd_writer.h"

namespace {

constexpr int kWidth = 24;
constexpr int kHeight = 16;

// Flat colour on the left, a gradient on the right, alpha falling to clear at the edge: PackBits
// writes runs and literals, and some samples sit on each side of the hit threshold.
RgbaImage Picture(int width, int height, int seed) {
    RgbaImage picture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t* p = picture.at(x, y);
            const bool flat = x < width / 2;
            p[0] = static_cast<uint8_t>(flat ? 40 * seed : x * 11 + y);
            p[1] = static_cast<uint8_t>(flat ? 20 : y * 13);
            p[2] = static_cast<uint8_t>(flat ? 200 : (x + seed) * 7);
            p[3] = static_cast<uint8_t>(x == width - 1 ? 0 : 255 - x * 9);
        }
    }
    return picture;
}

PsdDocument Scene(PsdCompression compression, bool transparency) {
    PsdDocument document;
    document.width = kWidth;
    document.height = kHeight;
    document.compression = compression;
    document.addLayer({"Background", 0, 0, Picture(kWidth, kHeight, 1), false});
    document.addLayer({"IMG", 18, 11, Picture(5, 4, 2), transparency});
    document.addGroup({"door", {{"IMG", 2, 3, Picture(6, 5, 3), transparency}, {"HIT", 3, 4, Picture(4, 3, 4), true}}, false});
    document.addGroup({"FX", {}, false});
    document.addGroup({"chest", {{"IMG", 10, 6, Picture(7, 6, 5), transparency}}, true});
    return document;
}

PsdDocument BackgroundOnly() {
    PsdDocument document;
    document.width = kWidth;
    document.height = kHeight;
    document.addLayer({"Background", 0, 0, Picture(kWidth, kHeight, 6), false});
    return document;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const struct {
        const char* file;
        PsdDocument document;
    } seeds[] = {
        {"seed_scene_packbits.psd", Scene(PsdCompression::kPackBits, true)},
        {"seed_scene_raw.psd", Scene(PsdCompression::kRaw, true)},
        {"seed_scene_opaque.psd", Scene(PsdCompression::kPackBits, false)},
        {"seed_background_only.psd", BackgroundOnly()},
    };
    bool ok = true;
    for (const auto& seed : seeds) ok = writePsdFile((folder / seed.file).string(), seed.document) && ok;
    if (!ok) std::fprintf(stderr, "psd_seed_writer: could not write every seed to %s\n", argv[1]);
    return ok ? 0 : 1;
}
