// Calling into the scene's script: look the function up, prepare the context, pass the arguments,
// run it under the watchdog and read the result only when the run finished.
#include "framework/core/game_log.h"
#include "game/scenes/script_host.h"

void ScriptHost::CallVoid(const char* declaration) {
    if (Prepare(declaration, WhenMissing::Quiet) != nullptr) Run(declaration);
}

void ScriptHost::CallWithPoint(const char* declaration, int x, int y) {
    asIScriptContext* call = Prepare(declaration, WhenMissing::Log);
    if (call == nullptr) return;
    call->SetArgDWord(0, static_cast<asDWORD>(x));
    call->SetArgDWord(1, static_cast<asDWORD>(y));
    Run(declaration);
}

void ScriptHost::CallWithText(const char* declaration, const LDvString& text) {
    asIScriptContext* call = Prepare(declaration, WhenMissing::Quiet);
    if (call == nullptr) return;
    call->SetArgObject(0, const_cast<LDvString*>(&text));
    Run(declaration);
}

bool ScriptHost::CallForBool(const char* declaration, const LDvString& first, const LDvString& second) {
    asIScriptContext* call = Prepare(declaration, WhenMissing::Quiet);
    if (call == nullptr) return false;
    call->SetArgObject(0, const_cast<LDvString*>(&first));
    call->SetArgObject(1, const_cast<LDvString*>(&second));
    // OnCombine goes through this shape too: a function that returns no bool answers false.
    const bool answers = call->GetFunction()->GetReturnTypeId() == asTYPEID_BOOL;
    return Run(declaration) && answers && call->GetReturnByte() != 0;
}

LDvString ScriptHost::CallForText(const char* declaration) {
    asIScriptContext* call = Prepare(declaration, WhenMissing::Quiet);
    if (call == nullptr || !Run(declaration)) return {};
    const auto* result = static_cast<const LDvString*>(call->GetReturnObject());
    return result != nullptr ? *result : LDvString();
}

LDvString ScriptHost::CallForTextAt(const char* declaration, int x, int y, const LDvString& text) {
    asIScriptContext* call = Prepare(declaration, WhenMissing::Log);
    if (call == nullptr) return {};
    call->SetArgDWord(0, static_cast<asDWORD>(x));
    call->SetArgDWord(1, static_cast<asDWORD>(y));
    call->SetArgObject(2, const_cast<LDvString*>(&text));
    if (!Run(declaration)) return {};
    const auto* result = static_cast<const LDvString*>(call->GetReturnObject());
    return result != nullptr ? *result : LDvString();
}

// Looked up once per build: the library parses the declaration on every lookup.
asIScriptFunction* ScriptHost::Find(const char* declaration) {
    if (module == nullptr) return nullptr;
    const auto known = functions.find(std::string_view(declaration));
    if (known != functions.end()) return known->second;
    asIScriptFunction* function = module->GetFunctionByDecl(declaration);
    functions.emplace(declaration, function);
    return function;
}

asIScriptContext* ScriptHost::Prepare(const char* declaration, WhenMissing whenMissing) {
    asIScriptFunction* function = Find(declaration);
    if (function == nullptr || context == nullptr) {
        if (whenMissing == WhenMissing::Log) LogMissingOnce(declaration);
        return nullptr;
    }
    // The one context is busy while a script runs: a host function must not call back into it.
    if (context->GetState() == asEXECUTION_ACTIVE) {
        Log(Label(declaration) + " not called: the script is already running");
        return nullptr;
    }
    if (context->Prepare(function) < 0) {
        Log(Label(declaration) + " could not be prepared");
        return nullptr;
    }
    return context.get();
}

// The pointer's entry points are called on every move: a scene whose script failed to build would
// otherwise repeat the same line for as long as it is shown.
void ScriptHost::LogMissingOnce(const char* declaration) {
    if (!reportedMissing.emplace(scriptName, declaration).second) return;
    Log(LDvString("Trouble calling func : ") + declaration);
}

bool ScriptHost::Run(const char* declaration) {
    watchdog.Begin();
    const int result = context->Execute();
    if (result == asEXECUTION_FINISHED) {
        CollectGarbage(false);
        return true;
    }
    ReportUnfinished(declaration, result);
    // Drops what the broken call still held, so the next call starts within its limits.
    context->Unprepare();
    CollectGarbage(true);
    return false;
}

void ScriptHost::ReportUnfinished(const char* declaration, int result) {
    if (result == asEXECUTION_ABORTED) {
        Log(Label(declaration) + " stopped: " + watchdog.Describe());
        return;
    }
    if (result != asEXECUTION_EXCEPTION) {
        Log(Label(declaration) + " did not finish (" + std::to_string(result) + ")");
        context->Abort();
        return;
    }
    const char* what = context->GetExceptionString();
    LDvString where = "line " + std::to_string(context->GetExceptionLineNumber());
    if (const asIScriptFunction* function = context->GetExceptionFunction()) {
        where += LDvString(" of ") + function->GetDeclaration();
    }
    Log(Label(declaration) + " failed: " + (what != nullptr ? what : "script exception") + " (" + where + ")");
}

// Objects in reference cycles wait for the collector; a full pass once they reach half the limit
// keeps a script that makes such garbage every step from running into the limit.
void ScriptHost::CollectGarbage(bool always) {
    asUINT collected = 0;
    engine->GetGCStatistics(&collected);
    if (always || collected > limits.collectedObjects / 2) engine->GarbageCollect(asGC_FULL_CYCLE);
}
