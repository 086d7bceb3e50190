#pragma once
// The game's music loops, one function per track, and the step helper that renders a track,
// writes it under sounds/music and adds its spectrogram to the contact sheets.
#include "tools/forge/audio/score.h"

class Forge;

Song titleSong();
Song campSong();
Song play1Song();
Song play2Song();
Song play3Song();
Song play4Song();
Song play5Song();

void forgeSong(Forge& forge, const Song& song);
