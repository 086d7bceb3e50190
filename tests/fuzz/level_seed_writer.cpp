// Writes the level-file target's seed files with the game's own encoders: the built-in design as a
// cell file, a border file with pictures at its first entries and -1 at its last, and a cell file
// followed by bytes of another file (an input longer than a whole cell file). Made at build time
// so no binary level lives in the repository; the fuzzer starts from them and the test build
// replays them with the saved corpus.
// Usage: level_seed_writer <output folder>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "game/match3/level_files.h"

namespace {

constexpr int16_t kFirstBorderPicture = 1;
constexpr int16_t kSecondBorderPicture = 29;
constexpr int16_t kNoSuchPicture = -1;
constexpr int kTrailingBytes = 12;

bool Write(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) return false;
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

template <size_t N>
std::vector<uint8_t> Bytes(const std::array<uint8_t, N>& file) {
    return std::vector<uint8_t>(file.begin(), file.end());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: level_seed_writer <output folder>\n");
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);

    const std::vector<uint8_t> cells = Bytes(encodeCellFile(builtInLevelWords()));
    LevelBorders borders{};
    borders[0] = kFirstBorderPicture;
    borders[1] = kSecondBorderPicture;
    borders[kLevelBorderCount - 1] = kNoSuchPicture;
    std::vector<uint8_t> longer = cells;
    longer.insert(longer.end(), kTrailingBytes, 1);

    const bool ok = Write(folder / "built_in_cells.lvl", cells) &&
                    Write(folder / "borders.lvl", Bytes(encodeBorderFile(borders))) &&
                    Write(folder / "longer_than_cells.lvl", longer);
    if (!ok) std::fprintf(stderr, "level_seed_writer: cannot write into %s\n", folder.c_str());
    return ok ? 0 : 1;
}
