#include "tests/support/allocation_counter.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}  // namespace

// Its own file, so that no caller sees the malloc inside. The library's operator delete
// frees with free(), which matches.
void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size > 0 ? size : 1)) return p;
    throw std::bad_alloc();
}

long allocationsSoFar() { return allocations.load(); }
