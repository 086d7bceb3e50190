#include "engine/k_files.h"

#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "engine/k_log.h"
#include "engine/k_write_leftovers.h"

namespace {

std::string& baseFolderSlot() {
    static std::string folder;
    return folder;
}

std::string executableFolder() {
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) return ".";
    std::string path(buffer, static_cast<size_t>(length));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos || slash == 0 ? std::string("/") : path.substr(0, slash);
}

std::string findBaseFolder() {
    const std::string exeDir = executableFolder();
    const std::string buildTree = exeDir + "/data";
    if (folderExists(buildTree)) return buildTree;
    const std::string installed = exeDir + "/../share/quorvane";
    if (folderExists(installed)) return installed;
    return exeDir;
}

std::atomic<int> failingWrites{0};

// mkstemp's six characters follow this.
constexpr char kTemporaryMark[] = ".tmp-";
constexpr size_t kTemporaryMarkSize = sizeof kTemporaryMark - 1;
constexpr size_t kTemporaryUniqueSize = 6;

bool isAtomicWriteLeftover(const std::string& name) {
    const size_t tail = kTemporaryMarkSize + kTemporaryUniqueSize;
    return name.size() > tail && name.compare(name.size() - tail, kTemporaryMarkSize, kTemporaryMark) == 0;
}

bool writeAll(int fd, const uint8_t* bytes, size_t size) {
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes += written;
        size -= static_cast<size_t>(written);
    }
    return true;
}

// Keeps the permissions of the file being replaced; a new file gets the usual 0666 less umask.
void matchPermissions(int fd, const std::string& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        ::fchmod(fd, existing.st_mode & 07777);
        return;
    }
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
}

void syncFolderOf(const std::string& path) {
    const size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

}  // namespace

const std::string& gameBaseFolder() {
    std::string& folder = baseFolderSlot();
    if (folder.empty()) folder = findBaseFolder();
    return folder;
}

void setGameBaseFolder(const std::string& folder) {
    std::string cleaned = folder;
    while (cleaned.size() > 1 && cleaned.back() == '/') cleaned.pop_back();
    baseFolderSlot() = cleaned;
}

std::string userDataFolder() {
    std::string folder;
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/') {  // a relative value is invalid and ignored
        folder = xdg;
    } else {
        const char* home = std::getenv("HOME");
        if (!home || !home[0]) {
            const passwd* entry = getpwuid(getuid());
            home = entry ? entry->pw_dir : nullptr;
        }
        if (!home || !home[0]) return std::string();
        folder = std::string(home) + "/.local/share";
    }
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (!createFolderPath(folder)) {
        engineLog("Cannot create the user data folder '%s'", folder.c_str());
        return std::string();
    }
    return folder;
}

std::string makeFilePath(const std::string& path) {
    std::string result = path;
    std::replace(result.begin(), result.end(), '\\', '/');
    if (!result.empty() && result[0] == '/') return result;
    if (result.find(':') != std::string::npos) return result;
    return gameBaseFolder() + "/" + result;
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

bool folderExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool createFolder(const std::string& path) {
    if (::mkdir(path.c_str(), 0777) == 0) return true;
    return errno == EEXIST && folderExists(path);
}

bool createFolderPath(const std::string& path) {
    if (path.empty()) return false;
    for (size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (!prefix.empty() && !createFolder(prefix)) return false;
        if (slash == std::string::npos) return true;
    }
}

bool readWholeFile(const std::string& path, std::vector<uint8_t>& bytes) {
    bytes.clear();
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return false;
    bool ok = std::fseek(file, 0, SEEK_END) == 0;
    const long size = ok ? std::ftell(file) : -1;
    ok = ok && size >= 0 && std::fseek(file, 0, SEEK_SET) == 0;
    if (ok) {
        bytes.resize(static_cast<size_t>(size));
        ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
    }
    std::fclose(file);
    if (!ok) bytes.clear();
    return ok;
}

std::vector<std::string> listFolder(const std::string& folder) {
    std::vector<std::string> names;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return names;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..") continue;
        struct stat info {};
        // Callers load every listed name as a data file, so sub-folders are left out.
        if (::stat((folder + "/" + name).c_str(), &info) == 0 && S_ISREG(info.st_mode)) names.push_back(name);
    }
    ::closedir(dir);
    std::sort(names.begin(), names.end());
    return names;
}

bool writeFileAtomically(const std::string& path, const void* data, size_t size) {
    std::string temporary = path + kTemporaryMark + std::string(kTemporaryUniqueSize, 'X');
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        engineLog("Atomic write: cannot create a temporary file for '%s'", path.c_str());
        return false;
    }
    bool ok = true;
    if (failingWrites.load() > 0) {
        failingWrites.fetch_sub(1);
        ok = false;
    }
    ok = ok && writeAll(fd, static_cast<const uint8_t*>(data), size);
    if (ok) matchPermissions(fd, path);
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        engineLog("Atomic write: failed to write '%s' (%s); the old file is kept", path.c_str(), std::strerror(errno));
        ::unlink(temporary.c_str());
        return false;
    }
    syncFolderOf(path);
    return true;
}

int removeAtomicWriteLeftovers(const std::string& folder, int minimumAgeSeconds) {
    const time_t now = ::time(nullptr);
    int removed = 0;
    for (const std::string& name : listFolder(folder)) {
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (!isAtomicWriteLeftover(name) || ::stat(path.c_str(), &info) != 0) continue;
        if (now - info.st_mtime < minimumAgeSeconds) continue;
        if (::unlink(path.c_str()) == 0) ++removed;
    }
    if (removed > 0) engineLog("Removed %d unfinished save file(s) from '%s'", removed, folder.c_str());
    return removed;
}

void failNextAtomicWritesForTesting(int count) { failingWrites.store(count > 0 ? count : 0); }

KResource::~KResource() { close(); }

bool KResource::open(const std::string& path) {
    close();
    file = std::fopen(path.c_str(), "rb");
    if (!file) {
        engineLog("Resource: failed to open '%s'", path.c_str());
        return false;
    }
    engineLog("Resource: opened '%s' (filesystem)", path.c_str());
    return true;
}

size_t KResource::read(void* buffer, size_t size) {
    if (!file || !buffer) return 0;
    return std::fread(buffer, 1, size, file);
}

bool KResource::seek(long offset, int whence) { return file && std::fseek(file, offset, whence) == 0; }

long KResource::tell() const { return file ? std::ftell(file) : -1; }

long KResource::size() {
    if (!file) return -1;
    const long position = std::ftell(file);
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long end = std::ftell(file);
    std::fseek(file, position, SEEK_SET);
    return end;
}

void KResource::close() {
    if (file) std::fclose(file);
    file = nullptr;
}
