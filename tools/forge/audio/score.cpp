#include "tools/forge/audio/score.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "tools/forge/audio/dsp.h"
#include "tools/forge/audio/rng.h"

namespace {

struct ChordSpan {
    double start = 0.0;  // beats
    double length = 0.0;
    Chord chord;
};

struct Timeline {
    const Song& song;
    std::vector<ChordSpan> spans;
    int bars = 0;
    long frames = 0;

    double beats() const { return static_cast<double>(bars) * song.beatsPerBar; }
    const Chord& chordAt(double beat) const {
        for (const ChordSpan& span : spans) {
            if (beat < span.start + span.length - 1e-9) return span.chord;
        }
        return spans.back().chord;
    }
    // Onset frame of a beat position after swing.
    long frameAt(double beat) const {
        const double whole = std::floor(beat);
        const double f = beat - whole;
        const double s = song.swing;
        const double swung = f < 0.5 ? f * 2.0 * s : s + (f - 0.5) * 2.0 * (1.0 - s);
        return std::lround((whole + swung) * 60.0 / song.bpm * kSampleRate);
    }
    double secondsFor(double beats) const { return beats * 60.0 / song.bpm; }
};

// Tokens between spaces; '|' separates like a space.
std::vector<std::string> splitTokens(std::string text) {
    std::replace(text.begin(), text.end(), '|', ' ');
    std::vector<std::string> tokens;
    std::istringstream stream(text);
    std::string token;
    while (stream >> token) tokens.push_back(token);
    return tokens;
}

int pitchClassOf(char letter) {
    switch (letter) {
    case 'C': return 0;
    case 'D': return 2;
    case 'E': return 4;
    case 'F': return 5;
    case 'G': return 7;
    case 'A': return 9;
    case 'B': return 11;
    default: return -1;
    }
}

// Reads "C#", "Bb" ... from the front of `text`; the number of characters used, 0 if none.
size_t readNoteName(std::string_view text, int& pitchClass) {
    if (text.empty()) return 0;
    pitchClass = pitchClassOf(text[0]);
    if (pitchClass < 0) return 0;
    size_t used = 1;
    if (text.size() > 1 && (text[1] == '#' || text[1] == 'b')) {
        pitchClass = (pitchClass + (text[1] == '#' ? 1 : 11)) % 12;
        used = 2;
    }
    return used;
}

struct Quality {
    std::string_view suffix;
    std::vector<int> intervals;
};

const std::vector<Quality>& qualities() {
    static const std::vector<Quality> table = {
        {"", {0, 4, 7}},          {"m", {0, 3, 7}},         {"7", {0, 4, 7, 10}},
        {"maj7", {0, 4, 7, 11}},  {"m7", {0, 3, 7, 10}},    {"6", {0, 4, 7, 9}},
        {"m6", {0, 3, 7, 9}},     {"sus2", {0, 2, 7}},      {"sus4", {0, 5, 7}},
        {"add9", {0, 4, 7, 14}},  {"9", {0, 4, 7, 10, 14}}, {"dim", {0, 3, 6}},
        {"m9", {0, 3, 7, 10, 14}}, {"maj9", {0, 4, 7, 11, 14}}, {"7sus4", {0, 5, 7, 10}},
    };
    return table;
}

const int* modeSteps(Mode mode) {
    static const int major[7] = {0, 2, 4, 5, 7, 9, 11};
    static const int minor[7] = {0, 2, 3, 5, 7, 8, 10};
    static const int dorian[7] = {0, 2, 3, 5, 7, 9, 10};
    static const int mixolydian[7] = {0, 2, 4, 5, 7, 9, 10};
    switch (mode) {
    case Mode::Minor: return minor;
    case Mode::Dorian: return dorian;
    case Mode::Mixolydian: return mixolydian;
    case Mode::Major: break;
    }
    return major;
}

// The pitch of `pitchClass` inside [low, low + 12).
int placeInOctave(int pitchClass, int low) { return low + (((pitchClass - low) % 12) + 12) % 12; }

// Chord tones in a one-octave window around the layer's register, low to high: moving between
// chords this way keeps every voice close to where it was.
std::vector<int> voiceChord(const Chord& chord, int octave) {
    const int low = 12 * (octave + 1) + 1;
    std::vector<int> notes;
    for (int interval : chord.intervals) {
        const int midi = placeInOctave(chord.root + interval, low);
        if (std::find(notes.begin(), notes.end(), midi) == notes.end()) notes.push_back(midi);
    }
    std::sort(notes.begin(), notes.end());
    return notes;
}

bool parseProgression(const Song& song, Timeline& timeline, std::string& error) {
    std::istringstream bars(song.chords);
    std::string bar;
    double beat = 0.0;
    while (std::getline(bars, bar, '|')) {
        const std::vector<std::string> names = splitTokens(bar);
        if (names.empty()) continue;
        const double share = static_cast<double>(song.beatsPerBar) / static_cast<double>(names.size());
        for (const std::string& name : names) {
            ChordSpan span;
            if (!parseChord(name, span.chord)) {
                error = "unknown chord '" + name + "'";
                return false;
            }
            span.start = beat;
            span.length = share;
            beat += share;
            timeline.spans.push_back(span);
        }
        ++timeline.bars;
    }
    if (timeline.spans.empty()) {
        error = "no chords";
        return false;
    }
    timeline.frames = timeline.frameAt(timeline.beats());
    return true;
}

struct Mixer {
    Stereo dry;
    Stereo reverbSend;
    Stereo echoSend;
    double layerEnergy = 0.0;  // of the layer being rendered, for the balance report
    bool loop = true;
};

void place(Mixer& mixer, const Layer& layer, Mono sound, long frame, float pan) {
    // Struck voices render generously long; what is left below -90 dB is not worth mixing thrice.
    size_t end = sound.size();
    while (end > 0 && std::fabs(sound[end - 1]) < 3e-5f) --end;
    sound.resize(end);
    for (float s : sound) mixer.layerEnergy += static_cast<double>(s * layer.gain) * (s * layer.gain);
    const auto mix = [&](Stereo& bus, float gain) {
        if (mixer.loop) bus.addWrapped(sound, frame, gain, pan);
        else bus.add(sound, frame, gain, pan);
    };
    mix(mixer.dry, layer.gain);
    if (layer.send > 0.0f) mix(mixer.reverbSend, layer.gain * layer.send);
    if (layer.echo > 0.0f) mix(mixer.echoSend, layer.gain * layer.echo);
}

float dynamicsAt(int step, int steps, int beatsPerBar, float written, AudioRng& rng) {
    const int stepsPerBeat = std::max(1, steps / beatsPerBar);
    float accent = 0.9f;
    if (step == 0) accent = 1.08f;
    else if (step % stepsPerBeat == 0) accent = 1.0f;
    return written * accent * rng.range(0.93f, 1.05f);
}

class LayerRenderer {
public:
    LayerRenderer(const Timeline& timeline, const Layer& layer, Mixer& mixer, uint32_t seed)
        : t(timeline), layer(layer), mixer(mixer), rng(seed), seed(seed) {}

    bool render(std::string& error);

private:
    bool renderNote(const std::string& token, double beat, double lengthBeats, float velocity,
                    std::string& error);
    bool bassNote(const std::string& token, double beat, int& midi) const;
    void play(int midi, double beat, double lengthBeats, float velocity, long offset = 0, float pan = 0.0f);
    void strum(const std::string& token, double beat, double lengthBeats, float velocity);
    void renderPad();
    bool barActive(int bar) const {
        return layer.bars.empty() || layer.bars[static_cast<size_t>(bar) % layer.bars.size()] == '1';
    }

    const Timeline& t;
    const Layer& layer;
    Mixer& mixer;
    AudioRng rng;
    uint32_t seed;
    uint32_t noteCount = 0;
};

bool LayerRenderer::render(std::string& error) {
    if (layer.kind == LayerKind::Pad) {
        renderPad();
        return true;
    }
    const std::vector<std::string> tokens = splitTokens(layer.pattern);
    if (tokens.empty() || layer.steps <= 0 || tokens.size() % static_cast<size_t>(layer.steps) != 0) {
        error = "pattern of " + std::to_string(tokens.size()) + " tokens does not fill whole bars";
        return false;
    }
    const double stepBeats = static_cast<double>(t.song.beatsPerBar) / layer.steps;
    const long songSteps = static_cast<long>(t.bars) * layer.steps;
    for (long s = 0; s < songSteps; ++s) {
        const std::string& token = tokens[static_cast<size_t>(s) % tokens.size()];
        if (token == "-" || token == "." || !barActive(static_cast<int>(s / layer.steps))) continue;
        long held = 1;
        while (held < static_cast<long>(tokens.size()) &&
               tokens[static_cast<size_t>(s + held) % tokens.size()] == "-") {
            ++held;
        }
        float written = 0.8f;
        if (layer.kind == LayerKind::Drum) written = token == "X" ? 1.0f : token == "x" ? 0.7f : 0.42f;
        const float velocity = dynamicsAt(static_cast<int>(s % layer.steps), layer.steps, t.song.beatsPerBar,
                                          written, rng);
        if (!renderNote(token, static_cast<double>(s) * stepBeats, static_cast<double>(held) * stepBeats,
                        velocity, error)) {
            return false;
        }
    }
    return true;
}

bool LayerRenderer::renderNote(const std::string& token, double beat, double lengthBeats, float velocity,
                               std::string& error) {
    int midi = 0;
    switch (layer.kind) {
    case LayerKind::Drum:
        if (token != "X" && token != "x" && token != "o") break;
        play(0, beat, lengthBeats, velocity);
        return true;
    case LayerKind::Melody:
        if (!degreeToMidi(token, t.song.key, layer.octave, midi)) break;
        play(midi, beat, lengthBeats, velocity);
        return true;
    case LayerKind::Bass:
        if (!bassNote(token, beat, midi)) break;
        play(midi, beat, lengthBeats, velocity);
        return true;
    case LayerKind::Arp: {
        const std::vector<int> notes = voiceChord(t.chordAt(beat), layer.octave);
        const int index = token[0] - '0';
        if (index < 0 || index > 9 || notes.empty()) break;
        int shift = 12 * (index / static_cast<int>(notes.size()));
        for (size_t i = 1; i < token.size(); ++i) shift += token[i] == '\'' ? 12 : token[i] == ',' ? -12 : 0;
        play(notes[static_cast<size_t>(index) % notes.size()] + shift, beat, lengthBeats, velocity);
        return true;
    }
    case LayerKind::Strum:
        if (token != "D" && token != "U" && token != "x") break;
        strum(token, beat, lengthBeats, velocity);
        return true;
    case LayerKind::Pad:
        return true;
    }
    error = "unreadable token '" + token + "'";
    return false;
}

bool LayerRenderer::bassNote(const std::string& token, double beat, int& midi) const {
    const Chord& chord = t.chordAt(beat);
    const int low = 12 * (layer.octave + 1);
    const int root = placeInOctave(chord.bass, low);
    const auto has = [&](int interval) {
        return std::find(chord.intervals.begin(), chord.intervals.end(), interval) != chord.intervals.end();
    };
    if (token == "R") midi = root;
    else if (token == "3") midi = root + (has(3) ? 3 : 4);
    else if (token == "5") midi = root + (has(6) ? 6 : 7);
    else if (token == "7") midi = root + (has(11) ? 11 : 10);
    else if (token == "8") midi = root + 12;
    else if (token == "b") midi = root - 5;
    else if (token == "^") {
        const double nextBar = (std::floor(beat / t.song.beatsPerBar) + 1.0) * t.song.beatsPerBar;
        const Chord& next = t.chordAt(std::fmod(nextBar, t.beats()));
        midi = placeInOctave(next.bass, low) - 1;
    } else {
        return false;
    }
    return true;
}

void LayerRenderer::play(int midi, double beat, double lengthBeats, float velocity, long offset, float pan) {
    Tone tone;
    tone.hz = midiToHz(midi);
    tone.seconds = t.secondsFor(lengthBeats) * layer.legato;
    tone.velocity = velocity;
    tone.seed = seed ^ (++noteCount * 2654435761u);
    const long humanize = std::lround(rng.bipolar() * 0.004 * kSampleRate);
    place(mixer, layer, renderVoice(layer.voice, tone), t.frameAt(beat) + offset + humanize, layer.pan + pan);
}

void LayerRenderer::strum(const std::string& token, double beat, double lengthBeats, float velocity) {
    std::vector<int> notes = voiceChord(t.chordAt(beat), layer.octave);
    if (notes.size() == 3) notes.push_back(notes[0] + 12);
    constexpr double kStringGap = 0.011;  // seconds between strings in a strum
    if (token == "x") {
        // A chuck: the strings struck and damped at once, more knock than note.
        for (size_t i = 0; i < notes.size(); ++i) play(notes[i], beat, 0.12, velocity * 0.45f, 0, 0.0f);
        return;
    }
    const bool up = token == "U";
    const size_t first = up ? notes.size() - 1 : 0;
    const size_t count = up ? std::min<size_t>(3, notes.size()) : notes.size();
    for (size_t n = 0; n < count; ++n) {
        const size_t i = up ? first - n : n;
        const float spread = (static_cast<float>(i) / static_cast<float>(notes.size()) - 0.5f) * 0.3f;
        play(notes[i], beat, lengthBeats, velocity * (up ? 0.7f : 1.0f), framesFor(kStringGap * n), spread);
    }
}

void LayerRenderer::renderPad() {
    for (const ChordSpan& span : t.spans) {
        if (!barActive(static_cast<int>(span.start / t.song.beatsPerBar))) continue;
        const std::vector<int> notes = voiceChord(span.chord, layer.octave);
        for (size_t i = 0; i < notes.size(); ++i) {
            const float pan = (i % 2 == 0 ? -0.35f : 0.35f);
            play(notes[i], span.start, span.length / layer.legato, 0.6f, 0, pan);
        }
    }
}

// Wet-only echo of the echo bus, added to the mix.
void addEcho(Stereo& mix, const Stereo& send, double seconds, float feedback, bool loop) {
    Stereo echoed = send;
    applyEcho(echoed, seconds, feedback, 1.0f, true, loop);
    for (size_t i = 0; i < mix.frames(); ++i) {
        mix.left[i] += echoed.left[i] - send.left[i];
        mix.right[i] += echoed.right[i] - send.right[i];
    }
}

void removeOffset(std::vector<float>& channel) {
    double sum = 0.0;
    for (float s : channel) sum += s;
    const float mean = static_cast<float>(sum / static_cast<double>(std::max<size_t>(1, channel.size())));
    for (float& s : channel) s -= mean;
}

}  // namespace

bool parseChord(std::string_view name, Chord& chord) {
    std::string_view rest = name;
    int bassClass = -1;
    const size_t slash = name.find('/');
    if (slash != std::string_view::npos) {
        const std::string_view bassName = name.substr(slash + 1);
        if (readNoteName(bassName, bassClass) != bassName.size() || bassName.empty()) return false;
        rest = name.substr(0, slash);
    }
    int root = 0;
    const size_t used = readNoteName(rest, root);
    if (used == 0) return false;
    const std::string_view suffix = rest.substr(used);
    for (const Quality& q : qualities()) {
        if (q.suffix == suffix) {
            chord.root = root;
            chord.bass = bassClass >= 0 ? bassClass : root;
            chord.intervals = q.intervals;
            return true;
        }
    }
    return false;
}

bool degreeToMidi(std::string_view token, const Key& key, int octave, int& midi) {
    size_t i = 0;
    int accidental = 0;
    if (i < token.size() && (token[i] == '#' || token[i] == 'b')) accidental = token[i++] == '#' ? 1 : -1;
    if (i >= token.size() || token[i] < '1' || token[i] > '7') return false;
    const int degree = token[i++] - '1';
    int shift = 0;
    for (; i < token.size(); ++i) {
        if (token[i] == '\'') shift += 12;
        else if (token[i] == ',') shift -= 12;
        else return false;
    }
    midi = 12 * (octave + 1) + key.tonic + modeSteps(key.mode)[degree] + accidental + shift;
    return true;
}

double songSeconds(const Song& song, int bars) { return bars * song.beatsPerBar * 60.0 / song.bpm; }

bool renderSong(const Song& song, Stereo& out, std::string& error) {
    Timeline timeline{song, {}, 0, 0};
    if (!parseProgression(song, timeline, error)) return false;
    // A jingle gets room after its last bar for the notes and the room to ring out.
    const size_t frames = static_cast<size_t>(timeline.frames + (song.loop ? 0 : framesFor(2.5)));
    Mixer mixer{Stereo(frames), Stereo(frames), Stereo(frames), 0.0, song.loop};
    const bool report = std::getenv("QV_FORGE_AUDIO_REPORT") != nullptr;
    for (size_t i = 0; i < song.layers.size(); ++i) {
        mixer.layerEnergy = 0.0;
        LayerRenderer renderer(timeline, song.layers[i], mixer, song.seed * 31u + static_cast<uint32_t>(i) * 7919u);
        if (!renderer.render(error)) {
            error = "layer " + std::to_string(i + 1) + ": " + error;
            return false;
        }
        if (report) {
            const double rms = std::sqrt(mixer.layerEnergy / static_cast<double>(timeline.frames));
            std::printf("audio: %s layer %zu rms %.1f dB\n", song.name.c_str(), i + 1,
                        static_cast<double>(gainToDb(static_cast<float>(rms))));
        }
    }
    out = std::move(mixer.dry);
    // Notes running past a jingle's room grew the buses; bring them back to one length.
    out.resize(frames);
    mixer.reverbSend.resize(frames);
    mixer.echoSend.resize(frames);
    addReverb(out, mixer.reverbSend, song.reverb, song.loop);
    addEcho(out, mixer.echoSend, timeline.secondsFor(song.echoBeats), song.echoFeedback, song.loop);
    removeOffset(out.left);
    removeOffset(out.right);
    const double rms = out.rms();
    const float peak = out.peak();
    if (rms <= 0.0 || peak <= 0.0f) {
        error = "silent";
        return false;
    }
    const float byLoudness = dbToGain(song.targetRmsDb) / static_cast<float>(rms);
    const float byPeak = dbToGain(-1.5f) / peak;
    out.scale(std::min(byLoudness, byPeak));
    return true;
}
