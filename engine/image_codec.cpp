#include "engine/image_codec.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstring>

#include <jpeglib.h>
#include <jerror.h>
#include <png.h>

#include "engine/k_files.h"
#include "engine/k_log.h"

namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kJpegSignature[3] = {0xFF, 0xD8, 0xFF};
// Deflate never packs more than 1032 bytes into one, so a PNG too small for the size its header
// claims is refused before a single pixel buffer is allocated.
constexpr uint64_t kDeflateMaxRatio = 1032;
// Huffman-coded JPEG spends at least one bit per 8 x 8 block on its DC term.
constexpr uint64_t kJpegBlocksPerByte = 8;
constexpr int kJpegRowsPerRead = 8;

bool sizeAcceptable(uint64_t width, uint64_t height) {
    return width > 0 && height > 0 && width <= kMaxImageSide && height <= kMaxImageSide;
}

bool decodePng(const uint8_t* data, size_t size, DecodedImage& out) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, data, size)) return false;
    // At one bit per pixel plus a filter byte per row, the smallest raw stream the header allows.
    const uint64_t smallestRaw = uint64_t{image.height} * (1 + (uint64_t{image.width} + 7) / 8);
    if (!sizeAcceptable(image.width, image.height) || smallestRaw / kDeflateMaxRatio > size) {
        png_image_free(&image);
        return false;
    }
    image.format = PNG_FORMAT_RGBA;
    out.pixels.resize(size_t{image.width} * image.height);
    if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) return false;
    out.width = static_cast<int>(image.width);
    out.height = static_cast<int>(image.height);
    return true;
}

struct JpegErrors {
    jpeg_error_mgr base;
    std::jmp_buf jump;
};

[[noreturn]] void onJpegError(j_common_ptr info) { std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1); }

// libjpeg only warns about damaged data and fills the rest with grey; a damaged picture must fail.
void onJpegMessage(j_common_ptr info, int level) {
    if (level >= 0) return;
    switch (info->err->msg_code) {
        case JWRN_JPEG_EOF:
        case JWRN_HIT_MARKER:
        case JWRN_HUFF_BAD_CODE:
        case JWRN_ARITH_BAD_CODE:
        case JWRN_MUST_RESYNC:
            onJpegError(info);
        default:
            break;
    }
}

void silentJpegOutput(j_common_ptr) {}

struct JpegDecoder {
    jpeg_decompress_struct info;
    JpegErrors errors;
};

bool plausibleJpeg(const jpeg_decompress_struct& info, size_t size) {
    if (!sizeAcceptable(info.image_width, info.image_height)) return false;
    if (info.arith_code) return true;
    const uint64_t blocks = ((uint64_t{info.image_width} + 7) / 8) * ((uint64_t{info.image_height} + 7) / 8);
    return blocks / kJpegBlocksPerByte <= size;
}

// Holds no objects with destructors: libjpeg leaves it by longjmp on any error.
bool runJpegDecoder(JpegDecoder& decoder, const uint8_t* data, size_t size, DecodedImage& out) {
    jpeg_decompress_struct& info = decoder.info;
    if (setjmp(decoder.errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK || !plausibleJpeg(info, size)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_EXT_RGBA;
    jpeg_start_decompress(&info);
    const size_t width = info.output_width;
    out.pixels.resize(width * info.output_height);
    JSAMPROW rows[kJpegRowsPerRead];
    while (info.output_scanline < info.output_height) {
        const JDIMENSION first = info.output_scanline;
        for (int i = 0; i < kJpegRowsPerRead; ++i) {
            const size_t row = std::min<size_t>(first + i, info.output_height - 1);
            rows[i] = reinterpret_cast<JSAMPROW>(out.pixels.data() + row * width);
        }
        jpeg_read_scanlines(&info, rows, kJpegRowsPerRead);
    }
    jpeg_finish_decompress(&info);
    out.width = static_cast<int>(info.output_width);
    out.height = static_cast<int>(info.output_height);
    jpeg_destroy_decompress(&info);
    return true;
}

bool decodeJpeg(const uint8_t* data, size_t size, DecodedImage& out) {
    JpegDecoder decoder;
    std::memset(&decoder, 0, sizeof decoder);
    decoder.info.err = jpeg_std_error(&decoder.errors.base);
    decoder.errors.base.error_exit = onJpegError;
    decoder.errors.base.emit_message = onJpegMessage;
    decoder.errors.base.output_message = silentJpegOutput;
    return runJpegDecoder(decoder, data, size, out);
}

}  // namespace

bool decodeImage(const uint8_t* data, size_t size, DecodedImage& out) {
    out = DecodedImage{};
    if (!data || size < sizeof kPngSignature) return false;
    bool decoded = false;
    if (std::memcmp(data, kPngSignature, sizeof kPngSignature) == 0) {
        decoded = decodePng(data, size, out);
    } else if (std::memcmp(data, kJpegSignature, sizeof kJpegSignature) == 0) {
        decoded = decodeJpeg(data, size, out);
    }
    if (!decoded) out = DecodedImage{};
    return decoded;
}

bool decodeImageFile(const std::string& path, DecodedImage& out) {
    std::vector<uint8_t> bytes;
    if (!readWholeFile(path, bytes)) {
        out = DecodedImage{};
        return false;
    }
    return decodeImage(bytes.data(), bytes.size(), out);
}

bool writePngFile(const std::string& path, const uint32_t* rgba, int width, int height) {
    if (!rgba || width <= 0 || height <= 0) return false;
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgba, 0, nullptr)) {
        engineLog("Cannot write picture '%s': %s", path.c_str(), image.message);
        png_image_free(&image);
        return false;
    }
    return true;
}
