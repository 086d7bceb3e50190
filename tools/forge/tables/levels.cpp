// The match-3 levels: every design under content/levels/ ("<number>_<name>.txt") becomes
// levels/level_<number>.lvl and levels/border_<number>.lvl; levels.ini, which orders the designs
// and gives their times, is copied as it stands after checking that it names only designs that
// exist and gives each of them a time.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <filesystem>
#include <map>
#include <sstream>

#include "tools/forge/core/forge.h"
#include "tools/forge/core/rgba_image.h"
#include "tools/forge/tables/level_encoder.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kDesignFolder = "levels";
constexpr const char* kLevelTable = "levels.ini";

bool failWith(std::string& error, const std::string& message) {
    error = message;
    return false;
}

std::string trim(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    const size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

bool allDigits(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A design number; false when it is not digits or too large for a file number.
bool parseNumber(const std::string& text, int& number) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, number);
    return !text.empty() && result.ec == std::errc() && result.ptr == end && number >= 0;
}

// "300", "4:30" or "7:" (seven minutes).
bool validTime(const std::string& text) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) return allDigits(text);
    const std::string seconds = text.substr(colon + 1);
    return allDigits(text.substr(0, colon)) && (seconds.empty() || allDigits(seconds));
}

struct LevelTable {
    std::vector<int> order;
    std::map<std::string, std::string> times;  // upper-cased key -> value
};

bool readLevelTable(const std::string& text, LevelTable& table, std::string& error) {
    std::istringstream in(text);
    std::string line;
    std::string section;
    while (std::getline(in, line)) {
        line = trim(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            section = upper(line.substr(1, line.size() - 2));
            continue;
        }
        const size_t eq = line.find('=');
        const std::string key = upper(trim(line.substr(0, eq)));
        const std::string value = eq == std::string::npos ? "" : line.substr(eq + 1);
        if (section.empty() && key == "LEVEL_ORDER") {
            std::istringstream entries(value);
            std::string entry;
            while (std::getline(entries, entry, ',')) {
                int file = 0;
                if (!parseNumber(entry, file)) return failWith(error, "LEVEL_ORDER entry \"" + entry + "\" is not a number");
                table.order.push_back(file);
            }
        } else if (section == "TIMES") {
            table.times[key] = value;
        }
    }
    if (table.order.empty()) return failWith(error, "no LEVEL_ORDER");
    return true;
}

// content/levels/<number>_<name>.txt, by number.
std::map<int, std::string> findDesigns(Forge& forge) {
    std::map<int, std::string> designs;
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::path(forge.contentDir()) / kDesignFolder, ec)) {
        const std::string name = entry.path().filename().string();
        const size_t underscore = name.find('_');
        if (entry.path().extension() != ".txt" || underscore == std::string::npos) continue;
        int file = 0;
        if (!parseNumber(name.substr(0, underscore), file)) continue;
        if (designs.count(file) != 0) {
            forge.fail("two level designs numbered " + std::to_string(file));
            continue;
        }
        designs[file] = std::string(kDesignFolder) + "/" + name;
    }
    return designs;
}

struct Swatch {
    uint8_t r, g, b;
};

void fillBox(RgbaImage& image, int x, int y, int w, int h, Swatch colour) {
    for (int yy = y; yy < y + h; ++yy) {
        for (int xx = x; xx < x + w; ++xx) {
            uint8_t* p = image.at(xx, yy);
            p[0] = colour.r, p[1] = colour.g, p[2] = colour.b, p[3] = 255;
        }
    }
}

// A preview for people: blue tiles, crates (brown corners), entries (green top), presets (dot).
void drawThumbnail(RgbaImage& sheet, const LevelDesign& design, int ox, int oy) {
    constexpr int kCell = 12;
    constexpr Swatch kOff{40, 52, 60}, kField{236, 214, 160}, kBlue{90, 170, 235}, kDeep{30, 90, 190};
    constexpr Swatch kEmpty{170, 160, 140}, kCrate{120, 70, 30}, kRope{60, 30, 10}, kEntryMark{60, 170, 70};
    constexpr Swatch kPresets[6] = {{200, 60, 60}, {240, 150, 170}, {230, 190, 60}, {120, 120, 120}, {240, 120, 40}, {250, 250, 240}};
    for (int row = 0; row < level::kRows; ++row) {
        for (int col = 0; col < level::kColumns; ++col) {
            const uint32_t w = design.cell(col, row);
            const int x = ox + col * kCell, y = oy + row * kCell;
            Swatch base = (w & level::kActive) == 0 ? kOff : (w & level::kLayer2) ? kDeep : (w & level::kLayer1) ? kBlue : kField;
            if ((w & level::kActive) && (w & level::kStartsEmpty) && !(w & (level::kLayer1 | level::kLayer2))) base = kEmpty;
            fillBox(sheet, x, y, kCell - 1, kCell - 1, base);
            if (w & (level::kLock1 | level::kLock2)) {
                const Swatch lock = (w & level::kLock2) ? kRope : kCrate;
                fillBox(sheet, x, y, kCell - 1, 2, lock);
                fillBox(sheet, x, y + kCell - 3, kCell - 1, 2, lock);
                fillBox(sheet, x, y, 2, kCell - 1, lock);
                fillBox(sheet, x + kCell - 3, y, 2, kCell - 1, lock);
            }
            if (w & level::kEntry) fillBox(sheet, x + 3, y, kCell - 7, 2, kEntryMark);
            const uint32_t preset = (w >> level::kPresetShift) & 0xF;
            if (preset >= 1 && preset <= 6) fillBox(sheet, x + 4, y + 4, 3, 3, kPresets[preset - 1]);
        }
    }
}

void writeContactSheet(Forge& forge, const std::map<int, LevelDesign>& designs) {
    constexpr int kPerRow = 4, kWidth = 250, kHeight = 154;
    const int count = static_cast<int>(designs.size());
    RgbaImage sheet(kPerRow * kWidth, ((count + kPerRow - 1) / kPerRow) * kHeight);
    fillBox(sheet, 0, 0, sheet.width, sheet.height, {20, 26, 30});
    int n = 0;
    for (const auto& [number, design] : designs) {
        drawThumbnail(sheet, design, (n % kPerRow) * kWidth + 5, (n / kPerRow) * kHeight + 5);
        ++n;
    }
    forge.addContactSheet("levels", sheet);
}

void checkTable(Forge& forge, const LevelTable& table, const std::map<int, std::string>& designs) {
    for (int file : table.order) {
        const std::string key = "LEVEL_TIME_" + std::to_string(file);
        if (designs.count(file) == 0) forge.fail("levels.ini orders design " + std::to_string(file) + ", which does not exist");
        const auto time = table.times.find(key);
        if (time == table.times.end()) forge.fail("levels.ini gives no " + key);
        else if (!validTime(time->second)) forge.fail("levels.ini: " + key + " is not a time: " + time->second);
    }
}

}  // namespace

FORGE_STEP(levels) {
    std::string text;
    LevelTable table;
    std::string error;
    if (!forge.readContent(kLevelTable, text)) return forge.fail("missing content file levels.ini");
    if (!readLevelTable(text, table, error)) return forge.fail("levels.ini: " + error);
    const std::map<int, std::string> files = findDesigns(forge);
    checkTable(forge, table, files);
    forge.writeText(kLevelTable, text);

    std::map<int, LevelDesign> designs;
    for (const auto& [number, path] : files) {
        LevelDesign design;
        if (!forge.readContent(path, text)) {
            forge.fail("cannot read " + path);
            continue;
        }
        if (!parseLevelDesign(text, design, error) || !checkLevelDesign(design, error)) {
            forge.fail(path + ": " + error);
            continue;
        }
        deriveBorders(design);
        const std::vector<uint8_t> cells = cellFileBytes(design);
        const std::vector<uint8_t> borders = borderFileBytes(design);
        forge.writeBytes("levels/level_" + std::to_string(number) + ".lvl", cells.data(), cells.size());
        forge.writeBytes("levels/border_" + std::to_string(number) + ".lvl", borders.data(), borders.size());
        designs[number] = design;
    }
    writeContactSheet(forge, designs);
}
