#include "tools/forge/core/encoders.h"

#include <jpeglib.h>
#include <png.h>
#include <vorbis/vorbisenc.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "tools/forge/core/rgba_image.h"

namespace {

void appendPngBytes(png_structp png, png_bytep data, png_size_t length) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + length);
}

void flushNothing(png_structp) {}

uint32_t fnv1a(const std::string& text) {
    uint32_t hash = 2166136261u;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 16777619u;
    }
    return hash;
}

void appendOggPage(const ogg_page& page, std::vector<uint8_t>& out) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

}  // namespace

bool encodePng(const RgbaImage& image, std::vector<uint8_t>& out) {
    out.clear();
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_set_write_fn(png, &out, appendPngBytes, flushNothing);
    png_set_compression_level(png, 6);
    png_set_IHDR(png, info, static_cast<png_uint_32>(image.width), static_cast<png_uint_32>(image.height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < image.height; ++y) {
        png_write_row(png, const_cast<png_bytep>(image.at(0, y)));
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return true;
}

bool encodeJpeg(const RgbaImage& image, int quality, std::vector<uint8_t>& out) {
    out.clear();
    jpeg_compress_struct cinfo;
    jpeg_error_mgr jerr;
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long bufferSize = 0;
    jpeg_mem_dest(&cinfo, &buffer, &bufferSize);
    cinfo.image_width = static_cast<JDIMENSION>(image.width);
    cinfo.image_height = static_cast<JDIMENSION>(image.height);
    cinfo.input_components = 3;
    cinfo.in_color_space = JCS_RGB;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    cinfo.optimize_coding = TRUE;
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(image.width) * 3);
    while (cinfo.next_scanline < cinfo.image_height) {
        const uint8_t* src = image.at(0, static_cast<int>(cinfo.next_scanline));
        for (int x = 0; x < image.width; ++x) std::memcpy(&row[x * 3], src + x * 4, 3);
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    out.assign(buffer, buffer + bufferSize);
    std::free(buffer);
    return !out.empty();
}

bool encodeOggVorbis(const std::vector<float>& samples, int channels, int sampleRate, float quality,
                     const std::string& serialSeed, std::vector<uint8_t>& out) {
    out.clear();
    if (channels < 1 || channels > 2) return false;
    vorbis_info vi;
    vorbis_info_init(&vi);
    if (vorbis_encode_init_vbr(&vi, channels, sampleRate, quality) != 0) {
        vorbis_info_clear(&vi);
        return false;
    }
    vorbis_comment vc;
    vorbis_comment_init(&vc);
    vorbis_comment_add_tag(&vc, "ENCODER", "quorvane forge");
    vorbis_dsp_state vd;
    vorbis_block vb;
    vorbis_analysis_init(&vd, &vi);
    vorbis_block_init(&vd, &vb);
    ogg_stream_state os;
    ogg_stream_init(&os, static_cast<int>(fnv1a(serialSeed) & 0x7fffffff));

    ogg_packet header, headerComment, headerCode;
    vorbis_analysis_headerout(&vd, &vc, &header, &headerComment, &headerCode);
    ogg_stream_packetin(&os, &header);
    ogg_stream_packetin(&os, &headerComment);
    ogg_stream_packetin(&os, &headerCode);
    ogg_page page;
    while (ogg_stream_flush(&os, &page) != 0) appendOggPage(page, out);

    const size_t frames = samples.size() / static_cast<size_t>(channels);
    constexpr size_t kChunk = 4096;
    size_t done = 0;
    bool endOfStream = false;
    while (!endOfStream) {
        const size_t count = std::min(kChunk, frames - done);
        if (count == 0) {
            vorbis_analysis_wrote(&vd, 0);
        } else {
            float** buffer = vorbis_analysis_buffer(&vd, static_cast<int>(count));
            for (size_t i = 0; i < count; ++i) {
                for (int c = 0; c < channels; ++c) buffer[c][i] = samples[(done + i) * channels + c];
            }
            vorbis_analysis_wrote(&vd, static_cast<int>(count));
            done += count;
        }
        while (vorbis_analysis_blockout(&vd, &vb) == 1) {
            vorbis_analysis(&vb, nullptr);
            vorbis_bitrate_addblock(&vb);
            ogg_packet packet;
            while (vorbis_bitrate_flushpacket(&vd, &packet)) {
                ogg_stream_packetin(&os, &packet);
                while (!endOfStream && ogg_stream_pageout(&os, &page) != 0) {
                    appendOggPage(page, out);
                    if (ogg_page_eos(&page)) endOfStream = true;
                }
            }
        }
        if (count == 0 && !endOfStream) {
            while (ogg_stream_flush(&os, &page) != 0) appendOggPage(page, out);
            endOfStream = true;
        }
    }
    ogg_stream_clear(&os);
    vorbis_block_clear(&vb);
    vorbis_dsp_clear(&vd);
    vorbis_comment_clear(&vc);
    vorbis_info_clear(&vi);
    return true;
}
