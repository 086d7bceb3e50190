#pragma once
// The channel image data of one layer: raw or PackBits samples written into the layer's pixels
// and hit mask. Every channel is read inside its stored length and every PackBits row inside its
// stored byte count, so a damaged channel cannot pull the next one out of place.
//
// The layer is decoded row by row, every channel's row into a row of samples of its own, which
// are then interleaved into the pixels and tested for hits once: the layer's pixels are written
// in one pass, and nothing the caller did not ask for is made.
#include <vector>

#include "game/scenes/psd_layer_record.h"

class PsdByteReader;

// Makes the layer's pixels and hit mask as `needs` says (when the file holds enough data to fill
// them) and decodes its channels into them; `in` moves past every channel of the record.
void ReadPsdLayerChannels(PsdByteReader& in, const std::vector<PsdChannelEntry>& channels, LDvPSDLayer& layer,
                          PsdLayerNeeds needs = {});
// Passes over the channels of a rejected record.
void SkipPsdLayerChannels(PsdByteReader& in, const std::vector<PsdChannelEntry>& channels);
