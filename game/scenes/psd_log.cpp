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
    va_list arguments;
    va_start(arguments, format);
    va_list measuring;
    va_copy(measuring, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, measuring);
    va_end(measuring);
    // Layer names run to 255 bytes, so the line is sized to what it holds.
    LDvString line(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    std::vsnprintf(line.data(), line.size() + 1, format, arguments);
    va_end(arguments);
    Log(line, kPsdTraceLevel);
}
