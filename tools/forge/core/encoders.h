#pragma once
// Deterministic encoders: the same input always gives the same bytes (no time stamps, fixed
// Ogg serial numbers derived from the file name).
#include <cstdint>
#include <string>
#include <vector>

struct RgbaImage;

bool encodePng(const RgbaImage& image, std::vector<uint8_t>& out);
bool encodeJpeg(const RgbaImage& image, int quality, std::vector<uint8_t>& out);
bool encodeOggVorbis(const std::vector<float>& samples, int channels, int sampleRate, float quality,
                     const std::string& serialSeed, std::vector<uint8_t>& out);
