// Ogg Vorbis files as the sound loader meets them: decoded whole as a sample, and read a chunk at
// a time as a stream, with a rewind and the conversion to the mixer's format.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/ogg_decoder.h"
#include "engine/sound_resampler.h"

namespace {

constexpr int kFuzzMaxSeconds = 5;    // the same cap logic as for samples, kept short for speed
constexpr int kChunkFrames = 1024;
constexpr int kStreamChunks = 64;     // a stream may be hours long; a few seconds show the faults

uint32_t oggChecksum(const uint8_t* data, size_t size) {
    uint32_t crc = 0;
    for (size_t i = 0; i < size; ++i) {
        crc ^= static_cast<uint32_t>(data[i]) << 24;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 0x80000000u) ? (crc << 1) ^ 0x04c11db7u : crc << 1;
    }
    return crc;
}

// Every mutation breaks a page checksum, and the decoder refuses such pages before Vorbis sees
// them; so each input is also tried with the checksums of its whole pages made right again.
std::vector<uint8_t> withChecksumsMended(const uint8_t* data, size_t size) {
    std::vector<uint8_t> bytes(data, data + size);
    constexpr size_t kHeader = 27;
    size_t at = 0;
    while (at + kHeader <= bytes.size() && bytes[at] == 'O' && bytes[at + 1] == 'g' && bytes[at + 2] == 'g') {
        const size_t segments = bytes[at + 26];
        if (at + kHeader + segments > bytes.size()) break;
        size_t length = kHeader + segments;
        for (size_t i = 0; i < segments; ++i) length += bytes[at + kHeader + i];
        if (at + length > bytes.size()) break;
        for (size_t i = 22; i < 26; ++i) bytes[at + i] = 0;
        const uint32_t crc = oggChecksum(bytes.data() + at, length);
        for (size_t i = 0; i < 4; ++i) bytes[at + 22 + i] = static_cast<uint8_t>(crc >> (8 * i));
        at += length;
    }
    return bytes;
}

void readStream(OggStreamReader& reader, LinearResampler& resampler, std::vector<float>& in, std::vector<float>& out) {
    for (int i = 0; i < kStreamChunks; ++i) {
        const int got = reader.read(in.data(), kChunkFrames);
        if (got <= 0) return;
        resampler.process(in.data(), static_cast<size_t>(got), out.data());
    }
}

void decodeAsTheLoaderDoes(const uint8_t* data, size_t size) {
    DecodedSound decoded;
    decodeOggVorbis(data, size, decoded, kFuzzMaxSeconds);

    OggStreamReader reader;
    if (!reader.open(data, size)) return;
    LinearResampler resampler;
    resampler.reset(reader.channels(), reader.sampleRate());
    std::vector<float> in(static_cast<size_t>(kChunkFrames * reader.channels()));
    std::vector<float> out(resampler.maxOutputFrames(kChunkFrames) * kMixerChannels);
    readStream(reader, resampler, in, out);
    if (reader.rewind()) readStream(reader, resampler, in, out);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    decodeAsTheLoaderDoes(data, size);
    const std::vector<uint8_t> mended = withChecksumsMended(data, size);
    decodeAsTheLoaderDoes(mended.data(), mended.size());
    return 0;
}
