// The hand-written tables: the language choice, the language table and the survey address.
// The language table is two line-aligned files, so a stray blank line or a Windows line end
// (read as an extra empty line) would shift every text after it; such files stop the forge.
#include <algorithm>
#include <string>

#include "tools/forge/core/forge.h"

namespace {

constexpr const char* kLookup = "Locale/lookup.txt";
constexpr const char* kEnglish = "Locale/english.txt";

// Texts whose exact wording the game relies on: the field guide's task keys.
struct FixedText {
    int number;
    const char* text;
};
constexpr FixedText kTaskKeys[] = {
    {35, "Build Huts"},      {36, "Build Lab"},         {37, "Find Medical Supplies"},
    {38, "Build a Clinic"},  {39, "Find Building Materials"}, {40, "Upgrade Huts"},
    {41, "Find Fresh Water"}, {42, "Finish Camp"},
};
constexpr int kTextCount = 76;

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return lines;
}

bool checkLanguageTable(Forge& forge, const std::string& lookup, const std::string& english) {
    if (lookup.find('\r') != std::string::npos || english.find('\r') != std::string::npos) {
        forge.fail("the language table must use \\n line ends only");
        return false;
    }
    const std::vector<std::string> keys = splitLines(lookup);
    const std::vector<std::string> texts = splitLines(english);
    const bool blankKey = std::any_of(keys.begin(), keys.end(), [](const std::string& k) { return k.empty(); });
    if (blankKey || keys.size() != texts.size() || static_cast<int>(texts.size()) < kTextCount) {
        forge.fail("lookup.txt and english.txt must hold the same number of non-empty lines (at least 76)");
        return false;
    }
    for (const FixedText& fixed : kTaskKeys) {
        if (texts[static_cast<size_t>(fixed.number - 1)] != fixed.text) {
            forge.fail("text " + std::to_string(fixed.number) + " must read \"" + fixed.text + "\"");
            return false;
        }
    }
    return true;
}

}  // namespace

FORGE_STEP(texts) {
    forge.copyContent("locale.ini", "locale.ini");
    forge.copyContent("urls.ini", "urls.ini");
    std::string lookup;
    std::string english;
    if (!forge.readContent(kLookup, lookup) || !forge.readContent(kEnglish, english)) {
        return forge.fail("missing the language table under content/Locale");
    }
    if (!checkLanguageTable(forge, lookup, english)) return;
    forge.writeText(kLookup, lookup);
    forge.writeText(kEnglish, english);
}
