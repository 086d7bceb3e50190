#include "game/scenes/script_watchdog.h"

#include "game/scenes/script_memory.h"

namespace {

// Reading the clock and the collector's figures on every line would cost several times what simple
// script lines do; a few dozen lines run in well under a millisecond and allocate little.
constexpr unsigned kLinesPerCheck = 32;

LDvString Amount(size_t bytes) {
    constexpr size_t kMiB = size_t{1} << 20;
    if (bytes % kMiB == 0) return std::to_string(bytes / kMiB) + " MiB";
    return std::to_string(bytes >> 10) + " KiB";
}

}  // namespace

bool ScriptWatchdog::Watch(asIScriptContext& context) {
    return context.SetLineCallback(asFUNCTION(OnLine), this, asCALL_CDECL) >= 0;
}

void ScriptWatchdog::Begin() {
    stop = Stop::None;
    deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(limits.timeBudgetMs);
}

void ScriptWatchdog::OnLine(asIScriptContext* context, void* watchdog) {
    auto& self = *static_cast<ScriptWatchdog*>(watchdog);
    if (self.stop != Stop::None || ++self.lines % kLinesPerCheck != 0) return;
    self.stop = self.Check(*context);
    if (self.stop != Stop::None) context->Abort();
}

ScriptWatchdog::Stop ScriptWatchdog::Check(asIScriptContext& context) const {
    if (std::chrono::steady_clock::now() > deadline) return Stop::Time;
    if (ScriptHeapBytes() > heapLimit) return Stop::Memory;
    asUINT collected = 0;
    context.GetEngine()->GetGCStatistics(&collected);
    if (collected > limits.collectedObjects) return Stop::Objects;
    return Stop::None;
}

LDvString ScriptWatchdog::Describe() const {
    switch (stop) {
        case Stop::Time: return "ran past its " + std::to_string(limits.timeBudgetMs) + " ms budget";
        case Stop::Memory: return "used more than its " + Amount(limits.heapBytes) + " of memory";
        case Stop::Objects:
            return "kept more than " + std::to_string(limits.collectedObjects) + " script objects";
        case Stop::None: break;
    }
    return "was aborted";
}
