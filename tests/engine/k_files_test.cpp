#include "engine/k_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <chrono>
#include <cstdlib>

#include "engine/k_log.h"
#include "engine/k_system.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(FilePaths, MakeFilePathJoinsRelativePathsToTheBaseFolder) {
    setGameBaseFolder("/games/quorvane/data/");
    struct Case { const char* path; const char* absolute; };
    constexpr Case kPaths[] = {
        {"img/gui/black.png", "/games/quorvane/data/img/gui/black.png"},
        {"sounds\\sfx\\click.ogg", "/games/quorvane/data/sounds/sfx/click.ogg"},
        {"/home/player/inventory/key.png", "/home/player/inventory/key.png"},
        {"\\tmp\\x.ini", "/tmp/x.ini"},
        {"C:/Games/pic.png", "C:/Games/pic.png"},
        {"levels.ini", "/games/quorvane/data/levels.ini"},
    };
    for (const Case& c : kPaths) EXPECT_EQ(makeFilePath(c.path), c.absolute) << c.path;
    setGameBaseFolder("");  // back to the rule based on the executable's folder
    EXPECT_FALSE(gameBaseFolder().empty());
}

TEST(FilePaths, UserDataFolderFollowsXdgDataHome) {
    TempDir dir;
    {
        ScopedEnv xdg("XDG_DATA_HOME", dir.file("share/"));
        EXPECT_EQ(userDataFolder(), dir.file("share"));
        EXPECT_TRUE(folderExists(dir.file("share")));
    }
    ScopedEnv relative("XDG_DATA_HOME", "not/absolute");
    ScopedEnv home("HOME", dir.path());
    EXPECT_EQ(userDataFolder(), dir.file(".local/share"));
}

TEST(Files, ListsPlainFilesSorted) {
    TempDir dir;
    dir.write("b.png", "b");
    dir.write("a.png", "a");
    ASSERT_TRUE(createFolder(dir.file("sub")));
    EXPECT_EQ(listFolder(dir.path()), (std::vector<std::string>{"a.png", "b.png"}));
    EXPECT_TRUE(listFolder(dir.file("missing")).empty());
}

TEST(Files, AtomicWriteKeepsTheOldFileWhenWritingFails) {
    TempDir dir;
    const std::string path = dir.file("settings.ini");
    ASSERT_TRUE(writeFileAtomically(path, "old", 3));
    ::chmod(path.c_str(), 0640);

    failNextAtomicWritesForTesting(1);
    EXPECT_FALSE(writeFileAtomically(path, "new contents", 12));
    EXPECT_EQ(dir.read("settings.ini"), "old");
    EXPECT_EQ(listFolder(dir.path()), std::vector<std::string>{"settings.ini"});  // no temporary left behind

    ASSERT_TRUE(writeFileAtomically(path, "new contents", 12));
    EXPECT_EQ(dir.read("settings.ini"), "new contents");
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);  // the replaced file's permissions survive
    EXPECT_FALSE(writeFileAtomically(dir.file("missing/settings.ini"), "x", 1));
}

TEST(Files, ResourceReadsSeeksAndLogsFailures) {
    TempDir dir;
    dir.write("data.bin", "0123456789");
    KResource resource;
    EXPECT_FALSE(resource.open(dir.file("absent.bin")));
    ASSERT_TRUE(resource.open(dir.file("data.bin")));
    EXPECT_EQ(resource.size(), 10);
    ASSERT_TRUE(resource.seek(4, SEEK_SET));
    char bytes[8] = {};
    EXPECT_EQ(resource.read(bytes, sizeof bytes), 6u);
    EXPECT_EQ(std::string(bytes, 6), "456789");
    std::vector<uint8_t> whole;
    EXPECT_FALSE(readWholeFile(dir.path(), whole));  // a folder is not a file
}

TEST(EngineLog, BufferedLinesAreWrittenWhenTheLogOpens) {
    TempDir dir;
    // Empty whatever earlier tests left in the buffer.
    startEngineLog("x", "y", dir.file("earlier.txt").c_str());
    endEngineLog();

    engineLog("before the file: %d", 7);
    startEngineLog("Quorvane", "0.2", dir.file("engine_log.txt").c_str());
    engineLog("Resource: opened '%s' (filesystem)", "a.png");
    endEngineLog();

    const std::string text = dir.read("engine_log.txt");
    EXPECT_EQ(text.rfind("Start log: Quorvane 0.2\n", 0), 0u) << text;
    const size_t buffered = text.find(": before the file: 7\n");
    const size_t later = text.find(": Resource: opened 'a.png' (filesystem)\n");
    ASSERT_NE(buffered, std::string::npos) << text;
    ASSERT_NE(later, std::string::npos) << text;
    EXPECT_LT(buffered, later);
    EXPECT_EQ(text.substr(text.size() - 8), "End log\n");
    // Each line starts with the local time as "hh:mm:ss: ".
    const std::string firstLine = text.substr(text.find('\n') + 1, 10);
    EXPECT_TRUE(std::isdigit(firstLine[0]) && firstLine[2] == ':' && firstLine[5] == ':' && firstLine[8] == ':')
        << firstLine;
}

TEST(System, OpenUrlPassesTheAddressAsOneArgument) {
    TempDir dir;
    const std::string record = dir.file("args.txt");
    dir.write("xdg-open", "#!/bin/sh\nprintf '%s|' \"$#\" \"$@\" > " + record + ".part && mv " + record + ".part " +
                              record + "\n");
    ::chmod(dir.file("xdg-open").c_str(), 0755);
    ScopedEnv path("PATH", dir.path() + ":/usr/bin:/bin");
    const std::string url = "https://example.org/survey?a=1&b=2;touch " + dir.file("pwned");
    EXPECT_TRUE(openUrl(url, 5000));
    EXPECT_EQ(dir.read("args.txt"), "1|" + url + "|") << "the opener has done its work when openUrl returns";
    EXPECT_FALSE(fileExists(dir.file("pwned")));
    EXPECT_FALSE(openUrl("", 5000));
}

// The wait lasts only as long as the opener needs, and never past its limit.
TEST(System, OpenUrlWaitsForTheOpenerAtMostAsLongAsAllowed) {
    TempDir dir;
    dir.write("xdg-open", "#!/bin/sh\nsleep \"$1\"\n");
    ::chmod(dir.file("xdg-open").c_str(), 0755);
    ScopedEnv path("PATH", dir.path() + ":/usr/bin:/bin");
    struct WaitCase {
        const char* openerSeconds;
        uint32_t limitMs;
        double atLeast, below;  // seconds openUrl takes
    };
    for (const WaitCase& c : {WaitCase{"0.3", 5000, 0.25, 3.0}, WaitCase{"2", 300, 0.25, 1.5}}) {
        SCOPED_TRACE(c.openerSeconds);
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(openUrl(c.openerSeconds, c.limitMs));
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        EXPECT_GE(took, c.atLeast);
        EXPECT_LT(took, c.below);
    }
}

}  // namespace
