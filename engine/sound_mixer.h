#pragma once
// The one audio device (stereo float at 44.1 kHz) and the mixer that feeds it from SDL's audio
// callback. One process-wide instance; it lives until static destruction, which closes the device.
//
// It lists (never owns) the samples and streams of loaded KSounds: a KSound adds its record when
// it loads and removes it before freeing it. Locks:
//  - the mixer lock guards the lists and every play state; the audio callback holds it while it
//    mixes one buffer, everyone else only for short bookkeeping; the callback never allocates;
//  - the feeder lock guards the stream decoders. A small feeder thread holds it while it decodes
//    ahead into the streams' rings (taking the mixer lock only to copy a finished chunk in), so no
//    decoding ever happens under the mixer lock. Order: feeder lock, then mixer lock.
// In manual mode (tests) the device is paused and the feeder thread stopped: only mixManually
// advances playback, decoding and mixing on the calling thread.
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

class SoundStream;

// One sample's frames and voices. Owned by its KSound.
struct MixSample {
    struct Voice {
        size_t position = 0;     // next frame
        uint64_t startedAt = 0;  // start order, so the voice started longest ago is reused first
        bool playing = false;
        bool paused = false;     // held by suspendAllSounds
    };
    std::vector<float> frames;   // stereo at the mixer's rate
    std::vector<Voice> voices;
    bool loop = false;
    float gain = 1.0f;
};

class SoundMixer {
public:
    static SoundMixer& instance();
    ~SoundMixer();
    SoundMixer(const SoundMixer&) = delete;
    SoundMixer& operator=(const SoundMixer&) = delete;

    bool deviceAvailable();  // opens the device on the first call after start or closeDevice
    bool hasDevice() const;  // without trying to open it
    void closeDevice();
    void setManualMixing(bool manual);

    void add(MixSample& sample);
    void remove(MixSample& sample);
    void add(SoundStream& stream);
    void remove(SoundStream& stream);

    void play(MixSample& sample);
    void stop(MixSample& sample);
    bool isPlaying(const MixSample& sample);
    void setGain(MixSample& sample, float gain);

    void play(SoundStream& stream, bool loop);
    void stop(SoundStream& stream);
    bool isPlaying(const SoundStream& stream);
    void setGain(SoundStream& stream, float gain);

    void suspendAll();
    void resumeAll();
    bool suspended();

    // Mixes the next frames of every playing voice into out (2 x frames floats), as the callback does.
    void mix(float* out, size_t frames);
    // Manual mode: decodes ahead and mixes, a device buffer at a time, on the calling thread.
    void mixManually(float* out, size_t frames);

private:
    SoundMixer() = default;

    bool openDevice();
    void startPlayback();
    void stopPlayback();
    void feederLoop();
    bool feedStreams();  // feeder lock held; true while a stream still decodes
    void feedStream(SoundStream& stream, int chunks);
    void mixSample(MixSample& sample, float* out, size_t frames);

    std::mutex mixerLock;
    std::vector<MixSample*> samples;
    std::vector<SoundStream*> streams;
    bool suspendedFlag = false;
    uint64_t startCounter = 0;

    std::mutex feederLock;
    std::condition_variable feederWake;
    std::thread feeder;
    bool feederStop = false;

    // Main thread only.
    uint32_t device = 0;  // SDL audio device id, 0 when closed
    bool deviceTried = false;
    bool manual = false;
};
