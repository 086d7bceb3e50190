// Decoding a 1600 x 900 picture (gradients, shapes and grain) as PNG and as JPEG with our
// decoders, against ImageMagick converting the same file to raw RGBA (a whole `convert`
// process, timed over repetitions). Our decoders must not be slower.
#include <benchmark/benchmark.h>
#include <jpeglib.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/child_process_timing.h"
#include "engine/image_codec.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 900;
constexpr int kJpegQuality = 90;

std::vector<uint32_t> paintedPicture() {
    std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const uint32_t hash = (static_cast<uint32_t>(x) * 73856093u) ^ (static_cast<uint32_t>(y) * 19349663u);
            const int grain = static_cast<int>(hash % 9) - 4;
            const float wave = std::sin(x * 0.01f) * std::cos(y * 0.013f);
            const bool inDisc = std::hypot(x - 1100.0f, y - 400.0f) < 220.0f;
            int r = 30 + x * 180 / kWidth + grain;
            int g = inDisc ? 210 : 80 + static_cast<int>(60 * wave) + grain;
            int b = 200 - y * 150 / kHeight + grain;
            r = r < 0 ? 0 : (r > 255 ? 255 : r);
            g = g < 0 ? 0 : (g > 255 ? 255 : g);
            b = b < 0 ? 0 : (b > 255 ? 255 : b);
            pixels[static_cast<size_t>(y) * kWidth + x] =
                static_cast<uint32_t>(r) | (static_cast<uint32_t>(g) << 8) | (static_cast<uint32_t>(b) << 16) | 0xFF000000u;
        }
    }
    return pixels;
}

bool writeJpeg(const std::string& path, const std::vector<uint32_t>& pixels) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    jpeg_stdio_dest(&info, file);
    info.image_width = kWidth;
    info.image_height = kHeight;
    info.input_components = 4;
    info.in_color_space = JCS_EXT_RGBA;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, kJpegQuality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(reinterpret_cast<const JSAMPLE*>(&pixels[info.next_scanline * kWidth]));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::fclose(file);
    return true;
}

struct Pictures {
    std::string folder;
    std::string png;
    std::string jpeg;
};

const Pictures& pictures() {
    static const Pictures made = [] {
        Pictures p;
        char pattern[] = "/tmp/qv-bench-decode-XXXXXX";
        p.folder = mkdtemp(pattern) ? pattern : "/tmp";
        p.png = p.folder + "/picture.png";
        p.jpeg = p.folder + "/picture.jpg";
        const std::vector<uint32_t> pixels = paintedPicture();
        if (!writePngFile(p.png, pixels.data(), kWidth, kHeight) || !writeJpeg(p.jpeg, pixels)) std::abort();
        return p;
    }();
    return made;
}

void decodeWithUs(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        DecodedImage image;
        if (!decodeImageFile(path, image)) state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(image.pixels.data());
    }
}

void decodeWithImageMagick(benchmark::State& state, const std::string& path) {
    timeChildProcess(state, {"convert", path, "rgba:/dev/null"});
}

void BM_DecodePng(benchmark::State& state) { decodeWithUs(state, pictures().png); }
void BM_DecodeJpeg(benchmark::State& state) { decodeWithUs(state, pictures().jpeg); }
void BM_ImageMagickPng(benchmark::State& state) { decodeWithImageMagick(state, pictures().png); }
void BM_ImageMagickJpeg(benchmark::State& state) { decodeWithImageMagick(state, pictures().jpeg); }

}  // namespace

BENCHMARK(BM_DecodePng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImageMagickPng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ImageMagickJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    const Pictures& p = pictures();
    std::remove(p.png.c_str());
    std::remove(p.jpeg.c_str());
    rmdir(p.folder.c_str());
    return 0;
}
