// Any bytes as a layered Photoshop document: the reader must neither crash nor hang, every layer
// it keeps has pixels and a hit mask of exactly its mask size, what it holds stays within a
// bounded multiple of the input, and the lookups the scene loader makes walk it safely. Read
// again for some parts of each layer only, it must give exactly those parts of the whole read.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "game/scenes/ldv_psd_reader.h"

namespace {

// PackBits at its best fills 64 samples per byte: 4 bytes of pixel and an eighth of mask each.
constexpr size_t kMostBytesPerInputByte = 300;
constexpr size_t kSmallestAllowance = 64;

size_t CheckedLayerBytes(const LDvPSDLayer& layer) {
    const size_t count = static_cast<size_t>(layer.maskWidth) * static_cast<size_t>(layer.maskHeight);
    if (layer.maskWidth < 0 || layer.maskHeight < 0) std::abort();
    if (layer.pixels.size() != count || layer.hitMask.size() != (count + 7) / 8) std::abort();
    return layer.pixels.size() * 4 + layer.hitMask.size();
}

// Every mix of parts, layer by layer.
PsdLayerNeeds SomeParts(const LDvPSDLayer&, int index) { return PsdLayerNeeds{(index & 1) != 0, (index & 2) != 0}; }

void CheckPartsOf(const LDvPSDReader& whole, const uint8_t* data, size_t size) {
    static LDvPSDReader parts;
    parts.LoadFromMemory(data, size, "fuzz.psd", SomeParts);
    if (parts.LayerCount() != whole.LayerCount()) std::abort();
    for (int i = 0; i < parts.LayerCount(); ++i) {
        const LDvPSDLayer& part = *parts.LayerAt(i);
        const LDvPSDLayer& full = *whole.LayerAt(i);
        const PsdLayerNeeds needs = SomeParts(part, i);
        const bool any = needs.pixels || needs.hitMask;
        if (any && (part.maskWidth != full.maskWidth || part.maskHeight != full.maskHeight)) std::abort();
        if (needs.pixels ? part.pixels != full.pixels : !part.pixels.empty()) std::abort();
        if (needs.hitMask ? part.hitMask != full.hitMask : !part.hitMask.empty()) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static LDvPSDReader reader;
    reader.LoadFromMemory(data, size, "fuzz.psd");
    size_t held = 0;
    for (int i = 0; i < reader.LayerCount(); ++i) held += CheckedLayerBytes(*reader.LayerAt(i));
    if (held > kMostBytesPerInputByte * size + kSmallestAllowance) std::abort();
    CheckPartsOf(reader, data, size);

    LDvList<LDvString> groups;
    reader.GetGroupNames(groups);
    for (const LDvString& group : groups) {
        for (const char* name : {"IMG", "HIT"}) {
            const LDvPSDLayer* layer = reader.FindLayer(group, name);
            if (layer != nullptr && layer->maskWidth > 0 && layer->maskHeight > 0) {
                layer->IsHit(layer->maskWidth - 1, layer->maskHeight - 1);
            }
        }
    }
    return 0;
}
