#include "tools/forge/tables/level_encoder.h"

#include <cstring>
#include <deque>
#include <sstream>

#include "game/match3/board_border_rule.h"

namespace {

using namespace level;

enum class Grid { kNone, kCells, kColour, kLocks };

struct GridText {
    std::array<std::string, kRows> rows;
    int firstLine = 0;
    bool present = false;
};

bool failWith(std::string& error, const std::string& message) {
    error = message;
    return false;
}

std::string trimRight(std::string line) {
    while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.pop_back();
    return line;
}

Grid gridNamed(const std::string& line) {
    if (line == "cells:") return Grid::kCells;
    if (line == "colour:") return Grid::kColour;
    if (line == "locks:") return Grid::kLocks;
    return Grid::kNone;
}

std::string at(int line, const std::string& what) { return "line " + std::to_string(line) + ": " + what; }

// Splits the text into its grids; every row must be exactly 20 characters wide.
bool splitGrids(const std::string& text, std::array<GridText, 4>& grids, std::string& error) {
    std::istringstream in(text);
    std::string raw;
    GridText* open = nullptr;
    int filled = 0;
    for (int number = 1; std::getline(in, raw); ++number) {
        const std::string line = trimRight(raw);
        if (line.empty() || line[0] == '#') continue;
        if (open != nullptr && filled < kRows) {
            if (static_cast<int>(line.size()) != kColumns) {
                error = at(number, "a row must be 20 characters wide");
                return false;
            }
            open->rows[static_cast<size_t>(filled++)] = line;
            continue;
        }
        const Grid grid = gridNamed(line);
        GridText& target = grids[static_cast<size_t>(grid)];
        if (grid == Grid::kNone || target.present) {
            error = at(number, grid == Grid::kNone ? "expected cells:, colour: or locks:" : "grid given twice");
            return false;
        }
        target.present = true;
        target.firstLine = number;
        open = &target;
        filled = 0;
    }
    if (open != nullptr && filled < kRows) {
        error = at(open->firstLine, "a grid needs 12 rows");
        return false;
    }
    if (!grids[static_cast<size_t>(Grid::kCells)].present) {
        error = "no cells: grid";
        return false;
    }
    return true;
}

bool cellWord(char c, uint32_t& word) {
    if (c == '.') word = kRandomFill;
    else if (c == 'o') word = kActive | kRandomFill;
    else if (c == 'v') word = kActive | kEntry | kRandomFill;
    else if (c == '_') word = kActive | kStartsEmpty;
    else if (c == '^') word = kActive | kEntry | kStartsEmpty;
    else if (c >= 'a' && c <= 'f') word = kActive | kRandomFill | (static_cast<uint32_t>(c - 'a' + 1) << kPresetShift);
    else if (c >= 'A' && c <= 'F') word = kActive | kEntry | kRandomFill | (static_cast<uint32_t>(c - 'A' + 1) << kPresetShift);
    else return false;
    return true;
}

// The colour and locks grids: "1" and "2" set a bit, "." and "o" leave the cell as it is.
bool overlayWord(char c, uint32_t one, uint32_t two, uint32_t& bits) {
    if (c == '.' || c == 'o') bits = 0;
    else if (c == '1') bits = one;
    else if (c == '2') bits = two;
    else return false;
    return true;
}

bool applyOverlay(const GridText& grid, uint32_t one, uint32_t two, LevelDesign& design, std::string& error) {
    if (!grid.present) return true;
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            uint32_t bits = 0;
            const int line = grid.firstLine + 1 + row;
            if (!overlayWord(grid.rows[static_cast<size_t>(row)][static_cast<size_t>(col)], one, two, bits)) {
                error = at(line, "unknown mark in column " + std::to_string(col + 1));
                return false;
            }
            uint32_t& word = design.cells[static_cast<size_t>(row * kColumns + col)];
            if (bits != 0 && (word & kActive) == 0) {
                error = at(line, "column " + std::to_string(col + 1) + " is not part of the field");
                return false;
            }
            if ((bits & (kLock1 | kLock2)) != 0 && (word & kStartsEmpty) != 0) {
                error = at(line, "a crate in column " + std::to_string(col + 1) + " needs a piece inside");
                return false;
            }
            word |= bits;
        }
    }
    return true;
}

int borderIndex(int i, int j) { return i * kBorderRows + j; }

void putLittleEndian(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int b = 0; b < bytes; ++b) out.push_back(static_cast<uint8_t>(value >> (8 * b)));
}

std::string cellName(int col, int row) {
    return "column " + std::to_string(col + 1) + ", row " + std::to_string(row + 1);
}

}  // namespace

bool LevelDesign::active(int col, int row) const {
    if (col < 0 || row < 0 || col >= kColumns || row >= kRows) return false;
    return (cell(col, row) & kActive) != 0;
}

bool parseLevelDesign(const std::string& text, LevelDesign& design, std::string& error) {
    std::array<GridText, 4> grids;
    if (!splitGrids(text, grids, error)) return false;
    design = LevelDesign{};
    const GridText& cellsGrid = grids[static_cast<size_t>(Grid::kCells)];
    for (int row = 0; row < kRows; ++row) {
        for (int col = 0; col < kColumns; ++col) {
            uint32_t word = 0;
            if (!cellWord(cellsGrid.rows[static_cast<size_t>(row)][static_cast<size_t>(col)], word)) {
                error = at(cellsGrid.firstLine + 1 + row, "unknown mark in column " + std::to_string(col + 1));
                return false;
            }
            design.cells[static_cast<size_t>(row * kColumns + col)] = word;
        }
    }
    return applyOverlay(grids[static_cast<size_t>(Grid::kColour)], kLayer1, kLayer2, design, error) &&
           applyOverlay(grids[static_cast<size_t>(Grid::kLocks)], kLock1, kLock2, design, error);
}

bool checkLevelDesign(const LevelDesign& design, std::string& error) {
    std::array<bool, kCellCount> reached{};
    std::deque<int> queue;
    bool coloured = false;
    for (int k = 0; k < kCellCount; ++k) {
        const uint32_t word = design.cells[static_cast<size_t>(k)];
        if ((word & kActive) == 0) continue;
        coloured = coloured || (word & (kLayer1 | kLayer2)) != 0;
        if ((word & kEntry) != 0) {
            reached[static_cast<size_t>(k)] = true;
            queue.push_back(k);
        }
    }
    if (queue.empty()) return failWith(error, "no entry cell");
    if (!coloured) return failWith(error, "no coloured square: the level would be won at once");
    // Locks only hold pieces for a while, so they do not block the way here.
    while (!queue.empty()) {
        const int k = queue.front();
        queue.pop_front();
        const int col = k % kColumns;
        const int row = k / kColumns;
        for (int dx = -1; dx <= 1; ++dx) {
            if (!design.active(col + dx, row + 1)) continue;
            const int next = (row + 1) * kColumns + col + dx;
            if (reached[static_cast<size_t>(next)]) continue;
            reached[static_cast<size_t>(next)] = true;
            queue.push_back(next);
        }
    }
    for (int k = 0; k < kCellCount; ++k) {
        if ((design.cells[static_cast<size_t>(k)] & kActive) != 0 && !reached[static_cast<size_t>(k)]) {
            error = "no piece can ever reach " + cellName(k % kColumns, k / kColumns);
            return false;
        }
    }
    return true;
}

int borderPieceAt(const LevelDesign& design, int i, int j) {
    return border_rule::pieceAt([&design](int col, int row) { return design.active(col, row); }, i, j);
}

void deriveBorders(LevelDesign& design) {
    for (int i = 0; i < kBorderColumns; ++i) {
        for (int j = 0; j < kBorderRows; ++j) {
            design.borders[static_cast<size_t>(borderIndex(i, j))] = static_cast<int16_t>(borderPieceAt(design, i, j));
        }
    }
}

std::vector<uint8_t> cellFileBytes(const LevelDesign& design) {
    std::vector<uint8_t> out;
    out.reserve(kCellFileSize);
    for (uint32_t word : design.cells) putLittleEndian(out, word, 4);
    return out;
}

std::vector<uint8_t> borderFileBytes(const LevelDesign& design) {
    std::vector<uint8_t> out;
    out.reserve(kBorderFileSize);
    for (int16_t value : design.borders) putLittleEndian(out, static_cast<uint16_t>(value), 2);
    return out;
}
