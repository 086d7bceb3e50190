#include "tools/forge/audio/output.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdio>
#include <cstdlib>

#include "tools/forge/audio/dsp.h"
#include "tools/forge/core/forge.h"
#include "tools/forge/core/rgba_image.h"

namespace {

constexpr float kCeilingDb = -1.0f;   // no sound may peak above this
constexpr float kLoopPeakDb = -1.5f;  // leaves room for the encoder's small overshoot
constexpr double kMaxOffset = 0.001;
constexpr double kSilenceAtEnds = 0.001;
constexpr double kLeadSeconds = 0.004;

double meanOf(const std::vector<float>& channel) {
    double sum = 0.0;
    for (float s : channel) sum += s;
    return channel.empty() ? 0.0 : sum / static_cast<double>(channel.size());
}

// A seam is a click when the step across it is far larger than the steps around it.
bool seamIsSmooth(const std::vector<float>& s) {
    const size_t n = s.size();
    if (n < 128) return false;
    float around = 0.0f;
    for (size_t i = 1; i < 32; ++i) {
        around = std::max(around, std::fabs(s[i] - s[i - 1]));
        around = std::max(around, std::fabs(s[n - i] - s[n - i - 1]));
    }
    return std::fabs(s[0] - s[n - 1]) <= std::max(3.0f * around, 1e-3f);
}

std::string problemWith(const Stereo& sound, SoundShape shape) {
    if (sound.frames() == 0) return "is empty";
    for (size_t i = 0; i < sound.frames(); ++i) {
        if (!std::isfinite(sound.left[i]) || !std::isfinite(sound.right[i])) return "holds a non-number";
    }
    if (sound.peak() > dbToGain(kCeilingDb)) return "peaks above -1 dBFS";
    if (std::fabs(meanOf(sound.left)) > kMaxOffset || std::fabs(meanOf(sound.right)) > kMaxOffset) {
        return "carries an offset";
    }
    if (shape == SoundShape::OneShot) {
        const size_t last = sound.frames() - 1;
        for (const std::vector<float>* c : {&sound.left, &sound.right}) {
            if (std::fabs((*c)[0]) > kSilenceAtEnds || std::fabs((*c)[last]) > kSilenceAtEnds) {
                return "does not start and end in silence";
            }
        }
    } else if (!seamIsSmooth(sound.left) || !seamIsSmooth(sound.right)) {
        return "clicks at its loop point";
    }
    return {};
}

void trimSilentTail(Stereo& sound) {
    const float floor = dbToGain(-60.0f) * std::max(sound.peak(), 1e-9f);
    size_t end = sound.frames();
    while (end > 0 && std::fabs(sound.left[end - 1]) < floor && std::fabs(sound.right[end - 1]) < floor) --end;
    sound.resize(std::min(sound.frames(), end + static_cast<size_t>(framesFor(0.01))));
}

void fft(std::vector<std::complex<float>>& a) {
    const size_t n = a.size();
    for (size_t i = 1, j = 0; i < n; ++i) {
        size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j ^= bit;
        if (i < j) std::swap(a[i], a[j]);
    }
    for (size_t len = 2; len <= n; len <<= 1) {
        const double angle = -kTwoPi / static_cast<double>(len);
        const std::complex<float> step(static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle)));
        for (size_t i = 0; i < n; i += len) {
            std::complex<float> w(1.0f, 0.0f);
            for (size_t k = 0; k < len / 2; ++k) {
                const std::complex<float> u = a[i + k];
                const std::complex<float> v = a[i + k + len / 2] * w;
                a[i + k] = u + v;
                a[i + k + len / 2] = u - v;
                w *= step;
            }
        }
    }
}

// Dark blue through teal and yellow to white as the level rises.
void heatColour(float level, uint8_t* px) {
    const float t = std::clamp(level, 0.0f, 1.0f);
    const float r = std::clamp(t * 2.2f - 0.8f, 0.0f, 1.0f);
    const float g = std::clamp(t * 1.6f - 0.2f, 0.0f, 1.0f);
    const float b = std::clamp(0.25f + t * 1.2f - std::max(0.0f, t - 0.55f) * 2.0f, 0.0f, 1.0f) + r * 0.3f * t;
    px[0] = static_cast<uint8_t>(r * 255.0f);
    px[1] = static_cast<uint8_t>(g * 255.0f);
    px[2] = static_cast<uint8_t>(std::min(1.0f, b) * 255.0f);
    px[3] = 255;
}

// One column of the waveform strip: the peak of the column's samples, drawn around the middle.
void drawWaveColumn(RgbaImage& image, int x, int rows, const Mono& mono, size_t begin, size_t end) {
    float top = 0.0f;
    for (size_t i = begin; i < end; ++i) top = std::max(top, std::fabs(mono[i]));
    for (int y = 0; y < rows; ++y) {
        uint8_t* px = image.at(x, y);
        const bool lit = std::fabs(y - rows / 2) < top * rows / 2;
        px[0] = px[1] = px[2] = lit ? 220 : 30;
        px[3] = 255;
    }
}

}  // namespace

void finishOneShot(Stereo& sound, float peakDb, double maxSeconds) {
    highpassInPlace(sound.left, 20.0);
    highpassInPlace(sound.right, 20.0);
    trimSilentTail(sound);
    double fadeOut = 0.012;
    if (sound.frames() > static_cast<size_t>(framesFor(maxSeconds))) {
        // Cut a long ring short the way a hand damps it: a fade over the last part, not a stop.
        sound.resize(static_cast<size_t>(framesFor(maxSeconds)));
        fadeOut = std::min(0.4, maxSeconds * 0.35);
    }
    applyFades(sound, 0.002, fadeOut);
    // A few milliseconds of silence in front keep the codec's pre-echo of a sharp attack from
    // reaching the first sample, so the sound still starts from nothing once decoded.
    Stereo padded(static_cast<size_t>(framesFor(kLeadSeconds)));
    padded.add(sound, static_cast<long>(padded.frames()), 1.0f);
    sound = std::move(padded);
    const float peak = sound.peak();
    if (peak > 0.0f) sound.scale(dbToGain(std::min(peakDb, kLoopPeakDb)) / peak);
    for (std::vector<float>* c : {&sound.left, &sound.right}) {
        const float mean = static_cast<float>(meanOf(*c));
        for (float& s : *c) s -= mean;
        c->front() = 0.0f;
        c->back() = 0.0f;
    }
}

void finishLoop(Stereo& sound, float rmsDb) {
    for (std::vector<float>* c : {&sound.left, &sound.right}) {
        const float mean = static_cast<float>(meanOf(*c));
        for (float& s : *c) s -= mean;
    }
    const double rms = sound.rms();
    const float peak = sound.peak();
    if (rms <= 0.0 || peak <= 0.0f) return;
    sound.scale(std::min(dbToGain(rmsDb) / static_cast<float>(rms), dbToGain(kLoopPeakDb) / peak));
}

void writeSound(Forge& forge, const std::string& relPath, const Stereo& sound, SoundShape shape, float quality) {
    const std::string problem = problemWith(sound, shape);
    if (!problem.empty()) return forge.fail("sound " + relPath + " " + problem);
    const bool mono = sound.isMono();
    if (std::getenv("QV_FORGE_AUDIO_REPORT") != nullptr) {
        std::printf("audio: %-36s %-4s %6.2f s  peak %6.1f dBFS  rms %6.1f dBFS\n", relPath.c_str(),
                    mono ? "mono" : "st", static_cast<double>(sound.frames()) / kSampleRate,
                    static_cast<double>(gainToDb(sound.peak())), static_cast<double>(gainToDb(static_cast<float>(sound.rms()))));
    }
    if (mono) forge.writeOgg(relPath, sound.left, 1, quality);
    else forge.writeOgg(relPath, sound.interleaved(), 2, quality);
}

RgbaImage spectrogram(const Stereo& sound, int width, int height) {
    constexpr int kWaveRows = 48;
    constexpr size_t kWindow = 1024;
    constexpr double kLowHz = 50.0;
    constexpr double kHighHz = 10000.0;
    constexpr float kRangeDb = 60.0f;  // shown below the loudest point of the picture
    RgbaImage image(width, height);
    const Mono mono = sound.mixedDown();
    const int specRows = height - kWaveRows;
    std::vector<float> levels(static_cast<size_t>(width) * specRows);
    std::vector<std::complex<float>> bins(kWindow);
    std::vector<float> hann(kWindow);
    for (size_t i = 0; i < kWindow; ++i) {
        hann[i] = static_cast<float>(0.5 - 0.5 * std::cos(kTwoPi * static_cast<double>(i) / kWindow));
    }
    float loudest = -180.0f;
    for (int x = 0; x < width; ++x) {
        const size_t begin = mono.size() * static_cast<size_t>(x) / static_cast<size_t>(width);
        const size_t end = mono.size() * static_cast<size_t>(x + 1) / static_cast<size_t>(width);
        drawWaveColumn(image, x, kWaveRows, mono, begin, end);
        for (size_t i = 0; i < kWindow; ++i) {
            const size_t at = begin + i;
            bins[i] = std::complex<float>(at < mono.size() ? mono[at] * hann[i] : 0.0f, 0.0f);
        }
        fft(bins);
        for (int row = 0; row < specRows; ++row) {
            const double share = 1.0 - static_cast<double>(row) / specRows;
            const double hz = kLowHz * std::pow(kHighHz / kLowHz, share);
            const size_t bin = std::min(kWindow / 2 - 1, static_cast<size_t>(hz * kWindow / kSampleRate));
            const float db = gainToDb(std::abs(bins[bin]) / (kWindow / 4.0f));
            levels[static_cast<size_t>(row) * width + x] = db;
            loudest = std::max(loudest, db);
        }
    }
    for (int row = 0; row < specRows; ++row) {
        for (int x = 0; x < width; ++x) {
            const float db = levels[static_cast<size_t>(row) * width + x];
            heatColour((db - loudest + kRangeDb) / kRangeDb, image.at(x, row + kWaveRows));
        }
    }
    return image;
}

std::string storedSoundPath(const char* tablePath) {
    std::string path = tablePath;
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    return path;
}

std::string soundName(const char* tablePath) {
    std::string name = storedSoundPath(tablePath);
    name = name.substr(name.find_last_of('/') + 1);
    return name.substr(0, name.rfind('.'));
}
