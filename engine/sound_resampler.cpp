#include "engine/sound_resampler.h"

#include <cmath>

void LinearResampler::reset(int channelCount, int sourceRate) {
    channels = channelCount == 1 ? 1 : 2;
    step = sourceRate > 0 ? static_cast<double>(sourceRate) / kMixerRate : 1.0;
    position = 0.0;
    previous[0] = previous[1] = 0.0f;
}

size_t LinearResampler::maxOutputFrames(size_t inputFrames) const {
    return static_cast<size_t>(std::ceil(static_cast<double>(inputFrames + 1) / step)) + 2;
}

void LinearResampler::frameAt(const float* in, long index, float& left, float& right) const {
    if (index < 0) {
        left = previous[0];
        right = previous[1];
        return;
    }
    const float* frame = in + index * channels;
    left = frame[0];
    right = channels == 2 ? frame[1] : frame[0];
}

size_t LinearResampler::process(const float* in, size_t inputFrames, float* out) {
    if (inputFrames == 0) return 0;
    size_t written = 0;
    if (step == 1.0) {
        // Same rate: a plain copy; the position never leaves whole frames.
        for (size_t i = 0; i < inputFrames; ++i, ++written) {
            frameAt(in, static_cast<long>(i), out[2 * written], out[2 * written + 1]);
        }
    } else {
        const double last = static_cast<double>(inputFrames - 1);
        for (; position < last; position += step, ++written) {
            const double base = std::floor(position);
            const float t = static_cast<float>(position - base);
            float l0, r0, l1, r1;
            frameAt(in, static_cast<long>(base), l0, r0);
            frameAt(in, static_cast<long>(base) + 1, l1, r1);
            out[2 * written] = l0 + (l1 - l0) * t;
            out[2 * written + 1] = r0 + (r1 - r0) * t;
        }
        position -= static_cast<double>(inputFrames);
    }
    frameAt(in, static_cast<long>(inputFrames - 1), previous[0], previous[1]);
    return written;
}
