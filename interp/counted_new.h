// The global allocation functions of a program that runs Tessaly programs
// (tessrun, runtime.exe): every block goes through the memory budget. Included
// by exactly one source file of each such program; the unit tests and fuzz
// targets keep their sanitizers' own allocation functions.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "interp/memory_budget.h"

namespace tess::memory_budget {

// Each block carries its size in front of it: asking the allocator for a
// block's size takes the Windows heap's lock once more on every allocation and
// release, which showed in profiles. Sixteen bytes keep the default alignment.
inline constexpr std::size_t kHeader = 16;
static_assert(kHeader >= sizeof(std::size_t) && kHeader % alignof(std::max_align_t) == 0);

inline void* counted_allocate(std::size_t n) {
  if (n > SIZE_MAX - kHeader) return nullptr;
  const std::size_t total = n + kHeader;
  if (!take(total)) return nullptr;
  void* block = std::malloc(total);
  if (!block) {
    give_back(total);
    return nullptr;
  }
  std::memcpy(block, &total, sizeof total);
  return static_cast<char*>(block) + kHeader;
}

inline void counted_release(void* p) {
  if (!p) return;
  char* block = static_cast<char*>(p) - kHeader;
  std::size_t total;
  std::memcpy(&total, block, sizeof total);
  give_back(total);
  std::free(block);
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
