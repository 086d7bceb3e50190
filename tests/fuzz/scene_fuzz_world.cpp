#include "tests/fuzz/scene_fuzz_world.h"

#include <chrono>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "engine/image_codec.h"
#include "framework/core/frame_context.h"
#include "framework/data/player_profiles.h"
#include "game/app/match3.h"
#include "game/scenes/scene.h"
#include "game/scenes/scene_bar_pictures.h"
#include "game/scenes/scene_script_api.h"
#include "game/scenes/script_api_target.h"
#include "game/scenes/script_host.h"
#include "tests/support/solid_picture.h"
#include "tools/forge/scenes/psd_writer.h"

namespace {

constexpr const char* kAdventureScene = "fuzz_room";
constexpr const char* kHiddenObjectScene = "fuzz_room_hog";
constexpr int kTimeBudgetMs = 20;   // a tenth of the game's: endless calls are the common case here
constexpr int kMostEvents = 48;
constexpr int kMostStepsAtOnce = 30;
constexpr int kLandingSteps = 120;  // a take's pop and flight, and the list's flash
constexpr int kSceneWidth = 640;    // small, so every input reads the document quickly
constexpr int kSceneHeight = 360;

struct FuzzSection {
    const char* name;
    int left, top, width, height;
    bool picture, hitZone;
};
// Names the game's own scripts use, so their texts find sections here too.
constexpr FuzzSection kSections[] = {
    {"BRANCH", 20, 20, 60, 30, true, true},       {"NEST", 120, 20, 50, 50, true, true},
    {"FX", 0, 0, 1, 1, false, true},              {"URN", 200, 100, 40, 60, false, true},
    {"LOCKER_DOOR", 300, 40, 80, 120, true, true}, {"VIAL1", 420, 200, 20, 40, true, true},
    {"BANDAGE1", 500, 60, 40, 20, true, false},
};

constexpr const char* kItems[] = {"branch", "flint", "reward", "bandage", "vial"};

void WritePng(const std::string& path, int width, int height, uint32_t rgb) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    const RgbaImage picture = SolidPicture(width, height, rgb);
    writePngFile(path, reinterpret_cast<const uint32_t*>(picture.rgba.data()), width, height);
}

PsdDocument SceneDocument() {
    PsdDocument document;
    document.width = kSceneWidth;
    document.height = kSceneHeight;
    document.addLayer({"Background", 0, 0, SolidPicture(kSceneWidth, kSceneHeight, 0x204060), false});
    for (const FuzzSection& s : kSections) {
        PsdGroup group{s.name, {}, false};
        if (s.picture) group.layers.push_back({"IMG", s.left, s.top, SolidPicture(s.width, s.height, 0xc08040), true});
        if (s.hitZone) group.layers.push_back({"HIT", s.left, s.top, SolidPicture(s.width, s.height, 0xffffff), true});
        document.addGroup(std::move(group));
    }
    return document;
}

// Scripts write the player's profile on every value they set, each write flushed to the disk: in
// memory that costs next to nothing.
std::string TemporaryRoot() {
    constexpr const char* kMemoryFolder = "/dev/shm";
    std::error_code ec;
    if (std::filesystem::is_directory(kMemoryFolder, ec) && access(kMemoryFolder, W_OK) == 0) return kMemoryFolder;
    return std::filesystem::temp_directory_path(ec).string();
}

}  // namespace

SceneFuzzWorld::SceneFuzzWorld() : temporary("TMPDIR", TemporaryRoot()), xdg("XDG_DATA_HOME", save.path()) {
    ResetFrameForTesting();
    game = std::make_unique<Match3>();
    Frame().rootDirOverride = data.path();
    WriteData();
    ScriptLimits limits;
    limits.timeBudgetMs = kTimeBudgetMs;
    host = std::make_unique<ScriptHost>(limits);
    host->InitScriptHost(RegisterSceneFunctions);
    scene = std::make_unique<Scene>(*game, *host);
    SetScriptApiTarget(scene.get(), game.get());
    scene->parts = &game->adventureBar;
    scene->mapState = scene->titleState = &game->blankState;
    scene->runMenu = [] { return true; };
    scene->askYesNo = [](int) { return true; };
    game->adventureBar.inventory.LoadItems(data.path() + "/inventory");
    callables = RegisteredCallables(*host->Engine());
    for (const FuzzSection& s : kSections) vocabulary.texts.push_back(s.name);
    for (const char* item : kItems) vocabulary.texts.push_back(item);
    for (const char* text : {"", "HZ:NEST", "HZ:BANDAGE1", "HZ:NOWHERE", "TEXT:Look up!", "REWARD", "Vials", "spark",
                             "flat", "FUZZ_KEY", "door_creak", "0;639;139;880;1.5;0.6;0;0.025", "1;2"}) {
        vocabulary.texts.push_back(text);
    }
}

SceneFuzzWorld::~SceneFuzzWorld() {
    SetScriptApiTarget(nullptr, nullptr);
    scene.reset();
    host.reset();
    game.reset();
    ResetFrameForTesting();
}

void SceneFuzzWorld::WriteData() const {
    const std::string root = data.path() + "/";
    std::filesystem::create_directories(root + "Scenes");
    writePsdFile(root + "Scenes/" + kAdventureScene + ".psd", SceneDocument());
    writePsdFile(root + "Scenes/" + kHiddenObjectScene + ".psd", SceneDocument());
    for (size_t i = 0; i < SceneBarPictures::kCount; ++i) {
        const auto picture = static_cast<SceneBarPictures::Picture>(i);
        WritePng(root + "img/" + SceneBarPictures::PathOf(picture), 16, 8, 0x808080);
    }
    for (const char* item : kItems) WritePng(root + "inventory/" + item + ".png", 24, 24, 0xe0c020);
    WritePng(root + "inventory/tooltip.png", 60, 20, 0xffffff);
    std::ofstream(root + "inventory/items.ini") << "[BRANCH]\nDescription=A branch\n";
    // A sheet of 2 x 1 frames, and one whose name gives no grid.
    WritePng(root + "tl_fx/spark_2_1_2.png", 16, 8, 0xffff00);
    WritePng(root + "tl_fx/flat_0_0_1.png", 8, 8, 0xff00ff);
}

void SceneFuzzWorld::Play(const std::string& script, const Choices& choices, FuzzBytes& events) {
    if (choices.withPlayer) {
        CreatePlayer(0, "Fuzz");
        SelectPlayer(0);
    } else {
        game->selectedPlayer = -1;
    }
    const std::string name = choices.hiddenObjects ? kHiddenObjectScene : kAdventureScene;
    std::ofstream(data.path() + "/Scenes/" + name + ".angel", std::ios::binary | std::ios::trunc) << script;
    scene->LoadScene(name);
    scene->OnEnter();
    game->screenFade.fadeStepsRemaining = 0;   // as if the entry fade were over
    runaway = false;
    Tour();
    for (int i = 0; i < kMostEvents && !events.Exhausted() && !runaway; ++i) Run([&] { PlayEvent(events); });
    scene->OnLeave(&game->blankState);
    game->screenFade.fadeStepsRemaining = 0;
    game->screenFade.holdStepsRemaining = 0;
}

// A piece of play that took the whole budget met a script running away, and one such stop is
// enough for an input: the rest of it would only meet the same loop again.
void SceneFuzzWorld::Run(const std::function<void()>& piece) {
    if (runaway) return;
    const auto start = std::chrono::steady_clock::now();
    piece();
    runaway = std::chrono::steady_clock::now() - start >= std::chrono::milliseconds(kTimeBudgetMs);
}

// Every entry point at least once, whatever the input holds.
void SceneFuzzWorld::Tour() {
    Steps(2);
    Run([this] { MoveOver(0); });
    Run([this] { ClickSection(0); });
    Run([this] { scene->OnButton(&scene->hintButton); });
    Run([this] { scene->OnDragStart(10, 10); });
    Run([this] { scene->OnDrag(40, 30, 30, 20, 30, 20); });
    Run([this] { scene->OnDragEnd(40, 30); });
    Run([this] { ClickSlot(0); });
    Run([this] { MoveOver(1); });
    Run([this] { ClickSection(1); });
    Steps(kLandingSteps);
}

void SceneFuzzWorld::PlayEvent(FuzzBytes& events) {
    const int count = scene->content.sections.Count();
    switch (events.Pick(8)) {
        case 0: Steps(events.Pick(kMostStepsAtOnce) + 1); break;
        case 1: ClickSection(count > 0 ? events.Pick(count) : 0); break;
        case 2: scene->OnClick(events.Int(), events.Int()); break;
        case 3: MoveOver(count > 0 ? events.Pick(count) : 0); break;
        case 4: scene->OnButton(&scene->hintButton); break;
        case 5: ClickSlot(events.Pick(3)); break;
        case 6: scene->OnButton(events.Pick(2) == 0 ? &scene->skipButton : &scene->menuButton); break;
        default: scene->OnMouseMove(events.Int(), events.Int(), false, false); break;
    }
}

// What the main loop does each step for the scene and the overlays it registers.
void SceneFuzzWorld::Steps(int count) {
    AdventureBar& bar = game->adventureBar;
    for (int i = 0; i < count && !runaway; ++i) {
        Run([this] { scene->Update(); });
        bar.hintDisplay.OnTick(i);
        bar.hintGlow.OnTick(i);
        bar.skipGlow.OnTick(i);
    }
}

void SceneFuzzWorld::ClickSection(int index) {
    const Section* section = scene->content.sections.Count() > index ? scene->content.sections.Get(index).get() : nullptr;
    if (section == nullptr) return scene->OnClick(0, 0);
    scene->OnClick(static_cast<int>(section->maskX) + section->maskWidth / 2,
                   static_cast<int>(section->maskY) + section->maskHeight / 2);
}

void SceneFuzzWorld::MoveOver(int index) {
    const Section* section = scene->content.sections.Count() > index ? scene->content.sections.Get(index).get() : nullptr;
    if (section == nullptr) return scene->OnMouseMove(0, 0, false, false);
    scene->OnMouseMove(static_cast<int>(section->maskX) + section->maskWidth / 2,
                       static_cast<int>(section->maskY) + section->maskHeight / 2, false, false);
}

// A held item's slot, as the player clicks it to pick the item up or put it back.
void SceneFuzzWorld::ClickSlot(int slot) {
    Inventory& inventory = game->adventureBar.inventory;
    if (inventory.held.Count() <= slot) return;
    const InventoryItem& item = *inventory.held.Get(slot);
    const int height = item.picture != nullptr ? item.picture->GetFrameHeight() : 0;
    const LDvPoint at = inventory.SlotPoint(slot, height);
    scene->OnClick(at.x + 4, at.y + 4);
}
