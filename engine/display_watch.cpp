#include "engine/display_watch.h"

#include <SDL.h>
#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "engine/k_log.h"

namespace {

DisplayLostHandler lostHandler = nullptr;

[[noreturn]] void endWithoutDisplay() {
    engineLog("The display went away: the game ends");
    if (lostHandler != nullptr) lostHandler();
    std::fflush(nullptr);
    // No static destructor may run: the window's would talk to the dead display.
    _exit(kDisplayLostExitCode);
}

int onConnectionLost(Display*) { endWithoutDisplay(); }

}  // namespace

void watchDisplay(DisplayLostHandler handler) {
    lostHandler = handler;
    const char* driver = SDL_GetCurrentVideoDriver();
    // SDL loads the same libX11, so the handler covers its connection.
    if (driver != nullptr && std::strcmp(driver, "x11") == 0) XSetIOErrorHandler(onConnectionLost);
}

void loseDisplayForTesting() { endWithoutDisplay(); }
