// The generated data folder as a whole: its manifest, the files the loaders ask for and the
// language table.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <deque>
#include <filesystem>
#include <iterator>

#include "game/assets/sound_paths.h"
#include "game/cinematics/intro_movie_files.h"
#include "game/cinematics/movie_triggers.h"
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

// The intro movie's bundle pictures, its scenes' two files each, and every sound its cues, its
// start and its end name, in the list each is played from.
void addMovieFiles(std::vector<RequiredData>& items, std::deque<std::string>& names) {
    for (const char* file : kIntroMoviePictures) names.push_back(std::string(kIntroMovieFolder) + file);
    for (const char* clip : kIntroMovieClips) {
        names.push_back(std::string("Spine/") + clip + "-skeleton.json");
        names.push_back(std::string("Spine/") + clip + "-animation.json");
    }
    for (size_t i = 0; i < names.size(); ++i) {
        items.push_back({i < kIntroMoviePictures.size() ? DataKind::kPicture : DataKind::kFile, names[i].c_str()});
    }
    const size_t firstSound = names.size();
    for (const MovieTrigger& trigger : kMovieTriggers) {
        if (trigger.sound == nullptr) continue;
        const bool sample = trigger.cue == MovieCue::PlaySound;
        names.push_back(std::string(sample ? "sounds/movie/" : "sounds/movie_env/") + trigger.sound + ".ogg");
    }
    for (const char* sample : {"projector_start", "projector_stop"}) names.push_back(std::string("sounds/movie/") + sample + ".ogg");
    names.push_back("sounds/movie_env/projector_running.ogg");
    for (size_t i = firstSound; i < names.size(); ++i) items.push_back({DataKind::kFile, names[i].c_str()});
}

// The hand-kept list, the game's own sound table and the intro movie's tables. `names` keeps the
// texts of the paths built here (a deque, so the items' pointers stay valid as it grows).
std::vector<RequiredData> everyRequiredFile(std::deque<std::string>& names) {
    std::vector<RequiredData> items(std::begin(kRequiredData), std::end(kRequiredData));
    for (const char* path : sounds::kEffectSounds) items.push_back({DataKind::kSound, path});
    for (const char* path : sounds::kMusic) items.push_back({DataKind::kSound, path});
    addMovieFiles(items, names);
    return items;
}

TEST(DataFolder, HoldsEveryFileTheLoadersName) {
    std::vector<std::string> missing;
    std::deque<std::string> names;
    for (const RequiredData& item : everyRequiredFile(names)) {
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
