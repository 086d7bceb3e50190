#include "game/scenes/psd_channel_data.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>

#include "game/scenes/psd_byte_reader.h"
#include "game/scenes/psd_log.h"

namespace {

// Compression methods of a channel.
constexpr int16_t kRaw = 0;
constexpr int16_t kPackBits = 1;
constexpr int kMethodBytes = 2;
constexpr int kRowCountBytes = 2;
constexpr int kPackBitsLongestRun = 128;
constexpr int8_t kPackBitsNoOp = -128;
constexpr int kSampleBytes = 4;
// A sample no channel wrote: R = G = B = 0, A = 255.
constexpr std::array<uint8_t, kSampleBytes> kStartSamples = {0, 0, 0, 255};

// Where a channel's samples go: the byte of the pixel (R, G, B, A in memory), or -1 for a
// channel that is passed over (masks and anything else).
int SampleByte(int16_t id) {
    switch (id) {
        case kPsdChannelRed: return 0;
        case kPsdChannelGreen: return 1;
        case kPsdChannelBlue: return 2;
        case kPsdChannelAlpha: return 3;
        default: return -1;
    }
}

// Runs are at most 128 bytes: copied and filled in pieces of a fixed size, never past either end,
// since the compiler turns a library call (or a plain loop) of that bound into a string
// instruction that costs more to start than such a run takes.
constexpr size_t kChunk = 16;

template <size_t kSize>
void CopyPiece(uint8_t*& out, const uint8_t*& from, size_t& count) {
    if (count < kSize) return;
    std::memcpy(out, from, kSize);
    out += kSize;
    from += kSize;
    count -= kSize;
}

void CopyRun(uint8_t* out, const uint8_t* from, size_t count) {
    while (count >= kChunk) CopyPiece<kChunk>(out, from, count);
    CopyPiece<8>(out, from, count);
    CopyPiece<4>(out, from, count);
    CopyPiece<2>(out, from, count);
    CopyPiece<1>(out, from, count);
}

void FillRun(uint8_t* out, uint8_t value, size_t count) {
    std::array<uint8_t, kChunk> chunk;
    chunk.fill(value);
    const uint8_t* from = chunk.data();
    while (count >= kChunk) {
        std::memcpy(out, from, kChunk);
        out += kChunk;
        count -= kChunk;
    }
    CopyPiece<8>(out, from, count);
    CopyPiece<4>(out, from, count);
    CopyPiece<2>(out, from, count);
    CopyPiece<1>(out, from, count);
}

// One PackBits row into `out` (`width` samples); samples past the width are dropped, bytes past
// `length` never read. Answers how many samples from the row's start it wrote.
size_t DecodePackBitsRow(const uint8_t* data, size_t length, uint8_t* out, size_t width) {
    size_t at = 0;
    size_t column = 0;
    while (at < length) {
        const int8_t header = static_cast<int8_t>(data[at++]);
        if (header == kPackBitsNoOp) continue;
        if (header < 0) {
            if (at >= length) break;
            const size_t run = static_cast<size_t>(1 - header);
            if (column < width) FillRun(out + column, data[at], std::min(run, width - column));
            ++at;
            column += run;
            continue;
        }
        const size_t run = std::min(static_cast<size_t>(header) + 1, length - at);
        if (column < width) CopyRun(out + column, data + at, std::min(run, width - column));
        column += run;
        at += run;
    }
    return std::min(column, width);
}

// One channel of the layer, read a row at a time.
class ChannelRows {
public:
    ChannelRows(PsdByteReader data, int16_t method, int byte, size_t width, size_t height)
        : data(data), method(method), byte(byte), width(width) {
        if (method == kPackBits) counts = this->data.Bytes(height * kRowCountBytes);
        if (method == kRaw) rawSamples = std::min(width * height, this->data.Remaining());
    }

    int Byte() const { return byte; }

    // Row `row` (rows are asked for in order) into `out`; answers how many samples from the row's
    // start the channel holds.
    size_t Read(size_t row, uint8_t* out) {
        if (method == kRaw) return ReadRaw(row, out);
        if (method != kPackBits || counts == nullptr || data.AtEnd()) return 0;
        const size_t count = static_cast<size_t>((counts[row * 2] << 8) | counts[row * 2 + 1]);
        PsdByteReader rowData = data.Take(count);
        const size_t length = rowData.Size();
        return DecodePackBitsRow(rowData.Bytes(length), length, out, width);
    }

private:
    // The stored samples, up to the layer's size, fill the rows from the top.
    size_t ReadRaw(size_t row, uint8_t* out) {
        const size_t first = row * width;
        if (first >= rawSamples) return 0;
        const size_t count = std::min(width, rawSamples - first);
        std::memcpy(out, data.Bytes(count), count);
        return count;
    }

    PsdByteReader data;
    int16_t method;
    int byte;
    size_t width;
    const uint8_t* counts = nullptr;
    size_t rawSamples = 0;
};

// The samples of one row, channel by channel, and which of its pixels are hit.
class RowBuffers {
public:
    explicit RowBuffers(size_t width) : width(width) {
        for (auto& samples : bytes) samples.resize(width);
        hits.resize(width);
    }

    void Start() {
        for (int byte = 0; byte < kSampleBytes; ++byte) std::memset(bytes[byte].data(), kStartSamples[byte], width);
        std::memset(hits.data(), 0, width);
    }
    uint8_t* Samples(int byte) { return bytes[byte].data(); }
    // Only samples a channel wrote count: a pixel's untouched transparency is no hit.
    void MarkHits(int byte, size_t written) {
        const uint8_t* __restrict samples = bytes[byte].data();
        uint8_t* __restrict hit = hits.data();
        for (size_t x = 0; x < written; ++x) hit[x] |= static_cast<uint8_t>(samples[x] > kPsdHitThreshold);
    }
    void Interleave(uint32_t* __restrict out) const {
        const uint8_t* r = bytes[0].data();
        const uint8_t* g = bytes[1].data();
        const uint8_t* b = bytes[2].data();
        const uint8_t* a = bytes[3].data();
        for (size_t x = 0; x < width; ++x) {
            out[x] = static_cast<uint32_t>(r[x]) | static_cast<uint32_t>(g[x]) << 8 | static_cast<uint32_t>(b[x]) << 16 |
                     static_cast<uint32_t>(a[x]) << 24;
        }
    }
    // Bit `first + x` of `mask` for every hit pixel x of the row.
    void PackHits(std::vector<uint8_t>& mask, size_t first) const;

private:
    size_t width;
    std::array<std::vector<uint8_t>, kSampleBytes> bytes;
    std::vector<uint8_t> hits;  // 0 or 1 per pixel
};

// Eight pixels at a time: the multiply gathers byte k's low bit into bit k of the top byte; the
// row's first bit need not start a byte, so each eight are split over two bytes of the mask.
void RowBuffers::PackHits(std::vector<uint8_t>& mask, size_t first) const {
    static_assert(std::endian::native == std::endian::little, "hit bytes are gathered little-endian");
    constexpr uint64_t kGather = 0x0102040810204080ull;
    const size_t shift = first % 8;
    size_t x = 0;
    for (; x + 8 <= width; x += 8) {
        uint64_t eight = 0;
        std::memcpy(&eight, hits.data() + x, 8);
        const auto bits = static_cast<unsigned>((eight * kGather) >> 56);
        if (bits == 0) continue;
        const size_t at = (first + x) / 8;
        mask[at] |= static_cast<uint8_t>(bits << shift);
        if (shift != 0) mask[at + 1] |= static_cast<uint8_t>(bits >> (8 - shift));
    }
    for (; x < width; ++x) {
        if (hits[x] != 0) mask[(first + x) / 8] |= static_cast<uint8_t>(1u << ((first + x) % 8));
    }
}

size_t PixelCount(const LDvPSDLayer& layer) {
    return static_cast<size_t>(layer.maskWidth) * static_cast<size_t>(layer.maskHeight);
}

// The channels that write samples, in record order (a later one of the same id wins). Each is
// read within its stored length; the compression method of every channel is traced.
std::vector<ChannelRows> OpenChannels(PsdByteReader& in, const std::vector<PsdChannelEntry>& channels,
                                      const LDvPSDLayer& layer, bool decode) {
    std::vector<ChannelRows> opened;
    for (const PsdChannelEntry& entry : channels) {
        PsdByteReader channel = in.Take(entry.length);
        if (channel.Size() < kMethodBytes) continue;  // no room even for the method
        const int16_t method = channel.I16();
        PsdTracef("Compression method = %hd (0 - raw, 1-RLE, 2-ZIP, 3-ZIP+Prediction)", method);
        const int byte = SampleByte(entry.id);
        // ZIP and anything else: the samples keep their start values.
        if (!decode || byte < 0 || (method != kRaw && method != kPackBits)) continue;
        opened.emplace_back(channel, method, byte, static_cast<size_t>(layer.maskWidth),
                            static_cast<size_t>(layer.maskHeight));
    }
    return opened;
}

void DecodeRows(std::vector<ChannelRows>& channels, LDvPSDLayer& layer, const PsdLayerNeeds& needs) {
    const size_t width = static_cast<size_t>(layer.maskWidth);
    const size_t height = static_cast<size_t>(layer.maskHeight);
    if (width == 0 || height == 0) return;  // a layer of no pixels has nothing to decode
    RowBuffers row(width);
    for (size_t y = 0; y < height; ++y) {
        row.Start();
        for (ChannelRows& channel : channels) {
            const size_t written = channel.Read(y, row.Samples(channel.Byte()));
            if (needs.hitMask) row.MarkHits(channel.Byte(), written);
        }
        if (needs.pixels) row.Interleave(layer.pixels.data() + y * width);
        if (needs.hitMask) row.PackHits(layer.hitMask, y * width);
    }
}

// The fewest bytes one channel of a width x height layer can take: raw samples, or PackBits rows
// of the longest runs.
uint64_t SmallestChannel(uint64_t width, uint64_t height) {
    const uint64_t runsPerRow = (width + kPackBitsLongestRun - 1) / kPackBitsLongestRun;
    const uint64_t packed = height * kRowCountBytes + height * runsPerRow * 2;
    return kMethodBytes + std::min(width * height, packed);
}

// Pixels are only made when the file really holds enough channel data to fill at least one
// channel of them: a few bytes of record must not claim megabytes of memory.
bool ChannelDataCanFill(const PsdByteReader& in, const std::vector<PsdChannelEntry>& channels,
                        const LDvPSDLayer& layer) {
    const uint64_t width = static_cast<uint64_t>(layer.StoredWidth());
    const uint64_t height = static_cast<uint64_t>(layer.StoredHeight());
    if (width == 0 || height == 0) return true;
    uint64_t stored = 0;
    for (const PsdChannelEntry& entry : channels) {
        if (SampleByte(entry.id) >= 0) stored += entry.length;
    }
    return std::min<uint64_t>(stored, in.Remaining()) >= SmallestChannel(width, height);
}

}  // namespace

void ReadPsdLayerChannels(PsdByteReader& in, const std::vector<PsdChannelEntry>& channels, LDvPSDLayer& layer,
                          PsdLayerNeeds needs) {
    PsdTrace("-- START layer channel data for layer " + layer.name + " --");
    const bool wanted = needs.pixels || needs.hitMask;
    if (!wanted) {
        // Left out by the caller: its size stays known, its samples are never decoded.
    } else if (ChannelDataCanFill(in, channels, layer)) {
        layer.AllocatePixels(static_cast<int32_t>(layer.StoredWidth()), static_cast<int32_t>(layer.StoredHeight()),
                             needs.pixels, needs.hitMask);
    } else {
        PsdTracef("Error : Channel data of layer %s cannot fill its %lld x %lld pixels; layer left empty",
                  layer.name.c_str(), static_cast<long long>(layer.StoredWidth()),
                  static_cast<long long>(layer.StoredHeight()));
    }
    std::vector<ChannelRows> opened = OpenChannels(in, channels, layer, wanted && PixelCount(layer) > 0);
    DecodeRows(opened, layer, needs);
    PsdTrace("-- END layer channel data --");
}

void SkipPsdLayerChannels(PsdByteReader& in, const std::vector<PsdChannelEntry>& channels) {
    for (const PsdChannelEntry& entry : channels) in.Skip(entry.length);
}
