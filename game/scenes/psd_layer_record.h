#pragma once
// One layer record of a Photoshop document's layer information: the rectangle, the channel
// table, the blend mode and the extra data (mask, blending ranges, name, additional information
// with the group markers).
#include <cstdint>
#include <memory>
#include <vector>

#include "game/scenes/ldv_psd_layer.h"

class PsdByteReader;

struct PsdChannelEntry {
    int16_t id = 0;
    uint32_t length = 0;  // stored bytes, with the 2-byte compression method
};

struct PsdLayerRecord {
    std::unique_ptr<LDvPSDLayer> layer = std::make_unique<LDvPSDLayer>();
    // Every entry of the record, also those a rejected layer has beyond five: its channel data
    // must still be passed over.
    std::vector<PsdChannelEntry> channels;
    bool rejected = false;  // too many channels or too large: not kept
};

enum class PsdRecordResult {
    kRead,    // the record was read whole (it may still be rejected)
    kBroken,  // bad blend signature or the end of the data: where the next record starts is unknown
};

// The smallest record: rectangle, channel count, blend signature and key, four single bytes and
// the extra-data length.
constexpr uint64_t kPsdMinLayerRecordBytes = 34;

PsdRecordResult ReadPsdLayerRecord(PsdByteReader& in, PsdLayerRecord& record);
