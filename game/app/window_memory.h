#pragma once
// The window's size kept in settings.ini between runs (the machine's setting, not a player's):
// "WINDOW_WIDTH" and "WINDOW_HEIGHT" of the window as last seen neither full screen nor maximised,
// and "WINDOW_MAXIMISED" ("true" or "false").

class KWindow;
class LDvIniFile;

struct RememberedWindow {
    int width = 0;                       // 0 x 0: nothing (usable) remembered
    int height = 0;
    bool maximised = false;
};

// A size that is not a plain positive number of pixels (an edited or damaged file) counts as
// nothing remembered; whether the desktop can show it is for the caller to judge.
RememberedWindow ReadRememberedWindow(const LDvIniFile& settings);

// Stores the window's windowed size and whether it is maximised; writes only what changed.
void RememberWindow(LDvIniFile& settings, const KWindow& window);
