#include "game/scenes/psd_log.h"

#include <cstdarg>
#include <cstdio>

#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"

bool PsdTraceOn() {
    const FrameContext& frame = Frame();
    return frame.loggingEnabled && frame.logLevel >= kPsdTraceLevel;
}

void PsdTrace(const LDvString& line) {
    if (PsdTraceOn()) Log(line, kPsdTraceLevel);
}

void PsdTracef(const char* format, ...) {
    if (!PsdTraceOn()) return;
    char line[256];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(line, sizeof line, format, arguments);
    va_end(arguments);
    Log(line, kPsdTraceLevel);
}
