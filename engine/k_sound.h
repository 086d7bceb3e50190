#pragma once
// Samples and streams of Ogg Vorbis, mixed by our own mixer on SDL's audio thread. Samples are
// decoded whole at load; streams are decoded incrementally while they play. The mixer's lists are
// guarded by one mutex. Without an audio device every load fails and every operation does nothing.
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

bool decodeOggVorbis(const uint8_t* data, size_t size, DecodedSound& out);
bool decodeOggVorbisFile(const std::string& path, DecodedSound& out);

// Percent (0..100) to linear gain; 0 is silent, 100 is full volume.
float volumeTableGain(int percent);

class KSound {
public:
    KSound();
    virtual ~KSound();
    KSound(const KSound&) = delete;
    KSound& operator=(const KSound&) = delete;

    // Opens the audio device on first use; false when there is none.
    static bool deviceAvailable();

    bool loadSample(const char* path, int volume = 100, bool loop = false, int voices = 1);
    bool loadStream(const char* path);
    bool isLoaded() const;
    bool isStream() const;

    void playSample();             // next free voice (or the oldest one)
    void stopSample();             // every voice
    void playStream(bool loop);
    void stopStream();
    bool isPlaying() const;

    void setVolume(int percent);   // every voice, through the volume table
    int getVolume() const;

    // Pause every playing sample and stream / resume exactly those.
    static void suspendAllSounds();
    static void resumeAllSounds();
    static bool soundsSuspended();

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};

// Test hooks: mix the next `frames` stereo frames into `out` (2 x frames floats) as the audio
// callback would, with the device closed. Used by tests with SDL's dummy audio driver.
void mixSoundsForTesting(float* out, int frames);
