#pragma once
// Paths, files and folders as the game sees them. Paths use "/" everywhere; a path is absolute
// when it starts with "/" (one containing ':' is also taken as it stands).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The game's base folder: <executable dir>/data when it exists, else <executable dir>/../share/quorvane,
// else the executable's folder. Tools and tests may set it explicitly.
const std::string& gameBaseFolder();
void setGameBaseFolder(const std::string& folder);

// The user's data folder: $XDG_DATA_HOME, else ~/.local/share (created when absent).
std::string userDataFolder();

// Makes a data path absolute: "\" becomes "/", absolute paths stay, others are joined to the base folder.
std::string makeFilePath(const std::string& path);

bool fileExists(const std::string& path);        // path as given (not joined)
bool folderExists(const std::string& path);
bool createFolder(const std::string& path);      // one level; true when it exists afterwards
bool createFolderPath(const std::string& path);  // every missing level; true when it exists afterwards
bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes);
std::vector<std::string> listFolder(const std::string& folder);  // plain file names, sorted, no "." or ".."

// Writes a file atomically: a temporary file in the same folder, flushed, fsync'ed and renamed over
// the target. On any failure the old file is left whole, the temporary removed, and false returned.
bool writeFileAtomically(const std::string& path, const void* data, size_t size);
// Test hook: makes the next N atomic writes fail as a full disk would (after the temporary was opened).
void failNextAtomicWritesForTesting(int count);

// Reading data files through the engine; logs "Resource: opened '%s' (filesystem)" or
// "Resource: failed to open '%s'".
class KResource {
public:
    KResource() = default;
    ~KResource();
    KResource(const KResource&) = delete;
    KResource& operator=(const KResource&) = delete;

    bool open(const std::string& path);
    size_t read(void* buffer, size_t size);      // bytes read
    bool seek(long offset, int whence);          // SEEK_SET, SEEK_CUR, SEEK_END
    long tell() const;
    long size();
    void close();
    bool isOpen() const { return file != nullptr; }

private:
    std::FILE* file = nullptr;
};
