// The Photoshop reader on documents written by another program: ImageMagick's PSD writer, with
// one picture or several layers, with and without transparency, raw and PackBits.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "game/scenes/ldv_psd_reader.h"
#include "tests/game/psd_test_pictures.h"
#include "tests/support/picture_fixtures.h"
#include "tests/support/temp_dir.h"
#include "tools/forge/core/encoders.h"

namespace {

constexpr char kConvert[] = "/usr/bin/convert";

struct SourceLayer {
    const char* label;
    int left, top;
    RgbaImage picture;
    bool transparent;
};

struct MagickCase {
    const char* name;
    std::vector<SourceLayer> layers;  // bottom-most first
    const char* compression;          // ImageMagick's name for it
};

bool WritePng(const std::string& path, const RgbaImage& picture) {
    std::vector<uint8_t> bytes;
    if (!encodePng(picture, bytes)) return false;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

// ImageMagick takes the first picture of several as the merged image and the others as layers;
// a single picture is both.
std::string ConvertCommand(const MagickCase& c, const TempDir& folder, const std::string& output) {
    std::string command = std::string(kConvert);
    if (c.layers.size() > 1) command += " " + folder.file("0.png");
    for (size_t i = 0; i < c.layers.size(); ++i) {
        const SourceLayer& layer = c.layers[i];
        command += " -label " + std::string(layer.label) + " -page +" + std::to_string(layer.left) + "+" +
                   std::to_string(layer.top) + " " + folder.file(std::to_string(i) + ".png");
    }
    return command + " -depth 8 -compress " + c.compression + " " + output;
}

std::vector<MagickCase> Cases() {
    const auto background = [] { return PatternPicture(24, 16, 1, false); };
    const auto layers = [&] {
        return std::vector<SourceLayer>{{"Background", 0, 0, background(), false},
                                        {"door", 3, 2, PatternPicture(8, 6, 2, false), false},
                                        {"glow", 12, 9, PatternPicture(10, 5, 3, true), true}};
    };
    return {
        {"one opaque picture, raw", {{"Background", 0, 0, background(), false}}, "None"},
        {"one transparent picture, PackBits", {{"Background", 0, 0, PatternPicture(24, 16, 4, true), true}}, "RLE"},
        {"three layers, raw", layers(), "None"},
        {"three layers, PackBits", layers(), "RLE"},
    };
}

TEST(PsdReaderImageMagick, ReadsDocumentsImageMagickWrote) {
    if (access(kConvert, X_OK) != 0) GTEST_SKIP() << "ImageMagick's convert is not installed";
    PictureWorld world;
    for (const MagickCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        TempDir folder;
        for (size_t i = 0; i < c.layers.size(); ++i) {
            ASSERT_TRUE(WritePng(folder.file(std::to_string(i) + ".png"), c.layers[i].picture));
        }
        const std::string output = folder.file("document.psd");
        ASSERT_EQ(std::system((ConvertCommand(c, folder, output) + " 2>/dev/null").c_str()), 0);

        LDvPSDReader reader;
        ASSERT_TRUE(reader.Load(output));
        ASSERT_EQ(reader.LayerCount(), static_cast<int>(c.layers.size()));
        for (size_t i = 0; i < c.layers.size(); ++i) {
            const SourceLayer& source = c.layers[i];
            const LDvPSDLayer& layer = *reader.LayerAt(static_cast<int>(i));
            SCOPED_TRACE(source.label);
            EXPECT_EQ(layer.name, source.label);
            EXPECT_EQ(layer.left, source.left);
            EXPECT_EQ(layer.top, source.top);
            // Colours under fully clear pixels are ImageMagick's to choose.
            ExpectLayerHolds(layer, source.picture, source.transparent, false);
        }
    }
}

}  // namespace
