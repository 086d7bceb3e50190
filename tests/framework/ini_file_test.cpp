#include <gtest/gtest.h>

#include <string>

#include "engine/k_files.h"
#include "framework/core/frame_context.h"
#include "framework/data/ldv_ini_file.h"
#include "framework/data/settings.h"
#include "tests/framework/shell_fixture.h"
#include "tests/support/test_log.h"

namespace {

constexpr const char* kSaveFolder = "Drovana Games/Quorvane/Ver0.2/";

// Every section and value in order, line breaks shown as "|": "k=v;[S]k=v;".
std::string Describe(const LDvIniFile& ini) {
    auto escaped = [](std::string text) {
        for (char& c : text) {
            if (c == '\n') c = '|';
        }
        return text;
    };
    std::string out;
    for (const auto& value : ini.Global().values) out += escaped(value->key) + "=" + escaped(value->value) + ";";
    for (const auto& section : ini.Sections()) {
        out += "[" + section->name + "]";
        for (const auto& value : section->values) out += escaped(value->key) + "=" + escaped(value->value) + ";";
    }
    return out;
}

std::unique_ptr<LDvIniFile> Parsed(const std::string& text) {
    auto ini = std::make_unique<LDvIniFile>();
    ini->Parse(text.data(), text.size());
    return ini;
}

struct ParseCase {
    const char* name;
    const char* text;
    const char* expected;
};

const ParseCase kParseCases[] = {
    {"blank before the value is kept", "KEY = value\n", "KEY= value;"},
    {"value keeps later equals signs", "A=b=c", "A=b=c;"},
    {"last line without line end", "A=1\nB=2", "A=1;B=2;"},
    {"carriage returns end lines", "A=1\rB=2\r\nC=3\r\n", "A=1;B=2;C=3;"},
    {"comments and blank lines skipped", "; note=x\n\n   \t\nA=1\n  ;x=y\n", "A=1;"},
    {"line without equals", "  lonely word  \n", "lonely word=;"},
    {"values before a header are global", "A=1\n[S]\nB=2\n", "A=1;[S]B=2;"},
    {"header loses its last character", "[Name\nA=1\n", "[Nam]A=1;"},
    {"header name taken as it stands", "[ Spaced ]\nA=1\n", "[ Spaced ]A=1;"},
    {"bare bracket is an empty section", "[\nA=1\n", "[]A=1;"},
    {"duplicate key takes the new value", "A=1\na=2\n", "A=2;"},
    {"duplicate section continues", "[S]\nA=1\n[T]\nB=2\n[s]\nC=3\n", "[S]A=1;C=3;[T]B=2;"},
    {"continuation joins with a line break", "A=one \\\ntwo\nB=3\n", "A=one |two;B=3;"},
    {"continuation over three lines", "A=x \\\ny \\\nz\n", "A=x |y |z;"},
    {"backslash without blank is kept", "A=x\\\nB=y\n", "A=x\\;B=y;"},
    {"block over two lines", "<NOTE=some text\nmore>\nB=1\n", "NOTE=some text|more;B=1;"},
    {"block on one line", "<A=b>\n", "A=b;"},
    {"block ends at a trimmed closing bracket", "< K=a\nb >  \nC=1\n", "K=a|b;C=1;"},
    {"block keeps inner lines as they are", "<K=[x]\n;y\n z>\n", "K=[x]|;y| z;"},
    {"unterminated block takes the rest", "<K=a\nb\n", "K=a|b;"},
    {"indented angle bracket is no block", "  <K=v\nB=1\n", "<K=v;B=1;"},
    {"empty text", "", ""},
    {"an editor's byte-order mark is skipped", "\xEF\xBB\xBF" "A=1\nB=2\n", "A=1;B=2;"},
    {"only a leading mark is skipped", "A=\xEF\xBB\xBF\n", "A=\xEF\xBB\xBF;"},
};

}  // namespace

TEST(IniParse, ReadsLinesHeadersContinuationsAndBlocks) {
    for (const ParseCase& c : kParseCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Describe(*Parsed(c.text)), c.expected);
    }
}

TEST(IniParse, LooksUpNamesRegardlessOfCaseButNotValues) {
    auto ini = Parsed("Color=Red\n[Camp]\nHut=3\n");
    EXPECT_EQ(ini->GetString(nullptr, "COLOR", ""), "Red");
    EXPECT_EQ(ini->GetInt("cAMP", "hut", 0), 3);
    EXPECT_TRUE(ini->HasKey("CAMP", "HUT"));
    EXPECT_FALSE(ini->HasKey("Map", "Hut"));
    EXPECT_FALSE(ini->HasKey(nullptr, "Hut"));  // only in the section
}

TEST(IniGetters, GiveTheDefaultForMissingOrEmptyValues) {
    const auto ini = Parsed("Empty=\nNum=12abc\nNeg= -7\nWord=abc\nHuge=99999999999\n");
    struct IntCase { const char* key; int expected; };
    const IntCase ints[] = {{"Empty", 5}, {"Missing", 5}, {"Num", 12}, {"Neg", -7}, {"Word", 0}, {"Huge", 2147483647}};
    for (const IntCase& c : ints) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(ini->GetInt(nullptr, c.key, 5), c.expected);
    }
    EXPECT_EQ(ini->GetString(nullptr, "Empty", "dflt"), "dflt");
    EXPECT_EQ(ini->GetString("NoSection", "Num", "dflt"), "dflt");
}

TEST(IniSections, EnumerateInFileOrder) {
    const auto ini = Parsed("[Hut]\n[Lab]\n[Dock]\n");
    EXPECT_EQ(ini->FirstSectionName(), "Hut");
    EXPECT_EQ(ini->NextSectionName("HUT"), "Lab");
    EXPECT_EQ(ini->NextSectionName("lab"), "Dock");
    EXPECT_EQ(ini->NextSectionName("Dock"), "");
    EXPECT_EQ(ini->NextSectionName("Nowhere"), "");
    EXPECT_EQ(LDvIniFile().FirstSectionName(), "");
}

// Lookups go through indexes of the lower-cased names; the file's order is what a save writes.
TEST(IniIndex, ManySectionsKeepTheirOrderAndCaseInsensitiveLookups) {
    constexpr int kSections = 3000;
    std::string text;
    for (int i = 0; i < kSections; ++i) {
        const std::string n = std::to_string(i);
        text += "[Sec" + n + "]\nKeyA=" + n + "a\nKeyB=" + n + "b\n";
    }
    text += "[sec7]\nkeya=again\nKeyC=new\n";  // continues section 7
    const auto ini = Parsed(text);
    EXPECT_EQ(ini->SectionCount(), kSections);
    EXPECT_EQ(ini->GetString("SEC2999", "keyb", ""), "2999b");
    EXPECT_EQ(ini->GetString("Sec7", "KEYA", ""), "again");
    EXPECT_EQ(ini->GetString("Sec7", "KeyC", ""), "new");
    EXPECT_FALSE(ini->HasKey("Sec3000", "KeyA"));
    int count = 0;
    for (LDvString name = ini->FirstSectionName(); !name.empty(); name = ini->NextSectionName(name)) {
        ASSERT_EQ(name, "Sec" + std::to_string(count));
        ++count;
    }
    EXPECT_EQ(count, kSections);
    LDvIniFile copy;
    copy.Assign(*ini);
    EXPECT_EQ(copy.GetString("sec1500", "KEYA", ""), "1500a");
    EXPECT_EQ(copy.Serialize(), ini->Serialize());
    EXPECT_NE(copy.Serialize().find("\n[Sec7]\nKeyA=again\nKeyB=7b\nKeyC=new\n\n[Sec8]\n"), std::string::npos)
        << "section 7 keeps its place, its new key goes last";
}

TEST(IniWrite, WritesValuesSectionsAndBlocksExactly) {
    auto ini = Parsed("B=2\nA=1\n[S]\nNote=first \\\nsecond\n[Empty]\n");
    EXPECT_EQ(ini->Serialize(), "B=2\nA=1\n\n[S]\n< Note=first \nsecond >\n\n[Empty]\n\n");
    EXPECT_EQ(Describe(*Parsed(ini->Serialize())), "B=2;A=1;[S]Note=first |second;[Empty]");
    EXPECT_EQ(LDvIniFile().Serialize(), "\n");
}

TEST(IniWrite, ReadsBackWhatItWrote) {
    LDvIniFile ini;
    ini.SetString(nullptr, "Name", " Ada");
    ini.SetString("Progress", "Story", "line one\nline two\n  line three");
    ini.SetString("Progress", "Level", "12");
    ini.SetString("[odd]", "x", "=y=");
    EXPECT_EQ(Describe(*Parsed(ini.Serialize())), Describe(ini));
}

struct ChecksumCase {
    const char* name;
    const char* text;
    int expected;
};

// checksum = S mod 7 + (N xor G xor V) + S div 5, S the key and value lengths, G the global
// values less "__SCRC__", N the sections, V the section values.
const ChecksumCase kChecksums[] = {
    {"empty file", "", 0},
    {"one global value", "A=bc\n", 4},                                    // S 3, G 1
    {"stored checksum is left out", "A=bc\n__SCRC__=4\n", 4},
    {"globals and sections", "A=bc\nD=e\n[S]\nX=yz\nW=\n[T]\nP=q\n", 9},  // S 11, G 2, N 2, V 3
    {"lower-case key counts in S only", "A=bc\n__scrc__=12\n", 9},      // S 13, G 1
    {"empty sections count", "[A]\n[B]\n[C]\n", 3},                       // N 3
};

TEST(IniChecksum, MatchesTheStoredFigures) {
    for (const ChecksumCase& c : kChecksums) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Parsed(c.text)->ComputeChecksum(), c.expected);
    }
}

class IniFileTest : public ShellTest {};

TEST_F(IniFileTest, SaveStoresTheChecksumAndKeepsItStable) {
    const std::string path = dataHome.file("player00.ini");
    {
        LDvIniFile ini(path);
        ini.SetChecksum(true);
        ini.SetString(nullptr, "A", "bc");
        ASSERT_TRUE(ini.Save());
    }
    EXPECT_EQ(dataHome.read("player00.ini"), "A=bc\n__SCRC__=4\n\n");
    LDvIniFile again(path);
    again.SetChecksum(true);
    again.SetString(nullptr, "A", "bc");
    ASSERT_TRUE(again.Save());
    EXPECT_EQ(dataHome.read("player00.ini"), "A=bc\n__SCRC__=4\n\n");
}

TEST_F(IniFileTest, LoadCreatesAMissingFileAndSavesOnlyWhenDirty) {
    const std::string path = dataHome.file("table.ini");
    LDvIniFile ini(path);
    EXPECT_TRUE(ini.IsLoaded());
    EXPECT_TRUE(fileExists(path));
    dataHome.write("table.ini", "edited elsewhere\n");
    EXPECT_TRUE(ini.Save());  // clean: nothing written
    EXPECT_EQ(dataHome.read("table.ini"), "edited elsewhere\n");
}

TEST_F(IniFileTest, AutoSaveAndDestructionWriteTheFile) {
    const std::string path = dataHome.file("settings.ini");
    {
        LDvIniFile ini(path);
        ini.SetAutoSave(true);
        ini.SetInt("SFX_VOLUME", 40);
        EXPECT_EQ(dataHome.read("settings.ini"), "SFX_VOLUME=40\n\n");
        EXPECT_FALSE(ini.IsDirty());
        ini.SetAutoSave(false);
        ini.SetString("Audio", "Music", "on");
        EXPECT_EQ(dataHome.read("settings.ini"), "SFX_VOLUME=40\n\n");
    }
    EXPECT_EQ(dataHome.read("settings.ini"), "SFX_VOLUME=40\n\n[Audio]\nMusic=on\n\n");
}

TEST_F(IniFileTest, FailedWriteLeavesTheOldFileAndStaysDirty) {
    Frame().loggingEnabled = false;
    const std::string path = dataHome.file("player01.ini");
    dataHome.write("player01.ini", "CURRENT_LEVEL=7\n\n");
    LDvIniFile ini(path);
    ini.SetString(nullptr, "CURRENT_LEVEL", "8");
    failNextAtomicWritesForTesting(1);
    EXPECT_FALSE(ini.Save());
    EXPECT_TRUE(ini.IsDirty());
    EXPECT_EQ(dataHome.read("player01.ini"), "CURRENT_LEVEL=7\n\n");
    EXPECT_TRUE(ini.Save());
    EXPECT_FALSE(ini.IsDirty());
    EXPECT_EQ(dataHome.read("player01.ini"), "CURRENT_LEVEL=8\n\n");
}

// An auto-saving file on a full disk fails at every change; the log says so once, and again only
// after a save went through in between.
TEST_F(IniFileTest, AFailingSaveIsLoggedOnceUntilASaveSucceeds) {
    StartTestGameLog();
    LDvIniFile ini(dataHome.file("player01.ini"));
    ini.SetAutoSave(true);
    failNextAtomicWritesForTesting(3);
    for (int level = 2; level <= 4; ++level) ini.SetInt("CURRENT_LEVEL", level);
    ini.SetInt("CURRENT_LEVEL", 5);
    failNextAtomicWritesForTesting(1);
    ini.SetInt("CURRENT_LEVEL", 6);
    EXPECT_TRUE(ini.IsDirty());
    const std::string log = dataHome.read(std::string(kSaveFolder) + "log.txt");
    size_t lines = 0;
    for (size_t at = log.find("Can't write INI file"); at != std::string::npos; at = log.find("Can't write", at + 1)) {
        ++lines;
    }
    EXPECT_EQ(lines, 2u) << log;
}

// Save files are read without being created: the first save makes them whole.
TEST_F(IniFileTest, LoadExistingCreatesNothingUntilTheFirstSave) {
    LDvIniFile ini;
    ini.LoadExisting(dataHome.file("settings.ini"));
    EXPECT_TRUE(ini.IsLoaded());
    EXPECT_FALSE(fileExists(dataHome.file("settings.ini")));
    ini.SetInt("SFX_VOLUME", 40);
    ASSERT_TRUE(ini.Save());
    EXPECT_EQ(dataHome.read("settings.ini"), "SFX_VOLUME=40\n\n");

    // A glance at the global values only (a large profile's name) is never written back.
    dataHome.write("player00.ini", "PlayerName=Ana\n[MAP]\nX=1\n");
    LDvIniFile glance;
    glance.LoadExisting(dataHome.file("player00.ini"), true);
    EXPECT_EQ(glance.GetString(nullptr, "PlayerName", ""), "Ana");
    EXPECT_EQ(glance.SectionCount(), 0);
    glance.SetString(nullptr, "PlayerName", "Bo");
    EXPECT_FALSE(glance.Save());
    LDvIniFile copy;
    copy.Assign(glance);
    copy.SetString(nullptr, "PlayerName", "Bo");
    EXPECT_FALSE(copy.Save());
    EXPECT_EQ(dataHome.read("player00.ini"), "PlayerName=Ana\n[MAP]\nX=1\n");
}

TEST_F(IniFileTest, UncreatableFileIsMissingMediaAndUnreadableFileStaysEmpty) {
    LDvIniFile missing(dataHome.file("no/such/folder/levels.ini"));
    EXPECT_FALSE(missing.IsLoaded());
    EXPECT_TRUE(Frame().quitPending);
    ASSERT_EQ(messageBoxes.size(), 1u);
    EXPECT_NE(messageBoxes[0].find("no/such/folder/levels.ini"), std::string::npos);

    dataHome.write("folder.ini/inside", "x");  // a folder where the file should be
    LDvIniFile folder(dataHome.file("folder.ini"));
    EXPECT_FALSE(folder.IsLoaded());
    EXPECT_EQ(folder.SectionCount(), 0);
}

TEST_F(IniFileTest, AssignCopiesContentsPathAndFlags) {
    LDvIniFile source(dataHome.file("player02.ini"));
    source.SetChecksum(true);
    source.SetAutoSave(true);
    source.SetString("TIPS", "camp", "1");
    LDvIniFile store;
    store.SetString(nullptr, "old", "gone");
    store.Assign(source);
    EXPECT_EQ(store.Path(), source.Path());
    EXPECT_TRUE(store.Checksum());
    EXPECT_TRUE(store.AutoSave());
    EXPECT_EQ(Describe(store), Describe(source));
    source.SetString("TIPS", "camp", "2");
    EXPECT_EQ(store.GetString("TIPS", "camp", ""), "1");  // a deep copy
}

TEST_F(IniFileTest, SettingBoolsAcceptOnlyExactTrueOrOne) {
    Frame().settings = std::make_unique<LDvIniFile>(dataHome.file("settings.ini"));
    Frame().settings->SetAutoSave(true);
    struct BoolCase { const char* value; bool fallback; bool expected; };
    const BoolCase cases[] = {{"true", false, true}, {"1", false, true}, {"TRUE", true, false},
                              {"yes", true, false},  {"", true, true},   {"", false, false}};
    for (const BoolCase& c : cases) {
        SCOPED_TRACE(c.value);
        Frame().settings->SetString(nullptr, "FLAG", c.value);
        EXPECT_EQ(GetSettingBool(c.fallback, "FLAG"), c.expected);
    }
    EXPECT_TRUE(GetSettingBool(true, "MISSING"));
    SetSettingBool("HIDE_CUSTOM_CURSORS", true);
    EXPECT_NE(dataHome.read("settings.ini").find("HIDE_CUSTOM_CURSORS=true\n"), std::string::npos);
}
