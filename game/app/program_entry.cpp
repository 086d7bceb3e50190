#include "game/app/program_entry.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/k_clock.h"
#include "engine/k_files.h"
#include "engine/k_system.h"
#include "engine/k_test_input.h"
#include "engine/k_window.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/main_loop.h"
#include "framework/core/state_control.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/settings.h"
#include "game/app/match3.h"
#include "game/app/program_options.h"
#include "game/app/start_up_choices.h"
#include "game/app/window_memory.h"

namespace {

// The longest the end of the program waits for the system's opener to take the survey address.
constexpr uint32_t kExitWaitMilliseconds = 10000;
constexpr int kNoDisplayExitCode = 3;  // 2 is a bad command line

// The game joins relative paths to its base folder, so folders named on the command line are made
// absolute against the working folder the user typed them in.
LDvString AbsoluteFolder(const LDvString& folder) {
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(folder, error);
    return error ? folder : absolute.lexically_normal().string();
}

void ApplyOptions(const ProgramOptions& options) {
    if (options.manualClock) setManualClock(true);
    if (options.anyOpenGl) setAcceleratedOnAnyOpenGl(true);
    if (!options.dataFolder.empty()) {
        const LDvString dataFolder = AbsoluteFolder(options.dataFolder);
        setGameBaseFolder(dataFolder);
        Frame().rootDirOverride = dataFolder;
    }
    if (!options.saveParent.empty()) SetAppDataFolderOverride(AbsoluteFolder(options.saveParent));
}

void AfterPresent(const ProgramOptions& options, int frame) {
    if (frame == 1 && options.reportFirstFrame) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        std::printf("first-frame-ns %lld\n",
                    static_cast<long long>(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count()));
        std::fflush(stdout);
    }
    if (options.frameLimit > 0 && frame >= options.frameLimit && Frame().window != nullptr) {
        Frame().window->requestQuit();
    }
}

void InstallHooks(const ProgramOptions& options) {
    LoopHooks hooks;
    hooks.afterPresent = [&options](int frame) { AfterPresent(options, frame); };
    SetLoopHooks(std::move(hooks));
}

// Scripted input and frame capture go through the engine's test input; null when neither is asked for.
std::unique_ptr<KTestInput> MakeTestInput(const ProgramOptions& options, LDvString& error) {
    if (options.inputScript.empty() && options.captureFolder.empty()) return nullptr;
    auto input = std::make_unique<KTestInput>();
    input->setClockStep(0);  // the main loop moves a manual clock itself, sleeping until each step
    if (!options.inputScript.empty() && !input->loadScript(options.inputScript)) {
        error = "cannot read the input script " + options.inputScript;
        return nullptr;
    }
    if (!options.captureFolder.empty()) {
        input->setCaptureFolder(options.captureFolder);
        input->captureEveryFrame(options.captureFrames.empty());
        for (int frame : options.captureFrames) input->captureFrame(static_cast<uint32_t>(frame));
    }
    return input;
}

bool WantsFullScreen(const ProgramOptions& options) {
    return !options.windowed && FullScreenFromSettings(*Frame().settings);
}

// Without a display the window cannot open either; the full canvas is tried and the shell reports
// the failure.
DesktopSize FindDesktop(const ProgramOptions& options) {
    DesktopSize desktop{Match3::kCanvasWidth, Match3::kCanvasHeight, Match3::kCanvasWidth, Match3::kCanvasHeight};
    if (options.desktopWidth > 0) {
        desktop = DesktopSize{options.desktopWidth, options.desktopHeight, options.desktopWidth, options.desktopHeight};
    } else if (!getDesktopSize(desktop.width, desktop.height, desktop.usableWidth, desktop.usableHeight)) {
        Log("No desktop size available");
        desktop = DesktopSize{Match3::kCanvasWidth, Match3::kCanvasHeight, Match3::kCanvasWidth, Match3::kCanvasHeight};
    }
    return desktop;
}

WindowChoice ChooseWindow(const ProgramOptions& options) {
    // The engine log has the desktop's sizes and the window's; the game log starts with the shell's lines.
    return ChooseWindowSize(FindDesktop(options), ReadRememberedWindow(*Frame().settings));
}

// The framework alone: a window, the main loop and a state that draws nothing.
class EmptyShell : public LDvGame {
public:
    EmptyShell() : LDvGame("Quorvane", "Quorvane", 0, 2) {
        Frame().updatesPerSecond = Match3::kUpdatesPerSecond;
    }
    BlankState blank;
};

void RunEmptyShell(const ProgramOptions& options, KTestInput* testInput) {
    EmptyShell shell;
    StartLogging("Quorvane", "0.2", false);
    ApplyWindowChoice(ChooseWindow(options));
    if (!shell.InitGame(WantsFullScreen(options))) return;
    if (testInput != nullptr) Frame().window->setTestInput(testInput);
    SetState(&shell.blank, &shell, false);
    shell.RunGame();
}

struct GameRun {
    bool refused = false;                // the desktop is too small; nothing else happens
    LDvString dataRoot;                  // names the survey table
};

GameRun RunGameObject(const ProgramOptions& options, KTestInput* testInput) {
    GameRun run;
    Match3 game;
    StartLogging("Quorvane", "0.2", GetSettingBool(false, "SHOW_CONSOLE"));
    const WindowChoice window = ChooseWindow(options);
    if (!window.supported) {
        ShowMessage(kResolutionRefusal);
        run.refused = true;
        return run;
    }
    ApplyWindowChoice(window);
    // Loading-screen frames would shift the frame numbers scripted input and captures count on.
    game.progress.showScreen = !options.manualClock;
    game.progress.reportTimes = options.reportLoadTimes;
    if (game.InitGame(WantsFullScreen(options))) {
        if (testInput != nullptr) Frame().window->setTestInput(testInput);
        if (!options.sceneName.empty()) {
            game.EnterFirstScene(options.sceneName);
        } else if (options.movieFirst) {
            game.EnterMovie();
        } else if (options.playFirst) {
            game.EnterPlayScreen();
        } else if (options.campFirst) {
            game.EnterCamp();
        } else if (options.mapFirst) {
            game.EnterMap();
        } else {
            game.EnterFirstState();
        }
        game.RunGame();
    }
    run.dataRoot = GetDataRoot();  // read while settings.ini (and its "RootDir") is still loaded
    return run;
}

// Without an address the program ends at once; with one it waits only while the opener hands
// it to the browser.
void OpenSurvey(const LDvString& dataRoot, bool wait) {
    const LDvString url = SurveyUrl(dataRoot);
    if (!url.empty()) openUrl(url, wait ? kExitWaitMilliseconds : 0);
}

const char* EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "(not set)";
}

// A game nobody can see must not run: it would play its music behind no window.
bool RefuseWithoutDisplay() {
    std::string report;
    if (displayReachable(report)) return false;
    std::fprintf(stderr,
                 "quorvane: no display to show the game on.\n"
                 "  %s (DISPLAY=%s, WAYLAND_DISPLAY=%s, SDL_VIDEODRIVER=%s).\n"
                 "  Start it from a desktop session, or set DISPLAY (X11) or WAYLAND_DISPLAY (Wayland) to a\n"
                 "  running display. SDL_VIDEODRIVER=dummy runs it without one, for tests and tools.\n",
                 report.c_str(), EnvironmentValue("DISPLAY"), EnvironmentValue("WAYLAND_DISPLAY"),
                 EnvironmentValue("SDL_VIDEODRIVER"));
    return true;
}

}  // namespace

int RunProgram(int argc, const char* const* argv) {
    ProgramOptions options;
    LDvString error;
    if (!ParseProgramOptions(argc, argv, options, error)) {
        std::fprintf(stderr, "quorvane: %s\n\n%s", error.c_str(), ProgramUsage());
        return 2;
    }
    if (options.help) {
        std::fputs(ProgramUsage(), stdout);
        return 0;
    }
    if (options.version) {
        std::printf("quorvane %s\n", QV_VERSION);
        return 0;
    }
    const std::unique_ptr<KTestInput> testInput = MakeTestInput(options, error);
    if (!error.empty()) {
        std::fprintf(stderr, "quorvane: %s\n", error.c_str());
        return 2;
    }
    if (RefuseWithoutDisplay()) return kNoDisplayExitCode;
    ApplyOptions(options);
    InstallHooks(options);
    if (options.emptyShell) {
        RunEmptyShell(options, testInput.get());
        SetLoopHooks({});
        StopLogging();
        return 0;
    }
    const GameRun run = RunGameObject(options, testInput.get());
    SetLoopHooks({});
    if (run.refused) {
        StopLogging();
        return 0;
    }
    OpenSurvey(run.dataRoot, options.exitWait);
    StopLogging();
    return 0;
}
