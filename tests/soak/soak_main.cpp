// The soak: the real game on the manual clock, run as fast as it goes, played by a random player
// for a given wall time. Each run of the game object starts on one screen of a rotation (the title,
// the movie, the play screen, the camp, the map and the two adventure scenes) and is closed after a
// number of frames, so every screen gets its share while the input itself stays random; the save
// folder is kept between runs, as a player's is. Prints the resident memory every minute, the runs,
// the screens reached and the frames spent on each. Exits non-zero when a message box appeared,
// the game could not start, or (with --require-all) a screen of the rotation was never reached;
// a crash or a failed assert ends it on its own, and a hang is ended by the watchdog.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "engine/k_clock.h"
#include "engine/k_window.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/main_loop.h"
#include "framework/core/state_control.h"
#include "game/app/match3.h"
#include "tests/soak/random_player.h"
#include "tests/soak/soak_watch.h"
#include "tests/support/temp_dir.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::seconds kHangLimit{120};   // no frame for this long is a hang
constexpr std::chrono::seconds kSampleEvery{60};

struct SoakOptions {
    int seconds = 90;
    uint32_t seed = 1;
    int framesPerRun = 3000;
    std::string dataFolder = QV_DATA_DIR;
    std::string saveParent;       // holds "Drovana Games/..."; a temporary folder when empty
    int runs = 0;                 // 0: as many as the seconds allow
    int onlyEntry = -1;           // -1: the whole rotation
    bool requireAll = false;
};

enum class Entry { Title, Movie, Play, Camp, Map, AirScene, SuppliesScene, Count };

// What each entry must show at least once, as ScreenName names it (a prefix is enough).
constexpr const char* kEntryScreens[] = {"Title", "Movie", "Playing", "Camp", "Map", "Scene god_of_air",
                                         "Scene medical_supplies_hog"};

// The --entry names, in the order of Entry.
constexpr const char* kEntryNames[] = {"title", "movie", "play", "camp", "map", "god_of_air", "medical_supplies_hog"};

int EntryNamed(const std::string& name) {
    for (int i = 0; i < static_cast<int>(Entry::Count); ++i) {
        if (name == kEntryNames[i]) return i;
    }
    return -2;
}

bool ParseOptions(int argc, char** argv, SoakOptions& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        if (option == "--require-all") options.requireAll = true;
        else if (option == "--seconds" && hasValue) options.seconds = std::atoi(argv[++i]);
        else if (option == "--seed" && hasValue) options.seed = static_cast<uint32_t>(std::strtoul(argv[++i], nullptr, 10));
        else if (option == "--frames-per-run" && hasValue) options.framesPerRun = std::atoi(argv[++i]);
        else if (option == "--data" && hasValue) options.dataFolder = argv[++i];
        else if (option == "--save" && hasValue) options.saveParent = argv[++i];
        else if (option == "--runs" && hasValue) options.runs = std::atoi(argv[++i]);
        else if (option == "--entry" && hasValue) options.onlyEntry = EntryNamed(argv[++i]);
        else return false;
    }
    return options.seconds > 0 && options.framesPerRun > 0 && options.onlyEntry >= -1;
}

void Enter(Match3& game, Entry entry) {
    switch (entry) {
    case Entry::Title: game.EnterFirstState(); break;
    case Entry::Movie: game.EnterMovie(); break;
    case Entry::Play: game.EnterPlayScreen(); break;
    case Entry::Camp:
        game.EnterPlayScreen();  // chooses the player the camp shows
        SetState(&game.camp, &game, false);
        break;
    case Entry::Map:
        game.EnterPlayScreen();
        SetState(&game.map, &game, false);
        break;
    case Entry::AirScene: game.EnterFirstScene("god_of_air"); break;
    case Entry::SuppliesScene: game.EnterFirstScene("medical_supplies_hog"); break;
    case Entry::Count: break;
    }
}

class Soak {
public:
    explicit Soak(const SoakOptions& soakOptions) : options(soakOptions), watch(kHangLimit) {}

    int Run();

private:
    bool RunGameOnce(Entry entry);
    void OnFrame(Match3& game, RandomPlayer& player, uint32_t frame, uint32_t lastFrame);
    bool TimeIsUp() const { return Clock::now() - start >= std::chrono::seconds(options.seconds); }
    int Report();

    SoakOptions options;
    TempDir home;
    HangWatch watch;
    MemoryLog memory;
    ScreenTally screens;
    std::vector<std::string> messageBoxes;
    Clock::time_point start = Clock::now();
    Clock::time_point nextSample = start;
    int minute = 0;
    int runs = 0;
    uint64_t frames = 0;
    uint64_t actions = 0;
};

void Soak::OnFrame(Match3& game, RandomPlayer& player, uint32_t frame, uint32_t lastFrame) {
    ++frames;
    player.AfterPresent(frame);
    const std::string screen = ScreenName(game);
    screens.Count(screen);
    watch.Alive(screen);
    if (Clock::now() >= nextSample) {
        memory.Sample(minute++);
        nextSample += kSampleEvery;
    }
    if ((frame >= lastFrame || TimeIsUp()) && Frame().window != nullptr) Frame().window->requestQuit();
}

bool Soak::RunGameOnce(Entry entry) {
    ResetFrameForTesting();
    setManualClock(true);
    SetAppDataFolderOverride(options.saveParent.empty() ? home.path() : options.saveParent);
    auto game = std::make_unique<Match3>();
    Frame().rootDirOverride = options.dataFolder;
    StartLogging("Quorvane", "0.2", false);
    watch.Alive("start-up");
    bool started = game->InitGame(false);
    if (started) {
        RandomPlayer player(*Frame().window, options.seed + static_cast<uint32_t>(runs));
        const uint32_t lastFrame = Frame().window->frameNumber() + static_cast<uint32_t>(options.framesPerRun);
        LoopHooks hooks;
        // The window's own count: the scripted input is queued by it, and it starts again with each window.
        hooks.afterPresent = [&](int) { OnFrame(*game, player, Frame().window->frameNumber(), lastFrame); };
        SetLoopHooks(std::move(hooks));
        Enter(*game, entry);
        game->RunGame();
        SetLoopHooks({});
        actions += player.Actions();
    }
    watch.Alive("shut-down");
    game.reset();
    StopLogging();
    ResetFrameForTesting();
    ++runs;
    return started;
}

int Soak::Run() {
    SetMessageBoxHookForTesting([this](const LDvString& caption, const LDvString& text) {
        messageBoxes.push_back(caption + " | " + text);
        std::printf("soak: message box %s | %s\n", caption.c_str(), text.c_str());
    });
    bool startFailed = false;
    while (!TimeIsUp() && !startFailed && (options.runs == 0 || runs < options.runs)) {
        const int entry = options.onlyEntry >= 0 ? options.onlyEntry : runs % static_cast<int>(Entry::Count);
        startFailed = !RunGameOnce(static_cast<Entry>(entry));
    }
    memory.Sample(minute);
    SetMessageBoxHookForTesting({});
    setManualClock(false);
    SetAppDataFolderOverride("");
    if (startFailed) std::printf("soak: the game did not start\n");
    return Report() + (startFailed ? 1 : 0);
}

int Soak::Report() {
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    std::printf("soak: %.0f s, %d runs, %llu frames (%.1f per second), %llu random actions\n", seconds, runs,
                static_cast<unsigned long long>(frames), static_cast<double>(frames) / seconds,
                static_cast<unsigned long long>(actions));
    std::printf("soak: rss start %ld MB, end %ld MB, peak %ld MB\n", memory.First() / 1024, memory.Last() / 1024,
                memory.Peak() / 1024);
    for (const auto& [screen, count] : screens.Frames()) {
        std::printf("  screen %-52s %8llu frames\n", screen.c_str(), static_cast<unsigned long long>(count));
    }
    int failures = messageBoxes.empty() ? 0 : 1;
    if (!options.requireAll) return failures;
    for (const char* wanted : kEntryScreens) {
        bool reached = false;
        for (const auto& entry : screens.Frames()) reached = reached || entry.first.rfind(wanted, 0) == 0;
        if (!reached) {
            std::printf("soak: never reached %s\n", wanted);
            failures = 1;
        }
    }
    return failures;
}

}  // namespace

int main(int argc, char** argv) {
    SoakOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: soak_game [--seconds N] [--seed N] [--frames-per-run N] [--runs N] [--data FOLDER]\n"
                     "                 [--save FOLDER] [--entry title|movie|play|camp|map|god_of_air|medical_supplies_hog] [--require-all]\n");
        return 2;
    }
    std::printf("soak: %d s, seed %u, %d frames per run, data %s\n", options.seconds, options.seed,
                options.framesPerRun, options.dataFolder.c_str());
    return Soak(options).Run();
}
