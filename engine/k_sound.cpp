#include "engine/k_sound.h"

#include <algorithm>
#include <array>
#include <map>
#include <utility>

#include "engine/k_log.h"
#include "engine/parallel_jobs.h"
#include "engine/sound_mixer.h"
#include "engine/sound_resampler.h"
#include "engine/sound_stream.h"

namespace {

constexpr int kVolumeSteps = 100;
constexpr int kMaxVoices = 32;  // more would only pile the same effect on itself

constexpr std::array<float, kVolumeSteps> makeVolumeTable() {
    std::array<float, kVolumeSteps> table{};
    for (int i = 0; i < kVolumeSteps; ++i) {
        const float fraction = static_cast<float>(i) / (kVolumeSteps - 1);
        table[static_cast<size_t>(i)] = fraction * fraction;
    }
    return table;
}

constexpr std::array<float, kVolumeSteps> kVolumeTable = makeVolumeTable();

std::string platformPath(const char* path) {
    std::string result(path);
    std::replace(result.begin(), result.end(), '\\', '/');
    return result;
}

bool convertToMixerFormat(const DecodedSound& decoded, std::vector<float>& frames) {
    LinearResampler resampler;
    resampler.reset(decoded.channels, decoded.sampleRate);
    const size_t inputFrames = decoded.samples.size() / static_cast<size_t>(decoded.channels);
    frames.resize(resampler.maxOutputFrames(inputFrames) * kMixerChannels);
    const size_t written = resampler.process(decoded.samples.data(), inputFrames, frames.data());
    frames.resize(written * kMixerChannels);
    frames.shrink_to_fit();
    return written > 0;
}

bool decodeForMixer(const std::string& path, std::vector<float>& frames) {
    DecodedSound decoded;
    return decodeOggVorbisFile(path, decoded) && convertToMixerFormat(decoded, frames);
}

// Samples decoded ahead, by their path with "/" only; read and written on the main thread.
std::map<std::string, std::vector<float>>& decodedAhead() {
    static std::map<std::string, std::vector<float>> samples;
    return samples;
}

// The frames decoded ahead for `path`, handed over once; false when there are none.
bool takeDecodedAhead(const std::string& path, std::vector<float>& frames) {
    const auto found = decodedAhead().find(path);
    if (found == decodedAhead().end()) return false;
    frames = std::move(found->second);
    decodedAhead().erase(found);
    return true;
}

}  // namespace

float volumeTableGain(int percent) {
    return kVolumeTable[static_cast<size_t>(std::clamp(percent, 0, kVolumeSteps - 1))];
}

struct KSound::Impl {
    std::string path;
    int volume = 100;
    std::unique_ptr<MixSample> sample;
    std::unique_ptr<SoundStream> stream;
    bool failureReported = false;

    ~Impl() { unload(); }

    void unload() {
        // Off the mixer's lists before the frames go, so the audio thread never sees them freed.
        if (sample) SoundMixer::instance().remove(*sample);
        if (stream) SoundMixer::instance().remove(*stream);
        sample.reset();
        stream.reset();
    }

    void reportStreamFailure() {
        if (stream && stream->decodeFailed() && !failureReported) {
            engineLog("Sound: stream '%s' stopped, its data is damaged", path.c_str());
            failureReported = true;
        }
    }
};

KSound::KSound() : impl(std::make_unique<Impl>()) {}

KSound::~KSound() = default;

bool KSound::deviceAvailable() { return SoundMixer::instance().deviceAvailable(); }

bool KSound::loadSample(const char* path, int volume, bool loop, int voices) {
    impl->unload();
    if (path == nullptr) return false;
    impl->path = platformPath(path);
    if (!deviceAvailable()) {
        engineLog("Sound: no audio device, '%s' not loaded", impl->path.c_str());
        return false;
    }
    auto sample = std::make_unique<MixSample>();
    if (!takeDecodedAhead(impl->path, sample->frames) && !decodeForMixer(impl->path, sample->frames)) {
        engineLog("Sound: failed to load sample '%s'", impl->path.c_str());
        return false;
    }
    sample->voices.resize(static_cast<size_t>(std::clamp(voices, 1, kMaxVoices)));
    sample->loop = loop;
    impl->volume = volume;
    sample->gain = volumeTableGain(volume);
    SoundMixer::instance().add(*sample);
    impl->sample = std::move(sample);
    return true;
}

bool KSound::loadStream(const char* path) {
    impl->unload();
    if (path == nullptr) return false;
    impl->path = platformPath(path);
    impl->failureReported = false;
    if (!deviceAvailable()) {
        engineLog("Sound: no audio device, '%s' not loaded", impl->path.c_str());
        return false;
    }
    std::vector<uint8_t> bytes;
    auto stream = std::make_unique<SoundStream>();
    if (!readSoundFile(impl->path, bytes) || !stream->open(std::move(bytes))) {
        engineLog("Sound: failed to load stream '%s'", impl->path.c_str());
        return false;
    }
    stream->gain = volumeTableGain(impl->volume);
    SoundMixer::instance().add(*stream);
    impl->stream = std::move(stream);
    return true;
}

bool KSound::isLoaded() const { return impl->sample || impl->stream; }

bool KSound::isStream() const { return impl->stream != nullptr; }

void KSound::playSample() {
    if (impl->sample) SoundMixer::instance().play(*impl->sample);
    else if (impl->stream) playStream(false);
}

void KSound::stopSample() {
    if (impl->sample) SoundMixer::instance().stop(*impl->sample);
    else if (impl->stream) stopStream();
}

void KSound::playStream(bool loop) {
    if (impl->stream) {
        SoundMixer::instance().play(*impl->stream, loop);
        impl->reportStreamFailure();
    } else if (impl->sample) {
        playSample();
    }
}

void KSound::stopStream() {
    if (impl->stream) SoundMixer::instance().stop(*impl->stream);
    else if (impl->sample) stopSample();
}

bool KSound::isPlaying() const {
    if (impl->sample) return SoundMixer::instance().isPlaying(*impl->sample);
    if (!impl->stream) return false;
    impl->reportStreamFailure();
    return SoundMixer::instance().isPlaying(*impl->stream);
}

void KSound::setVolume(int percent) {
    impl->volume = percent;
    const float gain = volumeTableGain(percent);
    if (impl->sample) SoundMixer::instance().setGain(*impl->sample, gain);
    if (impl->stream) SoundMixer::instance().setGain(*impl->stream, gain);
}

int KSound::getVolume() const { return impl->volume; }

void KSound::suspendAllSounds() {
    if (SoundMixer::instance().hasDevice()) SoundMixer::instance().suspendAll();
}

void KSound::resumeAllSounds() {
    if (SoundMixer::instance().hasDevice()) SoundMixer::instance().resumeAll();
}

bool KSound::soundsSuspended() { return SoundMixer::instance().suspended(); }

void setManualSoundMixingForTesting(bool manual) { SoundMixer::instance().setManualMixing(manual); }

void mixSoundsForTesting(float* out, int frames) {
    if (out == nullptr || frames <= 0) return;
    SoundMixer::instance().setManualMixing(true);
    SoundMixer::instance().mixManually(out, static_cast<size_t>(frames));
}

void closeSoundDeviceForTesting() { SoundMixer::instance().closeDevice(); }

void KSound::decodeSamplesAhead(const std::vector<std::string>& paths, const std::function<void()>& finished) {
    if (!deviceAvailable()) return;
    struct Slot {
        std::string path;
        std::vector<float> frames;
        bool decoded = false;
    };
    std::vector<Slot> slots(paths.size());
    for (size_t i = 0; i < paths.size(); ++i) slots[i].path = platformPath(paths[i].c_str());
    runJobs(
        slots.size(), [&slots](size_t i) { slots[i].decoded = decodeForMixer(slots[i].path, slots[i].frames); },
        finished);
    // A file that did not decode is left to its loadSample, which tries again and reports it.
    for (Slot& slot : slots) {
        if (slot.decoded) decodedAhead()[slot.path] = std::move(slot.frames);
    }
}

void KSound::forgetSamplesDecodedAhead() { decodedAhead().clear(); }
