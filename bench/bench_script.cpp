// The cost of calling into a scene script, which happens every step (OnTick) and on every mouse move.
// - ScriptCallOnTick/0: OnTick of the default scene script (its empty body; the variant that builds).
// - ScriptCallOnTick/1: OnTick of a script doing a little scene work: counters, a swinging angle
//   from a small loop and a status text rebuilt every half second.
// - ScriptLoopWatched / ScriptLoopUnwatched: 10,000 loop iterations with and without the
//   watchdog's line callback, for its share of the cost.
// - ScriptBuildScene: building a 200-line scene script into the module (once per scene load).
// - ScriptEndlessCallStopped: an OnTick that never ends, until the watchdog stops it (budget 250 ms;
//   milliseconds, for how far past the budget the stop lands).
// Microseconds per call; `make bench` reports medians over repetitions.
#include <benchmark/benchmark.h>

#include <angelscript.h>

#include <string>

#include "framework/core/frame_context.h"
#include "game/scenes/default_scene_script.h"
#include "game/scenes/script_host.h"
#include "game/scenes/script_memory.h"

namespace {

constexpr const char* kBusyScript = R"(
    int frame = 0;
    float angle = 0;
    float swing = 0;
    LDvString status;
    void OnTick() {
        frame++;
        angle += 1.5f;
        if (angle > 360) angle -= 360;
        swing = 0;
        for (int i = 0; i < 8; i++) swing += angle * 0.01f * i;
        if (frame % 30 == 0) status = "frame " + STR(frame) + " swing " + STR(swing);
    })";

constexpr const char* kLoopScript = R"(
    int total = 0;
    void OnTick() { for (int i = 0; i < 10000; i++) total += i & 7; })";

// A scene script of realistic length: globals, a dispatcher over many sections, helpers.
std::string SceneOfTwoHundredLines() {
    std::string script = "int step = 0;\nLDvString last;\n";
    script += "void OnInteract(LDvString id) {\n  if (id == \"S0\") { step = 0; }\n";
    for (int i = 1; i < 60; ++i) {
        script += "  else if (id == \"S" + std::to_string(i) + "\") { step = " + std::to_string(i) + "; last = id; }\n";
    }
    script += "}\n";
    for (int i = 0; i < 30; ++i) {
        const std::string n = std::to_string(i);
        script += "int Helper" + n + "(int x) {\n  int y = x * " + n + ";\n  if (y > 100) y -= 100;\n  return y;\n}\n";
    }
    return script + "void OnTick() { step = Helper3(step); }\n";
}

void BuildOrSkip(benchmark::State& state, ScriptHost& host, const std::string& script) {
    if (!host.InitScriptHost() || !host.BuildSceneModule("bench", script)) state.SkipWithError("script not built");
}

void ScriptCallOnTick(benchmark::State& state) {
    ResetFrameForTesting();
    ScriptHost host;
    BuildOrSkip(state, host, state.range(0) == 0 ? DefaultSceneScriptThatBuilds() : kBusyScript);
    for (auto _ : state) host.CallVoid("void OnTick()");
}
BENCHMARK(ScriptCallOnTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

void ScriptLoopWatched(benchmark::State& state) {
    ResetFrameForTesting();
    ScriptHost host;
    BuildOrSkip(state, host, kLoopScript);
    for (auto _ : state) host.CallVoid("void OnTick()");
}
BENCHMARK(ScriptLoopWatched)->Unit(benchmark::kMicrosecond);

// The same loop on a bare engine and context, with no line callback.
void ScriptLoopUnwatched(benchmark::State& state) {
    InstallScriptMemoryCounting();
    asIScriptEngine* engine = asCreateScriptEngine();
    asIScriptModule* module = engine->GetModule("Module", asGM_CREATE_IF_NOT_EXISTS);
    module->AddScriptSection("Script", kLoopScript);
    if (module->Build() < 0) state.SkipWithError("script not built");
    asIScriptContext* context = engine->CreateContext();
    asIScriptFunction* tick = module->GetFunctionByDecl("void OnTick()");
    for (auto _ : state) {
        context->Prepare(tick);
        context->Execute();
    }
    context->Release();
    engine->ShutDownAndRelease();
}
BENCHMARK(ScriptLoopUnwatched)->Unit(benchmark::kMicrosecond);

void ScriptBuildScene(benchmark::State& state) {
    ResetFrameForTesting();
    ScriptHost host;
    const std::string script = SceneOfTwoHundredLines();
    BuildOrSkip(state, host, script);
    for (auto _ : state) host.BuildSceneModule("bench", script);
}
BENCHMARK(ScriptBuildScene)->Unit(benchmark::kMicrosecond);

void ScriptEndlessCallStopped(benchmark::State& state) {
    ResetFrameForTesting();
    ScriptHost host;
    BuildOrSkip(state, host, "void OnTick() { int n = 0; while (true) n++; }");
    for (auto _ : state) host.CallVoid("void OnTick()");
}
BENCHMARK(ScriptEndlessCallStopped)->Iterations(4)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
