#pragma once
// The intro movie's timed cues: sounds started and stopped and captions typed, each once per
// showing of its scene, on the first tick the scene's time passes the cue's moment.
#include <array>
#include <cstdint>

// What a cue does; the movie carries it out.
enum class MovieCue : uint8_t {
    PlaySound,      // a sample of the movie sounds
    PlayAmbience,   // a stream of the movie ambience
    StopAmbience,
    Caption,        // the language text typed into the text box
};

struct MovieTrigger {
    int32_t scene;     // index into the movie's scene list
    // Seconds, single precision like the scene's time: compared as doubles, 0.1 would already be
    // passed on the sixth tick, whose float time is exactly 0.1f.
    float threshold;
    MovieCue cue;
    const char* sound; // for the sound cues
    int32_t text;      // for captions
};

inline constexpr std::array<MovieTrigger, 15> kMovieTriggers = {{
    {0, 0.1f, MovieCue::PlaySound, "titlecard_song", 0},
    {0, 3.0f, MovieCue::PlayAmbience, "projector_running", 0},
    {1, 0.1f, MovieCue::PlayAmbience, "dock_ambience", 0},
    {1, 0.1f, MovieCue::Caption, nullptr, 56},
    {2, 5.0f, MovieCue::PlaySound, "foghorn", 0},
    {3, 0.1f, MovieCue::Caption, nullptr, 57},
    {3, 3.0f, MovieCue::PlaySound, "foghorn", 0},
    {4, 0.05f, MovieCue::Caption, nullptr, 58},
    {4, 0.5f, MovieCue::StopAmbience, "dock_ambience", 0},
    {4, 0.5f, MovieCue::PlayAmbience, "ocean", 0},
    {4, 8.0f, MovieCue::PlaySound, "windgust", 0},
    {5, 0.05f, MovieCue::Caption, nullptr, 59},
    {5, 0.92f, MovieCue::PlaySound, "fog", 0},
    {5, 4.42f, MovieCue::PlaySound, "thunder", 0},
    {5, 9.23f, MovieCue::PlaySound, "thunder", 0},
}};

// One flag per entry of kMovieTriggers: set once the cue has fired in the current showing.
using MovieTriggerFlags = std::array<bool, kMovieTriggers.size()>;

// The cues of `scene` that fire at `time`, in table order, handed to `fire`. A time of exactly 0
// (a scene just restarted) clears that scene's flags first.
template <typename Fire>
void RunMovieTriggers(int32_t scene, float time, MovieTriggerFlags& fired, Fire&& fire) {
    for (size_t i = 0; i < kMovieTriggers.size(); ++i) {
        const MovieTrigger& trigger = kMovieTriggers[i];
        if (trigger.scene != scene) continue;
        if (time == 0.0f) fired[i] = false;
        if (fired[i] || !(time > trigger.threshold)) continue;
        fired[i] = true;
        fire(trigger);
    }
}
