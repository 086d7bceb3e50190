// Any bytes as an INI file: parsing, lookups, writing and the checksum must neither crash nor
// hang, and a file of single-line values reads back to exactly what was written.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "framework/data/ldv_ini_file.h"

namespace {

// Keys starting with "<" open a block, values ending in " \" continue on the next line, and names
// or values holding a line break are split when read again: the format cannot carry them, so such
// files are not checked for a round trip.
bool RoundTrips(const LDvIniSection& section) {
    if (section.name.find('\n') != LDvString::npos) return false;
    for (const auto& value : section.values) {
        if (!value->key.empty() && value->key[0] == '<') return false;
        if (value->key.find('\n') != LDvString::npos || value->value.find('\n') != LDvString::npos) return false;
        const LDvString& text = value->value;
        if (text.size() >= 2 && text.compare(text.size() - 2, 2, " \\") == 0) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    LDvIniFile ini;
    ini.Parse(reinterpret_cast<const char*>(data), size);
    ini.GetInt(nullptr, "CURRENT_LEVEL", 0);
    ini.ComputeChecksum();
    for (LDvString name = ini.FirstSectionName(); !name.empty(); name = ini.NextSectionName(name)) {
        ini.GetString(name.c_str(), "NAME", "");
    }
    const LDvString written = ini.Serialize();
    LDvIniFile again;
    again.Parse(written.data(), written.size());
    // A first key that starts with a byte-order mark is written where an editor's mark would
    // stand, and is read back without it.
    bool checkable = written.rfind("\xEF\xBB\xBF", 0) != 0 && RoundTrips(ini.Global());
    for (const auto& section : ini.Sections()) checkable = checkable && RoundTrips(*section);
    if (checkable && again.Serialize() != written) std::abort();
    return 0;
}
