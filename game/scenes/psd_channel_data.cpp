#include "game/scenes/psd_channel_data.h"

#include <algorithm>

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

// Writes one channel's samples: sample n of the channel is byte `offset` of pixel n.
class SampleWriter {
public:
    SampleWriter(LDvPSDLayer& layer, int offset)
        : bytes(reinterpret_cast<uint8_t*>(layer.pixels.data()) + offset), mask(layer.hitMask.data()) {}

    void Put(size_t pixel, uint8_t value) {
        bytes[pixel * 4] = value;
        mask[pixel / 8] |= static_cast<uint8_t>((value > kPsdHitThreshold ? 1u : 0u) << (pixel % 8));
    }
    void Fill(size_t first, size_t count, uint8_t value) {
        for (size_t i = 0; i < count; ++i) Put(first + i, value);
    }
    void Copy(size_t first, const uint8_t* values, size_t count) {
        for (size_t i = 0; i < count; ++i) Put(first + i, values[i]);
    }

private:
    uint8_t* bytes;
    uint8_t* mask;
};

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

void DecodeChannel(PsdByteReader& channel, int16_t id, LDvPSDLayer& layer) {
    if (channel.Size() < kMethodBytes) return;  // no room even for the method
    const int16_t method = channel.I16();
    PsdTracef("Compression method = %hd (0 - raw, 1-RLE, 2-ZIP, 3-ZIP+Prediction)", method);
    const int offset = SampleByte(id);
    if (offset < 0 || layer.pixels.empty()) return;
    SampleWriter writer(layer, offset);
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
    for (const PsdChannelEntry& entry : channels) {
        PsdByteReader channel = in.Take(entry.length);
        DecodeChannel(channel, entry.id, layer);
    }
    PsdTrace("-- END layer channel data --");
}

void SkipPsdLayerChannels(PsdByteReader& in, const std::vector<PsdChannelEntry>& channels) {
    for (const PsdChannelEntry& entry : channels) in.Skip(entry.length);
}
