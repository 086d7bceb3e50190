#pragma once
// Shared picture holders: a picture is deleted with its last reference.
#include <memory>

template <typename T>
using SMART_POINTER = std::shared_ptr<T>;
