#pragma once
// The pictures of the intro movie's bundle, found by short name: the film frame and the scratches
// the movie draws itself, and every picture the six scenes' skeletons show.
#include <array>

inline constexpr const char* kIntroMovieFolder = "movies/intro/";

inline constexpr std::array<const char*, 34> kIntroMoviePictures = {
    "oldfilm_frame", "scratch1",     "scratch2",   "scratch3",  "scratch4",   "scratch5",    "card_back",
    "card_title",    "card_compass", "harbour_back", "gull_up", "gull_down",  "sailor_crate", "ship",
    "ship_wreck",    "sea_back",     "wave_back",  "wave_front", "lighthouse", "deck_back",  "captain",
    "professor",     "sailor",       "wheel",      "telescope", "storm_back", "cloud_dark",  "rain",
    "fog",           "island",       "lightning",  "flash",     "rocks",      "beach_back",
};
