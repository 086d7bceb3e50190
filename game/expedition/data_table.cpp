#include "game/expedition/data_table.h"

#include "framework/core/folders.h"
#include "framework/core/game_log.h"
#include "framework/data/ldv_ini_file.h"

bool LoadDataTable(LDvIniFile& table, const char* fileName, const char* who) {
    table.Clear();
    const LDvString path = GetDataRoot() + fileName;
    if (!FileExists(path)) {
        Log(LDvString(who) + ": " + path + " not found");
        return false;
    }
    table.Load(path);
    return true;
}
