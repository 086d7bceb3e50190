// Playback through the mixer, checked frame by frame: the device is paused (manual mixing) and
// mixSoundsForTesting advances the sounds exactly as the audio callback would.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <thread>

#include "engine/k_sound.h"
#include "engine/sound_resampler.h"
#include "tests/engine/sound_fixtures.h"
#include "tests/support/temp_dir.h"

using namespace sound_fixtures;

namespace {

std::vector<float> mixFrames(int frames) {
    std::vector<float> out(static_cast<size_t>(frames) * 2, 7.0f);
    mixSoundsForTesting(out.data(), frames);
    return out;
}

bool silent(const std::vector<float>& frames) {
    return std::all_of(frames.begin(), frames.end(), [](float v) { return v == 0.0f; });
}

// Frames [from, from + count) of a stereo sound, zero past its end.
std::vector<float> slice(const std::vector<float>& stereo, size_t from, size_t count) {
    std::vector<float> out(count * 2, 0.0f);
    for (size_t i = 0; i < count * 2 && from * 2 + i < stereo.size(); ++i) out[i] = stereo[from * 2 + i];
    return out;
}

std::vector<float> concat(std::vector<float> a, const std::vector<float>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void expectFramesNear(const std::vector<float>& actual, const std::vector<float>& expected, float tolerance = 1e-6f) {
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        ASSERT_NEAR(actual[i], expected[i], tolerance) << "frame " << i / 2 << (i % 2 ? " right" : " left");
    }
}

}  // namespace

class SoundPlayback : public testing::Test {
protected:
    void SetUp() override {
        setManualSoundMixingForTesting(true);
        ASSERT_TRUE(KSound::deviceAvailable()) << "the tests run with SDL_AUDIODRIVER=dummy";
    }
    void TearDown() override { KSound::resumeAllSounds(); }

    // Writes a stereo 44.1 kHz tone and returns its decoded frames, which the mixer plays unchanged.
    std::vector<float> writeTone(const std::string& name, int frames) {
        const std::vector<uint8_t> bytes = toneOgg(frames, 2, 44100, name);
        dir.write(name, asText(bytes));
        DecodedSound decoded;
        decodeOggVorbis(bytes.data(), bytes.size(), decoded);
        return decoded.samples;
    }
    std::string path(const std::string& name) const { return dir.file(name); }

    TempDir dir;
};

struct VolumeCase { int percent; float gain; };
constexpr VolumeCase kVolumes[] = {{0, 0.0f}, {-20, 0.0f}, {100, 1.0f}, {99, 1.0f}, {150, 1.0f}, {50, 0.2550760f}};

TEST_F(SoundPlayback, VolumeScalesEveryFrameThroughTheTable) {
    const std::vector<float> tone = writeTone("tone.ogg", 3000);
    KSound sound;
    ASSERT_TRUE(sound.loadSample(path("tone.ogg").c_str(), 100, false, 1));
    for (const VolumeCase& c : kVolumes) {
        SCOPED_TRACE(c.percent);
        sound.setVolume(c.percent);
        sound.playSample();
        std::vector<float> expected = slice(tone, 0, 1000);
        for (float& v : expected) v *= c.gain;
        expectFramesNear(mixFrames(1000), expected);
        sound.stopSample();
    }
    EXPECT_EQ(volumeTableGain(0), 0.0f);
    for (int p = 1; p < 100; ++p) EXPECT_LT(volumeTableGain(p - 1), volumeTableGain(p)) << p;
}

TEST_F(SoundPlayback, SamplePlaysOnceAndStopsAtItsEnd) {
    const std::vector<float> tone = writeTone("once.ogg", 2500);
    KSound sound;
    ASSERT_TRUE(sound.loadSample(path("once.ogg").c_str()));
    EXPECT_FALSE(sound.isPlaying());
    sound.playSample();
    EXPECT_TRUE(sound.isPlaying());
    expectFramesNear(mixFrames(2000), slice(tone, 0, 2000));
    EXPECT_TRUE(sound.isPlaying());
    expectFramesNear(mixFrames(1000), slice(tone, 2000, 1000));
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_TRUE(silent(mixFrames(500)));
}

TEST_F(SoundPlayback, LoopingSampleWrapsToItsFirstFrame) {
    const std::vector<float> tone = writeTone("loop.ogg", 1500);
    KSound sound;
    ASSERT_TRUE(sound.loadSample(path("loop.ogg").c_str(), 100, true, 1));
    sound.playSample();
    const std::vector<float> looped = concat(concat(tone, tone), slice(tone, 0, 500));
    expectFramesNear(mixFrames(3500), looped);
    EXPECT_TRUE(sound.isPlaying());
    sound.stopSample();
    EXPECT_FALSE(sound.isPlaying());
}

// Two voices: a third play takes the voice started longest ago and restarts it.
TEST_F(SoundPlayback, ANewPlayTakesAFreeVoiceElseTheOldest) {
    const std::vector<float> tone = writeTone("voices.ogg", 4000);
    auto sum = [&](std::initializer_list<size_t> offsets, size_t count) {
        std::vector<float> out(count * 2, 0.0f);
        for (size_t offset : offsets) {
            const std::vector<float> part = slice(tone, offset, count);
            for (size_t i = 0; i < out.size(); ++i) out[i] += part[i] * volumeTableGain(50);
        }
        return out;
    };
    KSound sound;
    ASSERT_TRUE(sound.loadSample(path("voices.ogg").c_str(), 50, false, 2));  // two cannot clip
    sound.playSample();
    mixFrames(300);
    sound.playSample();
    expectFramesNear(mixFrames(200), sum({300, 0}, 200), 1e-5f);
    sound.playSample();  // replaces the first voice (at frame 500), the second goes on at 200
    expectFramesNear(mixFrames(200), sum({0, 200}, 200), 1e-5f);
    sound.stopSample();
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_TRUE(silent(mixFrames(100)));

    KSound single;
    ASSERT_TRUE(single.loadSample(path("voices.ogg").c_str(), 50, false, 1));
    single.playSample();
    mixFrames(300);
    single.playSample();  // one voice: starting again restarts it
    expectFramesNear(mixFrames(200), sum({0}, 200), 1e-5f);
}

TEST_F(SoundPlayback, StreamPlaysTheWholeFileAndStops) {
    const std::vector<float> tone = writeTone("music.ogg", 50000);
    KSound stream;
    ASSERT_TRUE(stream.loadStream(path("music.ogg").c_str()));
    EXPECT_TRUE(stream.isStream());
    stream.playStream(false);
    EXPECT_TRUE(stream.isPlaying());
    expectFramesNear(mixFrames(51000), slice(tone, 0, 51000));
    EXPECT_FALSE(stream.isPlaying());
}

// A 22.05 kHz loop streamed in chunks must come out exactly as the resampled file twice over:
// no gap and no click at the seam, none at the chunk boundaries.
TEST_F(SoundPlayback, LoopingStreamWrapsWithoutASeamAtAnyRate) {
    const std::vector<uint8_t> bytes = toneOgg(30000, 1, 22050, "loop22");
    dir.write("loop22.ogg", asText(bytes));
    DecodedSound decoded;
    ASSERT_TRUE(decodeOggVorbis(bytes.data(), bytes.size(), decoded));
    const std::vector<float> twice = concat(decoded.samples, decoded.samples);
    LinearResampler resampler;
    resampler.reset(1, 22050);
    std::vector<float> expected(resampler.maxOutputFrames(twice.size()) * 2);
    expected.resize(resampler.process(twice.data(), twice.size(), expected.data()) * 2);

    KSound stream;
    ASSERT_TRUE(stream.loadStream(path("loop22.ogg").c_str()));
    stream.playStream(true);
    const size_t frames = expected.size() / 2 - 10;
    expectFramesNear(mixFrames(static_cast<int>(frames)), slice(expected, 0, frames), 1e-5f);
    EXPECT_TRUE(stream.isPlaying());

    stream.playStream(false);  // starting again begins at the first frame
    expectFramesNear(mixFrames(1000), slice(expected, 0, 1000), 1e-5f);
    stream.stopStream();
    EXPECT_FALSE(stream.isPlaying());
    EXPECT_TRUE(silent(mixFrames(1000)));
}

TEST_F(SoundPlayback, MonoSampleAtAnotherRateIsConvertedToStereo) {
    dir.write("mono.ogg", asText(toneOgg(11025, 1, 22050, "mono")));
    KSound sound;
    ASSERT_TRUE(sound.loadSample(path("mono.ogg").c_str()));
    sound.playSample();
    const std::vector<float> out = mixFrames(22100);
    EXPECT_FALSE(sound.isPlaying());
    float peak = 0;
    for (size_t i = 0; i < out.size(); i += 2) {
        ASSERT_EQ(out[i], out[i + 1]) << "frame " << i / 2;
        peak = std::max(peak, std::fabs(out[i]));
        if (i / 2 >= 22050) {
            ASSERT_EQ(out[i], 0.0f) << "frame " << i / 2 << " is past the end";
        }
    }
    EXPECT_GT(peak, 0.4f);
}

TEST_F(SoundPlayback, ResumeRestartsExactlyWhatSuspendPaused) {
    const std::vector<float> tone = writeTone("tone.ogg", 8000);
    KSound playing, stoppedWhileSuspended, startedWhileSuspended, stream;
    for (KSound* sound : {&playing, &stoppedWhileSuspended, &startedWhileSuspended}) {
        ASSERT_TRUE(sound->loadSample(path("tone.ogg").c_str(), 50));
    }
    ASSERT_TRUE(stream.loadStream(path("tone.ogg").c_str()));
    stream.setVolume(50);  // three at this level cannot reach the clipping limit

    playing.playSample();
    stoppedWhileSuspended.playSample();
    stream.playStream(false);
    mixFrames(1000);
    KSound::suspendAllSounds();
    EXPECT_TRUE(KSound::soundsSuspended());
    stoppedWhileSuspended.stopSample();
    startedWhileSuspended.playSample();
    EXPECT_TRUE(silent(mixFrames(2000))) << "nothing is heard while suspended";
    EXPECT_TRUE(playing.isPlaying());
    EXPECT_TRUE(startedWhileSuspended.isPlaying());

    KSound::resumeAllSounds();
    EXPECT_FALSE(KSound::soundsSuspended());
    EXPECT_FALSE(stoppedWhileSuspended.isPlaying());
    // The sample and the stream go on from frame 1000, where they were paused; the sample
    // started while suspended begins now at its first frame.
    std::vector<float> expected(1000, 0.0f);
    for (size_t i = 0; i < expected.size(); ++i) {
        expected[i] = volumeTableGain(50) * (2 * tone[2000 + i] + tone[i]);
    }
    expectFramesNear(mixFrames(500), expected, 1e-5f);
    mixFrames(6600);
    EXPECT_FALSE(stream.isPlaying());
    EXPECT_FALSE(playing.isPlaying());
    EXPECT_TRUE(startedWhileSuspended.isPlaying());
}

TEST_F(SoundPlayback, DamagedOrMissingFilesLeaveTheSoundUnloadedAndQuiet) {
    const std::vector<uint8_t> good = toneOgg(5000, 2, 44100);
    dir.write("empty.ogg", "");
    dir.write("garbage.ogg", std::string(3000, 'x'));
    dir.write("cut.ogg", asText(std::vector<uint8_t>(good.begin(), good.begin() + good.size() / 2)));
    dir.write("good.ogg", asText(good));
    for (const char* name : {"empty.ogg", "garbage.ogg", "cut.ogg", "missing.ogg"}) {
        SCOPED_TRACE(name);
        KSound sample, stream;
        ASSERT_TRUE(sample.loadSample(path("good.ogg").c_str()));
        EXPECT_FALSE(sample.loadSample(path(name).c_str())) << "a failed reload unloads";
        EXPECT_FALSE(stream.loadStream(path(name).c_str()));
        for (KSound* sound : {&sample, &stream}) {
            EXPECT_FALSE(sound->isLoaded());
            sound->playSample();
            sound->playStream(true);
            EXPECT_FALSE(sound->isPlaying());
        }
        EXPECT_TRUE(silent(mixFrames(200)));
    }
}

TEST_F(SoundPlayback, BackslashesInAPathCountAsSlashes) {
    writeTone("sfx/click.ogg", 500);
    KSound sound;
    EXPECT_TRUE(sound.loadSample((dir.path() + "\\sfx\\click.ogg").c_str()));
}

TEST(SoundWithoutDevice, LoadsFailAndEveryOperationDoesNothing) {
    TempDir dir;
    dir.write("tone.ogg", asText(toneOgg(2000, 2, 44100)));
    closeSoundDeviceForTesting();
    {
        ScopedEnv noDriver("SDL_AUDIODRIVER", "no-such-driver");
        EXPECT_FALSE(KSound::deviceAvailable());
        KSound sample, stream;
        EXPECT_FALSE(sample.loadSample(dir.file("tone.ogg").c_str()));
        EXPECT_FALSE(stream.loadStream(dir.file("tone.ogg").c_str()));
        KSound::suspendAllSounds();
        EXPECT_FALSE(KSound::soundsSuspended());
        for (KSound* sound : {&sample, &stream}) {
            sound->playSample();
            sound->playStream(true);
            sound->setVolume(40);
            EXPECT_EQ(sound->getVolume(), 40);
            EXPECT_FALSE(sound->isPlaying());
            sound->stopSample();
            sound->stopStream();
        }
        KSound::resumeAllSounds();
        closeSoundDeviceForTesting();
    }
    EXPECT_TRUE(KSound::deviceAvailable()) << "the device opens again once a driver is there";
}

// The real path: SDL's audio thread calls the mixer and the feeder thread decodes ahead.
TEST_F(SoundPlayback, WithTheDeviceRunningSoundsPlayToTheirEndInRealTime) {
    writeTone("short.ogg", 8820);  // 0.2 s
    KSound stream, sample;
    ASSERT_TRUE(stream.loadStream(path("short.ogg").c_str()));
    ASSERT_TRUE(sample.loadSample(path("short.ogg").c_str()));
    setManualSoundMixingForTesting(false);
    stream.playStream(false);
    sample.playSample();
    const auto start = std::chrono::steady_clock::now();
    while ((stream.isPlaying() || sample.isPlaying()) && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const auto took = std::chrono::steady_clock::now() - start;
    setManualSoundMixingForTesting(true);
    EXPECT_FALSE(stream.isPlaying());
    EXPECT_FALSE(sample.isPlaying());
    EXPECT_GE(took, std::chrono::milliseconds(150)) << "played faster than real time";
}

// A sample decoded ahead is what its loadSample takes: once the file is gone it still loads, with
// the very frames of the file; one never decoded ahead, or forgotten, is read from its file.
TEST_F(SoundPlayback, SamplesDecodedAheadAreTakenByTheirLoad) {
    const std::vector<float> expected = writeTone("ahead.ogg", 3000);
    writeTone("later.ogg", 3000);
    int finished = 0;
    KSound::decodeSamplesAhead({path("ahead.ogg"), path("later.ogg"), path("missing.ogg")}, [&finished] { ++finished; });
    EXPECT_EQ(finished, 3) << "every file reports, the missing one too";
    std::remove(path("ahead.ogg").c_str());
    KSound::forgetSamplesDecodedAhead();
    KSound forgotten;
    EXPECT_FALSE(forgotten.loadSample(path("ahead.ogg").c_str()));

    KSound::decodeSamplesAhead({path("later.ogg")});
    std::remove(path("later.ogg").c_str());
    KSound sample;
    ASSERT_TRUE(sample.loadSample(path("later.ogg").c_str()));
    KSound again;
    EXPECT_FALSE(again.loadSample(path("later.ogg").c_str())) << "handed over once";
    sample.playSample();
    expectFramesNear(mixFrames(3000), expected, 1e-5f);
}
