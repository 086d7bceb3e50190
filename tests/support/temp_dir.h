#pragma once
// Test helpers: a temporary folder removed at the end of the test, and an environment variable
// set for the duration of a scope (tests point XDG_DATA_HOME at a temporary folder).
#include <optional>
#include <string>

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& path() const { return root; }
    std::string file(const std::string& name) const { return root + "/" + name; }
    void write(const std::string& name, const std::string& contents) const;
    std::string read(const std::string& name) const;

private:
    std::string root;
};

class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string name;
    std::optional<std::string> previous;
};
