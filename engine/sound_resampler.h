#pragma once
// Turns interleaved mono or stereo sound of any rate into stereo frames at the mixer's rate by
// linear interpolation. It keeps the last input frame between calls, so a stream converted a
// chunk at a time, and across the seam of a loop, comes out without clicks.
#include <cstddef>

constexpr int kMixerRate = 44100;
constexpr int kMixerChannels = 2;

class LinearResampler {
public:
    void reset(int channels, int sourceRate);

    // Room the output needs for `inputFrames` frames (stereo frames).
    size_t maxOutputFrames(size_t inputFrames) const;
    // Converts the chunk into `out`, which has room for maxOutputFrames(inputFrames); returns the
    // stereo frames written. The last output frame of a chunk may wait for the next chunk.
    size_t process(const float* in, size_t inputFrames, float* out);

private:
    void frameAt(const float* in, long index, float& left, float& right) const;

    int channels = 2;
    double step = 1.0;       // input frames per output frame
    double position = 0.0;   // next output, in input frames from the next chunk's first frame
    float previous[2] = {0.0f, 0.0f};  // the last frame of the previous chunk (index -1)
};
