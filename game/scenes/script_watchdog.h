#pragma once
// Keeps a scene script from freezing the game or exhausting its memory. Every call into the script
// runs under watch: a line callback on the context aborts the call once it has run past its time
// budget on the real clock (also when the game runs on its manual test clock), once the script has
// added more than its share to the library's heap since its scene was built, or once it keeps more
// collectable objects than the library can destroy without a long stall (the collector frees a
// chain of n objects in time growing with n squared). The call then counts as not finished.
// Runaway recursion and stack growth are bounded by the engine properties set from the same limits.
#include <angelscript.h>

#include <chrono>
#include <cstddef>

#include "framework/core/ldv_string.h"

// The library aborts the process when anything it counts (the users of an object or of a script
// type) reaches a million. Every such user is a handle slot of at least 8 bytes or an object of at
// least 40, so 4 MiB of script heap keeps all of them far below that.
struct ScriptLimits {
    int timeBudgetMs = 250;               // real time one call may run
    size_t heapBytes = size_t{4} << 20;   // library heap a scene may add after its build
    asUINT collectedObjects = 1000;       // script objects the garbage collector keeps at once
    asUINT callDepth = 256;               // nested script calls (asEP_MAX_CALL_STACK_SIZE)
    asUINT stackBytes = 1u << 20;         // the context's stack (asEP_MAX_STACK_SIZE)
};

class ScriptWatchdog {
public:
    enum class Stop { None, Time, Memory, Objects };

    explicit ScriptWatchdog(const ScriptLimits& limits) : limits(limits) {}
    ScriptWatchdog(const ScriptWatchdog&) = delete;
    ScriptWatchdog& operator=(const ScriptWatchdog&) = delete;

    // Puts the watch on a context; the watchdog must outlive it.
    bool Watch(asIScriptContext& context);
    // The heap a scene starts with; the script's growth is measured from here.
    void SetHeapBaseline(size_t bytes) { heapLimit = bytes + limits.heapBytes; }
    // Starts the budget of one call.
    void Begin();
    Stop Reason() const { return stop; }
    // Why the last call was stopped, for the log.
    LDvString Describe() const;

private:
    static void OnLine(asIScriptContext* context, void* watchdog);
    Stop Check(asIScriptContext& context) const;

    const ScriptLimits& limits;
    std::chrono::steady_clock::time_point deadline;
    size_t heapLimit = 0;
    Stop stop = Stop::None;
    unsigned lines = 0;  // line cues seen, wrapping
};
