// Any bytes as a layered Photoshop document: the reader must neither crash nor hang, every layer
// it keeps has pixels and a hit mask of exactly its mask size, what it holds stays within a
// bounded multiple of the input, and the lookups the scene loader makes walk it safely.
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static LDvPSDReader reader;
    reader.LoadFromMemory(data, size, "fuzz.psd");
    size_t held = 0;
    for (int i = 0; i < reader.LayerCount(); ++i) held += CheckedLayerBytes(*reader.LayerAt(i));
    if (held > kMostBytesPerInputByte * size + kSmallestAllowance) std::abort();

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
