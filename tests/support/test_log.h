#pragma once
// Names the game in the frame context, makes its save folder (under whatever XDG_DATA_HOME the
// test has set) and starts the game log there, as the program does at start-up.
void StartTestGameLog();
