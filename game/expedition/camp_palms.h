#pragma once
// The camp's 17 swaying palms: frame-sheet players, each looping back and forth from a random frame
// so that no two sway in step, placed by the top-left corner, scaled and turned as the camp's
// planting table says. The scale, the turn and the palms' slight transparency are worked into
// every palm's own sheet once, when the pictures load: drawn plainly, the 17 palms cost the
// software renderer a fraction of what scaling and turning them on every frame did.
//
// Owns the four source sheets (one row of sway frames each, "states/camp/palmN.png", held only while
// the palms' sheets are made), each palm's sheet and the players for its whole life; the pictures
// are made on Load and released on Release (the players stay and draw nothing while their sheet
// is empty).
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

    void Load();        // every palm's sheet, and every player restarted on a random frame
    void Release();
    // Logs "tree index:" and the index of every palm whose planted top-left corner lies within 50
    // pixels of `pointer`: the aid for placing them.
    void LogPalmsNear(LDvPoint pointer) const;

    std::array<LDvSprite, kSheets> sheets;         // empty but while Load makes the palms' sheets
    std::array<LDvSprite, kPalmCount> palmSheets;  // each palm's frames, scaled, turned and faded
    std::vector<std::unique_ptr<TLPlayer>> players;   // in planting order

private:
    void MakePalmSheets();
};
