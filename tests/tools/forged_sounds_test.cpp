// The forged sound data as the game meets it: every sound it loads is there and decodes, nothing
// clips, one-shots start and end in silence, loops join without a click, and the same source
// gives the same bytes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numbers>
#include <string>
#include <vector>

#include "engine/ogg_decoder.h"
#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

struct Decoded {
    int channels = 0;
    long rate = 0;
    std::vector<std::vector<float>> channel;  // one list of samples per channel

    double seconds() const { return channel.empty() ? 0.0 : static_cast<double>(channel[0].size()) / rate; }
    float peak() const {
        float top = 0.0f;
        for (const auto& c : channel) {
            for (float s : c) top = std::max(top, std::fabs(s));
        }
        return top;
    }
};

// Decoded by the engine's own decoder, so a file passes only if the game can play it.
bool decode(const std::string& path, Decoded& out) {
    DecodedSound sound;
    if (!decodeOggVorbisFile(path, sound) || sound.channels <= 0) return false;
    out.channels = sound.channels;
    out.rate = sound.sampleRate;
    out.channel.assign(static_cast<size_t>(sound.channels), {});
    const size_t frames = sound.samples.size() / static_cast<size_t>(sound.channels);
    for (size_t i = 0; i < frames; ++i) {
        for (int c = 0; c < sound.channels; ++c) out.channel[c].push_back(sound.samples[i * sound.channels + c]);
    }
    return true;
}

std::string dataPath(const std::string& rel) { return std::string(QV_DATA_DIR) + "/" + rel; }

// Every effect the game loads at start-up, in its loading order.
const char* const kEffects[] = {
    "landing_click1", "landing_click2", "landing_click3", "level_start", "level_win", "pieces_vanish",
    "pieces_match0", "pieces_match1", "pieces_match2", "pieces_match3", "colors_vanish", "mouseover",
    "button_click", "construction", "break_single_lock", "break_double_lock", "explode_crystal",
    "explode_crystal_small", "crystal_appears", "crystal_appears_small", "board_reveal", "building_done",
    "landmass_appears", "take", "combine", "cantcombine", "placemarker_popin", "placemarker_popout",
    "new_discovery", "icon_appears", "test_bell", "dismiss", "score_counting", "timer_warning", "windbonus",
    "hint_enabled", "skip_enabled", "pageturn", "open_guide", "collected_disc", "goodcombo", "greatcombo",
};
const char* const kMusic[] = {"title", "camp", "play1", "play2", "play3", "play4", "play5"};
// The intro movie plays these as samples or streams them, by name from their folder.
const char* const kMovieSamples[] = {"projector_start", "projector_stop", "titlecard_song", "foghorn",
                                     "windgust", "fog", "thunder"};
const char* const kMovieStreams[] = {"projector_running", "dock_ambience", "ocean"};

struct Expectation {
    std::string path;
    double minSeconds;
    double maxSeconds;
    bool loop;
};

std::vector<Expectation> everySound() {
    std::vector<Expectation> all;
    for (const char* e : kEffects) all.push_back({std::string("sounds/sfx/") + e + ".ogg", 0.03, 1.6, false});
    for (const char* j : {"good_end", "bad_end"}) all.push_back({std::string("sounds/music/") + j + ".ogg", 3.0, 5.05, false});
    for (const char* m : kMusic) all.push_back({std::string("sounds/music/") + m + ".ogg", 30.0, 90.0, true});
    for (const char* m : kMovieSamples) all.push_back({std::string("sounds/movie/") + m + ".ogg", 0.5, 10.0, false});
    for (const char* m : kMovieStreams) all.push_back({std::string("sounds/movie_env/") + m + ".ogg", 4.0, 60.0, true});
    for (const char* folder : {"sounds/sfx_named", "sounds/env_named"}) {
        const bool streams = std::string(folder) == "sounds/env_named";
        for (const auto& entry : fs::directory_iterator(dataPath(folder))) {
            all.push_back({std::string(folder) + "/" + entry.path().filename().string(), streams ? 4.0 : 0.03,
                           streams ? 60.0 : 5.0, streams});
        }
    }
    return all;
}

float maxStep(const std::vector<float>& s, size_t from, size_t to) {
    float top = 0.0f;
    for (size_t i = from + 1; i < to; ++i) top = std::max(top, std::fabs(s[i] - s[i - 1]));
    return top;
}

}  // namespace

TEST(ForgedSounds, EverySoundDecodesAt44kWithoutClippingOrOffset) {
    for (const Expectation& e : everySound()) {
        SCOPED_TRACE(e.path);
        Decoded sound;
        ASSERT_TRUE(decode(dataPath(e.path), sound));
        EXPECT_EQ(sound.rate, 44100);
        EXPECT_TRUE(sound.channels == 1 || sound.channels == 2);
        EXPECT_GE(sound.seconds(), e.minSeconds);
        EXPECT_LE(sound.seconds(), e.maxSeconds);
        EXPECT_LT(sound.peak(), 0.944f);  // -0.5 dBFS: the forge writes at most -1, the codec may overshoot a little
        for (const auto& c : sound.channel) {
            double sum = 0.0;
            for (float s : c) sum += s;
            EXPECT_LT(std::fabs(sum / static_cast<double>(c.size())), 0.002);
        }
    }
}

TEST(ForgedSounds, OneShotsStartAndEndInSilenceAndLoopsJoinWithoutAClick) {
    for (const Expectation& e : everySound()) {
        SCOPED_TRACE(e.path);
        Decoded sound;
        ASSERT_TRUE(decode(dataPath(e.path), sound));
        for (const auto& s : sound.channel) {
            const size_t n = s.size();
            ASSERT_GT(n, 256u);
            if (!e.loop) {
                EXPECT_LT(std::fabs(s.front()), 0.01f);
                EXPECT_LT(std::fabs(s.back()), 0.01f);
                continue;
            }
            // The step across the loop point must look like the steps on either side of it.
            const float around = std::max(maxStep(s, 0, 64), maxStep(s, n - 64, n));
            EXPECT_LE(std::fabs(s.front() - s.back()), std::max(2.0f * around, 0.01f));
        }
    }
}

TEST(ForgedSounds, NamedFoldersHoldOnlyOggSounds) {
    // The game loads every file of these folders as a sound named after the file.
    for (const char* folder : {"sounds/movie", "sounds/movie_env", "sounds/sfx_named", "sounds/env_named"}) {
        SCOPED_TRACE(folder);
        size_t count = 0;
        for (const auto& entry : fs::directory_iterator(dataPath(folder))) {
            EXPECT_TRUE(entry.is_regular_file());
            EXPECT_EQ(entry.path().extension(), ".ogg") << entry.path();
            ++count;
        }
        EXPECT_GT(count, 0u);
    }
}

// The loudest semitone between MIDI 60 and 108 in the first 0.2 s (Goertzel on each pitch).
int loudestPitch(const std::vector<float>& s) {
    const size_t n = std::min<size_t>(s.size(), 8820);
    int best = 0;
    double bestPower = -1.0;
    for (int midi = 60; midi <= 108; ++midi) {
        const double w = 2.0 * std::numbers::pi * 440.0 * std::pow(2.0, (midi - 69) / 12.0) / 44100.0;
        double s1 = 0.0, s2 = 0.0;
        for (size_t i = 0; i < n; ++i) {
            const double s0 = s[i] + 2.0 * std::cos(w) * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        const double power = s1 * s1 + s2 * s2 - 2.0 * std::cos(w) * s1 * s2;
        if (power > bestPower) {
            bestPower = power;
            best = midi;
        }
    }
    return best;
}

TEST(ForgedSounds, MatchChimesClimbWithTheCascade) {
    int previous = 0;
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        Decoded chime;
        ASSERT_TRUE(decode(dataPath("sounds/sfx/pieces_match" + std::to_string(i) + ".ogg"), chime));
        const int pitch = loudestPitch(chime.channel[0]);
        EXPECT_GT(pitch, previous);
        previous = pitch;
    }
}

TEST(ForgedSounds, TheSameSourceGivesTheSameBytes) {
    const std::string forge = std::string(QV_BINARY_DIR) + "/tools/forge/forge";
    TempDir out;
    for (const char* run : {"a", "b"}) {
        const std::string command = forge + " --content " + QV_SOURCE_DIR + "/content --out " + out.file(run) +
                                    " --only audio_sfx_board > /dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0);
    }
    size_t compared = 0;
    for (const auto& entry : fs::recursive_directory_iterator(out.file("a"))) {
        if (!entry.is_regular_file()) continue;
        const fs::path twin = fs::path(out.file("b")) / fs::relative(entry.path(), out.file("a"));
        std::ifstream a(entry.path(), std::ios::binary);
        std::ifstream b(twin, std::ios::binary);
        const std::vector<char> bytesA((std::istreambuf_iterator<char>(a)), std::istreambuf_iterator<char>());
        const std::vector<char> bytesB((std::istreambuf_iterator<char>(b)), std::istreambuf_iterator<char>());
        EXPECT_EQ(bytesA, bytesB) << entry.path();
        ++compared;
    }
    EXPECT_GT(compared, 10u);
}
