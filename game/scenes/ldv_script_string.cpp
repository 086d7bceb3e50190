#include "game/scenes/ldv_script_string.h"

#include <angelscript.h>

#include <algorithm>
#include <climits>
#include <cstdio>
#include <memory>
#include <new>

#include "framework/core/game_log.h"
#include "framework/core/leading_number.h"

namespace {

size_t liveText = 0;

void CountText(size_t bytes) { liveText += bytes; }
void UncountText(size_t bytes) { liveText -= std::min(bytes, liveText); }

// Whether the running script may make a text of `length` bytes that adds `added` bytes to what
// scripts hold. When not, its call ends with a script exception. Copies the host makes itself
// (arguments) run with no script active and are always allowed.
bool MayMakeText(size_t length, size_t added) {
    asIScriptContext* context = asGetActiveContext();
    if (context == nullptr) return true;
    if (length > kScriptTextMaxLength) {
        context->SetException("Text longer than the 1 MiB a script string may hold");
        return false;
    }
    if (liveText + added > kScriptTextBudget) {
        context->SetException("Script text over its 16 MiB budget");
        return false;
    }
    return true;
}

// A new text handed to the script by value; the script's destructor counts it down again.
LDvString Handed(LDvString text) {
    CountText(text.size());
    return text;
}

void Construct(LDvString* self) { new (self) LDvString(); }

void CopyConstruct(const LDvString& other, LDvString* self) {
    if (!MayMakeText(other.size(), other.size())) {
        new (self) LDvString();
        return;
    }
    new (self) LDvString(other);
    CountText(other.size());
}

void Destruct(LDvString* self) {
    UncountText(self->size());
    std::destroy_at(self);
}

LDvString& Assign(const LDvString& other, LDvString& self) {
    if (&other == &self) return self;
    const size_t added = other.size() > self.size() ? other.size() - self.size() : 0;
    if (!MayMakeText(other.size(), added)) return self;
    UncountText(self.size());
    self = other;
    CountText(self.size());
    return self;
}

LDvString& AddAssign(const LDvString& other, LDvString& self) {
    if (!MayMakeText(self.size() + other.size(), other.size())) return self;
    CountText(other.size());
    self += other;
    return self;
}

bool Equals(const LDvString& other, const LDvString& self) { return self == other; }

int Compare(const LDvString& other, const LDvString& self) {
    const int order = self.compare(other);
    return (order > 0) - (order < 0);
}

LDvString Add(const LDvString& other, const LDvString& self) {
    const size_t length = self.size() + other.size();
    if (!MayMakeText(length, length)) return {};
    return Handed(self + other);
}

LDvString Left(asUINT count, const LDvString& self) { return Handed(ScriptLeft(self, count)); }
LDvString Right(asUINT count, const LDvString& self) { return Handed(ScriptRight(self, count)); }
LDvString Mid(asUINT start, asUINT length, const LDvString& self) {
    return Handed(ScriptMid(self, start, length));
}
// The library may hand a temporary `self` at a 4-byte offset (see CMakeLists.txt); the framework's
// number reader, which keeps every check, reads an aligned copy.
int ToInteger(const LDvString& self) { return ScriptAtol(LDvString(self)); }

LDvString StrInt(int x) { return Handed(ScriptStr(x)); }
LDvString StrFloat(float x) { return Handed(ScriptStr(x)); }

struct Registration {
    const char* declaration;
    asSFuncPtr function;
};

bool Check(int result, const char* what) {
    if (result >= 0) return true;
    Log(LDvString("Script engine refused ") + what + " (" + std::to_string(result) + ")");
    return false;
}

bool RegisterBehaviours(asIScriptEngine& engine) {
    return Check(engine.RegisterObjectBehaviour("LDvString", asBEHAVE_CONSTRUCT, "void f()",
                                                asFUNCTION(Construct), asCALL_CDECL_OBJLAST),
                 "the LDvString constructor") &&
           Check(engine.RegisterObjectBehaviour("LDvString", asBEHAVE_CONSTRUCT, "void f(const LDvString &in)",
                                                asFUNCTION(CopyConstruct), asCALL_CDECL_OBJLAST),
                 "the LDvString copy constructor") &&
           Check(engine.RegisterObjectBehaviour("LDvString", asBEHAVE_DESTRUCT, "void f()", asFUNCTION(Destruct),
                                                asCALL_CDECL_OBJLAST),
                 "the LDvString destructor");
}

bool RegisterMethods(asIScriptEngine& engine) {
    const Registration kMethods[] = {
        {"LDvString &opAssign(const LDvString &in)", asFUNCTION(Assign)},
        {"LDvString &opAddAssign(const LDvString &in)", asFUNCTION(AddAssign)},
        {"bool opEquals(const LDvString &in) const", asFUNCTION(Equals)},
        {"int opCmp(const LDvString &in) const", asFUNCTION(Compare)},
        {"LDvString opAdd(const LDvString &in) const", asFUNCTION(Add)},
        {"LDvString Left(uint count) const", asFUNCTION(Left)},
        {"LDvString Right(uint count) const", asFUNCTION(Right)},
        {"LDvString Mid(uint start, uint end) const", asFUNCTION(Mid)},
        {"int atol() const", asFUNCTION(ToInteger)},
    };
    for (const Registration& method : kMethods) {
        const int result =
            engine.RegisterObjectMethod("LDvString", method.declaration, method.function, asCALL_CDECL_OBJLAST);
        if (!Check(result, method.declaration)) return false;
    }
    return true;
}

bool RegisterStr(asIScriptEngine& engine) {
    return Check(engine.RegisterGlobalFunction("LDvString STR(int x)", asFUNCTION(StrInt), asCALL_CDECL),
                 "LDvString STR(int x)") &&
           Check(engine.RegisterGlobalFunction("LDvString STR(float x)", asFUNCTION(StrFloat), asCALL_CDECL),
                 "LDvString STR(float x)");
}

}  // namespace

bool RegisterLDvString(asIScriptEngine& engine, asIStringFactory& factory) {
    return Check(engine.RegisterObjectType("LDvString", sizeof(LDvString), asOBJ_VALUE | asOBJ_APP_CLASS_CDAK),
                 "the type LDvString") &&
           Check(engine.RegisterStringFactory("LDvString", &factory), "the LDvString factory") &&
           RegisterBehaviours(engine) && RegisterMethods(engine) && RegisterStr(engine);
}

size_t ScriptTextBytes() { return liveText; }

LDvString ScriptLeft(const LDvString& text, size_t count) { return text.substr(0, count); }

// Counting past the start gives the whole text rather than failing.
LDvString ScriptRight(const LDvString& text, size_t count) {
    return count >= text.size() ? text : text.substr(text.size() - count);
}

// The second number is a length, not an end index; a start past the end gives the empty text.
LDvString ScriptMid(const LDvString& text, size_t start, size_t length) {
    return start >= text.size() ? LDvString() : text.substr(start, length);
}

// Saturates where the C library's atol would overflow.
int ScriptAtol(const LDvString& text) {
    constexpr long long kLimit = static_cast<long long>(INT_MAX) + 1;
    return static_cast<int>(std::clamp<long long>(LeadingInteger(text, kLimit), INT_MIN, INT_MAX));
}

LDvString ScriptStr(int x) { return std::to_string(x); }

LDvString ScriptStr(float x) {
    char text[64];
    const int length = std::snprintf(text, sizeof text, "%7.2f", static_cast<double>(x));
    return LDvString(text, static_cast<size_t>(std::clamp(length, 0, static_cast<int>(sizeof text) - 1)));
}
