#include "game/match3/level_files.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "engine/k_files.h"
#include "framework/core/folders.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_file.h"
#include "framework/core/leading_number.h"
#include "framework/data/ldv_ini_file.h"

namespace {

constexpr const char* kLevelTable = "levels.ini";
constexpr const char* kDefaultOrder = "1,2,3,4,5";
constexpr const char* kTimesSection = "TIMES";
constexpr const char* kDefaultTime = "300";
constexpr int kDefaultTimeSeconds = 300;
constexpr int kStepsPerSecond = 60;
constexpr long long kMaxTimeSeconds = INT_MAX / kStepsPerSecond;

constexpr int kBuiltInFirstColumn = 4, kBuiltInLastColumn = 15;
constexpr int kBuiltInLayerFirstColumn = 6, kBuiltInLayerLastColumn = 13;
constexpr int kBuiltInLayerFirstRow = 3, kBuiltInLayerLastRow = 8;
constexpr uint32_t kBuiltInEntryWord = 0x3;
constexpr uint32_t kBuiltInActiveWord = 0x1;
constexpr uint32_t kBuiltInLayerWord = 0x11;

constexpr int kBackTiles = 5;
constexpr int kLevelsPerTile = 3;

// Level numbers and times are never negative: a sign reads as no number at all.
long long LeadingDecimal(const LDvString& text) { return LeadingDigits(text, INT_MAX); }

LDvString LevelTablePath() { return GetDataRoot() + kLevelTable; }

// Reads at most `expected` bytes: a longer file is used up to its whole size, a shorter one
// would leave part of the level undefined and counts as missing.
bool ReadFilePrefix(const LDvString& path, uint8_t* buffer, size_t expected) {
    LDvFile file;
    if (!file.Open(path, kFileModeReadBinary)) {
        Log("Level file not found: " + path);
        return false;
    }
    const size_t got = file.Read(buffer, expected);
    if (got < expected) {
        Log("Level file too short, ignored: " + path + " (" + std::to_string(got) + " of " +
            std::to_string(expected) + " bytes)");
        return false;
    }
    return true;
}

bool WriteLevelFile(const LDvString& path, const uint8_t* bytes, size_t size) {
    if (writeFileAtomically(makeFilePath(path), bytes, size)) return true;
    Log("Can't write level file " + path);
    return false;
}

}  // namespace

namespace {

std::vector<LDvString> OrderEntries(const LDvString& order) {
    std::vector<LDvString> entries;
    size_t start = 0;
    for (size_t comma = order.find(','); comma != LDvString::npos; comma = order.find(',', start)) {
        entries.push_back(order.substr(start, comma - start));
        start = comma + 1;
    }
    entries.push_back(order.substr(start));
    return entries;
}

LDvString LevelOrder() {
    const LDvIniFile table(LevelTablePath());
    return table.GetString(nullptr, "LEVEL_ORDER", kDefaultOrder);
}

}  // namespace

int levelFileNumberIn(const LDvString& order, int level) {
    const std::vector<LDvString> entries = OrderEntries(order);
    const long long count = static_cast<long long>(entries.size());
    // Levels past the end of the list cycle through it; the floor modulo keeps level 0 in range.
    const long long index = ((static_cast<long long>(level) - 1) % count + count) % count;
    return static_cast<int>(LeadingDecimal(entries[static_cast<size_t>(index)]));
}

int highestOrderedDesignIn(const LDvString& order) {
    long long highest = 0;
    for (const LDvString& entry : OrderEntries(order)) highest = std::max(highest, LeadingDecimal(entry));
    return static_cast<int>(highest);
}

int highestOrderedDesign() { return highestOrderedDesignIn(LevelOrder()); }

int levelFileNumber(int level) { return levelFileNumberIn(LevelOrder(), level); }

int parseLevelTime(const LDvString& text, int defaultSeconds) {
    if (text.empty()) return defaultSeconds;
    const size_t colon = text.find(':');
    long long seconds = LeadingDecimal(text.substr(0, colon));
    if (colon != LDvString::npos) seconds = seconds * 60 + LeadingDecimal(text.substr(colon + 1));
    return static_cast<int>(std::min(seconds, kMaxTimeSeconds));
}

int levelTimeSeconds(int fileNumber) {
    const LDvIniFile table(LevelTablePath());
    const LDvString key = "LEVEL_TIME_" + std::to_string(fileNumber);
    return parseLevelTime(table.GetString(kTimesSection, key, kDefaultTime), kDefaultTimeSeconds);
}

LDvString levelCellFilePath(int fileNumber) { return "levels/level_" + std::to_string(fileNumber) + ".lvl"; }

LDvString levelBorderFilePath(int fileNumber) { return "levels/border_" + std::to_string(fileNumber) + ".lvl"; }

LevelWords builtInLevelWords() {
    LevelWords words{};
    for (int row = 0; row < kLevelRows; ++row) {
        for (int col = kBuiltInFirstColumn; col <= kBuiltInLastColumn; ++col) {
            uint32_t word = row == 0 ? kBuiltInEntryWord : kBuiltInActiveWord;
            if (row >= kBuiltInLayerFirstRow && row <= kBuiltInLayerLastRow && col >= kBuiltInLayerFirstColumn &&
                col <= kBuiltInLayerLastColumn) {
                word = kBuiltInLayerWord;
            }
            words[static_cast<size_t>(col + kLevelColumns * row)] = word;
        }
    }
    return words;
}

int boardBackImage(int level) { return ((level / kLevelsPerTile) % kBackTiles + kBackTiles) % kBackTiles; }

LDvString boardBackPicture(int tile) {
    if (tile == 0) return "states/playing/board_back.png";
    return "states/playing/board_back" + std::to_string(tile + 1) + ".png";
}

bool decodeCellFile(const uint8_t* bytes, size_t size, LevelWords& words) {
    if (bytes == nullptr || size < kCellFileBytes) return false;
    for (size_t k = 0; k < words.size(); ++k) {
        const uint8_t* b = bytes + 4 * k;
        words[k] = static_cast<uint32_t>(b[0]) | static_cast<uint32_t>(b[1]) << 8 |
                   static_cast<uint32_t>(b[2]) << 16 | static_cast<uint32_t>(b[3]) << 24;
    }
    return true;
}

bool decodeBorderFile(const uint8_t* bytes, size_t size, LevelBorders& borders) {
    if (bytes == nullptr || size < kBorderFileBytes) return false;
    for (size_t k = 0; k < borders.size(); ++k) {
        const uint16_t raw = static_cast<uint16_t>(bytes[2 * k] | bytes[2 * k + 1] << 8);
        borders[k] = static_cast<int16_t>(raw);
    }
    return true;
}

std::array<uint8_t, kCellFileBytes> encodeCellFile(const LevelWords& words) {
    std::array<uint8_t, kCellFileBytes> bytes{};
    for (size_t k = 0; k < words.size(); ++k) {
        for (size_t b = 0; b < 4; ++b) bytes[4 * k + b] = static_cast<uint8_t>(words[k] >> (8 * b));
    }
    return bytes;
}

std::array<uint8_t, kBorderFileBytes> encodeBorderFile(const LevelBorders& borders) {
    std::array<uint8_t, kBorderFileBytes> bytes{};
    for (size_t k = 0; k < borders.size(); ++k) {
        const auto raw = static_cast<uint16_t>(borders[k]);
        bytes[2 * k] = static_cast<uint8_t>(raw);
        bytes[2 * k + 1] = static_cast<uint8_t>(raw >> 8);
    }
    return bytes;
}

bool readCellFile(int fileNumber, LevelWords& words) {
    std::array<uint8_t, kCellFileBytes> bytes{};
    const LDvString path = GetDataRoot() + levelCellFilePath(fileNumber);
    return ReadFilePrefix(path, bytes.data(), bytes.size()) && decodeCellFile(bytes.data(), bytes.size(), words);
}

bool readBorderFile(int fileNumber, LevelBorders& borders) {
    std::array<uint8_t, kBorderFileBytes> bytes{};
    const LDvString path = GetDataRoot() + levelBorderFilePath(fileNumber);
    return ReadFilePrefix(path, bytes.data(), bytes.size()) && decodeBorderFile(bytes.data(), bytes.size(), borders);
}

bool loadLevelFiles(int fileNumber, LevelWords& current, LevelBorders& borders) {
    const bool cellsRead = readCellFile(fileNumber, current);
    if (!readBorderFile(fileNumber, borders)) borders.fill(0);
    return cellsRead;
}

bool saveLevelFiles(int fileNumber, const LevelWords& words, const LevelBorders& borders) {
    createFolder(GetDataRoot() + "levels");
    const auto cellBytes = encodeCellFile(words);
    const auto borderBytes = encodeBorderFile(borders);
    const bool cellsWritten =
        WriteLevelFile(GetDataRoot() + levelCellFilePath(fileNumber), cellBytes.data(), cellBytes.size());
    const bool bordersWritten =
        WriteLevelFile(GetDataRoot() + levelBorderFilePath(fileNumber), borderBytes.data(), borderBytes.size());
    return cellsWritten && bordersWritten;
}
