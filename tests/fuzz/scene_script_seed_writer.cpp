// Writes the scene-script target's seed files: the game's own scene scripts and the default script
// as raw texts (first byte 1, or 3 for the hidden-object scene), and a few generator inputs (first
// byte 0, 2 or 4) that choose every kind of statement and expression. Made at build time from the
// scripts in the source tree, so the seeds follow the scripts as they change.
// Usage: scene_script_seed_writer <output folder>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "game/scenes/default_scene_script.h"

namespace {

constexpr char kRawAdventure = 1;
constexpr char kRawHiddenObjects = 3;
constexpr int kGeneratedLength = 400;

bool Write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
    return static_cast<bool>(out);
}

std::string Read(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Generator choices: a counting pattern walks through every option of each choice in turn; the
// game's own generator sequence mixes them.
std::string Counting(char mode, int step) {
    std::string bytes(1, mode);
    for (int i = 0; i < kGeneratedLength; ++i) bytes += static_cast<char>((i * step + 1) & 0xff);
    return bytes;
}

std::string Mixed(char mode, uint32_t seed) {
    std::string bytes(1, mode);
    for (int i = 0; i < kGeneratedLength; ++i) {
        seed = seed * 214013u + 2531011u;
        bytes += static_cast<char>((seed >> 16) & 0xff);
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: scene_script_seed_writer <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::filesystem::path scripts = std::filesystem::path(QV_SOURCE_DIR) / "content" / "Scenes";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    const std::string adventure = Read(scripts / "god_of_air.angel");
    const std::string hiddenObjects = Read(scripts / "medical_supplies_hog.angel");
    if (adventure.empty() || hiddenObjects.empty()) {
        std::fprintf(stderr, "scene_script_seed_writer: no scene scripts under %s\n", scripts.c_str());
        return 1;
    }
    bool written = Write(folder / "god_of_air", kRawAdventure + adventure) &&
                   Write(folder / "medical_supplies_hog", kRawHiddenObjects + hiddenObjects) &&
                   Write(folder / "default_script", kRawAdventure + DefaultSceneScript()) &&
                   Write(folder / "default_script_that_builds", kRawAdventure + DefaultSceneScriptThatBuilds());
    for (int step : {1, 3, 7}) written = written && Write(folder / ("counting_" + std::to_string(step)), Counting(0, step));
    written = written && Write(folder / "mixed_adventure", Mixed(0, 1)) &&
              Write(folder / "mixed_hidden_objects", Mixed(2, 7)) && Write(folder / "mixed_no_player", Mixed(4, 11));
    if (!written) {
        std::fprintf(stderr, "scene_script_seed_writer: cannot write into %s\n", folder.c_str());
        return 1;
    }
    return 0;
}
