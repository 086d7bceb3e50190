#include "engine/k_log.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>
#include <mutex>
#include <string>

namespace {

constexpr size_t kPendingCapacity = 8192;  // lines logged before the file opens wait here
constexpr size_t kMaxLineLength = 2048;

// The sound thread logs too, so every access goes through the lock.
struct EngineLogState {
    std::mutex lock;
    std::FILE* file = nullptr;
    std::string pending;

    ~EngineLogState() {
        // A run that never called endEngineLog still gets its closing line.
        if (file) {
            std::fputs("End log\n", file);
            std::fclose(file);
        }
    }
};

EngineLogState& logState() {
    static EngineLogState state;
    return state;
}

std::string stampedLine(const char* message) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char line[kMaxLineLength + 16];
    std::snprintf(line, sizeof line, "%02d:%02d:%02d: %s\n", local.tm_hour, local.tm_min, local.tm_sec, message);
    return line;
}

}  // namespace

void startEngineLog(const char* titleA, const char* titleB, const char* path) {
    EngineLogState& state = logState();
    std::lock_guard<std::mutex> guard(state.lock);
    if (state.file) std::fclose(state.file);
    state.file = std::fopen(path ? path : "", "w");
    if (!state.file) return;  // lines keep collecting in the buffer
    std::fprintf(state.file, "Start log: %s %s\n", titleA ? titleA : "", titleB ? titleB : "");
    std::fputs(state.pending.c_str(), state.file);
    state.pending.clear();
    std::fflush(state.file);
}

void engineLog(const char* format, ...) {
    char message[kMaxLineLength];
    va_list args;
    va_start(args, format);
    std::vsnprintf(message, sizeof message, format, args);
    va_end(args);
    const std::string line = stampedLine(message);

    EngineLogState& state = logState();
    std::lock_guard<std::mutex> guard(state.lock);
    if (state.file) {
        std::fputs(line.c_str(), state.file);
        std::fflush(state.file);
    } else if (state.pending.size() + line.size() <= kPendingCapacity) {
        state.pending += line;
    }
}

void endEngineLog() {
    EngineLogState& state = logState();
    std::lock_guard<std::mutex> guard(state.lock);
    if (!state.file) return;
    std::fputs("End log\n", state.file);
    std::fclose(state.file);
    state.file = nullptr;
}
