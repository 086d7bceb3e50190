// Writes the picture decoders' seed files: small PNGs and JPEGs of every layout the decoders take
// different paths for (8- and 16-bit, grey, palette, interlaced; baseline, 4:2:0, grey,
// progressive). Made at build time so no binary picture lives in the repository; the fuzzer
// starts from them and the test build replays them with the saved corpus.
// Usage: image_seed_writer <output folder>
#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 12;

// A gradient: every channel varies, so no layout collapses to a trivial picture.
uint8_t Channel(int x, int y, int channel) {
    const int values[] = {x * 16, y * 21, (x + y) * 9, 255 - x * 8};
    return static_cast<uint8_t>(values[channel]);
}

struct PngLayout {
    const char* file;
    int colourType;
    int bitDepth;
    int interlace;
};

int ChannelsOf(int colourType) {
    switch (colourType) {
        case PNG_COLOR_TYPE_GRAY: return 1;
        case PNG_COLOR_TYPE_PALETTE: return 1;
        case PNG_COLOR_TYPE_RGB: return 3;
        default: return 4;
    }
}

std::vector<uint8_t> PngRow(const PngLayout& layout, int y) {
    const int channels = ChannelsOf(layout.colourType);
    const int bytesPerSample = layout.bitDepth / 8;
    std::vector<uint8_t> row;
    for (int x = 0; x < kWidth; ++x) {
        for (int c = 0; c < channels; ++c) {
            const uint8_t value = layout.colourType == PNG_COLOR_TYPE_PALETTE ? static_cast<uint8_t>((x + y) % 4)
                                                                              : Channel(x, y, c);
            for (int b = 0; b < bytesPerSample; ++b) row.push_back(value);
        }
    }
    return row;
}

bool WritePng(const std::filesystem::path& path, const PngLayout& layout) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        std::fclose(out);
        return false;
    }
    png_init_io(png, out);
    png_set_IHDR(png, info, kWidth, kHeight, layout.bitDepth, layout.colourType, layout.interlace,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_color palette[4] = {{200, 40, 40}, {40, 200, 40}, {40, 40, 200}, {230, 230, 60}};
    if (layout.colourType == PNG_COLOR_TYPE_PALETTE) png_set_PLTE(png, info, palette, 4);
    png_write_info(png, info);
    std::vector<std::vector<uint8_t>> rows;
    std::vector<png_bytep> rowPointers;
    for (int y = 0; y < kHeight; ++y) rows.push_back(PngRow(layout, y));
    for (auto& row : rows) rowPointers.push_back(row.data());
    png_write_image(png, rowPointers.data());  // writes every interlace pass
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return std::fclose(out) == 0;
}

struct JpegLayout {
    const char* file;
    bool grey;
    bool subsampled;
    bool progressive;
};

bool WriteJpeg(const std::filesystem::path& path, const JpegLayout& layout) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) return false;
    jpeg_compress_struct cinfo;
    jpeg_error_mgr errors;
    cinfo.err = jpeg_std_error(&errors);  // the default handler exits: fine for a build tool
    jpeg_create_compress(&cinfo);
    jpeg_stdio_dest(&cinfo, out);
    cinfo.image_width = kWidth;
    cinfo.image_height = kHeight;
    cinfo.input_components = layout.grey ? 1 : 3;
    cinfo.in_color_space = layout.grey ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 90, TRUE);
    if (!layout.grey) {
        const int luma = layout.subsampled ? 2 : 1;
        cinfo.comp_info[0].h_samp_factor = cinfo.comp_info[0].v_samp_factor = luma;
    }
    if (layout.progressive) jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(kWidth) * cinfo.input_components);
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            for (int c = 0; c < cinfo.input_components; ++c) {
                row[static_cast<size_t>(x) * cinfo.input_components + c] = Channel(x, y, c);
            }
        }
        JSAMPROW rowPointer = row.data();
        jpeg_write_scanlines(&cinfo, &rowPointer, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    return std::fclose(out) == 0;
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
    const PngLayout pngs[] = {
        {"seed_rgb.png", PNG_COLOR_TYPE_RGB, 8, PNG_INTERLACE_NONE},
        {"seed_rgba.png", PNG_COLOR_TYPE_RGB_ALPHA, 8, PNG_INTERLACE_NONE},
        {"seed_gray.png", PNG_COLOR_TYPE_GRAY, 8, PNG_INTERLACE_NONE},
        {"seed_palette.png", PNG_COLOR_TYPE_PALETTE, 8, PNG_INTERLACE_NONE},
        {"seed_interlaced.png", PNG_COLOR_TYPE_RGB_ALPHA, 8, PNG_INTERLACE_ADAM7},
        {"seed_16bit.png", PNG_COLOR_TYPE_RGB, 16, PNG_INTERLACE_NONE},
    };
    const JpegLayout jpegs[] = {
        {"seed_baseline.jpg", false, false, false},
        {"seed_420.jpg", false, true, false},
        {"seed_gray.jpg", true, false, false},
        {"seed_progressive.jpg", false, true, true},
    };
    bool ok = true;
    for (const PngLayout& layout : pngs) ok = WritePng(folder / layout.file, layout) && ok;
    for (const JpegLayout& layout : jpegs) ok = WriteJpeg(folder / layout.file, layout) && ok;
    if (!ok) std::fprintf(stderr, "image_seed_writer: could not write every seed to %s\n", argv[1]);
    return ok ? 0 : 1;
}
