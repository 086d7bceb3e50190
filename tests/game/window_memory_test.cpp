// The window's size kept in settings.ini from one run to the next.
#include "game/app/window_memory.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "engine/k_window.h"
#include "framework/data/ldv_ini_file.h"
#include "tests/support/temp_dir.h"

TEST(WindowMemory, TheWindowedSizeComesBackFromTheSettingsFile) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    TempDir dir;
    const std::string path = dir.file("settings.ini");
    {
        KWindow window(K_RENDERER_SOFTWARE);
        window.setAspectCorrection(true);
        ASSERT_TRUE(window.createGameWindow(1600, 900, 32, true, "Quorvane", 0));
        SDL_SetWindowSize(SDL_RenderGetWindow(window.sdlRenderer()), 1500, 1000);
        window.flipBackBuffer(false);
        // Full screen at the end of the run: what is remembered is the window it came from.
        ASSERT_TRUE(window.toggleFullScreen(true));
        LDvIniFile settings(path);
        settings.SetAutoSave(true);
        settings.SetString(nullptr, "FULL_SCREEN", "true");
        RememberWindow(settings, window);
    }
    LDvIniFile next(path);
    const RememberedWindow remembered = ReadRememberedWindow(next);
    EXPECT_EQ(remembered.width, 1500);
    EXPECT_EQ(remembered.height, 1000);
    EXPECT_FALSE(remembered.maximised);
    EXPECT_EQ(next.GetString(nullptr, "FULL_SCREEN", ""), "true") << "the other settings stay";
}
