#include "game/match3/animated_friend.h"

#include <cstdio>
#include <utility>

#include "framework/core/folders.h"
#include "framework/core/game_log.h"
#include "framework/core/game_random.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/ui/overlay_images.h"

namespace {

constexpr const char* kTableFile = "friend.ini";
constexpr const char* kSectionNames[FriendTable::kAnimations] = {"idle", "look", "misco", "misct"};
constexpr int kIdleShare = 70;             // percent of the choices
constexpr int kOtherShare = 10;
constexpr int kMaxFrames = 1000;           // more than any page can hold; guards a hostile COUNT
constexpr int kRollRange = 100;

bool ParseFrame(const LDvString& text, int page, FriendFrame& out) {
    int rotated = 0;
    char rest = 0;
    const int read = std::sscanf(text.c_str(), "%d,%d,%d,%d,%d,%d,%d%c", &out.x, &out.y, &out.width, &out.height,
                                 &out.frameWidth, &out.frameHeight, &rotated, &rest);
    if (read != 7 || out.width <= 0 || out.height <= 0 || out.frameWidth < out.width ||
        out.frameHeight < out.height || out.x < 0 || out.y < 0) {
        return false;
    }
    out.page = page;
    out.rotated = rotated != 0;
    return true;
}

void ReadAnimation(const LDvIniFile& ini, int index, FriendTable& table) {
    const char* section = kSectionNames[index];
    table.pages[index] = ini.GetString(section, "PAGE", "");
    const int count = ini.GetInt(section, "COUNT", 0);
    if (count < 0 || count > kMaxFrames) {
        Log(LDvString("friend.ini: bad frame count in ") + section);
        return;
    }
    for (int i = 0; i < count; ++i) {
        const LDvString key = "FRAME_" + std::to_string(i);
        FriendFrame frame;
        if (ParseFrame(ini.GetString(section, key, ""), index, frame)) {
            table.frames[index].push_back(frame);
        } else {
            Log(LDvString("friend.ini: bad frame ") + section + " " + key);
        }
    }
}

}  // namespace

bool ReadFriendTable(const LDvIniFile& ini, FriendTable& table) {
    table = FriendTable();
    table.folder = ini.GetString(nullptr, "FOLDER", "");
    bool any = false;
    for (int i = 0; i < FriendTable::kAnimations; ++i) {
        ReadAnimation(ini, i, table);
        any = any || !table.frames[i].empty();
    }
    if (!any) Log("friend.ini: no frames; the friend stays away");
    return any;
}

bool AnimatedFriend::load() {
    const LDvString path = GetDataRoot() + kTableFile;
    if (!FileExists(path)) {
        Log("friend.ini missing; the friend stays away");
        useTable(FriendTable());
        return false;
    }
    const LDvIniFile ini(path);
    FriendTable read;
    if (!ReadFriendTable(ini, read)) {
        useTable(FriendTable());
        return false;
    }
    for (int i = 0; i < FriendTable::kAnimations; ++i) {
        if (!read.frames[i].empty()) LoadImage(&pages[i], JoinPaths(read.folder, read.pages[i]));
    }
    useTable(std::move(read));
    return true;
}

void AnimatedFriend::useTable(FriendTable frameTable) {
    table = std::move(frameTable);
    restart();
}

int AnimatedFriend::chooseAnimation(int roll) {
    if (roll < kIdleShare) return kIdle;
    if (roll < kIdleShare + kOtherShare) return kLook;
    if (roll < kIdleShare + 2 * kOtherShare) return kMisco;
    return kMisct;
}

void AnimatedFriend::restart() {
    animation = kIdle;
    frame = 0;
    frameTicks = 0;
}

void AnimatedFriend::OnTick(int) {
    if (++frameTicks < kTicksPerFrame) return;
    frameTicks = 0;
    nextFrame();
}

// An animation without frames ends at once, so the choice moves on to one that has some.
void AnimatedFriend::nextFrame() {
    if (++frame < static_cast<int32_t>(table.frames[animation].size())) return;
    frame = 0;
    animation = chooseAnimation(RandomRange(0, kRollRange - 1));
}

void AnimatedFriend::Draw() {
    if (hidden) return;
    const std::vector<FriendFrame>& frames = table.frames[animation];
    if (frame < 0 || frame >= static_cast<int32_t>(frames.size())) return;
    const FriendFrame& shown = frames[frame];
    SetRegion(&region, filePath, &pages[shown.page], shown.x, shown.y, shown.width, shown.height, shown.frameWidth,
              shown.frameHeight, shown.rotated);
    region.x = x;
    region.y = y;
    region.opacity = opacity;
    region.Draw();
}
