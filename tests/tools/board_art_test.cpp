// The generated match-3 pictures keep the layouts the game slices them by: a sheet's frame size is
// its size divided by its columns and rows, so a sheet of the wrong size shows torn frames.
#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Size {
    int width = 0;
    int height = 0;
};

std::vector<uint8_t> readHead(const fs::path& path, size_t bytes) {
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> head(bytes);
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(bytes));
    head.resize(static_cast<size_t>(in.gcount()));
    return head;
}

uint32_t bigEndian(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t v = 0;
    for (int k = 0; k < bytes; ++k) v = (v << 8) | b[at + k];
    return v;
}

// Width and height from a PNG's header or a JPEG's frame marker; 0 x 0 when neither is found.
Size pictureSize(const fs::path& path) {
    const std::vector<uint8_t> b = readHead(path, 64 * 1024);
    if (b.size() >= 24 && b[1] == 'P' && b[2] == 'N' && b[3] == 'G') {
        return {static_cast<int>(bigEndian(b, 16, 4)), static_cast<int>(bigEndian(b, 20, 4))};
    }
    for (size_t at = 2; at + 9 < b.size();) {
        if (b[at] != 0xFF) return {};
        const uint8_t marker = b[at + 1];
        if (marker >= 0xC0 && marker <= 0xC2) {
            return {static_cast<int>(bigEndian(b, at + 7, 2)), static_cast<int>(bigEndian(b, at + 5, 2))};
        }
        at += 2 + bigEndian(b, at + 2, 2);
    }
    return {};
}

struct SheetCase {
    const char* path;  // below the data folder
    int columns, rows;
    int frameWidth, frameHeight;
};

constexpr SheetCase kSheets[] = {
    {"img/states/playing/pieces/hat.png", 18, 2, 64, 64},
    {"img/states/playing/pieces/shell.png", 18, 2, 64, 64},
    {"img/states/playing/pieces/compass.png", 18, 2, 64, 64},
    {"img/states/playing/pieces/rock.png", 18, 2, 64, 64},
    {"img/states/playing/pieces/float.png", 18, 2, 64, 64},
    {"img/states/playing/pieces/egg.png", 18, 2, 64, 64},
    {"img/states/playing/pieces/small_crystal.png", 18, 2, 64, 64},
    {"img/states/playing/pieces/exploding_crystal.png", 18, 2, 64, 64},
    {"img/states/playing/pieces/air_coin.png", 18, 2, 64, 64},
    {"img/states/playing/board_back.png", 1, 1, 55, 55},
    {"img/states/playing/board_back5.png", 1, 1, 55, 55},
    {"img/states/playing/board_color1.png", 1, 1, 55, 55},
    {"img/states/playing/blue_flash.png", 8, 8, 51, 51},
    {"img/states/playing/single_lock.png", 1, 1, 55, 55},
    {"img/states/playing/smokebit.png", 5, 1, 24, 24},
    {"img/states/playing/ropebit.png", 5, 1, 24, 24},
    {"img/states/playing/crystalbit.png", 5, 1, 24, 24},
    {"img/states/playing/woodbit.png", 5, 1, 24, 24},
    {"img/states/playing/score.png", 5, 1, 72, 40},
    {"img/states/playing/hint_arrow.png", 4, 1, 72, 40},
    {"img/states/playing/sanddrip.png", 16, 1, 8, 32},
    {"img/states/playing/bonuscount_back.png", 2, 1, 64, 48},
    {"img/tl_fx/explode2_8_6_48.png", 8, 6, 64, 64},
    {"img/tl_fx/smokepuff_8_5_40.png", 8, 5, 64, 64},
    {"img/tl_fx/powerup_8_4_32.png", 8, 4, 64, 64},
    {"img/tl_fx/splash_8_4_32.png", 8, 4, 96, 96},
    {"img/tl_fx/lightflare_8_4_32.png", 8, 4, 96, 96},
    {"img/fx/wavebit.png", 4, 2, 48, 24},
    {"img/gui/cursor.png", 6, 3, 76, 76},
    {"img/match3_backgrounds/back1.jpg", 1, 1, 1600, 900},
    {"img/match3_backgrounds/back2.jpg", 1, 1, 1600, 900},
};

TEST(BoardArt, FrameSheetsHaveTheirGridOfWholeFrames) {
    for (const SheetCase& c : kSheets) {
        SCOPED_TRACE(c.path);
        const Size size = pictureSize(fs::path(QV_DATA_DIR) / c.path);
        EXPECT_EQ(size.width, c.columns * c.frameWidth);
        EXPECT_EQ(size.height, c.rows * c.frameHeight);
    }
}

TEST(BoardArt, EveryBorderPieceIsOneSquare) {
    for (int n = 1; n <= 29; ++n) {
        const std::string path = "img/states/playing/border_" + std::to_string(n) + ".png";
        SCOPED_TRACE(path);
        const Size size = pictureSize(fs::path(QV_DATA_DIR) / path);
        EXPECT_EQ(size.width, 55);
        EXPECT_EQ(size.height, 55);
    }
}

// The loader lower-cases picture paths, and the file system is case-sensitive.
TEST(BoardArt, PicturesAreStoredUnderLowerCasePaths) {
    const fs::path root = fs::path(QV_DATA_DIR) / "img";
    ASSERT_TRUE(fs::is_directory(root));
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        const std::string relative = fs::relative(entry.path(), root).string();
        std::string lower = relative;
        for (char& ch : lower) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
        EXPECT_EQ(relative, lower);
    }
}

}  // namespace
