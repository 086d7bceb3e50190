#include "tools/forge/audio/reverb.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

constexpr std::array<int, 8> kCombTunings = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<int, 4> kAllpassTunings = {556, 441, 341, 225};
constexpr int kStereoSpread = 23;
constexpr float kInputGain = 0.015f;

class Comb {
public:
    explicit Comb(int size) : buffer(static_cast<size_t>(size), 0.0f) {}
    float process(float input, float feedback, float damp) {
        const float out = buffer[pos];
        store = out * (1.0f - damp) + store * damp;
        buffer[pos] = input + store * feedback;
        if (++pos == buffer.size()) pos = 0;
        return out;
    }

private:
    std::vector<float> buffer;
    size_t pos = 0;
    float store = 0.0f;
};

class Allpass {
public:
    explicit Allpass(int size) : buffer(static_cast<size_t>(size), 0.0f) {}
    float process(float input) {
        const float delayed = buffer[pos];
        buffer[pos] = input + delayed * 0.5f;
        if (++pos == buffer.size()) pos = 0;
        return delayed - input;
    }

private:
    std::vector<float> buffer;
    size_t pos = 0;
};

class Channel {
public:
    explicit Channel(int spread) {
        for (int t : kCombTunings) combs.emplace_back(t + spread);
        for (int t : kAllpassTunings) allpasses.emplace_back(t + spread);
    }
    float process(float input, float feedback, float damp) {
        float out = 0.0f;
        for (Comb& c : combs) out += c.process(input, feedback, damp);
        for (Allpass& a : allpasses) out = a.process(out);
        return out;
    }

private:
    std::vector<Comb> combs;
    std::vector<Allpass> allpasses;
};

// A loop's tail is warmed up by running its last seconds first: by then the tail of anything
// earlier has died away.
size_t warmUpStart(size_t frames) {
    constexpr double kWarmUpSeconds = 5.0;
    const size_t warm = static_cast<size_t>(framesFor(kWarmUpSeconds));
    return frames > warm ? frames - warm : 0;
}

}  // namespace

void addReverb(Stereo& mix, const Stereo& send, const ReverbSettings& settings, bool loop) {
    Channel left(0);
    Channel right(kStereoSpread);
    const float feedback = 0.7f + 0.28f * settings.room;
    const float damp = 0.4f * settings.damping;
    const float wet1 = settings.wet * (0.5f + 0.5f * settings.width);
    const float wet2 = settings.wet * (0.5f - 0.5f * settings.width);
    const size_t n = send.frames();
    for (int pass = loop ? 0 : 1; pass < 2; ++pass) {
        for (size_t i = pass == 0 ? warmUpStart(n) : 0; i < n; ++i) {
            const float input = (send.left[i] + send.right[i]) * kInputGain;
            const float l = left.process(input, feedback, damp);
            const float r = right.process(input, feedback, damp);
            if (pass == 1) {
                mix.left[i] += l * wet1 + r * wet2;
                mix.right[i] += r * wet1 + l * wet2;
            }
        }
    }
}

void applyReverb(Stereo& sound, const ReverbSettings& settings, bool loop) {
    const Stereo dry = sound;
    addReverb(sound, dry, settings, loop);
}

void applyEcho(Stereo& sound, double delay, float feedback, float wet, bool pingPong, bool loop) {
    const size_t length = static_cast<size_t>(std::max(1L, framesFor(delay)));
    std::vector<float> lineL(length, 0.0f);
    std::vector<float> lineR(length, 0.0f);
    const Stereo dry = sound;
    size_t pos = 0;
    const size_t n = sound.frames();
    for (int pass = loop ? 0 : 1; pass < 2; ++pass) {
        // The warm-up covers whole turns of the delay line, so the line is read where it was written.
        for (size_t i = pass == 0 ? n - ((n - warmUpStart(n)) / length) * length : 0; i < n; ++i) {
            const float outL = lineL[pos];
            const float outR = lineR[pos];
            if (pingPong) {
                lineL[pos] = 0.5f * (dry.left[i] + dry.right[i]) + outR * feedback;
                lineR[pos] = outL * feedback;
            } else {
                lineL[pos] = dry.left[i] + outL * feedback;
                lineR[pos] = dry.right[i] + outR * feedback;
            }
            if (++pos == length) pos = 0;
            if (pass == 1) {
                sound.left[i] += outL * wet;
                sound.right[i] += outR * wet;
            }
        }
    }
}
