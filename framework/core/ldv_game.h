#pragma once
// The framework's application base: one instance per process (the game derives Match3 from it).
// Constructing it fills the frame context with the game's names, creates the save folder and loads
// settings.ini; InitGame opens the window, which the frame context owns until UninitGame; RunGame
// runs the fixed-step main loop. The settings stay loaded until the game object is destroyed.
#include <cstdint>

#include "framework/core/ldv_string.h"

class LDvGame {
public:
    LDvGame(const char* gameName, const char* title, long versionMajor, long versionMinor);
    virtual ~LDvGame();
    LDvGame(const LDvGame&) = delete;
    LDvGame& operator=(const LDvGame&) = delete;

    virtual bool OnInit();                       // shared resources; false ends the start-up
    virtual void OnTick();                       // once per fixed step
    virtual void OnExit();                       // during shutdown
    virtual void OnFocusChange(bool active);     // window activated or deactivated

    // Called by the black-out when a fade to a scene state completes: load the named scene first.
    virtual void LoadSceneForFade(const LDvString& sceneName);

    bool InitGame(bool fullScreen);              // false when no window opens or OnInit fails
    void RunGame();                              // the main loop, then UninitGame
    void UninitGame();

    int32_t selectedPlayer = -1;                 // -1 while no player is selected
};
