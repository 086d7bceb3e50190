#pragma once
// The program: reads the options, runs the game object from start-up to shutdown, opens the
// survey page and waits before exiting. Returns the process exit code.
int RunProgram(int argc, const char* const* argv);
