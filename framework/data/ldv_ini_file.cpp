#include "framework/data/ldv_ini_file.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "engine/k_files.h"
#include "framework/core/folders.h"
#include "framework/core/game_log.h"
#include "framework/core/ldv_file.h"
#include "framework/core/leading_number.h"
#include "framework/data/ini_text.h"

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";
constexpr size_t kByteOrderMarkSize = sizeof kByteOrderMark - 1;
// No save the game writes comes near this (a profile well into the game is tens of KB). A larger
// file would cost seconds and its size several times over in memory to read (a file of nothing but
// section headers takes about 2 us per section), so it is taken for unreadable: kept on disk as it
// is and never written over.
constexpr long kLargestSaveFile = 2L * 1024 * 1024;  // bytes

bool TooLargeForASave(const LDvString& path) {
    LDvFile file;
    if (!file.Open(path, kFileModeRead)) return false;  // the read that follows tells
    const long size = file.Seek(0, SEEK_END) ? file.Tell() : -1;
    return size < 0 || size > kLargestSaveFile;
}

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

// The index key of a name: names match when their lower-cased forms are equal.
LDvString IndexKey(const LDvString& name) {
    LDvString key = name;
    for (char& c : key) c = LowerAscii(c);
    return key;
}

// Out-of-range values saturate to the int range, as the settings' readers expect.
int LeadingInt(const LDvString& text) {
    return static_cast<int>(std::min(LeadingInteger(text, 2147483648LL), 2147483647LL));
}

}  // namespace

bool IniNamesEqual(const LDvString& a, const LDvString& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

LDvIniValue* LDvIniSection::Find(const LDvString& key) const {
    if (byKey.size() != static_cast<size_t>(values.Count())) {
        byKey.clear();
        for (const auto& value : values) byKey.emplace(IndexKey(value->key), value.get());
    }
    const auto found = byKey.find(IndexKey(key));
    return found == byKey.end() ? nullptr : found->second;
}

LDvIniValue* LDvIniSection::Append(std::unique_ptr<LDvIniValue> value) {
    LDvIniValue* added = values.Add(std::move(value)).get();
    // Only an index that covered every value before stays whole; Find rebuilds any other.
    if (byKey.size() + 1 == static_cast<size_t>(values.Count())) byKey.emplace(IndexKey(added->key), added);
    return added;
}

void LDvIniSection::Clear() {
    byKey.clear();
    values.Clear();
}

LDvIniFile::LDvIniFile(const LDvString& filePath) { Load(filePath); }

LDvIniFile::~LDvIniFile() {
    if (dirty) Save();
}

void LDvIniFile::Load(const LDvString& filePath) {
    Clear();
    path = filePath;
    loaded = readFailed = dirty = saveFailing = partial = false;
    if (!CreateFileIfMissing(filePath)) {
        Log("Can't create file " + filePath);
        MediaMissing(filePath);
        return;
    }
    Read();
}

void LDvIniFile::LoadExisting(const LDvString& filePath, bool globalsOnly) {
    Clear();
    path = filePath;
    loaded = readFailed = dirty = saveFailing = false;
    partial = globalsOnly;
    if (FileExists(filePath) && TooLargeForASave(filePath)) {
        Log("INI file " + filePath + " is too large to be a save; it is left as it is");
        readFailed = true;
    } else if (FileExists(filePath)) {
        Read();
    } else {
        loaded = true;  // nothing to read yet: an empty file
    }
}

void LDvIniFile::Read() {
    LDvFile file;
    LDvString text;
    if (!file.Open(path, kFileModeRead) || !file.ReadAll(text)) {
        Log("Can't open INI file " + path);
        readFailed = true;
        return;
    }
    file.Close();
    ParseText(text.data(), text.size(), partial);
    loaded = true;
}

void LDvIniFile::Parse(const char* text, size_t size) { ParseText(text, size, false); }

void LDvIniFile::ParseText(const char* text, size_t size, bool globalsOnly) {
    if (size >= kByteOrderMarkSize && LDvString(text, kByteOrderMarkSize) == kByteOrderMark) {
        text += kByteOrderMarkSize;
        size -= kByteOrderMarkSize;
    }
    LDvIniSection* current = &global;
    ForEachIniLine(text, size, [&](const LDvString& line) {
        if (line[0] == ';') return true;
        if (line[0] == '[') {
            if (globalsOnly) return false;
            // The last character goes whether or not it closes the bracket.
            const LDvString name = line.size() >= 2 ? line.substr(1, line.size() - 2) : LDvString();
            current = FindOrAddSection(name);
            return true;
        }
        LDvString key;
        LDvString value;
        SplitIniKeyValue(line, key, value);
        FindOrAddValue(key, current)->value = std::move(value);
        return true;
    });
}

bool LDvIniFile::Save() {
    if (!dirty) return true;
    if (path.empty() || partial) return false;  // a store never given a file, or a glance at one
    if (readFailed) {
        LogSaveFailure("Not writing INI file " + path + ": it could not be read");
        return false;
    }
    if (checksum) StoreChecksum();
    const LDvString text = Serialize();
    if (!writeFileAtomically(makeFilePath(path), text.data(), text.size())) {
        LogSaveFailure("Can't write INI file " + path);
        return false;
    }
    dirty = false;
    saveFailing = false;
    return true;
}

// An auto-saving file on a full disk fails at every change; one line tells it.
void LDvIniFile::LogSaveFailure(const LDvString& line) {
    if (saveFailing) return;
    saveFailing = true;
    Log(line);
}

LDvString LDvIniFile::Serialize() const {
    LDvString out;
    for (const auto& value : global.values) AppendIniValue(out, value->key, value->value);
    out += '\n';
    for (const auto& section : sections) {
        out += '[';
        out += section->name;
        out += "]\n";
        for (const auto& value : section->values) AppendIniValue(out, value->key, value->value);
        out += '\n';
    }
    return out;
}

void LDvIniFile::Assign(const LDvIniFile& other) {
    if (&other == this) return;
    Clear();
    if (!other.path.empty()) {
        path = other.path;
        autoSave = other.autoSave;
        checksum = other.checksum;
        // The copy must not overwrite what the original could not read, or read only in part.
        readFailed = other.readFailed;
        partial = other.partial;
        saveFailing = false;
    }
    for (const auto& value : other.global.values) global.Append(std::make_unique<LDvIniValue>(*value));
    for (const auto& section : other.sections) {
        auto copy = std::make_unique<LDvIniSection>();
        copy->name = section->name;
        for (const auto& value : section->values) copy->Append(std::make_unique<LDvIniValue>(*value));
        AppendSection(std::move(copy));
    }
}

void LDvIniFile::Clear() {
    sectionIndex.clear();
    sections.Clear();
    global.Clear();
}

LDvIniSection* LDvIniFile::SectionFor(const char* section) const {
    if (section == nullptr) return const_cast<LDvIniSection*>(&global);
    return FindSection(section);
}

bool LDvIniFile::HasKey(const char* section, const LDvString& key) const {
    const LDvIniSection* found = SectionFor(section);
    return found != nullptr && found->Find(key) != nullptr;
}

LDvString LDvIniFile::GetString(const char* section, const LDvString& key, const LDvString& defaultValue) const {
    const LDvIniSection* found = SectionFor(section);
    const LDvIniValue* value = found ? found->Find(key) : nullptr;
    return (value == nullptr || value->value.empty()) ? defaultValue : value->value;
}

int LDvIniFile::GetInt(const char* section, const LDvString& key, int defaultValue) const {
    const LDvIniSection* found = SectionFor(section);
    const LDvIniValue* value = found ? found->Find(key) : nullptr;
    return (value == nullptr || value->value.empty()) ? defaultValue : LeadingInt(value->value);
}

void LDvIniFile::SetString(const char* section, const LDvString& key, const LDvString& value) {
    dirty = true;
    LDvIniSection* target = section ? FindOrAddSection(section) : &global;
    FindOrAddValue(key, target)->value = value;
    if (autoSave) Save();
}

void LDvIniFile::SetInt(const LDvString& key, int value) {
    dirty = true;
    FindOrAddValue(key, &global)->value = std::to_string(value);
    if (autoSave) Save();
}

LDvIniSection* LDvIniFile::FindSection(const LDvString& name) const {
    const auto found = sectionIndex.find(IndexKey(name));
    return found == sectionIndex.end() ? nullptr : found->second->get();
}

LDvIniSection* LDvIniFile::AppendSection(std::unique_ptr<LDvIniSection> section) {
    LDvIniSection* added = sections.Add(std::move(section)).get();
    sectionIndex.emplace(IndexKey(added->name), std::prev(sections.end()));
    return added;
}

LDvIniSection* LDvIniFile::FindOrAddSection(const LDvString& name) {
    if (LDvIniSection* found = FindSection(name)) return found;
    auto section = std::make_unique<LDvIniSection>();
    section->name = name;
    return AppendSection(std::move(section));
}

LDvIniValue* LDvIniFile::FindOrAddValue(const LDvString& key, LDvIniSection* section) {
    LDvIniSection* target = section ? section : &global;
    if (LDvIniValue* found = target->Find(key)) return found;
    auto value = std::make_unique<LDvIniValue>();
    value->key = key;
    return target->Append(std::move(value));
}

LDvString LDvIniFile::FirstSectionName() const {
    return sections.IsEmpty() ? LDvString() : sections.begin()->get()->name;
}

LDvString LDvIniFile::NextSectionName(const LDvString& name) const {
    const auto found = sectionIndex.find(IndexKey(name));
    if (found == sectionIndex.end()) return LDvString();
    const auto next = std::next(found->second);
    return next == sections.end() ? LDvString() : (*next)->name;
}

int32_t LDvIniFile::ComputeChecksum() const {
    // Lengths are summed in 32-bit arithmetic as the stored figures were; wrapping is deliberate.
    uint32_t lengths = 0;
    for (const auto& value : global.values) {
        if (value->key == kIniChecksumKey) continue;  // exact, case-sensitive
        lengths += static_cast<uint32_t>(value->key.size() + value->value.size());
    }
    int32_t valueCount = 0;
    for (const auto& section : sections) {
        for (const auto& value : section->values) {
            lengths += static_cast<uint32_t>(value->key.size() + value->value.size());
            ++valueCount;
        }
    }
    const int32_t globalCount = global.values.Count() - (global.Find(kIniChecksumKey) ? 1 : 0);
    const int32_t sum = static_cast<int32_t>(lengths);
    const int32_t mixed = sections.Count() ^ globalCount ^ valueCount;
    return static_cast<int32_t>(static_cast<uint32_t>(sum % 7) + static_cast<uint32_t>(mixed) +
                                static_cast<uint32_t>(sum / 5));
}

void LDvIniFile::StoreChecksum() {
    const bool wasAutoSave = autoSave;
    autoSave = false;  // the save under way writes it
    SetInt(kIniChecksumKey, ComputeChecksum());
    autoSave = wasAutoSave;
}
