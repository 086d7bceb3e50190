#include "tests/tools/data_folder.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace fs = std::filesystem;

std::string dataPath(const std::string& relPath) { return std::string(QV_DATA_DIR) + "/" + relPath; }

bool readDataFile(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    bytes = buffer.str();
    return true;
}

std::vector<std::string> listFiles(const std::string& root) {
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->is_regular_file()) files.push_back(fs::relative(it->path(), root).generic_string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) lines.push_back(line);
    return lines;
}

namespace {

std::string trimmed(const std::string& text) {
    const size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return text.substr(first, text.find_last_not_of(" \t\r") - first + 1);
}

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

LevelTable readLevelTable(const std::string& text) {
    LevelTable table;
    std::string section;
    for (const std::string& raw : splitLines(text)) {
        const std::string line = trimmed(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            section = upper(line.substr(1, line.size() - 2));
            continue;
        }
        const size_t eq = line.find('=');
        const std::string key = upper(trimmed(line.substr(0, eq)));
        const std::string value = eq == std::string::npos ? "" : line.substr(eq + 1);
        if (section.empty() && key == "LEVEL_ORDER") {
            std::istringstream entries(value);
            std::string entry;
            while (std::getline(entries, entry, ',')) table.order.push_back(entry);
        } else if (section == "TIMES") {
            table.times[key] = value;
        }
    }
    return table;
}

std::map<unsigned long, long> readFontAdvances(const std::string& fontName) {
    std::string lower = fontName;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    std::string table;
    readDataFile(dataPath("fonts/" + lower + ".table"), table);
    std::map<unsigned long, long> advances;
    std::istringstream in(table);
    std::string line;
    std::getline(in, line);  // header
    while (std::getline(in, line)) {
        unsigned long code = 0;
        long rect[4], advance = 0;
        if (std::sscanf(line.c_str(), "%lu %ld %ld %ld %ld %ld", &code, &rect[0], &rect[1], &rect[2], &rect[3],
                        &advance) == 6) {
            advances[code] = advance;
        }
    }
    return advances;
}

long textWidth(const std::map<unsigned long, long>& advances, const std::string& text) {
    long width = 0;
    for (unsigned char c : text) {
        const auto found = advances.find(c);
        if (found != advances.end()) width += found->second;
    }
    return width;
}

int wrappedLines(const std::map<unsigned long, long>& advances, const std::string& text, long maxWidth) {
    std::istringstream words(text);
    std::string word, current;
    int lines = 0;
    while (words >> word) {
        const std::string candidate = current.empty() ? word : current + " " + word;
        if (textWidth(advances, candidate) < maxWidth) {
            current = candidate;
        } else {
            ++lines;
            current = word;
        }
    }
    return lines + (current.empty() ? 0 : 1);
}

int timeSeconds(const std::string& text) {
    const size_t colon = text.find(':');
    const std::string minutes = text.substr(0, colon);
    const std::string seconds = colon == std::string::npos ? "" : text.substr(colon + 1);
    const auto digits = [](const std::string& s) { return s.find_first_not_of("0123456789") == std::string::npos; };
    constexpr size_t kMaxDigits = 4;
    if (minutes.empty() || !digits(minutes) || !digits(seconds) || minutes.size() > kMaxDigits ||
        seconds.size() > kMaxDigits) {
        return -1;
    }
    const int whole = std::atoi(minutes.c_str());
    if (colon == std::string::npos) return whole;
    return whole * 60 + std::atoi(seconds.c_str());
}

std::string TableSection::value(const std::string& upperKey) const {
    const auto found = keys.find(upperKey);
    return found == keys.end() ? std::string() : found->second;
}

std::vector<TableSection> readTableSections(const std::string& text) {
    std::vector<TableSection> sections;
    for (const std::string& raw : splitLines(text)) {
        const std::string line = trimmed(raw);
        if (line.empty() || line[0] == ';') continue;
        if (line[0] == '[') {
            sections.push_back({line.substr(1, line.size() - 2), {}});
            continue;
        }
        const size_t eq = line.find('=');
        if (sections.empty() || eq == std::string::npos) continue;
        sections.back().keys[upper(trimmed(line.substr(0, eq)))] = line.substr(eq + 1);
    }
    return sections;
}
