#pragma once
// The growable array of the skeletal animation: indexing at or past the end first grows the array
// to that index (new numbers 0, pointers null, strings empty), so a key or curve written for a
// later index simply lands there. Owns whatever T owns (arrays of unique_ptr own their elements).
#include <cassert>
#include <cstddef>
#include <utility>
#include <vector>

template <typename T>
class Array {
public:
    T& Add(T value) {
        elements.push_back(std::move(value));
        return elements.back();
    }

    // index must not be negative; callers check indices that come from data.
    T& operator[](int index) {
        assert(index >= 0);
        if (static_cast<size_t>(index) >= elements.size()) elements.resize(static_cast<size_t>(index) + 1);
        return elements[static_cast<size_t>(index)];
    }
    // Reading without growing: out of range gives nullptr for pointers, 0, or an empty string.
    T Get(int index) const {
        if (index < 0 || static_cast<size_t>(index) >= elements.size()) return T();
        return elements[static_cast<size_t>(index)];
    }
    const T& At(int index) const { return elements[static_cast<size_t>(index)]; }  // index < Count()

    int Count() const { return static_cast<int>(elements.size()); }
    bool IsEmpty() const { return elements.empty(); }
    void Reserve(int count) { elements.reserve(static_cast<size_t>(count)); }

    auto begin() { return elements.begin(); }
    auto end() { return elements.end(); }
    auto begin() const { return elements.begin(); }
    auto end() const { return elements.end(); }

private:
    std::vector<T> elements;
};
