#include "tools/forge/scenes/psd_writer.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr uint16_t kVersion = 1;
constexpr uint16_t kChannels = 3;
constexpr uint16_t kDepth = 8;
constexpr uint16_t kModeRgb = 3;
constexpr uint16_t kResolutionInfoId = 1005;
constexpr uint32_t kDotsPerInch = 72;
constexpr uint16_t kMethodRaw = 0;
constexpr uint16_t kMethodPackBits = 1;
constexpr size_t kLongestRun = 128;
constexpr uint8_t kOpaque = 255;
constexpr char kGroupEndName[] = "</Layer group>";
// Record flags: bit 3 says bit 4 is meaningful, bit 4 marks pixels that do not show (dividers).
constexpr uint8_t kFlagsPlain = 0x08;
constexpr uint8_t kFlagsDivider = 0x18;
// Section divider types.
constexpr uint32_t kOpenFolder = 1;
constexpr uint32_t kClosedFolder = 2;
constexpr uint32_t kBoundingDivider = 3;

class Bytes {
public:
    void u8(uint8_t v) { out.push_back(v); }
    void u16(uint16_t v) {
        u8(static_cast<uint8_t>(v >> 8));
        u8(static_cast<uint8_t>(v));
    }
    void u32(uint32_t v) {
        u16(static_cast<uint16_t>(v >> 16));
        u16(static_cast<uint16_t>(v));
    }
    void i16(int16_t v) { u16(static_cast<uint16_t>(v)); }
    void i32(int32_t v) { u32(static_cast<uint32_t>(v)); }
    void text(const std::string& s) { out.insert(out.end(), s.begin(), s.end()); }
    void append(const std::vector<uint8_t>& bytes) { out.insert(out.end(), bytes.begin(), bytes.end()); }
    void zeros(size_t count) { out.insert(out.end(), count, 0); }
    // A 32-bit length written later, once what it measures is known.
    size_t placeholder() {
        u32(0);
        return out.size();
    }
    void fillLength(size_t start) {
        const uint32_t length = static_cast<uint32_t>(out.size() - start);
        for (int i = 0; i < 4; ++i) out[start - 4 + i] = static_cast<uint8_t>(length >> (24 - 8 * i));
    }
    size_t size() const { return out.size(); }

    std::vector<uint8_t> out;
};

// One layer record with everything its channel data needs, in file order.
struct Record {
    std::string name;
    int left = 0, top = 0, width = 0, height = 0;
    const RgbaImage* image = nullptr;  // null for dividers
    bool transparency = true;
    int divider = 0;  // 0, or the section divider type
};

void flatten(const PsdDocument& document, std::vector<Record>& records) {
    const auto addLayer = [&records](const PsdLayer& layer) {
        records.push_back({layer.name, layer.left, layer.top, layer.image.width, layer.image.height, &layer.image,
                           layer.transparency, 0});
    };
    for (const auto& entry : document.stack) {
        if (const auto* layer = std::get_if<PsdLayer>(&entry)) {
            addLayer(*layer);
            continue;
        }
        // In file order a group is its closing divider, its layers, then its folder record.
        const PsdGroup& group = std::get<PsdGroup>(entry);
        records.push_back({kGroupEndName, 0, 0, 0, 0, nullptr, true, static_cast<int>(kBoundingDivider)});
        for (const PsdLayer& layer : group.layers) addLayer(layer);
        records.push_back({group.name, 0, 0, 0, 0, nullptr, true,
                           static_cast<int>(group.closed ? kClosedFolder : kOpenFolder)});
    }
}

std::vector<int16_t> channelIds(const Record& record) {
    if (record.transparency) return {-1, 0, 1, 2};
    return {0, 1, 2};
}

// Sample `id` of every pixel, row by row (id -1 is transparency).
std::vector<uint8_t> samplesOf(const Record& record, int16_t id) {
    std::vector<uint8_t> samples(static_cast<size_t>(record.width) * record.height);
    if (record.image == nullptr) return samples;
    const int byte = id < 0 ? 3 : id;
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = record.image->rgba[i * 4 + byte];
    return samples;
}

// Row byte counts of every row, then the rows; the counts go first into `counts`, the rows into `rows`.
void packRows(const std::vector<uint8_t>& samples, int width, int height, Bytes& counts, Bytes& rows) {
    std::vector<uint8_t> packed;
    for (int y = 0; y < height; ++y) {
        packed.clear();
        packBitsRow(samples.data() + static_cast<size_t>(y) * width, static_cast<size_t>(width), packed);
        counts.u16(static_cast<uint16_t>(packed.size()));
        rows.append(packed);
    }
}

std::vector<uint8_t> encodeChannel(const std::vector<uint8_t>& samples, int width, int height,
                                   PsdCompression compression) {
    Bytes channel;
    if (compression == PsdCompression::kRaw) {
        channel.u16(kMethodRaw);
        channel.append(samples);
        return channel.out;
    }
    channel.u16(kMethodPackBits);
    Bytes rows;
    packRows(samples, width, height, channel, rows);
    channel.append(rows.out);
    return channel.out;
}

void writeHeader(const PsdDocument& document, Bytes& out) {
    out.text("8BPS");
    out.u16(kVersion);
    out.zeros(6);
    out.u16(kChannels);
    out.u32(static_cast<uint32_t>(document.height));
    out.u32(static_cast<uint32_t>(document.width));
    out.u16(kDepth);
    out.u16(kModeRgb);
    out.u32(0);  // no colour mode data
}

void writeResources(Bytes& out) {
    const size_t section = out.placeholder();
    out.text("8BIM");
    out.u16(kResolutionInfoId);
    out.u16(0);  // empty name, padded to an even size
    out.u32(16);
    for (int axis = 0; axis < 2; ++axis) {
        out.u32(kDotsPerInch << 16);  // 16.16 fixed point
        out.u16(1);                   // pixels per inch
        out.u16(1);                   // sizes shown in inches
    }
    out.fillLength(section);
}

void writeAdditionalInfo(const Record& record, Bytes& out) {
    // The Unicode name Photoshop shows, beside the Pascal one the reader uses.
    out.text("8BIMluni");
    out.u32(static_cast<uint32_t>(4 + 2 * record.name.size()));
    out.u32(static_cast<uint32_t>(record.name.size()));
    for (unsigned char c : record.name) out.u16(c);
    if (record.divider == 0) return;
    out.text("8BIMlsct");
    if (record.divider == static_cast<int>(kBoundingDivider)) {
        out.u32(4);
        out.u32(kBoundingDivider);
        return;
    }
    out.u32(12);  // a folder also names its blend mode
    out.u32(static_cast<uint32_t>(record.divider));
    out.text("8BIMpass");
}

void writeRecord(const Record& record, const std::vector<std::vector<uint8_t>>& channels, Bytes& out) {
    out.i32(record.top);
    out.i32(record.left);
    out.i32(record.top + record.height);
    out.i32(record.left + record.width);
    const std::vector<int16_t> ids = channelIds(record);
    out.u16(static_cast<uint16_t>(ids.size()));
    for (size_t i = 0; i < ids.size(); ++i) {
        out.i16(ids[i]);
        out.u32(static_cast<uint32_t>(channels[i].size()));
    }
    out.text("8BIMnorm");
    out.u8(kOpaque);
    out.u8(0);  // clipping: base
    out.u8(record.divider != 0 ? kFlagsDivider : kFlagsPlain);
    out.u8(0);
    const size_t extra = out.placeholder();
    out.u32(0);  // no layer mask
    out.u32(0);  // no blending ranges
    const std::string name = record.name.substr(0, 255);
    out.u8(static_cast<uint8_t>(name.size()));
    out.text(name);
    out.zeros(3 - name.size() % 4);
    writeAdditionalInfo(record, out);
    out.fillLength(extra);
}

void writeLayers(const PsdDocument& document, Bytes& out) {
    std::vector<Record> records;
    flatten(document, records);
    std::vector<std::vector<std::vector<uint8_t>>> channels(records.size());
    for (size_t r = 0; r < records.size(); ++r) {
        for (int16_t id : channelIds(records[r])) {
            channels[r].push_back(encodeChannel(samplesOf(records[r], id), records[r].width, records[r].height,
                                                document.compression));
        }
    }
    const size_t section = out.placeholder();
    const size_t info = out.placeholder();
    out.i16(static_cast<int16_t>(records.size()));
    for (size_t r = 0; r < records.size(); ++r) writeRecord(records[r], channels[r], out);
    for (const auto& layerChannels : channels) {
        for (const auto& channel : layerChannels) out.append(channel);
    }
    if ((out.size() - info) % 2 != 0) out.u8(0);  // the layer information fills whole 16-bit words
    out.fillLength(info);
    out.u32(0);  // no global layer mask
    out.fillLength(section);
}

// Straight alpha over what lies below, starting from white.
std::vector<uint8_t> composite(const PsdDocument& document) {
    const size_t pixels = static_cast<size_t>(document.width) * document.height;
    std::vector<uint8_t> rgb(pixels * 3, kOpaque);
    const auto paint = [&](const PsdLayer& layer) {
        for (int y = 0; y < layer.image.height; ++y) {
            const int dy = layer.top + y;
            if (dy < 0 || dy >= document.height) continue;
            for (int x = 0; x < layer.image.width; ++x) {
                const int dx = layer.left + x;
                if (dx < 0 || dx >= document.width) continue;
                const uint8_t* s = layer.image.at(x, y);
                const int alpha = layer.transparency ? s[3] : kOpaque;
                uint8_t* d = &rgb[(static_cast<size_t>(dy) * document.width + dx) * 3];
                for (int c = 0; c < 3; ++c) d[c] = static_cast<uint8_t>((s[c] * alpha + d[c] * (255 - alpha) + 127) / 255);
            }
        }
    };
    for (const auto& entry : document.stack) {
        if (const auto* layer = std::get_if<PsdLayer>(&entry)) {
            paint(*layer);
        } else {
            for (const PsdLayer& layer : std::get<PsdGroup>(entry).layers) paint(layer);
        }
    }
    return rgb;
}

void writeMergedImage(const PsdDocument& document, Bytes& out) {
    const std::vector<uint8_t> rgb = composite(document);
    const size_t pixels = static_cast<size_t>(document.width) * document.height;
    std::vector<std::vector<uint8_t>> planes(kChannels, std::vector<uint8_t>(pixels));
    for (size_t i = 0; i < pixels; ++i) {
        for (int c = 0; c < kChannels; ++c) planes[c][i] = rgb[i * 3 + c];
    }
    if (document.compression == PsdCompression::kRaw) {
        out.u16(kMethodRaw);
        for (const auto& plane : planes) out.append(plane);
        return;
    }
    // The merged image keeps every row count of every channel before all the rows.
    out.u16(kMethodPackBits);
    Bytes rows;
    for (const auto& plane : planes) packRows(plane, document.width, document.height, out, rows);
    out.append(rows.out);
}

}  // namespace

void packBitsRow(const uint8_t* samples, size_t count, std::vector<uint8_t>& out) {
    size_t i = 0;
    while (i < count) {
        size_t run = 1;
        while (i + run < count && run < kLongestRun && samples[i + run] == samples[i]) ++run;
        if (run >= 3) {
            out.push_back(static_cast<uint8_t>(1 - static_cast<int>(run)));
            out.push_back(samples[i]);
            i += run;
            continue;
        }
        const size_t start = i;
        while (i < count && i - start < kLongestRun) {
            if (i + 2 < count && samples[i] == samples[i + 1] && samples[i] == samples[i + 2]) break;
            ++i;
        }
        out.push_back(static_cast<uint8_t>(i - start - 1));
        out.insert(out.end(), samples + start, samples + i);
    }
}

std::vector<uint8_t> encodePsd(const PsdDocument& document) {
    Bytes out;
    writeHeader(document, out);
    writeResources(out);
    writeLayers(document, out);
    writeMergedImage(document, out);
    return out.out;
}

bool writePsdFile(const std::string& path, const PsdDocument& document) {
    const std::vector<uint8_t> bytes = encodePsd(document);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}
