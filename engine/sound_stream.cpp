#include "engine/sound_stream.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kChunkSourceFrames = 1024;
constexpr size_t kStreamRingFrames = 32768;  // about 0.75 s: rides over a busy main thread

}  // namespace

bool SoundStream::open(std::vector<uint8_t> bytes) {
    if (!reader.open(std::move(bytes))) return false;
    resampler.reset(reader.channels(), reader.sampleRate());
    decoded.assign(static_cast<size_t>(kChunkSourceFrames) * static_cast<size_t>(reader.channels()), 0.0f);
    converted.assign(resampler.maxOutputFrames(kChunkSourceFrames) * 2, 0.0f);
    ring.assign(kStreamRingFrames * 2, 0.0f);
    return true;
}

void SoundStream::rewind() {
    if (!reader.rewind()) failed = true;
    resampler.reset(reader.channels(), reader.sampleRate());
}

size_t SoundStream::decodeChunk(bool& finished) {
    finished = false;
    int got = failed ? -1 : reader.read(decoded.data(), kChunkSourceFrames);
    if (got == 0 && loop) {
        // Straight on from the first frame: the resampler keeps its last frame, so no seam.
        got = reader.rewind() ? reader.read(decoded.data(), kChunkSourceFrames) : -1;
        if (got == 0) got = -1;  // a file that decodes to nothing would loop for ever
    }
    if (got < 0) failed = true;
    if (got <= 0) {
        finished = true;
        return 0;
    }
    return resampler.process(decoded.data(), static_cast<size_t>(got), converted.data());
}

void SoundStream::clearRing() {
    readFrame = 0;
    filled = 0;
    decodeDone = false;
}

void SoundStream::push(const float* frames, size_t count, bool finished) {
    if (ring.empty()) return;
    count = std::min(count, freeFrames());
    size_t writeFrame = (readFrame + filled) % ringFrames();
    for (size_t done = 0; done < count;) {
        const size_t run = std::min(count - done, ringFrames() - writeFrame);
        std::copy(frames + 2 * done, frames + 2 * (done + run), ring.begin() + static_cast<long>(2 * writeFrame));
        done += run;
        writeFrame = (writeFrame + run) % ringFrames();
    }
    filled += count;
    if (finished) decodeDone = true;
}

void SoundStream::mixInto(float* out, size_t frames) {
    if (!playing || paused) return;
    const size_t count = std::min(frames, filled);
    for (size_t i = 0; i < count; ++i) {
        out[2 * i] += ring[2 * readFrame] * gain;
        out[2 * i + 1] += ring[2 * readFrame + 1] * gain;
        readFrame = readFrame + 1 == ringFrames() ? 0 : readFrame + 1;
    }
    filled -= count;
    // A ring that runs dry before the decoder is done is an underrun: silence, still playing.
    if (filled == 0 && decodeDone) playing = false;
}
