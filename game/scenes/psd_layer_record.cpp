#include "game/scenes/psd_layer_record.h"

#include "game/scenes/psd_byte_reader.h"
#include "game/scenes/psd_log.h"

namespace {

constexpr char kBlendSignature[] = "8BIM";
constexpr char kInfoSignature[] = "8BIM";
constexpr char kInfoSignature64[] = "8B64";
constexpr char kSectionDividerKey[] = "lsct";
constexpr int kOpacityClippingFlagsFiller = 4;

// Section divider types of an "lsct" block.
constexpr uint32_t kDividerOther = 0;
constexpr uint32_t kDividerOpenFolder = 1;
constexpr uint32_t kDividerClosedFolder = 2;
constexpr uint32_t kDividerBounding = 3;

void ReadSectionDivider(PsdByteReader& block, LDvPSDLayer& layer) {
    // Whatever follows the type (blend signature and key) is left in the block.
    switch (block.U32()) {
        case kDividerOther: PsdTrace("lsct --> ??"); break;
        case kDividerOpenFolder:
            layer.isGroupStart = true;
            PsdTrace("lsct --> open folder");
            break;
        case kDividerClosedFolder:
            layer.isGroupStart = true;
            PsdTrace("lsct --> closed folder");
            break;
        case kDividerBounding:
            layer.isGroupEnd = true;
            PsdTrace("lsct --> section divider");
            break;
        default: break;
    }
}

// Additional layer information blocks up to the end of the extra data. A block without its
// signature is logged and the next four bytes are tried, so every turn consumes at least four.
void ReadAdditionalInfo(PsdByteReader& extra, LDvPSDLayer& layer) {
    while (!extra.AtEnd()) {
        const LDvString signature = extra.Text(4);
        if (signature != kInfoSignature && signature != kInfoSignature64) {
            PsdTrace("Error : Additional layer information section didn't start with 8BIM or 8B64 signature");
            continue;
        }
        const LDvString key = extra.Text(4);
        PsdByteReader block = extra.Take(extra.U32());
        PsdTrace("Additional layer key :" + key);
        if (key == kSectionDividerKey) ReadSectionDivider(block, layer);
    }
}

// Mask block, blending ranges, name and additional information, all inside the extra data.
void ReadExtraData(PsdByteReader& extra, LDvPSDLayer& layer) {
    if (extra.AtEnd()) return;
    extra.Skip(extra.U32());  // layer mask: nothing of it is used
    extra.Skip(extra.U32());  // blending ranges
    layer.name = extra.PascalString();
    extra.Skip(3 - layer.name.size() % 4);  // length byte, name and padding fill whole 4-byte words
    ReadAdditionalInfo(extra, layer);
}

void ReadChannelTable(PsdByteReader& in, PsdLayerRecord& record) {
    LDvPSDLayer& layer = *record.layer;
    const uint16_t count = in.U16();
    layer.channelCount = static_cast<int16_t>(count);
    for (uint16_t i = 0; i < count && !in.Overrun(); ++i) {
        PsdChannelEntry entry;
        entry.id = in.I16();
        entry.length = in.U32();
        record.channels.push_back(entry);
        if (i < kPsdMaxLayerChannels) {
            layer.channelIds[i] = entry.id;
            layer.channelLengths[i] = entry.length;
        }
    }
}

void LogRecord(const LDvPSDLayer& layer) {
    if (!PsdTraceOn()) return;
    PsdTrace("Name = " + layer.name);
    PsdTrace("Blend Mode :" + layer.blendKey);
    PsdTracef("channels : %d", layer.channelCount);
    PsdTracef("Rect : (%u,%u)-(%u,%u)", static_cast<unsigned>(layer.left), static_cast<unsigned>(layer.top),
              static_cast<unsigned>(layer.right), static_cast<unsigned>(layer.bottom));
    PsdTrace("=================");
}

void RejectUnsupported(PsdLayerRecord& record) {
    const LDvPSDLayer& layer = *record.layer;
    if (record.channels.size() > kPsdMaxLayerChannels) {
        PsdTracef("Error : Layer %s has %zu channels, at most %d are read; layer skipped", layer.name.c_str(),
                  record.channels.size(), kPsdMaxLayerChannels);
        record.rejected = true;
    }
    // Either side alone past the limit is refused too, so a flat layer cannot overflow a size.
    const int64_t width = layer.StoredWidth();
    const int64_t height = layer.StoredHeight();
    if (width > kPsdMaxLayerPixels || height > kPsdMaxLayerPixels || width * height > kPsdMaxLayerPixels) {
        PsdTracef("Error : Layer %s is larger than 2048 x 2048 pixels; layer skipped", layer.name.c_str());
        record.rejected = true;
    }
}

}  // namespace

PsdRecordResult ReadPsdLayerRecord(PsdByteReader& in, PsdLayerRecord& record) {
    LDvPSDLayer& layer = *record.layer;
    PsdTrace("= Layer =========");
    layer.top = in.I32();
    layer.left = in.I32();
    layer.bottom = in.I32();
    layer.right = in.I32();
    ReadChannelTable(in, record);
    const LDvString blendSignature = in.Text(4);
    if (in.Overrun()) return PsdRecordResult::kBroken;
    if (blendSignature != kBlendSignature) {
        PsdTrace("Error - Blending signature in layer not 8BIM identifier");
        return PsdRecordResult::kBroken;
    }
    layer.blendKey = in.Text(4);
    in.Skip(kOpacityClippingFlagsFiller);
    PsdByteReader extra = in.Take(in.U32());
    if (in.Overrun()) return PsdRecordResult::kBroken;
    ReadExtraData(extra, layer);
    LogRecord(layer);
    RejectUnsupported(record);
    return PsdRecordResult::kRead;
}
