#pragma once
// Counts the bytes the script library holds on the heap (compiled code, script objects, context
// stacks), so the watchdog can stop a scene script that piles up objects before memory runs out.
// The counting allocator serves the whole process and must be in place before the first script
// engine is created; the script host installs it.
#include <cstddef>

void InstallScriptMemoryCounting();
size_t ScriptHeapBytes();
