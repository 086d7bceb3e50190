// Progress and settings survive the process being killed in the middle of writing them: a child
// process writes generation after generation through the game's own profile and settings code and
// is killed with SIGKILL at a random moment, a thousand times over; after each kill both files must
// parse and hold either the last generation the child reported written or the one it was writing,
// and the temporary files of the writes cut short are cleared away by the next start.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_game.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/player_profiles.h"
#include "tests/support/temp_dir.h"

namespace {

constexpr int kKills = 1000;
constexpr int kLongestLifeMicroseconds = 25000;
constexpr int kProgressSections = 40;          // a profile of a player well into the game
constexpr const char* kGenerationKey = "SOAK_GENERATION";
constexpr std::array<const char*, 2> kFiles = {"player00.ini", "settings.ini"};

// The value written at generation `g`: its length and contents change with g, so a torn or mixed
// write cannot pass for a whole one.
std::string Payload(long g) {
    std::string text = std::to_string(g) + ":";
    for (long i = 0; i < 64 + g % 700; ++i) text += static_cast<char>('a' + (g * 31 + i) % 26);
    return text;
}

long GenerationIn(const std::string& value) {
    const size_t colon = value.find(':');
    if (colon == std::string::npos) return -1;
    const long g = std::strtol(value.c_str(), nullptr, 10);
    return value == Payload(g) ? g : -1;
}

// The child: a game shell on the same save folder, writing until it is killed. Each generation is
// one change of the progress store and one of the settings, each saved at once as the game does;
// the number is reported on the pipe once both are written.
[[noreturn]] void WriteUntilKilled(int reportFd, long firstGeneration) {
    ResetFrameForTesting();
    auto game = std::make_unique<LDvGame>("Quorvane", "Quorvane", 0, 2);
    SelectPlayer(0);
    if (GetPlayerString("PlayerName", "").empty()) {
        SetPlayerString("PlayerName", "Soak");
        for (int s = 0; s < kProgressSections; ++s) {
            SetPlayerInt(("LEVEL_" + std::to_string(s)).c_str(), "STARS", s % 4);
        }
    }
    for (long g = firstGeneration;; ++g) {
        SetPlayerString(kGenerationKey, Payload(g));
        Frame().settings->SetString(nullptr, kGenerationKey, Payload(g));
        Frame().settings->Save();
        if (write(reportFd, &g, sizeof g) != static_cast<ssize_t>(sizeof g)) _exit(3);
    }
}

// The last generation the child reported, or `none`.
long LastReported(int readFd, long none) {
    long g = none, next = 0;
    while (read(readFd, &next, sizeof next) == static_cast<ssize_t>(sizeof next)) g = next;
    return g;
}

// The generation a file holds, or -1 when it cannot be read or holds no whole generation.
long GenerationOnDisk(const std::string& path) {
    if (!std::filesystem::exists(path)) return 0;
    LDvIniFile file;
    file.LoadExisting(path);
    if (file.ReadFailed()) return -1;
    return GenerationIn(file.GetString(nullptr, kGenerationKey, Payload(0)));
}

std::vector<std::filesystem::path> TemporaryFiles(const std::string& folder) {
    std::vector<std::filesystem::path> found;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string().find(".tmp-") != std::string::npos) found.push_back(entry.path());
    }
    return found;
}

TEST(SaveKill, ProfileAndSettingsHoldTheOldOrTheNewGenerationAfterEveryKill) {
    TempDir dataHome;
    ScopedEnv xdg("XDG_DATA_HOME", dataHome.path());
    const std::string folder = dataHome.path() + "/Drovana Games/Quorvane/Ver0.2/";
    std::mt19937 random(20);
    long committed = 0;                            // the highest generation written so far
    std::array<long, kFiles.size()> held{};        // what each file held after the last kill
    int killedWhileWriting = 0;                     // files found holding the generation under way
    for (int round = 0; round < kKills; ++round) {
        int pipeFds[2];
        ASSERT_EQ(pipe2(pipeFds, O_CLOEXEC), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(pipeFds[0]);
            WriteUntilKilled(pipeFds[1], committed + 1);
        }
        close(pipeFds[1]);
        usleep(std::uniform_int_distribution<int>(0, kLongestLifeMicroseconds)(random));
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended on its own, status " << status;
        const long reported = LastReported(pipeFds[0], -1);
        const long underWay = std::max(reported, committed) + 1;
        close(pipeFds[0]);
        for (size_t f = 0; f < kFiles.size(); ++f) {
            const long onDisk = GenerationOnDisk(folder + kFiles[f]);
            SCOPED_TRACE(std::string(kFiles[f]) + " after kill " + std::to_string(round));
            // What it held before or what the child reported written, at the least; the generation
            // under way at the most.
            const long atLeast = std::max(held[f], reported);
            ASSERT_TRUE(onDisk >= atLeast && onDisk <= underWay)
                << "held " << held[f] << ", reported " << reported << ", on disk " << onDisk;
            killedWhileWriting += onDisk == underWay ? 1 : 0;
            held[f] = onDisk;
        }
        // The next child goes on past everything on disk, so no generation is written twice.
        committed = std::max({reported, held[0], held[1]});
    }
    const std::vector<std::filesystem::path> leftovers = TemporaryFiles(folder);
    std::printf("%d kills, %ld generations written, %d files found holding the one under way, %zu temporary files left\n",
                kKills, committed, killedWhileWriting, leftovers.size());

    // The next start removes the temporaries of the writes cut short, once they are old enough not
    // to belong to a copy of the game saving at that moment; the saves stay as they are.
    for (const auto& leftover : leftovers) {
        std::filesystem::last_write_time(leftover, std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    }
    const std::string young = folder + "settings.ini.tmp-Ab12Cd";
    std::FILE* underWay = std::fopen(young.c_str(), "w");
    ASSERT_NE(underWay, nullptr);
    std::fclose(underWay);
    ResetFrameForTesting();
    { LDvGame game("Quorvane", "Quorvane", 0, 2); }
    EXPECT_EQ(TemporaryFiles(folder), std::vector<std::filesystem::path>{young});
    EXPECT_EQ(GenerationOnDisk(folder + kFiles[0]), held[0]);
    EXPECT_EQ(GenerationOnDisk(folder + kFiles[1]), held[1]);
    ResetFrameForTesting();
}

}  // namespace
