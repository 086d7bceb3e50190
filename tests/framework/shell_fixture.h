#pragma once
// A fresh frame context per test, with the user's data folder (and so the save folder) in a
// temporary folder and message boxes recorded instead of shown.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "tests/support/temp_dir.h"

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetFrameForTesting();
        SetMessageBoxHookForTesting([this](const std::string& caption, const std::string& text) {
            messageBoxes.push_back(caption + " | " + text);
        });
    }
    void TearDown() override {
        ResetFrameForTesting();
        SetMessageBoxHookForTesting({});
    }

    TempDir dataHome;
    ScopedEnv xdg{"XDG_DATA_HOME", dataHome.path()};
    std::vector<std::string> messageBoxes;
};
