#include "framework/data/localization.h"

#include <vector>

#include "framework/core/folders.h"
#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_file.h"
#include "framework/data/ldv_ini_file.h"

namespace {

constexpr LanguageInfo kLanguages[kLanguageCount] = {
    {"ENGLISH", "english.txt", ""},
    {"FRENCH", "french.txt", "locale/over_img/french"},
    {"GERMAN", "german.txt", "locale/over_img/german"},
    {"DUTCH", "dutch.txt", "locale/over_img/dutch"},
    {"SPANISH", "spanish.txt", "locale/over_img/spanish"},
    {"DANISH", "danish.txt", "locale/over_img/danish"},
    {"ITALIAN", "italian.txt", "locale/over_img/italian"},
    {"SWEDISH", "swedish.txt", "locale/over_img/swedish"},
    {"BRAZIL", "brazil.txt", "locale/over_img/brazil"},
    {"JAPANESE", "japanese.txt", "locale/over_img/japanese"},
};

constexpr const char* kLocaleFolder = "Locale/";
constexpr const char* kLookupFile = "lookup.txt";
constexpr const char* kTrailingBlanks = " \t\n\r";

struct LocaleTable {
    bool initialised = false;
    int language = -1;
    std::vector<LDvString> keys;   // stored for completeness; lookups go by number
    std::vector<LDvString> texts;
};

LocaleTable& Table() {
    static LocaleTable table;
    return table;
}

// Lines end at "\n", "\r" or "\r\n": translators' tables written on Windows must stay aligned
// with lookup.txt line for line.
class TextLines {
public:
    explicit TextLines(const LDvString& text) : text(text) {}

    // False once the text is exhausted.
    bool Next(LDvString& line) {
        if (pos >= text.size()) return false;
        const size_t end = text.find_first_of("\r\n", pos);
        const size_t stop = end == LDvString::npos ? text.size() : end;
        line.assign(text, pos, stop - pos);
        pos = stop;
        if (pos < text.size()) {
            const char ending = text[pos++];
            if (ending == '\r' && pos < text.size() && text[pos] == '\n') ++pos;
        }
        return true;
    }

private:
    const LDvString& text;
    size_t pos = 0;
};

LDvString TrimTrailing(const LDvString& text) {
    const size_t last = text.find_last_not_of(kTrailingBlanks);
    return last == LDvString::npos ? LDvString() : text.substr(0, last + 1);
}

// The UTF-8 no-break space shows as a box in the bitmap fonts; an ordinary blank reads the same.
LDvString FoldNoBreakSpaces(const LDvString& text) {
    LDvString out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (static_cast<unsigned char>(text[i]) == 0xC2 && i + 1 < text.size() &&
            static_cast<unsigned char>(text[i + 1]) == 0xA0) {
            out += ' ';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool ReadText(const LDvString& path, LDvString& text) {
    LDvFile file;
    if (!file.Open(path, kFileModeRead) || !file.ReadAll(text)) {
        Log("Can't open locale file " + path);
        return false;
    }
    return true;
}

void FillTable(const LDvString& lookupText, const LDvString& tableText, LocaleTable& table) {
    TextLines lookup(lookupText);
    TextLines translations(tableText);
    LDvString key;
    LDvString text;
    while (lookup.Next(key)) {
        if (key.empty()) continue;
        if (!translations.Next(text)) text.clear();
        if (static_cast<int>(table.texts.size()) >= kLocaleMaxEntries) {
            Log("ERROR: Lookup entries for localization exceeded max count");
            return;
        }
        table.keys.push_back(TrimTrailing(key));
        table.texts.push_back(FoldNoBreakSpaces(TrimTrailing(text)));
    }
}

}  // namespace

const LanguageInfo* FindLanguage(int code) {
    return code >= 0 && code < kLanguageCount ? &kLanguages[code] : nullptr;
}

void SetupLocale() {
    const LDvIniFile localeIni(GetDataRoot() + "locale.ini");
    const LDvString value = localeIni.GetString(nullptr, "LOCALE", "");
    for (int code = 0; code < kLanguageCount; ++code) {
        if (value == kLanguages[code].localeValue) {
            LoadLocale(code);
            return;
        }
    }
}

void LoadLocale(int code) {
    const LanguageInfo* language = FindLanguage(code);
    if (language == nullptr) {
        Log("Unknown language " + std::to_string(code));
        return;
    }
    LocaleTable& table = Table();
    table = LocaleTable();
    table.language = code;
    SetImageOverrideFolder(language->overrideFolder);
    table.initialised = true;

    const LDvString folder = GetDataRoot() + kLocaleFolder;
    LDvString lookupText;
    LDvString tableText;
    if (!ReadText(folder + kLookupFile, lookupText) || !ReadText(folder + language->tableFile, tableText)) return;
    FillTable(lookupText, tableText, table);
}

LDvString GetText(int n) {
    const LocaleTable& table = Table();
    if (!table.initialised) return "NOT INITIALIZED";
    if (n >= 1 && n <= static_cast<int>(table.texts.size())) return table.texts[static_cast<size_t>(n - 1)];
    Log("Error : Locale Table index out of range");
    return "OUT OF RANGE";
}

void SetImageOverrideFolder(const LDvString& folder) { Frame().imageOverrideFolder = folder; }

int LocaleLanguage() { return Table().language; }

int LocaleEntryCount() { return static_cast<int>(Table().texts.size()); }

void ResetLocaleForTesting() { Table() = LocaleTable(); }
