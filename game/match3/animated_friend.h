#pragma once
// The monkey keeping the player company beside the board: four frame animations (idle, look,
// misco, misct) whose frames are regions of four atlas pages, described by "friend.ini" at the
// data root. One frame every 3 steps; when an animation ends the next is chosen: 70 % idle and
// 10 % each of the others. It owns its pages and the table; a missing or broken table leaves
// it showing nothing (and logs why).
#include <array>
#include <cstdint>
#include <vector>

#include "framework/core/ldv_string.h"
#include "framework/ui/ldv_overlay.h"

class LDvIniFile;

// One frame: a region of page `page` and the size of the whole frame it was trimmed from.
struct FriendFrame {
    int32_t page = 0;
    int32_t x = 0, y = 0, width = 0, height = 0;
    int32_t frameWidth = 0, frameHeight = 0;
    bool rotated = false;
};

struct FriendTable {
    static constexpr int kAnimations = 4;          // idle, look, misco, misct

    LDvString folder;                              // under the picture folder
    std::array<LDvString, kAnimations> pages;      // file names inside the folder
    std::array<std::vector<FriendFrame>, kAnimations> frames;
};

// Reads the table; false (with a log line) when no animation has a frame. Frames whose text does
// not hold seven numbers are left out.
bool ReadFriendTable(const LDvIniFile& ini, FriendTable& table);

class AnimatedFriend : public LDvOverlay {
public:
    static constexpr int kIdle = 0;
    static constexpr int kLook = 1;
    static constexpr int kMisco = 2;
    static constexpr int kMisct = 3;
    static constexpr int kTicksPerFrame = 3;

    AnimatedFriend() = default;

    // Reads "friend.ini" and loads its pages; false when there is nothing to show.
    bool load();
    // Uses `frameTable` without loading pages (tests, and a friend drawn from pictures already loaded).
    void useTable(FriendTable frameTable);
    // The animation that follows the one that ended, from a roll of 0..99.
    static int chooseAnimation(int roll);
    void restart();                      // idle, first frame

    void OnTick(int tickCount) override;
    void Draw() override;

    int32_t animation = kIdle;
    int32_t frame = 0;
    int32_t frameTicks = 0;              // steps shown so far of the current frame

private:
    void nextFrame();

    FriendTable table;
    std::array<LDvSprite, FriendTable::kAnimations> pages;
    LDvSprite region;
};
