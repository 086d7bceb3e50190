#pragma once
// The engine clock: milliseconds since the first call. Tests and the test mode can replace it
// with a manual clock that only moves when told to.
#include <cstdint>

uint32_t getMilliseconds();

void setManualClock(bool manual);            // switching on freezes the clock at its current reading
bool isManualClock();
void advanceManualClock(uint32_t milliseconds);

// Sleeps the calling thread; with the manual clock on, advances that clock instead.
void sleepMilliseconds(uint32_t milliseconds);
