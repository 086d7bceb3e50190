#pragma once
// Helpers of the data tests: reading the generated data folder and its few text tables with code
// of their own, so a fault in the game's readers cannot hide a fault in the data.
#include <map>
#include <string>
#include <vector>

std::string dataPath(const std::string& relPath);  // QV_DATA_DIR + "/" + relPath
bool readDataFile(const std::string& path, std::string& bytes);
// Every regular file below root, as sorted paths relative to it with "/" separators.
std::vector<std::string> listFiles(const std::string& root);
std::vector<std::string> splitLines(const std::string& text);  // at "\n"; a last line end adds nothing

// The level table as the game reads it: the sectionless "LEVEL_ORDER" list and the "TIMES" keys
// (upper-cased).
struct LevelTable {
    std::vector<std::string> order;
    std::map<std::string, std::string> times;
};
LevelTable readLevelTable(const std::string& text);

// A generated font's advances by character code, read from its table with code of its own.
std::map<unsigned long, long> readFontAdvances(const std::string& fontName);
long textWidth(const std::map<unsigned long, long>& advances, const std::string& text);
// Word wrap of the typewriter display: a word joins the line while the line stays narrower than
// the limit; a word that does not fit starts the next line.
int wrappedLines(const std::map<unsigned long, long>& advances, const std::string& text, long maxWidth);

int timeSeconds(const std::string& text);  // "300" or "4:30" as seconds; -1 when it is neither

// A table of the game as a list of sections in file order, each with its keys (upper-cased, as the
// game compares them) and values as written.
struct TableSection {
    std::string name;
    std::map<std::string, std::string> keys;
    std::string value(const std::string& upperKey) const;  // "" when absent
};
std::vector<TableSection> readTableSections(const std::string& text);
