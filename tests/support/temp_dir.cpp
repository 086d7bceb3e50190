#include "tests/support/temp_dir.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "quorvane-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) root = pattern;
}

TempDir::~TempDir() {
    std::error_code ec;
    if (!root.empty()) std::filesystem::remove_all(root, ec);
}

void TempDir::write(const std::string& name, const std::string& contents) const {
    const std::filesystem::path path = file(name);
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << contents;
}

std::string TempDir::read(const std::string& name) const {
    std::ifstream in(file(name), std::ios::binary);
    std::ostringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

ScopedEnv::ScopedEnv(const char* variable, const std::string& value) : name(variable) {
    if (const char* old = std::getenv(variable)) previous = old;
    setenv(variable, value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (previous) setenv(name.c_str(), previous->c_str(), 1);
    else unsetenv(name.c_str());
}
