// The engine tests' program replaces the global allocation functions with
// counting ones (counting_allocator.cpp), so that a test can tell whether
// the ticks it runs allocate.
#pragma once

namespace qv::test {

void StartCountingAllocations();
long StopCountingAllocations();

// Counts the allocations made while `run` runs.
template <typename Run>
long AllocationsDuring(Run run) {
  StartCountingAllocations();
  run();
  return StopCountingAllocations();
}

}  // namespace qv::test
