#pragma once
// The scene that fuzzed scripts run against: a small data folder written at start-up (a scene
// document of a few sections, named as the game's own scripts name theirs, the bar's pictures,
// inventory items and an effect sheet), the game object without a window, and a scene with a script
// host of its own whose time budget is short, so endless calls cost little. Play loads the scene
// with a script, enters it, runs a fixed tour of every entry point and then the input's own events
// (steps, clicks, pointer moves, drags, hints, carrying items, the menu), and leaves it. Once a
// call has used up the budget, the input's play ends and the scene is left.
//
// Lifetime: made once per process; the folders are removed when it goes.
#include <functional>
#include <memory>
#include <string>

#include "tests/fuzz/scene_script_generator.h"
#include "tests/support/temp_dir.h"

class Match3;
class Scene;
class ScriptHost;

class SceneFuzzWorld {
public:
    SceneFuzzWorld();
    ~SceneFuzzWorld();
    SceneFuzzWorld(const SceneFuzzWorld&) = delete;
    SceneFuzzWorld& operator=(const SceneFuzzWorld&) = delete;

    struct Choices {
        bool hiddenObjects = false;   // the scene's name ends in "hog"
        bool withPlayer = true;       // player values are kept
    };
    void Play(const std::string& script, const Choices& choices, FuzzBytes& events);

    const std::vector<ScriptCallable>& Callables() const { return callables; }
    const ScriptVocabulary& Vocabulary() const { return vocabulary; }

private:
    void WriteData() const;
    void Run(const std::function<void()>& piece);
    void Tour();
    void PlayEvent(FuzzBytes& events);
    void Steps(int count);
    void ClickSection(int index);
    void ClickSlot(int slot);
    void MoveOver(int index);

    ScopedEnv temporary;   // the folders below live in memory where the system offers it
    TempDir data;
    TempDir save;
    ScopedEnv xdg;
    std::unique_ptr<Match3> game;
    std::unique_ptr<ScriptHost> host;
    std::unique_ptr<Scene> scene;
    std::vector<ScriptCallable> callables;
    ScriptVocabulary vocabulary;
    bool runaway = false;   // a call of this input was stopped by the budget
};
