#pragma once
// The language table: every player-visible text that varies by language, fetched by number. The
// language is chosen once from locale.ini; its texts come from "Locale/lookup.txt" (one key per
// line) and the language's table file (one text per line, in the same order). Languages other than
// English may replace pictures with translated ones from a folder under "locale/over_img".
//
// The table is process-wide and lives until the next LoadLocale; texts are handed out as copies.
#include "framework/core/ldv_string.h"

constexpr int kLanguageEnglish = 0;
constexpr int kLanguageFrench = 1;
constexpr int kLanguageGerman = 2;
constexpr int kLanguageDutch = 3;
constexpr int kLanguageSpanish = 4;
constexpr int kLanguageDanish = 5;
constexpr int kLanguageItalian = 6;
constexpr int kLanguageSwedish = 7;
constexpr int kLanguageBrazil = 8;
constexpr int kLanguageJapanese = 9;
constexpr int kLanguageCount = 10;

constexpr int kLocaleMaxEntries = 2048;

struct LanguageInfo {
    const char* localeValue;     // the "LOCALE" value of locale.ini that selects it
    const char* tableFile;       // under "Locale/"
    const char* overrideFolder;  // replacement pictures under the data root; empty for English
};

// Null for a code outside 0..9.
const LanguageInfo* FindLanguage(int code);

// Reads "LOCALE" from locale.ini and loads the language whose value matches exactly (case
// included); with no match the table stays uninitialised.
void SetupLocale();
// Replaces the table with the language's texts and sets its picture replacement folder. Missing
// files leave an empty (but initialised) table.
void LoadLocale(int code);
// Text n (1-based); "NOT INITIALIZED" before a table was loaded, "OUT OF RANGE" outside 1..count.
LDvString GetText(int n);
// The folder replacement pictures are taken from; empty turns replacement off.
void SetImageOverrideFolder(const LDvString& folder);

int LocaleLanguage();      // -1 while uninitialised
int LocaleEntryCount();

// Tests start from an uninitialised table.
void ResetLocaleForTesting();
