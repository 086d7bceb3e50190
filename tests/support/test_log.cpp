#include "tests/support/test_log.h"

#include <filesystem>

#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"

void StartTestGameLog() {
    FrameContext& frame = Frame();
    frame.gameName = "Quorvane";
    frame.versionMajor = 0;
    frame.versionMinor = 2;
    std::error_code ec;
    std::filesystem::create_directories(GetSaveFolder(), ec);
    StartLogging("Quorvane", "0.2", false);
}
