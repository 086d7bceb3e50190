#include "tools/forge/core/forge.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "tools/forge/core/encoders.h"
#include "tools/forge/core/rgba_image.h"

namespace fs = std::filesystem;

namespace {

std::vector<ForgeStep>& stepList() {
    static std::vector<ForgeStep> steps;
    return steps;
}

bool sameBytes(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec) || fs::file_size(path, ec) != bytes.size()) return false;
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> old(bytes.size());
    in.read(reinterpret_cast<char*>(old.data()), static_cast<std::streamsize>(old.size()));
    return in.good() && old == bytes;
}

}  // namespace

ForgeStepRegistrar::ForgeStepRegistrar(const char* name, ForgeStepFn fn) { stepList().push_back({name, fn}); }

const std::vector<ForgeStep>& forgeSteps() { return stepList(); }

Forge::Forge(std::string contentDir, std::string outDir) : content(std::move(contentDir)), out(std::move(outDir)) {}

void Forge::writeBytes(const std::string& relPath, const void* data, size_t size) {
    const fs::path path = fs::path(out) / relPath;
    {
        std::lock_guard<std::mutex> guard(lock);
        for (const std::string& f : files) {
            if (f == relPath) {
                errors.push_back("written twice: " + relPath);
                return;
            }
        }
        files.push_back(relPath);
    }
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    const auto* begin = static_cast<const uint8_t*>(data);
    std::vector<uint8_t> bytes(begin, begin + size);
    if (sameBytes(path, bytes)) return;  // keeps time stamps of unchanged files
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file.good()) fail("cannot write " + path.string());
}

void Forge::writeText(const std::string& relPath, const std::string& text) {
    writeBytes(relPath, text.data(), text.size());
}

void Forge::writePng(const std::string& relPath, const RgbaImage& image) {
    std::vector<uint8_t> bytes;
    if (!encodePng(image, bytes)) return fail("PNG encoding failed: " + relPath);
    writeBytes(relPath, bytes.data(), bytes.size());
}

void Forge::writeJpeg(const std::string& relPath, const RgbaImage& image, int quality) {
    std::vector<uint8_t> bytes;
    if (!encodeJpeg(image, quality, bytes)) return fail("JPEG encoding failed: " + relPath);
    writeBytes(relPath, bytes.data(), bytes.size());
}

void Forge::writeOgg(const std::string& relPath, const std::vector<float>& samples, int channels, float quality) {
    std::vector<uint8_t> bytes;
    if (!encodeOggVorbis(samples, channels, 44100, quality, relPath, bytes)) {
        return fail("Ogg encoding failed: " + relPath);
    }
    writeBytes(relPath, bytes.data(), bytes.size());
}

bool Forge::readContent(const std::string& contentRelPath, std::string& text) const {
    std::ifstream in(fs::path(content) / contentRelPath, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    text = buffer.str();
    return true;
}

void Forge::copyContent(const std::string& contentRelPath, const std::string& relPath) {
    std::string text;
    if (!readContent(contentRelPath, text)) return fail("missing content file " + contentRelPath);
    writeText(relPath, text);
}

void Forge::addContactSheet(const std::string& name, const RgbaImage& image) {
    if (contactDir.empty()) return;
    std::vector<uint8_t> bytes;
    if (!encodePng(image, bytes)) return;
    std::error_code ec;
    fs::create_directories(contactDir, ec);
    std::ofstream file(fs::path(contactDir) / (name + ".png"), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void Forge::fail(const std::string& message) {
    std::lock_guard<std::mutex> guard(lock);
    errors.push_back(message);
    std::fprintf(stderr, "forge: %s\n", message.c_str());
}

bool Forge::failed() const {
    std::lock_guard<std::mutex> guard(lock);
    return !errors.empty();
}

std::vector<std::string> Forge::manifest() const {
    std::lock_guard<std::mutex> guard(lock);
    std::vector<std::string> sorted = files;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}
