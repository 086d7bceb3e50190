// The interface steps of the forge run as a separate process: they give the same bytes on every
// run, and they refuse skeletal-animation files that the game's scanner would misread.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/temp_dir.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kInterfaceSteps =
    "gui_frame,gui_boards,gui_text,gui_rewards,gui_slots,gui_portraits,gui_backs,gui_credits,gui_survey,"
    "gui_chapter,gui_inventory,anim_winlose,anim_friend";

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// Runs the forge; returns its exit code and what it printed on its error stream.
int runForge(const std::string& content, const std::string& out, const std::string& steps, std::string& errors) {
    const TempDir logs;
    const std::string log = logs.file("stderr.txt");
    const std::string command = std::string(QV_BINARY_DIR) + "/tools/forge/forge --content '" + content +
                                "' --out '" + out + "' --only " + steps + " > /dev/null 2> '" + log + "'";
    const int status = std::system(command.c_str());
    errors = readFile(log);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void copyAnimations(const TempDir& content) {
    const fs::path from = fs::path(QV_SOURCE_DIR) / "content" / "animations";
    for (const auto& entry : fs::directory_iterator(from)) {
        content.write("animations/" + entry.path().filename().string(), readFile(entry.path()));
    }
}

struct Broken {
    const char* file;      // under content/animations
    const char* original;  // text replaced (its first occurrence)
    const char* replacement;
    const char* complaint;
};

constexpr Broken kBroken[] = {
    {"levelwin-skeleton.json", R"("panel": { "x": "0", "y": "-5")", R"("panel": { "x": 0, "y": "-5")",
     "unquoted value"},
    {"levelwin-skeleton.json", R"("panel": { "x": "0", "y": "-5")", R"("panel": { "x": "0", "y": { "v": "-5" })",
     "mixes object members with string members"},
    // A "parent" ahead of "x" whose value holds an x: the game would read x from the name.
    {"levelwin-skeleton.json", R"("root": { "x": "0", "y": "0" },)",
     R"("root": { "x": "0", "y": "0" }, "box": { "x": "3", "y": "4", "parent": "root" },
        "lid": { "parent": "box", "x": "1", "y": "2" },)",
     "would misread \"x\""},
    {"levelwin-animation.json", R"("0.42": { "x": "1", "y": "1" })", R"("0.12": { "x": "1", "y": "1" })",
     "keys out of order"},
    {"levelwin-animation.json", R"("1": "parrot_head_cheer")", R"("1": "parrot_head_sad")", "cannot show"},
    {"levelwin-skeleton.json", R"("win_title": {)", R"("win_banner": {)", "no picture \"win_banner\""},
};

}  // namespace

TEST(ForgeInterfaceSteps, RefuseAnimationFilesTheGameWouldMisread) {
    for (const Broken& broken : kBroken) {
        SCOPED_TRACE(broken.complaint);
        const TempDir content;
        const TempDir out;
        copyAnimations(content);
        const std::string path = std::string("animations/") + broken.file;
        std::string text = content.read(path);
        const size_t at = text.find(broken.original);
        ASSERT_NE(at, std::string::npos);
        text.replace(at, std::string(broken.original).size(), broken.replacement);
        content.write(path, text);
        std::string errors;
        EXPECT_EQ(runForge(content.path(), out.path(), "anim_winlose", errors), 1);
        EXPECT_NE(errors.find(broken.complaint), std::string::npos) << errors;
    }
}

TEST(ForgeInterfaceSteps, SameSourceGivesTheSameBytes) {
    const std::string content = std::string(QV_SOURCE_DIR) + "/content";
    const TempDir first;
    const TempDir second;
    std::string errors;
    ASSERT_EQ(runForge(content, first.path(), kInterfaceSteps, errors), 0) << errors;
    ASSERT_EQ(runForge(content, second.path(), kInterfaceSteps, errors), 0) << errors;
    int files = 0;
    for (const auto& entry : fs::recursive_directory_iterator(first.path())) {
        if (!entry.is_regular_file()) continue;
        const fs::path relative = fs::relative(entry.path(), first.path());
        EXPECT_EQ(readFile(entry.path()), readFile(fs::path(second.path()) / relative)) << relative;
        ++files;
    }
    EXPECT_GT(files, 0);
}
