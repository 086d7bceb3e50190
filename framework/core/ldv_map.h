#pragma once
// The framework's map: (key, value) entries kept in the order their keys were first set, looked up
// by key. Setting a key that is already there keeps its place and replaces its value; looking up a
// key that is not there yields an empty value. Owns copies of its keys and values.
#include <cstddef>
#include <unordered_map>
#include <utility>
#include <vector>

#include "framework/core/ldv_string.h"

template <typename Key = LDvString, typename Value = LDvString>
class LDvMap {
public:
    struct MAPPING {
        Key key;
        Value value;
    };
    using const_iterator = typename std::vector<MAPPING>::const_iterator;

    void Set(const Key& key, Value value) {
        // The index keeps loading linear: data files may hold many thousands of members.
        const auto [found, added] = index.try_emplace(key, entries.size());
        if (added) {
            entries.push_back(MAPPING{key, std::move(value)});
        } else {
            entries[found->second].value = std::move(value);
        }
    }

    // Null when the key is not there.
    const Value* Find(const Key& key) const {
        const auto found = index.find(key);
        return found == index.end() ? nullptr : &entries[found->second].value;
    }
    Value Get(const Key& key) const {
        const Value* value = Find(key);
        return value ? *value : Value();
    }

    int Count() const { return static_cast<int>(entries.size()); }
    bool IsEmpty() const { return entries.empty(); }
    const_iterator begin() const { return entries.begin(); }
    const_iterator end() const { return entries.end(); }

private:
    std::vector<MAPPING> entries;
    std::unordered_map<Key, size_t> index;
};
