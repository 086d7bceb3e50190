#include "game/scenes/script_memory.h"

#include <angelscript.h>

#include <atomic>
#include <cstdlib>

namespace {

// Each block carries its size in front, so freeing can count it down again.
constexpr size_t kHeader = alignof(std::max_align_t);

std::atomic<size_t> heapBytes{0};

void* CountedAlloc(size_t size) {
    auto* block = static_cast<unsigned char*>(std::malloc(size + kHeader));
    if (block == nullptr) return nullptr;
    *reinterpret_cast<size_t*>(block) = size;
    heapBytes.fetch_add(size, std::memory_order_relaxed);
    return block + kHeader;
}

void CountedFree(void* memory) {
    if (memory == nullptr) return;
    unsigned char* block = static_cast<unsigned char*>(memory) - kHeader;
    heapBytes.fetch_sub(*reinterpret_cast<size_t*>(block), std::memory_order_relaxed);
    std::free(block);
}

}  // namespace

void InstallScriptMemoryCounting() {
    static const bool installed = asSetGlobalMemoryFunctions(CountedAlloc, CountedFree) >= 0;
    (void)installed;
}

size_t ScriptHeapBytes() { return heapBytes.load(std::memory_order_relaxed); }
