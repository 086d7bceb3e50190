#pragma once
// The script host: one AngelScript engine for the whole run, one module ("Module") rebuilt from each
// scene's script, and one context through which every call into the script runs. The host owns the
// engine, the engine owns the module, and the context is replaced by every build; the string
// factory outlives all three. Calls come from the main thread one at a time, each under the
// watchdog, so a script that loops, recurses or allocates without end only loses that call.
#include <angelscript.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string_view>
#include <utility>

#include "framework/core/ldv_string.h"
#include "game/scenes/script_string_factory.h"
#include "game/scenes/script_text_limits.h"
#include "game/scenes/script_watchdog.h"

class ScriptHost {
public:
    // Registers more functions (the scene functions) right after the host's own.
    using Registrations = std::function<bool(ScriptHost&)>;

    explicit ScriptHost(const ScriptLimits& limits = {}, const ScriptTextLimits& textLimits = {});
    ~ScriptHost();
    ScriptHost(const ScriptHost&) = delete;
    ScriptHost& operator=(const ScriptHost&) = delete;

    // Creates the engine once and registers LDvString, STR and then `registerMore`; false when any
    // registration failed (the engine stays, scripts that need the missing parts fail to build).
    bool InitScriptHost(const Registrations& registerMore = {});
    // A global function with the plain C calling convention; false, with a log line, when refused.
    bool RegisterFunction(const char* declaration, const asSFuncPtr& function);

    // Replaces the module's functions and globals with the scene's script, made fresh. The name only
    // labels log lines. False when the script was refused, failed to compile or its global
    // initialisers did not finish; the module is then empty and every call behaves as missing.
    bool BuildSceneModule(const LDvString& sceneName, const LDvString& scriptText);

    // The call shapes. A missing function does nothing, or logs "Trouble calling func : " where the
    // shape says so; a call that does not finish gives false or the empty text.
    void CallVoid(const char* declaration);
    void CallWithPoint(const char* declaration, int x, int y);  // logs when missing
    void CallWithText(const char* declaration, const LDvString& text);
    bool CallForBool(const char* declaration, const LDvString& first, const LDvString& second);
    LDvString CallForText(const char* declaration);
    LDvString CallForTextAt(const char* declaration, int x, int y, const LDvString& text);  // logs when missing

    asIScriptEngine* Engine() const { return engine.get(); }
    asIScriptModule* Module() const { return module; }
    const ScriptLimits& Limits() const { return limits; }

private:
    enum class WhenMissing { Quiet, Log };

    // Out of line, like every call into the library (see CMakeLists.txt on the sanitizer checks).
    struct EngineRelease {
        void operator()(asIScriptEngine* engine) const;
    };
    struct ContextRelease {
        void operator()(asIScriptContext* context) const;
    };

    void SetEngineProperties();
    bool Compile(const LDvString& scriptText);
    bool MakeContext();
    bool InitialiseGlobals();
    void DiscardModule();

    asIScriptFunction* Find(const char* declaration);
    asIScriptContext* Prepare(const char* declaration, WhenMissing whenMissing);
    bool Run(const char* declaration);
    void LogMissingOnce(const char* declaration);
    void ReportUnfinished(const char* declaration, int result);
    void CollectGarbage(bool always);
    LDvString Label(std::string_view entryPoint) const;

    const ScriptLimits limits;
    const ScriptTextLimits textLimits;
    ScriptWatchdog watchdog{limits};
    ScriptStringFactory strings;

    // In the order the game keeps them; destroyed in reverse, the context first.
    std::unique_ptr<asIScriptEngine, EngineRelease> engine;
    asIScriptModule* module = nullptr;
    std::unique_ptr<asIScriptContext, ContextRelease> context;

    LDvString scriptName;
    // Declarations already looked up in the current build (null when the script lacks them).
    std::map<LDvString, asIScriptFunction*, std::less<>> functions;
    // (scene, declaration) pairs whose missing function was logged already; a few per scene.
    std::set<std::pair<LDvString, LDvString>> reportedMissing;
};
