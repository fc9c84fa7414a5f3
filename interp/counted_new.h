// The global allocation functions of a program that runs Tessaly programs
// (tessrun, runtime.exe): every block goes through the memory budget. Included
// by exactly one source file of each such program; the unit tests and fuzz
// targets keep their sanitizers' own allocation functions.
#pragma once
#include <malloc.h>

#include <cstdlib>
#include <new>

#include "interp/memory_budget.h"

namespace tess::memory_budget {

inline std::size_t usable_size(void* p) {
#if defined(_WIN32)
  return _msize(p);
#else
  return malloc_usable_size(p);
#endif
}

inline void* counted_allocate(std::size_t n) {
  void* p = std::malloc(n == 0 ? 1 : n);
  if (!p) return nullptr;
  if (!take(usable_size(p))) {
    std::free(p);
    return nullptr;
  }
  return p;
}

inline void counted_release(void* p) {
  if (!p) return;
  give_back(usable_size(p));
  std::free(p);
}

}  // namespace tess::memory_budget

void* operator new(std::size_t n) {
  if (void* p = tess::memory_budget::counted_allocate(n)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t n) { return operator new(n); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept { return tess::memory_budget::counted_allocate(n); }
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept { return tess::memory_budget::counted_allocate(n); }
void operator delete(void* p) noexcept { tess::memory_budget::counted_release(p); }
void operator delete[](void* p) noexcept { tess::memory_budget::counted_release(p); }
void operator delete(void* p, std::size_t) noexcept { tess::memory_budget::counted_release(p); }
void operator delete[](void* p, std::size_t) noexcept { tess::memory_budget::counted_release(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { tess::memory_budget::counted_release(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { tess::memory_budget::counted_release(p); }
