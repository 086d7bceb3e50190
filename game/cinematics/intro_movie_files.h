#pragma once
// The intro movie's scenes and the files of its picture bundle, found by their short names: the film frame and the
// scratches the movie draws itself, and every picture the six scenes' skeletons show. The
// full-screen backdrops are opaque photographs of a kind and so are JPEG.
#include <array>

// The scenes' skeletal animations ("Spine/<name>-skeleton.json" and "-animation.json"), in the
// order they play.
inline constexpr std::array<const char*, 6> kIntroMovieClips = {"titlecard", "establish", "cut1",
                                                                "cut2",      "cut3",      "cut4"};

inline constexpr const char* kIntroMovieFolder = "movies/intro/";

inline constexpr std::array<const char*, 34> kIntroMoviePictures = {
    "oldfilm_frame.png", "scratch1.png",   "scratch2.png",    "scratch3.png",   "scratch4.png",
    "scratch5.png",      "card_back.jpg",  "card_title.png",  "card_compass.png", "harbour_back.jpg",
    "gull_up.png",       "gull_down.png",  "sailor_crate.png", "ship.png",      "ship_wreck.png",
    "sea_back.jpg",      "wave_back.png",  "wave_front.png",  "lighthouse.png", "deck_back.jpg",
    "captain.png",       "professor.png",  "sailor.png",      "wheel.png",      "telescope.png",
    "storm_back.jpg",    "cloud_dark.png", "rain.png",        "fog.png",        "island.png",
    "lightning.png",     "flash.png",      "rocks.png",       "beach_back.jpg",
};
