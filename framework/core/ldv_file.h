#pragma once
// A file opened by mode number, as the framework's loaders open them. Owns the open file and
// closes it when destroyed. Names may use "\" (turned into "/"); relative names are taken from
// the game's base folder.
#include <cstddef>
#include <cstdio>

#include "framework/core/ldv_string.h"

constexpr int kFileModeReadWrite = 2;        // "r+"
constexpr int kFileModeRead = 3;             // "r"
constexpr int kFileModeReadBinary = 4;       // "rb"
constexpr int kFileModeReadWriteBinary = 5;  // "r+b"

class LDvFile {
public:
    LDvFile() = default;
    ~LDvFile();
    LDvFile(const LDvFile&) = delete;
    LDvFile& operator=(const LDvFile&) = delete;

    bool Open(const LDvString& name, int mode);   // false for an unknown mode or a file that won't open
    void Close();
    bool IsOpen() const { return file != nullptr; }

    size_t Read(void* buffer, size_t size);
    bool ReadAll(LDvString& out);                 // from the current position to the end
    size_t Write(const void* data, size_t size);
    bool Seek(long offset, int whence);
    long Tell() const;
    bool Flush();

private:
    std::FILE* file = nullptr;
    bool failReads = false;  // set for the file tests made unreadable
};

// Test hook: reading the file at `name` (as Open is given it) fails as an I/O error would, after
// the file opened; an empty name makes every file readable again. Tests run as root, where a file
// without read permission still reads.
void FailReadsOfFileForTesting(const LDvString& name);
