#include "game/scenes/script_string_factory.h"

#include <cstring>

const void* ScriptStringFactory::GetStringConstant(const char* data, asUINT length) {
    auto [entry, added] = users.try_emplace(LDvString(data, length), 0);
    ++entry->second;
    return &entry->first;
}

int ScriptStringFactory::ReleaseStringConstant(const void* str) {
    if (str == nullptr) return asERROR;
    const auto entry = users.find(*static_cast<const LDvString*>(str));
    if (entry == users.end()) return asERROR;
    if (--entry->second == 0) users.erase(entry);
    return asSUCCESS;
}

int ScriptStringFactory::GetRawStringData(const void* str, char* data, asUINT* length) const {
    if (str == nullptr) return asERROR;
    const auto& text = *static_cast<const LDvString*>(str);
    if (length != nullptr) *length = static_cast<asUINT>(text.size());
    if (data != nullptr) std::memcpy(data, text.data(), text.size());
    return asSUCCESS;
}
