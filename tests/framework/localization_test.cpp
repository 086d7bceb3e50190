// The language table: choosing the language from locale.ini, reading the two line-aligned files,
// and looking texts up by number.
#include "framework/data/localization.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "framework/core/frame_context.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_game.h"
#include "tests/framework/shell_fixture.h"

namespace {

class LocalizationTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        ResetLocaleForTesting();
        game = std::make_unique<LDvGame>("Quorvane", "Quorvane", 0, 2);
        Frame().rootDirOverride = data.path();
        StartLogging("Quorvane", "0.2", false);
    }
    void TearDown() override {
        ResetLocaleForTesting();
        ShellTest::TearDown();
        game.reset();
    }
    std::string LogText() const { return dataHome.read("Drovana Games/Quorvane/Ver0.2/log.txt"); }

    std::unique_ptr<LDvGame> game;
    TempDir data;
};

struct LocaleCase {
    const char* localeIni;
    int language;               // -1: nothing selected
    const char* overrideFolder;
};
constexpr LocaleCase kLocales[] = {
    {"LOCALE=ENGLISH\n", kLanguageEnglish, ""},
    {"LOCALE=FRENCH\n", kLanguageFrench, "locale/over_img/french"},
    {"locale=JAPANESE\n", kLanguageJapanese, "locale/over_img/japanese"},
    {"LOCALE=english\n", -1, ""},
    {"LOCALE= GERMAN\n", -1, ""},
    {"LOCALE=\n", -1, ""},
    {"", -1, ""},
};

TEST_F(LocalizationTest, OnlyAnExactLocaleValueSelectsALanguage) {
    data.write("Locale/lookup.txt", "KEY\n");
    for (const LocaleCase& c : kLocales) {
        SCOPED_TRACE(c.localeIni);
        ResetLocaleForTesting();
        Frame().imageOverrideFolder.clear();
        data.write("locale.ini", c.localeIni);
        SetupLocale();
        EXPECT_EQ(LocaleLanguage(), c.language);
        EXPECT_EQ(Frame().imageOverrideFolder, c.overrideFolder);
        if (c.language < 0) {
            EXPECT_EQ(GetText(1), "NOT INITIALIZED");
        }
    }
    EXPECT_EQ(LogText().find("out of range"), std::string::npos);
}

TEST_F(LocalizationTest, TextsFollowTheNonEmptyLookupLines) {
    data.write("Locale/lookup.txt", "TITLE\n\nGREETING  \r\n\r\nFAREWELL\nMISSING");
    data.write("Locale/french.txt",
               "Caf\xC3\xA9\xC2\xA0ouvert \t\r\n"
               "  D\xC3\xA9j\xC3\xA0 vu\xC2\xA0!\xC2\n"
               "\n");
    LoadLocale(kLanguageFrench);

    ASSERT_EQ(LocaleEntryCount(), 4);
    // The no-break space becomes a blank; other UTF-8 and leading blanks stay, trailing ones go.
    EXPECT_EQ(GetText(1), "Caf\xC3\xA9 ouvert");
    EXPECT_EQ(GetText(2), "  D\xC3\xA9j\xC3\xA0 vu !\xC2");
    EXPECT_EQ(GetText(3), "");
    EXPECT_EQ(GetText(4), "");  // the table file ran out
    for (int n : {0, 5, -1}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(GetText(n), "OUT OF RANGE");
    }
    EXPECT_NE(LogText().find("Error : Locale Table index out of range\n"), std::string::npos);
}

TEST_F(LocalizationTest, MissingFilesLeaveAnEmptyTable) {
    data.write("Locale/lookup.txt", "KEY\n");
    LoadLocale(kLanguageGerman);  // no german.txt
    EXPECT_EQ(LocaleLanguage(), kLanguageGerman);
    EXPECT_EQ(Frame().imageOverrideFolder, "locale/over_img/german");
    EXPECT_EQ(LocaleEntryCount(), 0);
    EXPECT_EQ(GetText(1), "OUT OF RANGE");

    // English clears the replacement folder a previous language set.
    LoadLocale(kLanguageEnglish);
    EXPECT_EQ(Frame().imageOverrideFolder, "");
}

TEST_F(LocalizationTest, KeepsTheFirst2048Entries) {
    std::string keys, texts;
    for (int n = 1; n <= kLocaleMaxEntries + 2; ++n) {
        keys += "K" + std::to_string(n) + "\n";
        texts += "text " + std::to_string(n) + "\n";
    }
    data.write("Locale/lookup.txt", keys);
    data.write("Locale/english.txt", texts);
    LoadLocale(kLanguageEnglish);

    EXPECT_EQ(LocaleEntryCount(), kLocaleMaxEntries);
    EXPECT_EQ(GetText(kLocaleMaxEntries), "text 2048");
    EXPECT_EQ(GetText(kLocaleMaxEntries + 1), "OUT OF RANGE");
    EXPECT_NE(LogText().find("ERROR: Lookup entries for localization exceeded max count\n"), std::string::npos);
}

}  // namespace
