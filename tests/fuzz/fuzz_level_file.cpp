// Any bytes of any length as a cell file and as a border file: decoding must never read past the
// input, must reject every input shorter than a whole file, and a decoded level must encode back
// to exactly the bytes it was read from (a saved file reads back unchanged).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "game/match3/board_cell.h"
#include "game/match3/level_files.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LevelWords words{};
    const bool cellsRead = decodeCellFile(data, size, words);
    if (cellsRead != (size >= kCellFileBytes)) std::abort();
    if (cellsRead) {
        const auto bytes = encodeCellFile(words);
        if (std::memcmp(bytes.data(), data, bytes.size()) != 0) std::abort();
        for (const uint32_t word : words) {
            const uint32_t normalised = encodeCellWord(decodeCellWord(word));
            if (encodeCellWord(decodeCellWord(normalised)) != normalised) std::abort();
        }
    }

    LevelBorders borders{};
    const bool bordersRead = decodeBorderFile(data, size, borders);
    if (bordersRead != (size >= kBorderFileBytes)) std::abort();
    if (bordersRead) {
        const auto bytes = encodeBorderFile(borders);
        if (std::memcmp(bytes.data(), data, bytes.size()) != 0) std::abort();
    }
    return 0;
}
