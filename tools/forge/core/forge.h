#pragma once
// The forge: writes the game's complete default data folder. Work is split into named steps that
// register themselves (FORGE_STEP) and run in parallel; every file goes through Forge so the
// manifest lists it and its bytes are the same on every run.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

struct RgbaImage;

class Forge {
public:
    Forge(std::string contentDir, std::string outDir);

    const std::string& contentDir() const { return content; }
    const std::string& outDir() const { return out; }

    // Every writer takes a path relative to the data folder, creates the folders on the way and
    // records the file in the manifest. Files are only rewritten when their bytes changed.
    void writeBytes(const std::string& relPath, const void* data, size_t size);
    void writeText(const std::string& relPath, const std::string& text);
    void writePng(const std::string& relPath, const RgbaImage& image);
    void writeJpeg(const std::string& relPath, const RgbaImage& image, int quality = 90);
    // Interleaved float samples in -1..1 at 44.1 kHz.
    void writeOgg(const std::string& relPath, const std::vector<float>& samples, int channels,
                  float quality = 0.4f);
    // Copies a file of content/ (relative to it) into the data folder.
    void copyContent(const std::string& contentRelPath, const std::string& relPath);
    bool readContent(const std::string& contentRelPath, std::string& text) const;

    // A contact sheet is a preview for people, written under the contact-sheet folder when one
    // was asked for (never into the data folder).
    void addContactSheet(const std::string& name, const RgbaImage& image);
    void setContactSheetDir(std::string dir) { contactDir = std::move(dir); }
    // Previews that cost a step real time (a whole screen composed again) are only made when asked.
    bool wantsContactSheets() const { return !contactDir.empty(); }

    void fail(const std::string& message);  // the forge exits non-zero at the end
    bool failed() const;
    std::vector<std::string> manifest() const;  // sorted

private:
    std::string content;
    std::string out;
    std::string contactDir;
    mutable std::mutex lock;
    std::vector<std::string> files;
    std::vector<std::string> errors;
};

using ForgeStepFn = void (*)(Forge&);

struct ForgeStepRegistrar {
    ForgeStepRegistrar(const char* name, ForgeStepFn fn);
};

struct ForgeStep {
    const char* name;
    ForgeStepFn fn;
};
const std::vector<ForgeStep>& forgeSteps();

// Defines and registers a step: FORGE_STEP(pieces) { forge.writePng(...); }
#define FORGE_STEP(name)                                              \
    static void forgeStep_##name(Forge& forge);                       \
    static ForgeStepRegistrar forgeRegistrar_##name(#name, forgeStep_##name); \
    static void forgeStep_##name(Forge& forge)
