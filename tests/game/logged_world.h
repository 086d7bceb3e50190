#pragma once
// A fresh frame context with the save folder in a temporary folder and the game log on, so tests
// can read what was logged. Sounds without a device log "sound not enabled" each time they are
// played, which lets tests count plays without a sound card.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "tests/support/temp_dir.h"
#include "tests/support/test_log.h"

class LoggedWorld {
public:
    LoggedWorld() {
        ResetFrameForTesting();
        SetMessageBoxHookForTesting([this](const LDvString&, const LDvString&) { ++messageBoxes; });
        StartTestGameLog();
    }
    ~LoggedWorld() {
        ResetFrameForTesting();
        SetMessageBoxHookForTesting({});
    }
    LoggedWorld(const LoggedWorld&) = delete;
    LoggedWorld& operator=(const LoggedWorld&) = delete;

    int countInLog(const std::string& text) const {
        std::ifstream in(GetSaveFolder() + "log.txt", std::ios::binary);
        const std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        int count = 0;
        for (size_t at = all.find(text); at != std::string::npos; at = all.find(text, at + text.size())) ++count;
        return count;
    }

    int messageBoxes = 0;

private:
    TempDir save;
    ScopedEnv xdg{"XDG_DATA_HOME", save.path()};
};
