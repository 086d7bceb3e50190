#pragma once
// Makes the LDvString values that stand for the string literals of compiled scripts. Each distinct
// text is kept once, with the number of places that use it; it lives until the last of them is
// released (when a module is rebuilt or the engine shuts down), so the factory must outlive the
// engine it is registered with.
#include <angelscript.h>

#include <unordered_map>

#include "framework/core/ldv_string.h"

class ScriptStringFactory final : public asIStringFactory {
public:
    ScriptStringFactory() = default;
    ~ScriptStringFactory() override = default;
    ScriptStringFactory(const ScriptStringFactory&) = delete;
    ScriptStringFactory& operator=(const ScriptStringFactory&) = delete;

    const void* GetStringConstant(const char* data, asUINT length) override;
    int ReleaseStringConstant(const void* str) override;
    int GetRawStringData(const void* str, char* data, asUINT* length) const override;

    size_t ConstantCount() const { return users.size(); }

private:
    // Node-based, so the address of a kept text stays valid while other texts come and go.
    std::unordered_map<LDvString, int> users;
};
