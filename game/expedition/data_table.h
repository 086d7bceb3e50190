#pragma once
// The expedition's tables ("build.ini", "fieldguide.ini", "discoveries.ini") are read from the data
// folder each time they are used, and only when present: loading a missing INI file would create
// it, and the data folder may be read-only.
class LDvIniFile;

// Clears `table` and reads `fileName` from the data folder into it. A missing file leaves the table
// empty and logs "<who>: <path> not found"; false then.
bool LoadDataTable(LDvIniFile& table, const char* fileName, const char* who);
