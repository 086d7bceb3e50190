// The Photoshop reader on documents written by another program: ImageMagick's PSD writer, with
// one picture or several layers, with and without transparency, raw and PackBits. And the other
// way round: ImageMagick reads the forge's documents back as they were painted.
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
#include "tools/forge/scenes/psd_writer.h"

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

// ImageMagick lists the merged image first, then every layer with pixels (dividers have none).
TEST(PsdReaderImageMagick, ReadsBackTheForgesDocuments) {
    if (access(kConvert, X_OK) != 0) GTEST_SKIP() << "ImageMagick's convert is not installed";
    const std::vector<PsdLayer> layers = {{"Background", 0, 0, PatternPicture(20, 12, 1, false), false},
                                          {"IMG", 2, 3, PatternPicture(7, 5, 2, true), true},
                                          {"HIT", 9, 1, PatternPicture(6, 6, 3, true), true}};
    for (const PsdCompression compression : {PsdCompression::kRaw, PsdCompression::kPackBits}) {
        PsdDocument document;
        document.width = 20;
        document.height = 12;
        document.compression = compression;
        document.addLayer(layers[0]);
        document.addGroup({"door", {layers[1], layers[2]}});
        TempDir folder;
        ASSERT_TRUE(writePsdFile(folder.file("forged.psd"), document));
        for (size_t i = 0; i < layers.size(); ++i) {
            SCOPED_TRACE(layers[i].name);
            const std::string pixels = folder.file("layer.rgba");
            const std::string command = std::string(kConvert) + " " + folder.file("forged.psd") + "[" +
                                        std::to_string(i + 1) + "] -depth 8 rgba:" + pixels + " 2>/dev/null";
            ASSERT_EQ(std::system(command.c_str()), 0);
            const std::string bytes = folder.read("layer.rgba");
            const RgbaImage& picture = layers[i].image;
            ASSERT_EQ(bytes.size(), picture.rgba.size());
            int wrong = 0;
            for (size_t p = 0; p < picture.rgba.size(); p += 4) {
                const bool clear = picture.rgba[p + 3] == 0;
                for (size_t c = clear ? 3 : 0; c < 4; ++c) wrong += static_cast<uint8_t>(bytes[p + c]) != picture.rgba[p + c];
            }
            EXPECT_EQ(wrong, 0);
        }
    }
}

}  // namespace
