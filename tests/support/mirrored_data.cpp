#include "tests/support/mirrored_data.h"

#include <filesystem>
#include <fstream>
#include <iterator>

MirroredData::MirroredData() {
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(QV_DATA_DIR, ec)) {
        std::filesystem::create_symlink(entry.path(), std::filesystem::path(folder.path()) / entry.path().filename(),
                                        ec);
    }
}

void MirroredData::write(const std::string& name, const std::string& contents) const {
    std::ofstream(prepare(name), std::ios::binary) << contents;
}

std::string MirroredData::prepare(const std::string& name) const {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path at = folder.path();
    const fs::path relative(name);
    for (auto part = relative.begin(); part != relative.end() && std::next(part) != relative.end(); ++part) {
        at /= *part;
        if (fs::is_symlink(at, ec)) {
            const fs::path linked = fs::read_symlink(at, ec);
            fs::remove(at, ec);
            fs::create_directory(at, ec);
            for (const auto& entry : fs::directory_iterator(linked, ec)) {
                fs::create_symlink(entry.path(), at / entry.path().filename(), ec);
            }
        } else if (!fs::exists(at, ec)) {
            fs::create_directory(at, ec);
        }
    }
    const fs::path file = fs::path(folder.path()) / relative;
    fs::remove(file, ec);
    return file.string();
}

bool MirroredData::holds(const std::string& name) const {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::path(folder.path()) / name, ec);
}
