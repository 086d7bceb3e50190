#pragma once
// Turns fuzz bytes into a scene script that calls the functions the script engine has registered,
// with arguments of the right types, globals, helpers that may recurse without end, branches and
// loops (bounded or not) in the entry points the scene calls, and then a few raw edits of the
// text so that broken scripts come out too. Every byte read past the end reads as 0, and 0 always
// picks the smallest choice, so generation ends on any input.
#include <angelscript.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Reads choices from the fuzz input; past its end every read gives 0.
class FuzzBytes {
public:
    FuzzBytes(const uint8_t* data, size_t size) : data(data), size(size) {}

    uint8_t Byte() { return at < size ? data[at++] : 0; }
    // A choice in 0 .. count - 1.
    int Pick(int count) { return count <= 1 ? 0 : Byte() % count; }
    int32_t Int();
    bool Exhausted() const { return at >= size; }

private:
    const uint8_t* data;
    size_t size;
    size_t at = 0;
};

enum class ValueKind { Void, Int, Float, Bool, Text };

// One registered global function the script may call.
struct ScriptCallable {
    std::string name;
    ValueKind result = ValueKind::Void;
    std::vector<ValueKind> parameters;
};

// The engine's global functions whose types a generated script can write; others are left out.
std::vector<ScriptCallable> RegisteredCallables(asIScriptEngine& engine);

// Names the generated texts use: the fuzz scene's sections and items, effect ids, player keys.
struct ScriptVocabulary {
    std::vector<std::string> texts;
};

std::string GenerateSceneScript(FuzzBytes& bytes, const std::vector<ScriptCallable>& callables,
                                const ScriptVocabulary& vocabulary);
