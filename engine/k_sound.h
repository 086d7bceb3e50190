#pragma once
// Samples and streams of Ogg Vorbis, mixed by our own mixer on SDL's audio thread. Samples are
// decoded whole at load; streams keep the file's bytes and are decoded a little ahead of playback
// by a small feeder thread. The mixer's lists are guarded by one mutex. Without an audio device
// every load fails and every operation does nothing.
//
// A KSound owns its decoded frames or stream for as long as it lives or until the next load.
// Every method is for the main thread only.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/ogg_decoder.h"  // DecodedSound and the decoding functions

// Percent to linear gain through the 100-entry table: 0 is silent, 99 and above are full volume.
// The curve is the square of the fraction, (p / 99)^2: half way down is -12 dB, which sounds about
// half as loud, and the lowest steps fade smoothly into silence instead of dropping off.
float volumeTableGain(int percent);

class KSound {
public:
    KSound();
    virtual ~KSound();
    KSound(const KSound&) = delete;
    KSound& operator=(const KSound&) = delete;

    // Opens the audio device on first use; false when there is none.
    static bool deviceAvailable();

    // "\" in the path counts as "/". Both fail (with an engine log line) without a device or for
    // a file that is missing or not a whole Ogg Vorbis file; the sound is then unloaded.
    bool loadSample(const char* path, int volume = 100, bool loop = false, int voices = 1);
    bool loadStream(const char* path);  // checks the file and keeps its bytes; decodes nothing
    bool isLoaded() const;
    bool isStream() const;

    // Playing a sample takes a free voice, else the one started longest ago. Started while sounds
    // are suspended, a sound waits for resumeAllSounds. Either kind answers both sets of calls:
    // playSample starts a stream once, playStream starts a sample with its own loop flag.
    void playSample();
    void stopSample();             // every voice
    void playStream(bool loop);    // from the start, again if already playing
    void stopStream();
    bool isPlaying() const;        // true as well while held by suspendAllSounds

    void setVolume(int percent);   // every voice, through the volume table
    int getVolume() const;

    // Decodes these sample files on worker threads (engine/parallel_jobs.h) for the loadSample calls
    // that will ask for them, which then take the decoded sound instead of decoding it. `finished`
    // runs on the calling thread after each file. Nothing is decoded without a device. Sounds decoded
    // ahead and never asked for are kept until forgetSamplesDecodedAhead.
    static void decodeSamplesAhead(const std::vector<std::string>& paths, const std::function<void()>& finished = {});
    static void forgetSamplesDecodedAhead();

    // Pause every playing sample and stream / resume exactly those. No-ops without a device.
    static void suspendAllSounds();
    static void resumeAllSounds();
    static bool soundsSuspended();

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
};

// Test hooks. Manual mixing pauses the device and the stream feeder so that only
// mixSoundsForTesting advances playback; it mixes the next `frames` stereo frames into `out`
// (2 x frames floats) as the audio callback would, switching to manual mixing first.
void setManualSoundMixingForTesting(bool manual);
void mixSoundsForTesting(float* out, int frames);
// Closes the device; the next deviceAvailable() tries again (under the environment of then).
void closeSoundDeviceForTesting();
