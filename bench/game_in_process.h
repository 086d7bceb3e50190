#pragma once
// The whole game in a benchmark's process: the game object on the default data, a save folder of
// its own, the software renderer on SDL's dummy video driver at the asked window size, one player
// with tips off. Benchmarks step it into the scene they measure, then draw frame after frame.
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "engine/k_files.h"
#include "engine/k_window.h"
#include "framework/core/event_dispatch.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/game_random.h"
#include "framework/core/main_loop.h"
#include "framework/data/player_profiles.h"
#include "framework/ui/overlay_registry.h"
#include "game/app/match3.h"

class GameInProcess {
public:
    static constexpr int kCanvasWidth = 1600;

    GameInProcess(const char* name, int windowWidth, int windowHeight) {
        setenv("SDL_VIDEODRIVER", "dummy", 0);
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        save = std::filesystem::temp_directory_path() / (std::string(name) + "_" + std::to_string(windowWidth));
        std::filesystem::create_directories(save);
        setenv("XDG_DATA_HOME", save.c_str(), 1);
        ResetFrameForTesting();
        SeedGameRand(1);
        setGameBaseFolder(QV_DATA_DIR);
        game = std::make_unique<Match3>();
        Frame().rootDirOverride = QV_DATA_DIR;
        StartLogging("Quorvane", "0.2", false);
        Scale(windowWidth, windowHeight);
        if (!game->InitGame(false)) return;
        CreatePlayer(0, "Bench");
        SetPlayerInt(nullptr, "SHOW_TIPS", 0);
        started = true;
    }
    ~GameInProcess() {
        if (Frame().window != nullptr) game->UninitGame();
        game.reset();
        ResetFrameForTesting();
        std::error_code ec;
        std::filesystem::remove_all(save, ec);
    }
    GameInProcess(const GameInProcess&) = delete;
    GameInProcess& operator=(const GameInProcess&) = delete;

    void Step(int count) {
        for (int i = 0; i < count; ++i) {
            RunOneStep();
            DispatchEvents();
        }
    }

    void DrawFrame() {
        KWindow& window = *Frame().window;
        window.setDefaultWorldView();
        DrawOverlays();
        window.flipBackBuffer(false);
    }

    Match3& Game() { return *game; }
    bool started = false;

private:
    static void Scale(int width, int height) {
        FrameContext& frame = Frame();
        frame.width = static_cast<int16_t>(width);
        frame.height = static_cast<int16_t>(height);
        if (width == kCanvasWidth) return;
        frame.displayScaled = frame.displayCentreScaling = true;
        frame.displayScale = static_cast<float>(width) / kCanvasWidth;
        frame.inverseDisplayScale = 1.0f / frame.displayScale;
    }

    std::filesystem::path save;
    std::unique_ptr<Match3> game;
};
