// Save files nobody wrote with the game: huge, binary, tens of thousands of sections, a value of
// megabytes, one endless line. Whatever the profile or settings file holds, the game starts, a
// player can be chosen and play goes on; a file too large to be a save is left exactly as it is.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <string>

#include "framework/core/ldv_game.h"
#include "framework/data/player_profiles.h"
#include "tests/framework/shell_fixture.h"

namespace {

constexpr size_t kMegabyte = 1024 * 1024;
constexpr const char* kSaveFolder = "Drovana Games/Quorvane/Ver0.2/";

std::string Huge() {
    std::string text = "PlayerName=Ann\n";
    for (int i = 0; text.size() < 20 * kMegabyte; ++i) text += "KEY_" + std::to_string(i) + "=0123456789abcdef\n";
    return text;
}

std::string Binary() {
    std::mt19937 random(11);
    std::string text;
    while (text.size() < kMegabyte) text += static_cast<char>(random());
    return text;
}

std::string ManySections() {
    std::string text = "PlayerName=Ann\n";
    for (int i = 0; i < 30000; ++i) text += "[S" + std::to_string(i) + "]\nK=1\n";
    return text;
}

std::string MegabyteValue() { return "PlayerName=Ann\nNOTES=" + std::string(3 * kMegabyte / 2, 'x') + "\n"; }
std::string EndlessLine() { return std::string(3 * kMegabyte / 2, 'x'); }

struct HostileCase {
    const char* name;
    std::string (*text)();
    bool tooLarge;  // left as it is, and the player told the profile cannot be read
};
const HostileCase kHostile[] = {
    {"huge", Huge, true},
    {"binary", Binary, false},
    {"thousands of sections", ManySections, false},
    {"a value of megabytes", MegabyteValue, false},
    {"one endless line", EndlessLine, false},
};

class HostileSavesTest : public ShellTest {
protected:
    std::string SavePath(const char* name) const { return dataHome.file(std::string(kSaveFolder) + name); }
};

TEST_F(HostileSavesTest, TheGameStartsAndPlayGoesOnWhateverTheFilesHold) {
    for (const HostileCase& c : kHostile) {
        SCOPED_TRACE(c.name);
        const std::string text = c.text();
        dataHome.write(std::string(kSaveFolder) + "player00.ini", text);
        dataHome.write(std::string(kSaveFolder) + "settings.ini", text);
        messageBoxes.clear();
        {
            ResetFrameForTesting();
            LDvGame game("Quorvane", "Quorvane", 0, 2);
            SetVolumeSetting(kMusicVolumeKey, 40);
            EXPECT_EQ(GetVolumeSetting(kMusicVolumeKey), 40);
            if (!PlayerExists(0)) CreatePlayer(0, "Ben");
            SelectPlayer(0);
            SetPlayerInt(nullptr, "CURRENT_LEVEL", 3);
            EXPECT_EQ(GetPlayerInt(nullptr, "CURRENT_LEVEL", 1), 3);
        }
        ResetFrameForTesting();
        if (c.tooLarge) {
            EXPECT_EQ(dataHome.read(std::string(kSaveFolder) + "player00.ini"), text);
            EXPECT_EQ(dataHome.read(std::string(kSaveFolder) + "settings.ini"), text);
            EXPECT_EQ(messageBoxes.size(), 1u);
            continue;
        }
        // The changes were written and read back on the next start.
        LDvGame again("Quorvane", "Quorvane", 0, 2);
        EXPECT_EQ(GetVolumeSetting(kMusicVolumeKey), 40);
        SelectPlayer(0);
        EXPECT_EQ(GetPlayerInt(nullptr, "CURRENT_LEVEL", 1), 3);
        EXPECT_TRUE(messageBoxes.empty());
    }
}

}  // namespace
