// forge --content <content dir> --out <data dir> [--contact-sheets <dir>] [--only <step>[,<step>...]]
// Runs every registered step (in parallel), then writes manifest.txt listing every data file.
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tools/forge/core/forge.h"

namespace {

struct Options {
    std::string content = "content";
    std::string out = "data";
    std::string contactSheets;
    std::vector<std::string> only;
};

std::vector<std::string> splitCommas(const std::string& text) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, ',')) {
        if (!part.empty()) parts.push_back(part);
    }
    return parts;
}

bool parseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--content" && hasValue) options.content = argv[++i];
        else if (arg == "--out" && hasValue) options.out = argv[++i];
        else if (arg == "--contact-sheets" && hasValue) options.contactSheets = argv[++i];
        else if (arg == "--only" && hasValue) options.only = splitCommas(argv[++i]);
        else {
            std::fprintf(stderr,
                         "usage: forge --content DIR --out DIR [--contact-sheets DIR] [--only STEP,...]\n");
            return false;
        }
    }
    return true;
}

bool selected(const Options& options, const char* name) {
    return options.only.empty() ||
           std::find(options.only.begin(), options.only.end(), std::string(name)) != options.only.end();
}

// Steps are independent, so they share the cores; the big ones were registered first.
void runSteps(Forge& forge, const std::vector<ForgeStep>& steps) {
    std::atomic<size_t> next{0};
    const unsigned workers = std::max(1u, std::thread::hardware_concurrency());
    std::vector<std::thread> threads;
    for (unsigned w = 0; w < workers; ++w) {
        threads.emplace_back([&] {
            for (size_t i = next++; i < steps.size(); i = next++) {
                const auto start = std::chrono::steady_clock::now();
                steps[i].fn(forge);
                const double ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
                std::printf("forge: %-24s %8.0f ms\n", steps[i].name, ms);
            }
        });
    }
    for (std::thread& t : threads) t.join();
}

// Files an earlier full run wrote that this run no longer makes (a renamed design, a dropped
// picture) would stay behind in the data folder and be loaded as if current. Only what the old
// manifest lists is removed, so an output folder that holds other files is never harmed.
void removeStaleFiles(const Forge& forge) {
    namespace fs = std::filesystem;
    std::ifstream old(fs::path(forge.outDir()) / "manifest.txt");
    const std::vector<std::string> current = forge.manifest();
    std::string file;
    while (std::getline(old, file)) {
        const bool safe = !file.empty() && file[0] != '/' && file.find("..") == std::string::npos;
        if (safe && !std::binary_search(current.begin(), current.end(), file)) {
            std::error_code ec;
            fs::remove(fs::path(forge.outDir()) / file, ec);
        }
    }
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parseOptions(argc, argv, options)) return 2;
    const auto start = std::chrono::steady_clock::now();

    Forge forge(options.content, options.out);
    forge.setContactSheetDir(options.contactSheets);
    std::vector<ForgeStep> steps;
    for (const ForgeStep& step : forgeSteps()) {
        if (selected(options, step.name)) steps.push_back(step);
    }
    std::sort(steps.begin(), steps.end(), [](const ForgeStep& a, const ForgeStep& b) {
        return std::strcmp(a.name, b.name) < 0;
    });
    runSteps(forge, steps);

    if (options.only.empty()) {
        removeStaleFiles(forge);
        std::string manifest;
        for (const std::string& file : forge.manifest()) manifest += file + "\n";
        forge.writeText("manifest.txt", manifest);
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("forge: %zu files in %.1f s\n", forge.manifest().size(), seconds);
    return forge.failed() ? 1 : 0;
}
