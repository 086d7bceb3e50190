#pragma once
// The camp's 17 swaying palms: frame-sheet players over the four palm pictures (one row of frames
// each), each looping back and forth from a random frame so that no two sway in step, placed by
// the top-left corner, scaled and turned as the camp's planting table says.
//
// Owns the four sheets and the players for its whole life; the sheets' pictures are loaded on
// Load and released on Release (the players stay and draw nothing while their sheet is empty).
#include <array>
#include <memory>
#include <vector>

#include "framework/effects/tl_player.h"
#include "framework/ui/ldv_overlay.h"

class CampPalms {
public:
    static constexpr int kPalmCount = 17;
    static constexpr int kSheets = 4;
    static constexpr int kFrames = 16;     // one row of sway frames in every "states/camp/palmN.png"

    CampPalms();
    CampPalms(const CampPalms&) = delete;
    CampPalms& operator=(const CampPalms&) = delete;

    void Load();        // the four sheets, and every player restarted on a random frame
    void Release();
    // Logs "tree index:" and the index of every palm whose top-left corner lies within 50 pixels
    // of `pointer`: the aid for placing them.
    void LogPalmsNear(LDvPoint pointer) const;

    std::array<LDvSprite, kSheets> sheets;
    std::vector<std::unique_ptr<TLPlayer>> players;   // in planting order
};
