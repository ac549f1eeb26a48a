// A cache of small heap blocks for each thread. An inference makes and frees the same few dozen
// points, sets, lists and text nodes over and over; taking their blocks back from a free list
// costs a few instructions, where the general heap costs a hundred or more per block and pair.
//
// Blocks of up to MaxCachedBlockSize bytes come in size classes of 16 bytes. A freed block joins
// the free list of the thread that frees it, which may be another thread than the one that took
// it: each block is an ordinary heap block, so it may also go back to the heap from anywhere.
// A list keeps at most MaxCachedBlocks blocks, so that a thread that frees what others made
// does not hoard memory; beyond that, and once the thread ends, blocks go back to the heap.
// Builds with AddressSanitizer pass every block straight to the heap, so that the sanitizer
// still sees each object's lifetime.
#pragma once

#include <cstddef>

namespace fuzzy {

inline constexpr std::size_t MaxCachedBlockSize = 256;
inline constexpr int MaxCachedBlocks = 2048;

// A block of at least `size` bytes, aligned for any object of that size.
void* TakeBlock(std::size_t size);
// Gives back a block that TakeBlock(size) returned, with the same size.
void GiveBackBlock(void* block, std::size_t size) noexcept;
// The blocks the calling thread keeps for the size class of `size` (for tests).
int CachedBlockCount(std::size_t size);

// For standard containers and shared pointers of the library's hot paths.
template <class T>
struct TBlockAllocator {
  using value_type = T;

  TBlockAllocator() = default;
  template <class U>
  TBlockAllocator(const TBlockAllocator<U>&) noexcept {}  // NOLINT: rebinding is implicit

  T* allocate(std::size_t n) { return static_cast<T*>(TakeBlock(n * sizeof(T))); }
  void deallocate(T* block, std::size_t n) noexcept { GiveBackBlock(block, n * sizeof(T)); }

  template <class U>
  bool operator==(const TBlockAllocator<U>&) const noexcept {
    return true;
  }
};

}  // namespace fuzzy
