// The program entry lives in the game layer; this file only hands over to it.
#include "game/app/program_entry.h"

int main(int argc, char** argv) { return RunProgram(argc, argv); }
