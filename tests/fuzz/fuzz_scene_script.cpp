// Any bytes as a scene script, run against a small scene: the first byte chooses whether the rest
// is the script's text itself (mutated by the fuzzer from the game's own scripts) or the choices of
// a generator that writes a script calling the registered scene functions, and whether the scene
// is a hidden-object one and a player is selected. The script is compiled, entered, called through
// every entry point and the input's own events, and left: nothing may crash, and calls that loop,
// recurse or allocate without end are stopped by the script host's budget instead of hanging.
#include <cstddef>
#include <cstdint>
#include <string>

#include "tests/fuzz/scene_fuzz_world.h"

namespace {

constexpr uint8_t kRawText = 1;        // the rest of the input is the script
constexpr uint8_t kHiddenObjects = 2;
constexpr uint8_t kNoPlayer = 4;

SceneFuzzWorld& World() {
    static SceneFuzzWorld world;
    return world;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SceneFuzzWorld& world = World();
    FuzzBytes bytes(data, size);
    const uint8_t mode = bytes.Byte();
    const SceneFuzzWorld::Choices choices{(mode & kHiddenObjects) != 0, (mode & kNoPlayer) == 0};
    if ((mode & kRawText) != 0) {
        const std::string script(reinterpret_cast<const char*>(data) + 1, size - 1);
        FuzzBytes noEvents(nullptr, 0);
        world.Play(script, choices, noEvents);
        return 0;
    }
    const std::string script = GenerateSceneScript(bytes, world.Callables(), world.Vocabulary());
    world.Play(script, choices, bytes);
    return 0;
}
