#include "game/scenes/psd_channel_data.h"

#include <algorithm>
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

// Writes one channel's samples: sample n of the channel is byte `offset` of pixel n. Hits are
// first marked a byte per pixel (no two samples in a row touch the same byte) and packed into
// the layer's bits once all its channels are read.
class SampleWriter {
public:
    SampleWriter(LDvPSDLayer& layer, int offset, std::vector<uint8_t>& hits)
        : bytes(reinterpret_cast<uint8_t*>(layer.pixels.data()) + offset), hits(hits.data()) {}

    void Fill(size_t first, size_t count, uint8_t value) {
        uint8_t* out = bytes + first * 4;
        for (size_t i = 0; i < count; ++i) out[i * 4] = value;
        if (value > kPsdHitThreshold) std::memset(hits + first, 1, count);
    }
    void Copy(size_t first, const uint8_t* values, size_t count) {
        uint8_t* out = bytes + first * 4;
        uint8_t* hit = hits + first;
        for (size_t i = 0; i < count; ++i) {
            out[i * 4] = values[i];
            hit[i] |= values[i] > kPsdHitThreshold;
        }
    }

private:
    uint8_t* bytes;
    uint8_t* hits;
};

// Bit n of the mask is byte n of `hits` (each 0 or 1). Eight bytes at a time: the multiply
// gathers byte k's low bit into bit k of the top byte.
void PackHits(const std::vector<uint8_t>& hits, LDvPSDLayer& layer) {
    static_assert(std::endian::native == std::endian::little, "hit bytes are gathered little-endian");
    constexpr uint64_t kGather = 0x0102040810204080ull;
    const size_t whole = hits.size() / 8;
    for (size_t i = 0; i < whole; ++i) {
        uint64_t eight = 0;
        std::memcpy(&eight, hits.data() + i * 8, 8);
        layer.hitMask[i] = static_cast<uint8_t>((eight * kGather) >> 56);
    }
    for (size_t bit = whole * 8; bit < hits.size(); ++bit) {
        layer.hitMask[bit / 8] |= static_cast<uint8_t>(hits[bit] << (bit % 8));
    }
}

size_t PixelCount(const LDvPSDLayer& layer) {
    return static_cast<size_t>(layer.maskWidth) * static_cast<size_t>(layer.maskHeight);
}

// As many samples as the channel stores, up to the layer's size.
void DecodeRaw(PsdByteReader& channel, SampleWriter& writer, const LDvPSDLayer& layer) {
    const size_t count = std::min(PixelCount(layer), channel.Remaining());
    writer.Copy(0, channel.Bytes(count), count);
}

// One PackBits row; samples past the row's width are dropped, bytes past its count never read.
void DecodeRow(const uint8_t* data, size_t length, SampleWriter& writer, size_t rowStart, size_t width) {
    size_t at = 0;
    size_t column = 0;
    while (at < length) {
        const int8_t header = static_cast<int8_t>(data[at++]);
        if (header == kPackBitsNoOp) continue;
        if (header < 0) {
            if (at >= length) break;
            const uint8_t value = data[at++];
            const size_t run = static_cast<size_t>(1 - header);
            if (column < width) writer.Fill(rowStart + column, std::min(run, width - column), value);
            column += run;
            continue;
        }
        const size_t run = std::min(static_cast<size_t>(header) + 1, length - at);
        if (column < width) writer.Copy(rowStart + column, data + at, std::min(run, width - column));
        column += run;
        at += run;
    }
}

void DecodePackBits(PsdByteReader& channel, SampleWriter& writer, const LDvPSDLayer& layer) {
    const size_t height = static_cast<size_t>(layer.maskHeight);
    const size_t width = static_cast<size_t>(layer.maskWidth);
    const uint8_t* counts = channel.Bytes(height * kRowCountBytes);
    if (counts == nullptr) return;
    for (size_t row = 0; row < height && !channel.AtEnd(); ++row) {
        const size_t count = static_cast<size_t>((counts[row * 2] << 8) | counts[row * 2 + 1]);
        PsdByteReader rowData = channel.Take(count);
        const size_t length = rowData.Size();
        DecodeRow(rowData.Bytes(length), length, writer, row * width, width);
    }
}

void DecodeChannel(PsdByteReader& channel, int16_t id, LDvPSDLayer& layer, std::vector<uint8_t>& hits) {
    if (channel.Size() < kMethodBytes) return;  // no room even for the method
    const int16_t method = channel.I16();
    PsdTracef("Compression method = %hd (0 - raw, 1-RLE, 2-ZIP, 3-ZIP+Prediction)", method);
    const int offset = SampleByte(id);
    if (offset < 0 || layer.pixels.empty()) return;
    SampleWriter writer(layer, offset, hits);
    if (method == kRaw) DecodeRaw(channel, writer, layer);
    if (method == kPackBits) DecodePackBits(channel, writer, layer);
    // ZIP and anything else: the samples keep their start values.
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

void ReadPsdLayerChannels(PsdByteReader& in, const std::vector<PsdChannelEntry>& channels, LDvPSDLayer& layer) {
    PsdTrace("-- START layer channel data for layer " + layer.name + " --");
    if (ChannelDataCanFill(in, channels, layer)) {
        layer.AllocatePixels(static_cast<int32_t>(layer.StoredWidth()), static_cast<int32_t>(layer.StoredHeight()));
    } else {
        PsdTracef("Error : Channel data of layer %s cannot fill its %lld x %lld pixels; layer left empty",
                  layer.name.c_str(), static_cast<long long>(layer.StoredWidth()),
                  static_cast<long long>(layer.StoredHeight()));
    }
    std::vector<uint8_t> hits(layer.pixels.size(), 0);
    for (const PsdChannelEntry& entry : channels) {
        PsdByteReader channel = in.Take(entry.length);
        DecodeChannel(channel, entry.id, layer, hits);
    }
    PackHits(hits, layer);
    PsdTrace("-- END layer channel data --");
}

void SkipPsdLayerChannels(PsdByteReader& in, const std::vector<PsdChannelEntry>& channels) {
    for (const PsdChannelEntry& entry : channels) in.Skip(entry.length);
}
