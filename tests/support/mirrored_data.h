#pragma once
// A data folder that is the default data with some files replaced: every entry of QV_DATA_DIR is
// linked into a temporary folder, except the files written here. A file may lie in folders
// ("img/states/x.png"): linked folders on its way become folders of links, so the default data
// itself is never written. Tests and benchmarks use it.
#include <string>

#include "tests/support/temp_dir.h"

class MirroredData {
public:
    MirroredData();
    void write(const std::string& name, const std::string& contents) const;
    // The full path `name` can be written at: its folders made, any link in its place removed.
    std::string prepare(const std::string& name) const;
    bool holds(const std::string& name) const;   // the file exists, linked or written
    const std::string& path() const { return folder.path(); }

private:
    TempDir folder;
};
