#pragma once
// Reads layered Photoshop documents (8-bit RGB, raw or PackBits layer channels) into a list of
// layers with their names, rectangles, groups, RGBA pixels and hit masks, for the scene loader.
// Only the parts the scenes need are read; everything is traced to the game log at level 2.
//
// One reader serves the whole program. It owns the layers of the document it read last; pointers
// it hands out stay valid until the next Load, LoadFromMemory or Clear. Damaged or hostile files
// never crash it: lengths are checked against the data, layers it cannot take are left out with a
// log line, and memory is only claimed for pixels the file holds data for.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"
#include "game/scenes/ldv_psd_layer.h"

class PsdByteReader;

// Which parts of a kept layer the caller uses, asked once every record is read (names, flags and
// rectangles known) and before any channel data; `index` is the layer's place in the kept list.
// Without a choice every layer gets its pixels and its hit mask.
using PsdLayerChoice = std::function<PsdLayerNeeds(const LDvPSDLayer& layer, int index)>;

class LDvPSDReader {
public:
    LDvPSDReader() = default;
    LDvPSDReader(const LDvPSDReader&) = delete;
    LDvPSDReader& operator=(const LDvPSDReader&) = delete;

    // Replaces the held document with the file at `path` (relative to the data root unless it
    // starts with "/" or holds ':'). A missing file goes to the missing-media path. False when the
    // file is missing, unreadable or not a Photoshop document; a damaged document still gives the
    // layers that could be read.
    bool Load(const LDvString& path, const PsdLayerChoice& choice = {});
    // The same for a document already in memory; `label` stands for the path in the log.
    bool LoadFromMemory(const uint8_t* data, size_t size, const LDvString& label, const PsdLayerChoice& choice = {});
    void Clear();

    int LayerCount() const { return layers.Count(); }
    // 0 is the bottom-most layer (the background); null outside the list.
    LDvPSDLayer* LayerAt(int index) const;
    // The top-most layer called `layerName` inside the group called `groupName` (an empty group
    // name: outside every group); the bottom-most layer is never examined. Null when none.
    LDvPSDLayer* FindLayer(const LDvString& groupName, const LDvString& layerName) const;
    // Appends the name of every group, bottom-most first; duplicates are kept.
    void GetGroupNames(LDvList<LDvString>& names) const;

private:
    bool Read(const uint8_t* data, size_t size, const LDvString& label);
    bool ReadDocument(PsdByteReader& in);
    void ReadLayerSection(PsdByteReader& in);
    void ReadLayerInfo(PsdByteReader& info);

    LDvList<std::unique_ptr<LDvPSDLayer>> layers;  // file order: bottom-most first
    PsdLayerChoice layerChoice;                    // of the load under way
};
