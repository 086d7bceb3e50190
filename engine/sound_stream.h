#pragma once
// One streamed sound: the file's bytes and their decoder, and a ring of decoded stereo frames
// between the decoder and the mixer. Owned by its KSound; the mixer lists it while it is loaded.
//
// Two sides, two locks (both held by SoundMixer): the decoding side (rewind, decodeChunk) runs
// with the mixer's feeder lock held, on the feeder thread or on the thread that starts the
// stream; the ring and the play state are touched only with the mixer lock held, so the audio
// callback never waits for a decoder.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "engine/ogg_decoder.h"
#include "engine/sound_resampler.h"

class SoundStream {
public:
    SoundStream() = default;
    SoundStream(const SoundStream&) = delete;
    SoundStream& operator=(const SoundStream&) = delete;

    // Validates the file and keeps its bytes; decodes nothing yet.
    bool open(std::vector<uint8_t> bytes);

    // Decoding side (feeder lock held).
    void rewind();
    // Decodes the next chunk into chunk(); at the end of the file a looping stream goes on from the
    // start, any other stream reports finished. Returns the stereo frames in chunk().
    size_t decodeChunk(bool& finished);
    const float* chunk() const { return converted.data(); }
    size_t chunkCapacity() const { return converted.size() / 2; }
    bool decodeFailed() const { return failed.load(); }

    // Mixer side (mixer lock held).
    void clearRing();
    size_t freeFrames() const { return ringFrames() - filled; }
    bool needsData() const { return playing && !decodeDone && freeFrames() >= chunkCapacity(); }
    void push(const float* frames, size_t count, bool finished);
    void mixInto(float* out, size_t frames);

    // Play state (mixer lock held; `loop` is also written only with the feeder lock held).
    bool playing = false;
    bool paused = false;      // held by suspendAllSounds
    bool loop = false;
    bool decodeDone = false;  // the decoder reached the end; the stream stops when the ring runs dry
    float gain = 1.0f;

private:
    size_t ringFrames() const { return ring.size() / 2; }

    OggStreamReader reader;
    LinearResampler resampler;
    std::vector<float> decoded;    // one chunk as the file holds it
    std::vector<float> converted;  // the same chunk as stereo frames at the mixer's rate
    std::vector<float> ring;       // stereo frames waiting for the mixer
    size_t readFrame = 0;
    size_t filled = 0;
    std::atomic<bool> failed{false};
};
