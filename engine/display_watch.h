#pragma once
// The display going away under a running game (the X server ends, the session logs out). Left to
// itself Xlib prints a line and exits from inside the event pump, and the exit's clean-up then
// talks to the dead display again and hangs there, the sound still playing. Watched, the game's
// last words run (save, close the logs) and the process ends at once.
//
// A Wayland compositor that goes away makes SDL close the window, which the game handles as any
// other close; only X11 needs the watch.

constexpr int kDisplayLostExitCode = 4;

// Called once when the display is lost; must not touch the display. The process ends with
// kDisplayLostExitCode when it returns.
using DisplayLostHandler = void (*)();

// Watches the display of the window just opened (X11 only; any other driver has nothing to watch).
void watchDisplay(DisplayLostHandler handler);

// Test hook: what losing the display runs, ending the process.
[[noreturn]] void loseDisplayForTesting();
