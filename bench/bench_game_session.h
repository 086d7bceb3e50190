#pragma once
// The whole game in a benchmark's process: the default data, the software renderer on SDL's dummy
// video driver, a save folder of its own in the temporary folder (removed at the end) and a player
// with the tips off. The frame benchmarks set a screen up through it, then draw frame after frame.
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "engine/k_files.h"
#include "engine/k_window.h"
#include "framework/core/event_dispatch.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/main_loop.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/match3.h"

class BenchGameSession {
public:
    // `beforeInit` runs once the frame is reset, before the game opens its window.
    BenchGameSession(const std::string& saveName, const std::function<void()>& beforeInit) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        save = std::filesystem::temp_directory_path() / saveName;
        std::filesystem::create_directories(save);
        setenv("XDG_DATA_HOME", save.c_str(), 1);
        ResetFrameForTesting();
        setGameBaseFolder(QV_DATA_DIR);
        game = std::make_unique<Match3>();
        Frame().rootDirOverride = QV_DATA_DIR;
        StartLogging("Quorvane", "0.2", false);
        if (beforeInit) beforeInit();
        started = game->InitGame(false);
        if (!started) return;
        DeletePlayer(0);
        CreatePlayer(0, "Bench");
        SetPlayerInt(nullptr, "SHOW_TIPS", 0);
    }
    ~BenchGameSession() {
        if (Frame().window != nullptr) game->UninitGame();
        game.reset();
        ResetFrameForTesting();
        std::error_code ec;
        std::filesystem::remove_all(save, ec);
    }
    BenchGameSession(const BenchGameSession&) = delete;
    BenchGameSession& operator=(const BenchGameSession&) = delete;

    bool Started() const { return started; }
    Match3& Game() { return *game; }

    // Steps of the game as the main loop takes them, without drawing.
    static void Step(int count) {
        for (int i = 0; i < count; ++i) {
            RunOneStep();
            DispatchEvents();
        }
    }
    static void DrawFrame() {
        KWindow& window = *Frame().window;
        window.setDefaultWorldView();
        DrawOverlays();
        window.flipBackBuffer(false);
    }

private:
    std::filesystem::path save;
    std::unique_ptr<Match3> game;
    bool started = false;
};
