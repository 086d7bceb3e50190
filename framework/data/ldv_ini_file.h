#pragma once
// The INI text format of every table and save file: sections of key=value lines, looked up
// case-insensitively. A file can rewrite itself after every change (auto-save) and carry the
// "__SCRC__" checksum entry when written.
//
// LDvIniFile owns its sections and their values; pointers handed out by FindSection,
// FindOrAddSection and FindOrAddValue stay valid until the file is cleared, reloaded, assigned
// or destroyed. Destroying a dirty file saves it first. A file that exists but could not be read
// is never written back: its contents on disk are worth more than the empty INI that stands in.
//
// Sections and keys are kept in file order (for saving) and indexed by their lower-cased names
// (for lookups), so loading and reading a file with many entries stays linear.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>

#include "framework/core/ldv_list.h"
#include "framework/core/ldv_string.h"

struct LDvIniValue {
    LDvString key;
    LDvString value;
};

struct LDvIniSection {
    LDvString name;
    LDvList<std::unique_ptr<LDvIniValue>> values;  // in file order; changed only through Append and Clear

    LDvIniValue* Find(const LDvString& key) const;  // case-insensitive; null when missing
    LDvIniValue* Append(std::unique_ptr<LDvIniValue> value);
    void Clear();

private:
    // Lower-cased key -> value; rebuilt from `values` whenever it no longer covers all of them.
    mutable std::unordered_map<LDvString, LDvIniValue*> byKey;
};

// The global key the checksum is stored under.
inline constexpr const char* kIniChecksumKey = "__SCRC__";

class LDvIniFile {
public:
    LDvIniFile() = default;
    explicit LDvIniFile(const LDvString& path);   // empty, then Load(path)
    ~LDvIniFile();                                 // saves first when dirty
    LDvIniFile(const LDvIniFile&) = delete;
    LDvIniFile& operator=(const LDvIniFile&) = delete;

    // Replaces the contents with the file at `path` (relative paths are taken from the game's base
    // folder). A missing file is created empty; one that can be neither found nor created goes to
    // the missing-media path. Remembers the path for Save.
    void Load(const LDvString& path);
    // Load for the files the game writes (settings, profiles): a missing file is not created, the
    // INI starts empty and its first save creates the file whole, so an interrupted first start
    // never leaves an empty save file behind. With `globalsOnly` only the values before the first
    // section header are read (a glance at a large profile's name); such an INI is never saved.
    void LoadExisting(const LDvString& path, bool globalsOnly = false);
    // Parses text as if it were the contents of a file (a leading UTF-8 byte-order mark, as some
    // editors write, is skipped); nothing is cleared first.
    void Parse(const char* text, size_t size);
    // Writes the whole file at once when dirty. The write is atomic: on failure the file on disk
    // stays as it was, the file stays dirty and false is returned. Failures are logged once until
    // a save succeeds again. A file that could not be read is never written (false, nothing logged
    // after the first refusal).
    bool Save();
    // The text Save writes (without refreshing the checksum).
    LDvString Serialize() const;
    void Assign(const LDvIniFile& other);
    void Clear();

    // `section` is null for the global section (the values before the first header).
    bool HasKey(const char* section, const LDvString& key) const;
    LDvString GetString(const char* section, const LDvString& key, const LDvString& defaultValue) const;
    int GetInt(const char* section, const LDvString& key, int defaultValue) const;
    void SetString(const char* section, const LDvString& key, const LDvString& value);
    void SetInt(const LDvString& key, int value);   // global section only

    LDvIniSection* FindSection(const LDvString& name) const;
    LDvIniSection* FindOrAddSection(const LDvString& name);
    LDvIniValue* FindOrAddValue(const LDvString& key, LDvIniSection* section);  // null: global
    LDvString FirstSectionName() const;
    LDvString NextSectionName(const LDvString& name) const;

    // The checksum the next save stores under "__SCRC__".
    int32_t ComputeChecksum() const;

    const LDvString& Path() const { return path; }
    void SetAutoSave(bool on) { autoSave = on; }
    void SetChecksum(bool on) { checksum = on; }
    bool AutoSave() const { return autoSave; }
    bool Checksum() const { return checksum; }
    bool IsLoaded() const { return loaded; }
    bool ReadFailed() const { return readFailed; }  // the file exists but could not be read
    bool IsDirty() const { return dirty; }
    int SectionCount() const { return sections.Count(); }
    const LDvIniSection& Global() const { return global; }
    const LDvList<std::unique_ptr<LDvIniSection>>& Sections() const { return sections; }

private:
    using SectionList = LDvList<std::unique_ptr<LDvIniSection>>;

    void Read();
    void ParseText(const char* text, size_t size, bool globalsOnly);
    LDvIniSection* SectionFor(const char* section) const;
    LDvIniSection* AppendSection(std::unique_ptr<LDvIniSection> section);
    void StoreChecksum();
    void LogSaveFailure(const LDvString& line);

    LDvString path;
    bool autoSave = false;    // every setter writes the whole file
    bool loaded = false;      // set after a successful parse
    bool readFailed = false;  // the file exists but could not be read: never written back
    bool partial = false;     // only the global values were read: never written back
    bool dirty = false;       // set by every setter, cleared by a save
    bool checksum = false;    // a save stores "__SCRC__"
    bool saveFailing = false; // the last save failed and was logged
    SectionList sections;     // in file order
    std::unordered_map<LDvString, SectionList::iterator> sectionIndex;  // lower-cased name
    LDvIniSection global;     // empty name; the values before the first header
};

// Case-insensitive comparison of names (ASCII letters only; other bytes compare as they are).
bool IniNamesEqual(const LDvString& a, const LDvString& b);
