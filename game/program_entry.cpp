#include "game/program_entry.h"

#include <chrono>
#include <cstdio>
#include <vector>

#include "engine/image_codec.h"
#include "engine/k_clock.h"
#include "engine/k_files.h"
#include "engine/k_log.h"
#include "engine/k_system.h"
#include "engine/k_window.h"
#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/main_loop.h"
#include "framework/core/state_control.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/settings.h"
#include "game/match3.h"
#include "game/program_options.h"

namespace {

constexpr uint32_t kExitWaitMilliseconds = 10000;

void ApplyOptions(const ProgramOptions& options) {
    if (options.manualClock) setManualClock(true);
    if (!options.dataFolder.empty()) {
        setGameBaseFolder(options.dataFolder);
        Frame().rootDirOverride = options.dataFolder;
    }
    if (!options.saveParent.empty()) SetAppDataFolderOverride(options.saveParent);
}

bool Contains(const std::vector<int>& frames, int frame) {
    for (int f : frames) {
        if (f == frame) return true;
    }
    return false;
}

void CaptureFrame(const ProgramOptions& options, int frame) {
    if (!options.captureFrames.empty() && !Contains(options.captureFrames, frame)) return;
    std::vector<uint32_t> pixels;
    int width = 0, height = 0;
    if (Frame().window == nullptr || !Frame().window->readPixels(pixels, width, height)) return;
    char name[32];
    std::snprintf(name, sizeof name, "/frame_%05d.png", frame);
    writePngFile(options.captureFolder + name, pixels.data(), width, height);
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
    if (!options.captureFolder.empty()) {
        hooks.beforePresent = [&options](int frame) { CaptureFrame(options, frame); };
    }
    hooks.afterPresent = [&options](int frame) { AfterPresent(options, frame); };
    SetLoopHooks(std::move(hooks));
}

// An empty value means full screen as well; only a missing key falls back to the default.
bool WantsFullScreen(const ProgramOptions& options) {
    if (options.windowed) return false;
    const LDvIniFile& settings = *Frame().settings;
    if (!settings.HasKey(nullptr, "FULL_SCREEN")) return true;
    const LDvString value = settings.GetString(nullptr, "FULL_SCREEN", "");
    return value.empty() || value == "true" || value == "1";
}

// Runs the game; returns the data root it used, which names the survey table.
LDvString RunGameObject(const ProgramOptions& options) {
    Match3 game;
    StartLogging("Quorvane", "0.2", GetSettingBool(false, "SHOW_CONSOLE"));
    if (game.InitGame(WantsFullScreen(options))) {
        SetState(&game.FirstState(), &game, false);
        game.RunGame();
    }
    return GetDataRoot();  // read while settings.ini (and its "RootDir") is still loaded
}

void OpenSurvey(const LDvString& dataRoot) {
    LDvIniFile urls(dataRoot + "urls.ini");
    const LDvString url = urls.GetString(nullptr, "SURVEY_URL", "");
    if (!url.empty()) openUrl(url);
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
    ApplyOptions(options);
    InstallHooks(options);
    const LDvString dataRoot = RunGameObject(options);
    OpenSurvey(dataRoot);
    SetLoopHooks({});
    if (options.exitWait) sleepMilliseconds(kExitWaitMilliseconds);
    endEngineLog();
    return 0;
}
