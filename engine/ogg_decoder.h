#pragma once
// Ogg Vorbis decoding over bytes in memory, for samples (decoded whole) and streams (decoded a
// chunk at a time). Only whole files of one logical Vorbis stream with one or two channels are
// accepted: a file cut short, with bytes between its pages, a damaged page, a second stream or a
// setup the decoder cannot start on is refused with an engine log line.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct DecodedSound {
    int channels = 0;
    int sampleRate = 0;
    std::vector<float> samples;  // interleaved
};

constexpr size_t kMaxOggFileBytes = size_t{64} << 20;  // larger files are refused before reading
constexpr int kMaxSampleSeconds = 180;                 // longest sound decoded whole; music streams
constexpr int kMaxStreamSeconds = 4 * 3600;            // a longer claim is a damaged file
constexpr int kMinOggSampleRate = 8000;
constexpr int kMaxOggSampleRate = 192000;

// True when the bytes are a sequence of intact Ogg pages (checksums verified) of one logical
// stream that fills them exactly and ends with an end-of-stream page.
bool isWholeOggStream(const uint8_t* data, size_t size);

// Decodes a whole file; false (and a log line) when it is not a valid file or it holds more than
// maxSeconds of sound. `out` is left empty on failure.
bool decodeOggVorbis(const uint8_t* data, size_t size, DecodedSound& out, int maxSeconds = kMaxSampleSeconds);
bool decodeOggVorbisFile(const std::string& path, DecodedSound& out);

// Reads a whole file of at most kMaxOggFileBytes; false (with a log line) when it is missing or larger.
bool readSoundFile(const std::string& path, std::vector<uint8_t>& bytes);

// Incremental decoder over bytes it either borrows or owns. Not thread-safe: one thread at a time.
class OggStreamReader {
public:
    OggStreamReader();
    ~OggStreamReader();
    OggStreamReader(const OggStreamReader&) = delete;
    OggStreamReader& operator=(const OggStreamReader&) = delete;

    // Borrows the bytes, which must outlive the reader (or the next open).
    bool open(const uint8_t* data, size_t size);
    // Keeps the bytes for as long as the reader lives.
    bool open(std::vector<uint8_t> bytes);
    void close();
    bool isOpen() const { return opened; }

    int channels() const { return channelCount; }
    int sampleRate() const { return rate; }
    int64_t totalFrames() const { return frames; }  // as the file's last page claims it

    // Decodes up to maxFrames interleaved frames into out (maxFrames x channels floats).
    // Returns the frames written, 0 at the end, -1 when the data turns out to be damaged; after
    // that the reader stays failed (reads give -1, rewinds false) until the next open.
    int read(float* out, int maxFrames);
    bool rewind();

private:
    struct VorbisHandle;  // libvorbisfile's state and the read position in the bytes

    bool decoderStarts();

    std::vector<uint8_t> owned;
    std::unique_ptr<VorbisHandle> vorbis;
    bool opened = false;
    bool damaged = false;
    int channelCount = 0;
    int rate = 0;
    int64_t frames = 0;
};
