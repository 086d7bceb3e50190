// The generated data folder as a whole: its manifest, the files the loaders ask for and the
// language table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>

#include "game/assets/sound_paths.h"
#include "tests/tools/data_folder.h"
#include "tests/tools/required_data.h"

namespace fs = std::filesystem;

namespace {

std::string lowerCase(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The stored files behind one path as the loader names it.
std::vector<std::string> storedFiles(const RequiredData& item) {
    std::string path = item.path;
    switch (item.kind) {
        case DataKind::kPicture: return {"img/" + lowerCase(path)};
        case DataKind::kSound: std::replace(path.begin(), path.end(), '\\', '/'); return {path};
        case DataKind::kFont: return {"fonts/" + lowerCase(path) + ".table", "fonts/" + lowerCase(path) + ".png"};
        case DataKind::kFile: return {path};
        case DataKind::kSoundFolder: return {};
    }
    return {};
}

bool holdsOgg(const std::string& folder) {
    std::error_code ec;
    for (const fs::directory_entry& entry : fs::directory_iterator(dataPath(folder), ec)) {
        if (entry.is_regular_file() && entry.path().extension() == ".ogg") return true;
    }
    return false;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items) text += "\n  " + item;
    return text;
}

}  // namespace

TEST(DataFolder, ManifestListsExactlyTheFilesPresent) {
    std::string manifest;
    ASSERT_TRUE(readDataFile(dataPath("manifest.txt"), manifest));
    std::vector<std::string> listed = splitLines(manifest);
    std::sort(listed.begin(), listed.end());
    std::vector<std::string> present = listFiles(QV_DATA_DIR);
    present.erase(std::remove(present.begin(), present.end(), "manifest.txt"), present.end());

    std::vector<std::string> unlisted, absent;
    std::set_difference(present.begin(), present.end(), listed.begin(), listed.end(), std::back_inserter(unlisted));
    std::set_difference(listed.begin(), listed.end(), present.begin(), present.end(), std::back_inserter(absent));
    EXPECT_TRUE(unlisted.empty()) << "files missing from manifest.txt:" << joined(unlisted);
    EXPECT_TRUE(absent.empty()) << "manifest.txt lists files that are absent:" << joined(absent);
}

// The hand-kept list and the game's own sound table.
std::vector<RequiredData> everyRequiredFile() {
    std::vector<RequiredData> items(std::begin(kRequiredData), std::end(kRequiredData));
    for (const char* path : sounds::kEffectSounds) items.push_back({DataKind::kSound, path});
    for (const char* path : sounds::kMusic) items.push_back({DataKind::kSound, path});
    return items;
}

TEST(DataFolder, HoldsEveryFileTheLoadersName) {
    std::vector<std::string> missing;
    for (const RequiredData& item : everyRequiredFile()) {
        if (item.kind == DataKind::kSoundFolder) {
            if (!holdsOgg(item.path)) missing.push_back(std::string(item.path) + "/*.ogg");
            continue;
        }
        for (const std::string& file : storedFiles(item)) {
            if (!fs::is_regular_file(dataPath(file))) missing.push_back(file);
        }
    }
    EXPECT_TRUE(missing.empty()) << missing.size() << " missing:" << joined(missing);
}

// The game pairs the n-th non-empty key with the n-th line of the table file, so a blank line or
// a "\r\n" line end in either file would shift every later text.
TEST(LanguageTable, PairsEachKeyWithOneEnglishText) {
    std::string locale, lookup, english;
    ASSERT_TRUE(readDataFile(dataPath("locale.ini"), locale));
    ASSERT_TRUE(readDataFile(dataPath("Locale/lookup.txt"), lookup));
    ASSERT_TRUE(readDataFile(dataPath("Locale/english.txt"), english));
    EXPECT_EQ(splitLines(locale).at(0), "LOCALE=ENGLISH");
    EXPECT_EQ(lookup.find('\r'), std::string::npos);
    EXPECT_EQ(english.find('\r'), std::string::npos);

    const std::vector<std::string> keys = splitLines(lookup);
    const std::vector<std::string> texts = splitLines(english);
    ASSERT_GE(texts.size(), 76u);
    ASSERT_EQ(keys.size(), texts.size());
    for (size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE("text " + std::to_string(i + 1));
        EXPECT_FALSE(keys[i].empty());
        EXPECT_FALSE(texts[i].empty());
    }
}

// Character dialogs colour the words between two "~" blue, line by line as the text wraps; a pair
// around more than one word can be cut by the wrap and a lone "~" colours the rest of the line.
TEST(LanguageTable, HighlightsSingleWords) {
    std::string english;
    ASSERT_TRUE(readDataFile(dataPath("Locale/english.txt"), english));
    const std::vector<std::string> texts = splitLines(english);
    for (size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE("text " + std::to_string(i + 1) + ": " + texts[i]);
        const std::string& text = texts[i];
        for (size_t open = text.find('~'); open != std::string::npos; open = text.find('~', open)) {
            const size_t close = text.find('~', open + 1);
            ASSERT_NE(close, std::string::npos) << "a lone ~";
            EXPECT_EQ(text.substr(open, close - open).find(' '), std::string::npos);
            open = close + 1;
        }
    }
}

// The field guide stores its task flags under the task texts themselves.
TEST(LanguageTable, TaskTextsAreTheTaskKeys) {
    struct TaskCase { int number; const char* text; };
    constexpr TaskCase kTasks[] = {
        {35, "Build Huts"}, {36, "Build Lab"}, {37, "Find Medical Supplies"}, {38, "Build a Clinic"},
        {39, "Find Building Materials"}, {40, "Upgrade Huts"}, {41, "Find Fresh Water"}, {42, "Finish Camp"},
    };
    std::string english;
    ASSERT_TRUE(readDataFile(dataPath("Locale/english.txt"), english));
    const std::vector<std::string> texts = splitLines(english);
    ASSERT_GE(texts.size(), 43u);
    for (const TaskCase& c : kTasks) EXPECT_EQ(texts[static_cast<size_t>(c.number - 1)], c.text);
}
