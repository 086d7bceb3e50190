#include "engine/sound_mixer.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>

#include "engine/k_log.h"
#include "engine/sound_resampler.h"
#include "engine/sound_stream.h"

namespace {

constexpr int kDeviceBufferFrames = 1024;  // about 23 ms per callback
constexpr auto kFeedPeriod = std::chrono::milliseconds(10);
// A chunk is 1,024 frames of the file: four per 10 ms pass decode about nine times faster than
// playback, so a ring refills quickly while one pass still holds the feeder lock only briefly.
constexpr int kChunksPerPass = 4;
constexpr int kPrefillChunks = 4;  // decoded when a stream starts, so its first buffer has sound

void audioCallback(void* mixer, Uint8* stream, int bytes) {
    const size_t frames = static_cast<size_t>(bytes) / (sizeof(float) * kMixerChannels);
    static_cast<SoundMixer*>(mixer)->mix(reinterpret_cast<float*>(stream), frames);
}

template <typename T>
void eraseValue(std::vector<T*>& list, T* value) {
    list.erase(std::remove(list.begin(), list.end(), value), list.end());
}

}  // namespace

SoundMixer& SoundMixer::instance() {
    static SoundMixer mixer;
    return mixer;
}

SoundMixer::~SoundMixer() { closeDevice(); }

bool SoundMixer::deviceAvailable() {
    if (!deviceTried) {
        deviceTried = true;
        openDevice();
    }
    return device != 0;
}

bool SoundMixer::hasDevice() const { return device != 0; }

bool SoundMixer::openDevice() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        engineLog("Sound: no audio driver (%s); sound is disabled", SDL_GetError());
        return false;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kMixerRate;
    wanted.format = AUDIO_F32SYS;
    wanted.channels = kMixerChannels;
    wanted.samples = kDeviceBufferFrames;
    wanted.callback = audioCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants, the mixer stays simple.
    device = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (device == 0) {
        engineLog("Sound: no audio device (%s); sound is disabled", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    engineLog("Sound: %s audio device opened, %d Hz stereo", SDL_GetCurrentAudioDriver(), obtained.freq);
    if (!manual) startPlayback();
    return true;
}

void SoundMixer::closeDevice() {
    if (device != 0) {
        stopPlayback();
        SDL_CloseAudioDevice(device);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        device = 0;
    }
    deviceTried = false;
}

void SoundMixer::setManualMixing(bool manualMixing) {
    if (manualMixing == manual) return;
    manual = manualMixing;
    if (device == 0) return;
    if (manual) stopPlayback();
    else startPlayback();
}

void SoundMixer::startPlayback() {
    if (!feeder.joinable()) {
        feederStop = false;
        feeder = std::thread([this] { feederLoop(); });
    }
    SDL_PauseAudioDevice(device, 0);
}

void SoundMixer::stopPlayback() {
    // Once the pause returns SDL is out of the callback and will not call it again.
    SDL_PauseAudioDevice(device, 1);
    if (feeder.joinable()) {
        {
            std::lock_guard<std::mutex> feed(feederLock);
            feederStop = true;
        }
        feederWake.notify_one();
        feeder.join();
    }
}

void SoundMixer::feederLoop() {
    std::unique_lock<std::mutex> feed(feederLock);
    while (!feederStop) {
        if (feedStreams()) feederWake.wait_for(feed, kFeedPeriod);
        else feederWake.wait(feed);
    }
}

bool SoundMixer::feedStreams() {
    bool busy = false;
    for (SoundStream* stream : streams) {  // the list only changes with the feeder lock held
        feedStream(*stream, kChunksPerPass);
        std::lock_guard<std::mutex> mixing(mixerLock);
        busy = busy || (stream->playing && !stream->decodeDone);
    }
    return busy;
}

void SoundMixer::feedStream(SoundStream& stream, int chunks) {
    for (int i = 0; i < chunks; ++i) {
        {
            std::lock_guard<std::mutex> mixing(mixerLock);
            if (!stream.needsData()) return;
        }
        bool finished = false;
        const size_t frames = stream.decodeChunk(finished);
        {
            std::lock_guard<std::mutex> mixing(mixerLock);
            stream.push(stream.chunk(), frames, finished);
        }
        if (finished) return;
    }
}

void SoundMixer::add(MixSample& sample) {
    std::lock_guard<std::mutex> mixing(mixerLock);
    samples.push_back(&sample);
}

void SoundMixer::remove(MixSample& sample) {
    std::lock_guard<std::mutex> mixing(mixerLock);
    eraseValue(samples, &sample);
}

void SoundMixer::add(SoundStream& stream) {
    std::lock_guard<std::mutex> feed(feederLock);
    std::lock_guard<std::mutex> mixing(mixerLock);
    streams.push_back(&stream);
}

void SoundMixer::remove(SoundStream& stream) {
    std::lock_guard<std::mutex> feed(feederLock);
    std::lock_guard<std::mutex> mixing(mixerLock);
    eraseValue(streams, &stream);
}

void SoundMixer::play(MixSample& sample) {
    std::lock_guard<std::mutex> mixing(mixerLock);
    if (sample.voices.empty()) return;
    auto voice = std::find_if(sample.voices.begin(), sample.voices.end(),
                              [](const MixSample::Voice& v) { return !v.playing; });
    if (voice == sample.voices.end()) {
        voice = std::min_element(sample.voices.begin(), sample.voices.end(),
                                 [](const MixSample::Voice& a, const MixSample::Voice& b) {
                                     return a.startedAt < b.startedAt;
                                 });
    }
    // Started while suspended, it waits for the resume like everything else that plays.
    *voice = MixSample::Voice{0, ++startCounter, true, suspendedFlag};
}

void SoundMixer::stop(MixSample& sample) {
    std::lock_guard<std::mutex> mixing(mixerLock);
    for (MixSample::Voice& voice : sample.voices) voice.playing = voice.paused = false;
}

bool SoundMixer::isPlaying(const MixSample& sample) {
    std::lock_guard<std::mutex> mixing(mixerLock);
    return std::any_of(sample.voices.begin(), sample.voices.end(),
                       [](const MixSample::Voice& v) { return v.playing; });
}

void SoundMixer::setGain(MixSample& sample, float gain) {
    std::lock_guard<std::mutex> mixing(mixerLock);
    sample.gain = gain;
}

void SoundMixer::play(SoundStream& stream, bool loop) {
    {
        std::lock_guard<std::mutex> feed(feederLock);
        {
            std::lock_guard<std::mutex> mixing(mixerLock);
            stream.clearRing();
            stream.loop = loop;
            stream.playing = true;
            stream.paused = suspendedFlag;
        }
        stream.rewind();
        feedStream(stream, kPrefillChunks);
    }
    feederWake.notify_one();
}

void SoundMixer::stop(SoundStream& stream) {
    std::lock_guard<std::mutex> mixing(mixerLock);
    stream.playing = stream.paused = false;
}

bool SoundMixer::isPlaying(const SoundStream& stream) {
    std::lock_guard<std::mutex> mixing(mixerLock);
    return stream.playing;
}

void SoundMixer::setGain(SoundStream& stream, float gain) {
    std::lock_guard<std::mutex> mixing(mixerLock);
    stream.gain = gain;
}

void SoundMixer::suspendAll() {
    std::lock_guard<std::mutex> mixing(mixerLock);
    if (suspendedFlag) return;
    suspendedFlag = true;
    for (MixSample* sample : samples) {
        for (MixSample::Voice& voice : sample->voices) voice.paused = voice.playing;
    }
    for (SoundStream* stream : streams) stream->paused = stream->playing;
}

void SoundMixer::resumeAll() {
    std::lock_guard<std::mutex> mixing(mixerLock);
    if (!suspendedFlag) return;
    suspendedFlag = false;
    for (MixSample* sample : samples) {
        for (MixSample::Voice& voice : sample->voices) voice.paused = false;
    }
    for (SoundStream* stream : streams) stream->paused = false;
}

bool SoundMixer::suspended() {
    std::lock_guard<std::mutex> mixing(mixerLock);
    return suspendedFlag;
}

void SoundMixer::mix(float* out, size_t frames) {
    std::fill(out, out + 2 * frames, 0.0f);
    {
        std::lock_guard<std::mutex> mixing(mixerLock);
        for (MixSample* sample : samples) mixSample(*sample, out, frames);
        for (SoundStream* stream : streams) stream->mixInto(out, frames);
    }
    for (size_t i = 0; i < 2 * frames; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

void SoundMixer::mixSample(MixSample& sample, float* out, size_t frames) {
    const size_t total = sample.frames.size() / 2;
    for (MixSample::Voice& voice : sample.voices) {
        if (!voice.playing || voice.paused) continue;
        for (size_t done = 0; done < frames && voice.playing;) {
            const size_t run = std::min(frames - done, total - std::min(voice.position, total));
            const float* from = sample.frames.data() + 2 * voice.position;
            for (size_t i = 0; i < 2 * run; ++i) out[2 * done + i] += from[i] * sample.gain;
            done += run;
            voice.position += run;
            if (voice.position < total) continue;
            // At the end: a loop goes on from the first frame, anything else stops there.
            voice.position = 0;
            voice.playing = sample.loop && total > 0;
        }
    }
}

void SoundMixer::mixManually(float* out, size_t frames) {
    for (size_t done = 0; done < frames;) {
        const size_t block = std::min(frames - done, static_cast<size_t>(kDeviceBufferFrames));
        {
            std::lock_guard<std::mutex> feed(feederLock);
            feedStreams();
        }
        mix(out + 2 * done, block);
        done += block;
    }
}
