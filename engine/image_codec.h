#pragma once
// PNG (libpng) and JPEG (libjpeg) decoding chosen by the first bytes of the data, and PNG writing
// for captured frames. Decoders never read past the buffer and refuse absurd sizes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct DecodedImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;  // width x height, bytes in memory R, G, B, A
};

constexpr int kMaxImageSide = 16384;  // larger headers are refused as corrupt

bool decodeImage(const uint8_t* data, size_t size, DecodedImage& out);
bool decodeImageFile(const std::string& path, DecodedImage& out);
bool writePngFile(const std::string& path, const uint32_t* rgba, int width, int height);
