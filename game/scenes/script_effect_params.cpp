#include "game/scenes/script_effect_params.h"

#include <cstdlib>
#include <vector>

#include "framework/core/split_text.h"

namespace {

constexpr size_t kWaveFields = 8;

int32_t Integer(const LDvString& text) { return static_cast<int32_t>(std::atol(text.c_str())); }

float Real(const LDvString& text) { return static_cast<float>(std::atof(text.c_str())); }

}  // namespace

bool ReadEffectSheetGrid(const LDvString& fileName, EffectSheetGrid& grid) {
    const std::vector<LDvString> fields = SplitText(fileName, '_');
    if (fields.size() < 4) return false;
    const EffectSheetGrid read{Integer(fields[1]), Integer(fields[2]), Integer(fields[3].substr(0, fields[3].find('.')))};
    if (read.columns <= 0 || read.rows <= 0 || read.frames <= 0) return false;
    grid = read;
    return true;
}

WaveTopParams ReadWaveTopParams(const LDvString& params) {
    std::vector<LDvString> fields = SplitText(params, ';');
    fields.resize(kWaveFields);
    return {Integer(fields[0]), Integer(fields[1]), Integer(fields[2]), Integer(fields[3]),
            Real(fields[4]),    Real(fields[5]),    Real(fields[6]),    Real(fields[7])};
}
