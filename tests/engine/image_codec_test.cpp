#include "engine/image_codec.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <functional>

#include "engine/k_graphic.h"
#include "tests/support/temp_dir.h"
#include "tools/forge/core/encoders.h"
#include "tools/forge/core/rgba_image.h"

namespace {

constexpr int kWidth = 37;
constexpr int kHeight = 23;

RgbaImage gradient() {
    RgbaImage image(kWidth, kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            uint8_t* p = image.at(x, y);
            p[0] = static_cast<uint8_t>(x * 6);
            p[1] = static_cast<uint8_t>(y * 10);
            p[2] = 90;
            p[3] = static_cast<uint8_t>(255 - x * 3);
        }
    }
    return image;
}

std::vector<uint8_t> pngBytes() {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(encodePng(gradient(), bytes));
    return bytes;
}

std::vector<uint8_t> jpegBytes() {
    std::vector<uint8_t> bytes;
    EXPECT_TRUE(encodeJpeg(gradient(), 95, bytes));
    return bytes;
}

uint32_t pixelOf(const RgbaImage& image, int x, int y, bool opaque) {
    const uint8_t* p = image.at(x, y);
    return uint32_t{p[0]} | (uint32_t{p[1]} << 8) | (uint32_t{p[2]} << 16) | (uint32_t{opaque ? uint8_t{255} : p[3]} << 24);
}

TEST(ImageCodec, DecodesPngExactly) {
    const std::vector<uint8_t> png = pngBytes();
    DecodedImage image;
    ASSERT_TRUE(decodeImage(png.data(), png.size(), image));
    ASSERT_EQ(image.width, kWidth);
    ASSERT_EQ(image.height, kHeight);
    const RgbaImage expected = gradient();
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) ASSERT_EQ(image.pixels[y * kWidth + x], pixelOf(expected, x, y, false));
    }
}

TEST(ImageCodec, DecodesJpegCloselyAndOpaque) {
    const std::vector<uint8_t> jpeg = jpegBytes();
    DecodedImage image;
    ASSERT_TRUE(decodeImage(jpeg.data(), jpeg.size(), image));
    ASSERT_EQ(image.width, kWidth);
    ASSERT_EQ(image.height, kHeight);
    const RgbaImage expected = gradient();
    for (int y = 0; y < kHeight; y += 5) {
        for (int x = 0; x < kWidth; x += 5) {
            const uint32_t got = image.pixels[y * kWidth + x];
            for (int channel = 0; channel < 3; ++channel) {
                EXPECT_NEAR(static_cast<int>((got >> (8 * channel)) & 0xFF), expected.at(x, y)[channel], 12);
            }
            EXPECT_EQ(got >> 24, 255u);
        }
    }
}

// Writes a fresh CRC for the chunk whose data starts at `dataOffset` (length `length`).
void fixChunkCrc(std::vector<uint8_t>& png, size_t dataOffset, size_t length) {
    const uLong crc = crc32(0, png.data() + dataOffset - 4, static_cast<uInt>(length + 4));
    for (int i = 0; i < 4; ++i) png[dataOffset + length + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
}

size_t findMarker(const std::vector<uint8_t>& jpeg, uint8_t marker) {
    for (size_t i = 0; i + 1 < jpeg.size(); ++i) {
        if (jpeg[i] == 0xFF && jpeg[i + 1] == marker) return i;
    }
    return 0;
}

struct DamageCase {
    const char* name;
    bool png;
    std::function<void(std::vector<uint8_t>&)> damage;
};

const DamageCase kDamaged[] = {
    {"png cut to its header", true, [](auto& b) { b.resize(33); }},
    {"png cut in half", true, [](auto& b) { b.resize(b.size() / 2); }},
    {"png pixel data flipped", true, [](auto& b) { b[b.size() / 2] ^= 0x5A; }},
    {"png width without its crc", true, [](auto& b) { b[19] ^= 0x01; }},
    {"png absurd width", true, [](auto& b) { b[17] = 0x7F; fixChunkCrc(b, 16, 13); }},
    // 16000 x 16000 is within the side limit, but no file this small can hold it.
    {"png huge but tiny file", true, [](auto& b) { b[18] = b[22] = 0x3E; b[19] = b[23] = 0x80; fixChunkCrc(b, 16, 13); }},
    {"png signature only", true, [](auto& b) { b.resize(8); }},
    {"jpeg cut in half", false, [](auto& b) { b.resize(b.size() / 2); }},
    {"jpeg without its last bytes", false, [](auto& b) { b.resize(b.size() - 40); }},
    {"jpeg marker inside the scan", false, [](auto& b) { b[b.size() - 60] = 0xFF; b[b.size() - 59] = 0xD9; }},
    {"jpeg absurd size", false, [](auto& b) { const size_t sof = findMarker(b, 0xC0) + 5; b[sof] = b[sof + 2] = 0xFF; }},
    {"jpeg without components", false, [](auto& b) { b[findMarker(b, 0xC0) + 9] = 0; }},
    {"neither format", true, [](auto& b) { b[0] = 'G'; }},
};

TEST(ImageCodec, DamagedFilesGiveFalseAndAnEmptyPicture) {
    for (const DamageCase& c : kDamaged) {
        SCOPED_TRACE(c.name);
        std::vector<uint8_t> bytes = c.png ? pngBytes() : jpegBytes();
        c.damage(bytes);
        DecodedImage image;
        image.width = 5;
        EXPECT_FALSE(decodeImage(bytes.data(), bytes.size(), image));
        EXPECT_EQ(image.width, 0);
        EXPECT_EQ(image.height, 0);
        EXPECT_TRUE(image.pixels.empty());
    }
    DecodedImage image;
    EXPECT_FALSE(decodeImage(nullptr, 0, image));
}

TEST(ImageCodec, PictureFormatComesFromContentsNotName) {
    TempDir dir;
    const std::vector<uint8_t> png = pngBytes();
    dir.write("looks_like.jpg", std::string(png.begin(), png.end()));
    KGraphic picture;
    ASSERT_TRUE(picture.loadPicture(dir.file("looks_like.jpg").c_str()));
    EXPECT_EQ(picture.getWidth(), kWidth);

    dir.write("broken.png", std::string(png.begin(), png.begin() + png.size() / 2));
    EXPECT_FALSE(picture.loadPicture(dir.file("broken.png").c_str()));
    EXPECT_TRUE(picture.isEmpty());
    EXPECT_FALSE(picture.loadPicture(dir.file("missing.png").c_str()));
}

TEST(ImageCodec, CapturedPngReadsBack) {
    TempDir dir;
    const uint32_t pixels[4] = {0xFF0000FFu, 0x8000FF00u, 0x00FF0000u, 0xFFFFFFFFu};
    ASSERT_TRUE(writePngFile(dir.file("capture.png"), pixels, 2, 2));
    DecodedImage image;
    ASSERT_TRUE(decodeImageFile(dir.file("capture.png"), image));
    EXPECT_EQ(image.pixels, std::vector<uint32_t>(pixels, pixels + 4));
    EXPECT_FALSE(writePngFile(dir.file("no/such/folder.png"), pixels, 2, 2));
}

}  // namespace
