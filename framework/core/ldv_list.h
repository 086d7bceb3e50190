#pragma once
// The framework's list: ordered, appended at the tail, with indexed access that walks from the
// head. Every collection of the framework and the game uses it. It owns whatever T owns: lists of
// std::unique_ptr own their elements, lists of plain pointers borrow them.
#include <cstddef>
#include <iterator>
#include <list>
#include <utility>

template <typename T>
class LDvList {
public:
    using iterator = typename std::list<T>::iterator;
    using const_iterator = typename std::list<T>::const_iterator;

    T& Add(T value) {
        items.push_back(std::move(value));
        return items.back();
    }
    T& AddHead(T value) {
        items.push_front(std::move(value));
        return items.front();
    }
    // Removes the first element equal to value; false when there is none.
    template <typename U>
    bool Remove(const U& value) {
        for (auto it = items.begin(); it != items.end(); ++it) {
            if (*it == value) {
                items.erase(it);
                return true;
            }
        }
        return false;
    }
    template <typename Pred>
    size_t RemoveIf(Pred pred) {
        return items.remove_if(pred);
    }
    iterator Erase(iterator it) { return items.erase(it); }
    void Clear() { items.clear(); }

    int Count() const { return static_cast<int>(items.size()); }
    bool IsEmpty() const { return items.empty(); }
    T& Get(int index) { return *std::next(items.begin(), index); }
    const T& Get(int index) const { return *std::next(items.begin(), index); }
    T& Head() { return items.front(); }
    T& Tail() { return items.back(); }

    iterator begin() { return items.begin(); }
    iterator end() { return items.end(); }
    const_iterator begin() const { return items.begin(); }
    const_iterator end() const { return items.end(); }

private:
    std::list<T> items;
};
