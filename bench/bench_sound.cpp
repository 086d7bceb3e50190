// Sound costs that shape start-up and the audio thread: loading a minute of music as a stream
// (bytes read and checked, nothing decoded) against decoding it whole as a sample, and mixing
// one device buffer with a busy scene's worth of voices.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/k_sound.h"
#include "tools/forge/core/encoders.h"

namespace {

constexpr int kRate = 44100;
constexpr int kMusicSeconds = 60;
constexpr int kBufferFrames = 1024;  // one device callback
constexpr int kBusyVoices = 12;

// A minute of two-channel chords, written once per run to a temporary file.
const std::string& musicFile() {
    static const std::string path = [] {
        std::vector<float> samples;
        samples.reserve(static_cast<size_t>(kRate) * kMusicSeconds * 2);
        for (int i = 0; i < kRate * kMusicSeconds; ++i) {
            const float t = static_cast<float>(i) / kRate;
            const float chord = std::sin(2 * 3.14159265f * 220.0f * t) + 0.6f * std::sin(2 * 3.14159265f * 277.2f * t);
            samples.push_back(0.3f * chord);
            samples.push_back(0.3f * chord * std::cos(0.5f * t));
        }
        std::vector<uint8_t> bytes;
        encodeOggVorbis(samples, 2, kRate, 0.4f, "bench-music", bytes);
        std::string name = "/tmp/quorvane-bench-music.ogg";
        std::FILE* file = std::fopen(name.c_str(), "wb");
        if (file != nullptr) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        return name;
    }();
    return path;
}

void BM_LoadStreamOfAMinute(benchmark::State& state) {
    setManualSoundMixingForTesting(true);
    if (!KSound::deviceAvailable()) state.SkipWithError("no audio device");
    musicFile();  // encoded before timing starts
    for (auto _ : state) {
        KSound music;
        benchmark::DoNotOptimize(music.loadStream(musicFile().c_str()));
    }
}
BENCHMARK(BM_LoadStreamOfAMinute)->Unit(benchmark::kMillisecond);

void BM_LoadSampleOfAMinute(benchmark::State& state) {
    setManualSoundMixingForTesting(true);
    if (!KSound::deviceAvailable()) state.SkipWithError("no audio device");
    musicFile();
    for (auto _ : state) {
        KSound music;
        benchmark::DoNotOptimize(music.loadSample(musicFile().c_str()));
    }
}
BENCHMARK(BM_LoadSampleOfAMinute)->Unit(benchmark::kMillisecond);

// One buffer with a looping stream (decoded on the same thread, as manual mixing does) and a
// dozen sample voices: the audio thread's share of it is everything but the stream's decoding.
void BM_MixOneBufferBusyScene(benchmark::State& state) {
    setManualSoundMixingForTesting(true);
    if (!KSound::deviceAvailable()) state.SkipWithError("no audio device");
    KSound music, effect;
    music.loadStream(musicFile().c_str());
    effect.loadSample(musicFile().c_str(), 80, true, kBusyVoices);
    music.playStream(true);
    for (int i = 0; i < kBusyVoices; ++i) effect.playSample();
    std::vector<float> out(kBufferFrames * 2);
    for (auto _ : state) {
        mixSoundsForTesting(out.data(), kBufferFrames);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * kBufferFrames);
}
BENCHMARK(BM_MixOneBufferBusyScene)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
