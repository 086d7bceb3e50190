#pragma once
// A strict reader for the skeletal-animation files the forge packs. The game reads those files
// with a small scanner that needs every scalar quoted and never an object mixing string
// members with object members; this reader refuses anything else, so a file that would
// confuse the game fails the forge instead.
#include <string>
#include <vector>

struct JsonMember;

struct JsonValue {
    enum class Kind { String, Object, Array };
    Kind kind = Kind::String;
    std::string text;                                         // a string's text
    // An object's members, in file order. A pair would need JsonValue complete at this point
    // (clang refuses it); a vector of a type completed below does not.
    std::vector<JsonMember> members;
    std::vector<std::string> items;                           // an array's strings

    const JsonValue* find(const std::string& key) const;      // null when absent
    std::string string(const std::string& key, const std::string& fallback = "") const;
    double number(const std::string& key, double fallback) const;
};

struct JsonMember {
    std::string name;
    JsonValue value;
};

// Parses text into out; on failure error names the line and what was wrong.
bool parseAnimationJson(const std::string& text, JsonValue& out, std::string& error);

// The game reads a leaf object by looking for each key's text anywhere in it. True when, for
// every key of keys, the first place its text appears is that member's own name (or, for an
// absent member, nowhere), so the game reads what the file means.
bool scannerFindsMembers(const JsonValue& leaf, const std::vector<std::string>& keys, std::string& error);
