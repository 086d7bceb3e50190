#include "game/scenes/ldv_psd_reader.h"

#include <cstdlib>
#include <iterator>
#include <vector>

#include "engine/k_files.h"
#include "framework/core/folders.h"
#include "framework/core/game_log.h"
#include "game/scenes/psd_byte_reader.h"
#include "game/scenes/psd_channel_data.h"
#include "game/scenes/psd_file_sections.h"
#include "game/scenes/psd_layer_record.h"
#include "game/scenes/psd_log.h"

namespace {

constexpr char kLoadRule[] = "=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*=*";

LDvString ResolvePath(const LDvString& path) {
    const bool absolute = (!path.empty() && path[0] == '/') || path.find(':') != LDvString::npos;
    return absolute ? path : GetDataRoot() + path;
}

bool EndedEarly(const PsdByteReader& in) {
    if (!in.Overrun()) return false;
    PsdTrace("Error : Photoshop file ends early; reading stopped");
    return true;
}

// The count the file states, but never more records than its remaining bytes can hold.
int LayerRecordCount(int16_t stored, const PsdByteReader& info) {
    const int count = std::abs(static_cast<int>(stored));  // negative only flags merged transparency
    Log("Number of layers = " + std::to_string(count));
    const uint64_t fits = info.Remaining() / kPsdMinLayerRecordBytes;
    if (static_cast<uint64_t>(count) <= fits) return count;
    PsdTracef("Error : %d layer records cannot fit in %zu bytes; reading %d", count, info.Remaining(),
              static_cast<int>(fits));
    return static_cast<int>(fits);
}

}  // namespace

bool LDvPSDReader::Load(const LDvString& path, const PsdLayerChoice& choice) {
    Clear();
    layerChoice = choice;
    const LDvString resolved = ResolvePath(path);
    if (!FileExists(resolved)) {
        MediaMissing(resolved);
        return false;
    }
    // Read whole in one go: the document is parsed from memory, its file closed at once.
    std::vector<uint8_t> bytes;
    if (!readWholeFile(makeFilePath(resolved), bytes)) {
        Log("Error : Cannot read Photoshop file : " + resolved);
        return false;
    }
    return Read(bytes.data(), bytes.size(), resolved);
}

bool LDvPSDReader::LoadFromMemory(const uint8_t* data, size_t size, const LDvString& label,
                                  const PsdLayerChoice& choice) {
    Clear();
    layerChoice = choice;
    return Read(data, size, label);
}

void LDvPSDReader::Clear() { layers.Clear(); }

bool LDvPSDReader::Read(const uint8_t* data, size_t size, const LDvString& label) {
    Log(kLoadRule);
    Log("Started Reading Photoshop File : " + label);
    PsdByteReader in(data, size);
    const bool read = ReadDocument(in);
    layerChoice = nullptr;
    Log("Finished Reading Photoshop File");
    Log(kLoadRule);
    return read;
}

bool LDvPSDReader::ReadDocument(PsdByteReader& in) {
    PsdHeader header;
    if (!ReadPsdHeader(in, header)) return false;
    if (EndedEarly(in)) return true;
    ReadPsdColourModeData(in);
    if (EndedEarly(in)) return true;
    ReadPsdImageResources(in);
    if (EndedEarly(in)) return true;
    ReadLayerSection(in);
    return true;
}

void LDvPSDReader::ReadLayerSection(PsdByteReader& in) {
    const uint32_t sectionLength = in.U32();
    if (EndedEarly(in)) return;
    PsdTracef("Layers section size = %u", sectionLength);
    if (sectionLength == 0) return;
    PsdByteReader section = in.Take(sectionLength);
    const uint32_t infoLength = section.U32();
    if (infoLength == 0) {
        PsdTrace("Note : No layers in file.");
        return;
    }
    PsdByteReader info = section.Take(infoLength);
    ReadLayerInfo(info);
}

void LDvPSDReader::ReadLayerInfo(PsdByteReader& info) {
    const int16_t storedCount = info.I16();
    if (EndedEarly(info)) return;
    const int count = LayerRecordCount(storedCount, info);
    std::vector<PsdLayerRecord> records(static_cast<size_t>(count));
    for (PsdLayerRecord& record : records) {
        if (ReadPsdLayerRecord(info, record) == PsdRecordResult::kBroken) {
            // The channel data lies after the last record: without every record it cannot be found.
            PsdTrace("Error : Layer records cannot be read to their end; no layers kept");
            return;
        }
    }
    int kept = 0;
    for (PsdLayerRecord& record : records) {
        if (record.rejected) {
            SkipPsdLayerChannels(info, record.channels);
            continue;
        }
        const PsdLayerNeeds needs = layerChoice ? layerChoice(*record.layer, kept) : PsdLayerNeeds{};
        ReadPsdLayerChannels(info, record.channels, *record.layer, needs);
        ++kept;
    }
    for (PsdLayerRecord& record : records) {
        if (!record.rejected) layers.Add(std::move(record.layer));
    }
}

LDvPSDLayer* LDvPSDReader::LayerAt(int index) const {
    if (index < 0 || index >= layers.Count()) return nullptr;
    return layers.Get(index).get();
}

LDvPSDLayer* LDvPSDReader::FindLayer(const LDvString& groupName, const LDvString& layerName) const {
    if (layers.Count() < 2) return nullptr;
    LDvString currentGroup;
    // From the top-most layer down to index 1: a folder record lies above its members and its
    // closing divider below them.
    for (auto it = layers.end(); it != std::next(layers.begin());) {
        --it;
        LDvPSDLayer& layer = **it;
        if (layer.isGroupStart) currentGroup = layer.name;
        if (layer.isGroupEnd) currentGroup.clear();
        if (currentGroup == groupName && layer.name == layerName) return &layer;
    }
    return nullptr;
}

void LDvPSDReader::GetGroupNames(LDvList<LDvString>& names) const {
    for (const auto& layer : layers) {
        if (layer->isGroupStart) names.Add(layer->name);
    }
}
