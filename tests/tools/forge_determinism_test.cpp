// The forge must give byte-identical data on every run, or every build would look like a change.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/support/temp_dir.h"
#include "tests/tools/data_folder.h"

namespace {

// A representative subset of the steps keeps the test quick: text tables, binary levels, fonts,
// painted pictures (pieces, frame) and synthesised Ogg sounds.
constexpr const char* kSteps = "texts,levels,fonts,board_pieces,board_borders,audio_sfx_board";

bool runForge(const std::string& out) {
    const std::string command = std::string("\"") + QV_BINARY_DIR + "/tools/forge/forge\" --content \"" +
                                QV_SOURCE_DIR + "/content\" --out \"" + out + "\" --only " + kSteps + " > /dev/null";
    return std::system(command.c_str()) == 0;
}

}  // namespace

TEST(Forge, WritesTheSameBytesOnEveryRun) {
    TempDir first, second;
    ASSERT_TRUE(runForge(first.path()));
    ASSERT_TRUE(runForge(second.path()));
    const std::vector<std::string> files = listFiles(first.path());
    ASSERT_FALSE(files.empty());
    ASSERT_EQ(files, listFiles(second.path()));
    for (const std::string& file : files) {
        std::string a, b;
        ASSERT_TRUE(readDataFile(first.file(file), a));
        ASSERT_TRUE(readDataFile(second.file(file), b));
        EXPECT_TRUE(a == b) << file << " differs between runs";
    }
}
