#include "tools/forge/tables/ini_sections.h"

#include <cctype>
#include <cstdlib>
#include <sstream>

std::string trimmedText(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

bool readWholeInt(const std::string& text, int& value) {
    const std::string t = trimmedText(text);
    if (t.empty()) return false;
    char* end = nullptr;
    value = static_cast<int>(std::strtol(t.c_str(), &end, 10));
    return *end == '\0';
}

std::vector<IniSection> readIniSections(const std::string& text) {
    std::vector<IniSection> sections;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        line = trimmedText(line);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            sections.push_back({line.substr(1, line.size() - 2), {}});
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string::npos || sections.empty()) continue;
        std::string key = trimmedText(line.substr(0, equals));
        for (char& c : key) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        sections.back().keys[key] = line.substr(equals + 1);
    }
    return sections;
}

std::string iniValue(const IniSection& section, const std::string& upperKey) {
    const auto found = section.keys.find(upperKey);
    return found == section.keys.end() ? std::string() : found->second;
}
