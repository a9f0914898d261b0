#pragma once
// Counts the heap allocations made through operator new while a scope is being watched.
// Replaces the global operator new and delete: include it in exactly one file of a program.
#include <cstdlib>
#include <new>

namespace zq::testing {

inline long gAllocations = 0;
inline bool gCountingAllocations = false;

// Allocations made while an instance lives; not nested, single thread.
class CountAllocations {
 public:
  CountAllocations() {
    gAllocations = 0;
    gCountingAllocations = true;
  }
  ~CountAllocations() { gCountingAllocations = false; }
  CountAllocations(const CountAllocations&) = delete;
  CountAllocations& operator=(const CountAllocations&) = delete;
  long count() const { return gAllocations; }
};

}  // namespace zq::testing

void* operator new(std::size_t size) {
  if (zq::testing::gCountingAllocations) {
    ++zq::testing::gAllocations;
  }
  if (void* p = std::malloc(size == 0 ? 1 : size)) {
    return p;
  }
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}
