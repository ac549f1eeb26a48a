// Counts the heap allocations of the whole program (every operator new), so that a benchmark
// can report how many one unit of its work makes.
#pragma once

#include <cstdint>

namespace peer {

// The allocations made so far.
std::uint64_t AllocationCount();

}  // namespace peer
