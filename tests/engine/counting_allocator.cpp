// Counting replacements of every form of the global operator new and delete,
// kept in a translation unit of their own: where a caller could see the
// malloc behind an inlined operator new, the compiler (rightly) warns that
// the block is freed with delete.
#include "tests/engine/counting_allocator.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

std::atomic<bool> gCounting{false};
std::atomic<long> gAllocations{0};

void Count() {
  if (gCounting.load(std::memory_order_relaxed)) gAllocations.fetch_add(1);
}

void* Allocate(std::size_t size) {
  Count();
  return std::malloc(size ? size : 1);
}

// Over-aligned blocks keep the malloc'd pointer just below the aligned one.
void* AllocateAligned(std::size_t size, std::size_t alignment) {
  Count();
  if (alignment < sizeof(void*)) alignment = sizeof(void*);
  void* raw = std::malloc(size + alignment + sizeof(void*));
  if (!raw) return nullptr;
  const std::uintptr_t start = reinterpret_cast<std::uintptr_t>(raw) + sizeof(void*);
  const std::uintptr_t aligned =
      (start + alignment - 1) & ~(static_cast<std::uintptr_t>(alignment) - 1);
  reinterpret_cast<void**>(aligned)[-1] = raw;
  return reinterpret_cast<void*>(aligned);
}

void Free(void* p) { std::free(p); }

void FreeAligned(void* p) {
  if (p) std::free(reinterpret_cast<void**>(p)[-1]);
}

// Out of memory ends the test program: the project builds without exceptions.
void* OrAbort(void* p) {
  if (!p) std::abort();
  return p;
}

}  // namespace

namespace qv::test {

void StartCountingAllocations() {
  gAllocations.store(0);
  gCounting.store(true);
}

long StopCountingAllocations() {
  gCounting.store(false);
  return gAllocations.load();
}

}  // namespace qv::test

void* operator new(std::size_t size) { return OrAbort(Allocate(size)); }
void* operator new[](std::size_t size) { return OrAbort(Allocate(size)); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return Allocate(size); }
void* operator new(std::size_t size, std::align_val_t al) {
  return OrAbort(AllocateAligned(size, static_cast<std::size_t>(al)));
}
void* operator new[](std::size_t size, std::align_val_t al) {
  return OrAbort(AllocateAligned(size, static_cast<std::size_t>(al)));
}
void* operator new(std::size_t size, std::align_val_t al, const std::nothrow_t&) noexcept {
  return AllocateAligned(size, static_cast<std::size_t>(al));
}
void* operator new[](std::size_t size, std::align_val_t al, const std::nothrow_t&) noexcept {
  return AllocateAligned(size, static_cast<std::size_t>(al));
}

void operator delete(void* p) noexcept { Free(p); }
void operator delete[](void* p) noexcept { Free(p); }
void operator delete(void* p, std::size_t) noexcept { Free(p); }
void operator delete[](void* p, std::size_t) noexcept { Free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Free(p); }
void operator delete(void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { FreeAligned(p); }
void operator delete(void* p, std::align_val_t, const std::nothrow_t&) noexcept {
  FreeAligned(p);
}
void operator delete[](void* p, std::align_val_t, const std::nothrow_t&) noexcept {
  FreeAligned(p);
}
