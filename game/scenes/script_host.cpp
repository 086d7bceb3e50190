#include "game/scenes/script_host.h"

#include "framework/core/game_log.h"
#include "game/scenes/ldv_script_string.h"
#include "game/scenes/script_memory.h"

namespace {

constexpr const char* kModuleName = "Module";
constexpr const char* kSectionName = "Script";

// Compiler and engine messages, one log line each; the section name and the column are not shown.
void OnScriptMessage(const asSMessageInfo* message, void*) {
    const char* type = "ERR ";
    if (message->type == asMSGTYPE_WARNING) type = "WARN";
    else if (message->type == asMSGTYPE_INFORMATION) type = "INFO";
    Log("Angelscript Error: (Line : " + std::to_string(message->row) + ") : " + type + " : " +
        (message->message != nullptr ? message->message : "") + "\n");
}

}  // namespace

ScriptHost::ScriptHost(const ScriptLimits& limits, const ScriptTextLimits& textLimits)
    : limits(limits), textLimits(textLimits) {}

ScriptHost::~ScriptHost() = default;

void ScriptHost::EngineRelease::operator()(asIScriptEngine* engine) const { engine->ShutDownAndRelease(); }

void ScriptHost::ContextRelease::operator()(asIScriptContext* context) const { context->Release(); }

bool ScriptHost::InitScriptHost(const Registrations& registerMore) {
    if (engine != nullptr) return true;
    InstallScriptMemoryCounting();
    engine.reset(asCreateScriptEngine());
    if (engine == nullptr) {
        Log("Script engine could not be created");
        return false;
    }
    engine->SetMessageCallback(asFUNCTION(OnScriptMessage), nullptr, asCALL_CDECL);
    SetEngineProperties();
    bool registered = RegisterLDvString(*engine, strings);
    if (registered && registerMore) registered = registerMore(*this);
    return registered;
}

// Global initialisers run afterwards on the watched context rather than inside Build, where an
// endless one could not be stopped. Line cues stay on: the watchdog runs on them.
void ScriptHost::SetEngineProperties() {
    engine->SetEngineProperty(asEP_INIT_GLOBAL_VARS_AFTER_BUILD, false);
    engine->SetEngineProperty(asEP_BUILD_WITHOUT_LINE_CUES, false);
    engine->SetEngineProperty(asEP_MAX_CALL_STACK_SIZE, limits.callDepth);
    engine->SetEngineProperty(asEP_MAX_STACK_SIZE, limits.stackBytes);
}

bool ScriptHost::RegisterFunction(const char* declaration, const asSFuncPtr& function) {
    if (engine == nullptr) return false;
    const int result = engine->RegisterGlobalFunction(declaration, function, asCALL_CDECL);
    if (result >= 0) return true;
    Log(LDvString("Script engine refused ") + declaration + " (" + std::to_string(result) + ")");
    return false;
}

bool ScriptHost::BuildSceneModule(const LDvString& sceneName, const LDvString& scriptText) {
    scriptName = sceneName;
    functions.clear();
    // The old context may still refer to the old script's functions.
    context.reset();
    if (engine == nullptr) {
        Log("Script " + scriptName + " not built: the script engine is not running");
        return false;
    }
    module = engine->GetModule(kModuleName, asGM_CREATE_IF_NOT_EXISTS);
    bool built = module != nullptr && Compile(scriptText);
    watchdog.SetHeapBaseline(ScriptHeapBytes());
    built = MakeContext() && built && InitialiseGlobals();
    if (!built) DiscardModule();
    return built;
}

bool ScriptHost::Compile(const LDvString& scriptText) {
    LDvString problem;
    if (!ScreenScriptText(scriptText, textLimits, problem)) {
        Log("Script " + scriptName + " not built: " + problem);
        return false;
    }
    if (module->AddScriptSection(kSectionName, scriptText.data(), scriptText.size()) < 0) {
        Log("Script " + scriptName + " not built: its text was refused");
        return false;
    }
    return module->Build() >= 0;
}

bool ScriptHost::MakeContext() {
    context.reset(engine->CreateContext());
    if (context == nullptr || !watchdog.Watch(*context)) {
        Log("Script " + scriptName + ": no context to run it in");
        context.reset();
        return false;
    }
    return true;
}

bool ScriptHost::InitialiseGlobals() {
    watchdog.Begin();
    if (module->ResetGlobalVars(context.get()) >= 0) return true;
    // The library has logged which variable failed, without naming the script.
    if (watchdog.Reason() != ScriptWatchdog::Stop::None) {
        Log(Label("global variables") + " stopped: " + watchdog.Describe());
    } else {
        Log(Label("global variables") + " failed");
    }
    context->Unprepare();
    return false;
}

// Calls then find nothing, exactly as after a failed build; the next build makes a new module.
void ScriptHost::DiscardModule() {
    functions.clear();
    if (module != nullptr) module->Discard();
    module = nullptr;
    if (engine != nullptr) CollectGarbage(true);
}

LDvString ScriptHost::Label(std::string_view entryPoint) const {
    return "Script " + scriptName + ": " + LDvString(entryPoint);
}
