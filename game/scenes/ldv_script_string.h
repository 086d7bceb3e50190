#pragma once
// LDvString as the scene scripts see it: a value type with the string methods and the two STR
// helpers. Scripts cannot exhaust memory through text: one string holds at most
// kScriptTextMaxLength bytes and the strings that scripts make hold at most kScriptTextBudget bytes
// together; a script asking for more ends its call with a script exception instead.
#include <cstddef>

#include "framework/core/ldv_string.h"

class asIScriptEngine;
class asIStringFactory;

constexpr size_t kScriptTextMaxLength = size_t{1} << 20;  // bytes in one script string
constexpr size_t kScriptTextBudget = size_t{16} << 20;    // bytes in all script strings together

// Registers the type with its behaviours, its methods in their order, the string factory and STR;
// false, with a log line, when the library refuses any of them.
bool RegisterLDvString(asIScriptEngine& engine, asIStringFactory& factory);

// Bytes held by strings that scripts made. Host functions that hand a new string to a script are
// not counted, so the figure can only err low; it never goes below zero.
size_t ScriptTextBytes();

// The text behind the script operations, also for host code that must behave like them.
LDvString ScriptLeft(const LDvString& text, size_t count);
LDvString ScriptRight(const LDvString& text, size_t count);
LDvString ScriptMid(const LDvString& text, size_t start, size_t length);
int ScriptAtol(const LDvString& text);
LDvString ScriptStr(int x);
LDvString ScriptStr(float x);
