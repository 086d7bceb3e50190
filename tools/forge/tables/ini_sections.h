#pragma once
// The forge's own reading of the hand-written INI tables it checks: sections in file order, keys
// upper-cased (the game compares them regardless of case), values as written. Comment lines (";")
// and blank lines are skipped; lines before the first section are ignored.
#include <map>
#include <string>
#include <vector>

struct IniSection {
    std::string name;
    std::map<std::string, std::string> keys;
};

std::vector<IniSection> readIniSections(const std::string& text);
std::string iniValue(const IniSection& section, const std::string& upperKey);  // "" when absent
std::string trimmedText(const std::string& text);
bool readWholeInt(const std::string& text, int& value);  // the whole text is one decimal integer
