#include "framework/core/ldv_file.h"

#include "engine/k_files.h"

namespace {

LDvString& UnreadableFile() {
    static LDvString path;
    return path;
}

const char* ModeText(int mode) {
    switch (mode) {
        case kFileModeReadWrite: return "r+";
        case kFileModeRead: return "r";
        case kFileModeReadBinary: return "rb";
        case kFileModeReadWriteBinary: return "r+b";
        default: return nullptr;
    }
}

}  // namespace

LDvFile::~LDvFile() { Close(); }

bool LDvFile::Open(const LDvString& name, int mode) {
    Close();
    const char* modeText = ModeText(mode);
    if (modeText == nullptr) return false;
    const std::string path = makeFilePath(name);
    file = std::fopen(path.c_str(), modeText);
    failReads = !UnreadableFile().empty() && path == makeFilePath(UnreadableFile());
    return file != nullptr;
}

void LDvFile::Close() {
    if (file != nullptr) std::fclose(file);
    file = nullptr;
}

size_t LDvFile::Read(void* buffer, size_t size) { return file ? std::fread(buffer, 1, size, file) : 0; }

bool LDvFile::ReadAll(LDvString& out) {
    out.clear();
    if (file == nullptr) return false;
    if (failReads) return false;
    char buffer[16384];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file)) > 0) out.append(buffer, got);
    return std::ferror(file) == 0;  // a folder opens but cannot be read
}

size_t LDvFile::Write(const void* data, size_t size) { return file ? std::fwrite(data, 1, size, file) : 0; }

bool LDvFile::Seek(long offset, int whence) { return file != nullptr && std::fseek(file, offset, whence) == 0; }

long LDvFile::Tell() const { return file ? std::ftell(file) : -1; }

bool LDvFile::Flush() { return file != nullptr && std::fflush(file) == 0; }

void FailReadsOfFileForTesting(const LDvString& name) { UnreadableFile() = name; }
