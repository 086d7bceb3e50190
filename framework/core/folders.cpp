#include "framework/core/folders.h"

#include <cstdio>

#include "engine/k_files.h"
#include "framework/core/frame_context.h"
#include "framework/data/ldv_ini_file.h"

namespace {

LDvString& AppDataOverride() {
    static LDvString folder;
    return folder;
}

// "\" becomes "/", blanks around are trimmed and trailing "/" removed.
LDvString NormalisePath(const LDvString& text) {
    LDvString path = text;
    for (char& c : path) {
        if (c == '\\') c = '/';
    }
    const size_t first = path.find_first_not_of(" \t\n\r");
    if (first == LDvString::npos) return LDvString();
    path = path.substr(first, path.find_last_not_of(" \t\n\r") - first + 1);
    while (!path.empty() && path.back() == '/') path.pop_back();
    return path;
}

}  // namespace

void SetAppDataFolderOverride(const LDvString& folder) { AppDataOverride() = folder; }

LDvString GetAppDataFolder() {
    LDvString folder = AppDataOverride();
    if (!folder.empty()) {
        createFolder(folder);
    } else {
        folder = userDataFolder();
    }
    if (folder.empty()) folder = gameBaseFolder();
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

LDvString GetCompanyFolder() { return GetAppDataFolder() + "/Drovana Games/"; }

LDvString GetGameFolder() { return GetCompanyFolder() + Frame().gameName + "/"; }

LDvString GetSaveFolder() {
    return GetGameFolder() + "Ver" + std::to_string(Frame().versionMajor) + "." +
           std::to_string(Frame().versionMinor) + "/";
}

LDvString GetDataRoot() {
    const FrameContext& frame = Frame();
    LDvString root;
    if (!frame.rootDirOverride.empty()) {
        root = frame.rootDirOverride + "/";
    } else if (frame.settings != nullptr) {
        root = frame.settings->GetString(nullptr, "RootDir", "");
    }
    if (root.empty()) root = gameBaseFolder();
    return NormalisePath(root) + "/";
}

LDvString JoinPaths(const LDvString& a, const LDvString& b) { return NormalisePath(a) + "/" + NormalisePath(b); }

bool FileExists(const LDvString& path) { return fileExists(makeFilePath(path)); }

bool CreateFileIfMissing(const LDvString& path) {
    if (FileExists(path)) return true;
    std::FILE* file = std::fopen(makeFilePath(path).c_str(), "w");
    if (file == nullptr) return false;
    std::fclose(file);
    return true;
}

void DeleteFile(const LDvString& path) {
    if (!FileExists(path)) return;
    if (std::remove(makeFilePath(path).c_str()) != 0) std::fputs("Error deleting file\n", stderr);
}
