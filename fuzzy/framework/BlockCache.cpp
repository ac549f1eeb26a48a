#include "fuzzy/framework/BlockCache.h"

#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define FUZZY_BLOCKS_UNCACHED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define FUZZY_BLOCKS_UNCACHED 1
#endif
#endif

namespace fuzzy {

namespace {

constexpr std::size_t Grain = 16;
constexpr std::size_t SizeClasses = MaxCachedBlockSize / Grain;

struct TFreeBlock {
  TFreeBlock* Next;
};

// Plain data, so that it lives until the thread's very end without a destructor of its own:
// objects freed by other thread-local destructors still find it.
struct TFreeLists {
  TFreeBlock* Heads[SizeClasses];
  int Counts[SizeClasses];
  bool Armed;   // the sweeper below is constructed and will empty the lists
  bool Closed;  // the sweeper has run: blocks go straight back to the heap
};

thread_local TFreeLists Lists{};

void FreeList(std::size_t sizeClass) noexcept {
  TFreeBlock* block = Lists.Heads[sizeClass];
  while (block != nullptr) {
    TFreeBlock* next = block->Next;
    ::operator delete(block);
    block = next;
  }
  Lists.Heads[sizeClass] = nullptr;
  Lists.Counts[sizeClass] = 0;
}

// Gives the lists back to the heap when the thread ends.
struct TSweeper {
  bool Constructed = false;
  ~TSweeper() {
    Lists.Closed = true;
    for (std::size_t sizeClass = 0; sizeClass < SizeClasses; ++sizeClass) FreeList(sizeClass);
  }
};

thread_local TSweeper Sweeper;

// Constructs the sweeper on the thread's first cached block; a thread that never caches one
// needs none.
void Arm() {
  if (Lists.Armed) return;
  Lists.Armed = true;
  Sweeper.Constructed = true;
}

constexpr std::size_t SizeClassOf(std::size_t size) {
  return size == 0 ? 0 : (size - 1) / Grain;
}

bool Cached(std::size_t size) {
#ifdef FUZZY_BLOCKS_UNCACHED
  static_cast<void>(size);
  return false;
#else
  return size <= MaxCachedBlockSize;
#endif
}

}  // namespace

void* TakeBlock(std::size_t size) {
  if (!Cached(size)) return ::operator new(size);
  const std::size_t sizeClass = SizeClassOf(size);
  if (TFreeBlock* block = Lists.Heads[sizeClass]) {
    Lists.Heads[sizeClass] = block->Next;
    --Lists.Counts[sizeClass];
    return block;
  }
  // Always the class's full size, so that the block may serve any size of its class later.
  return ::operator new((sizeClass + 1) * Grain);
}

void GiveBackBlock(void* block, std::size_t size) noexcept {
  if (block == nullptr) return;
  const std::size_t sizeClass = SizeClassOf(size);
  if (!Cached(size) || Lists.Closed || Lists.Counts[sizeClass] >= MaxCachedBlocks) {
    ::operator delete(block);
    return;
  }
  Arm();
  auto* freed = static_cast<TFreeBlock*>(block);
  freed->Next = Lists.Heads[sizeClass];
  Lists.Heads[sizeClass] = freed;
  ++Lists.Counts[sizeClass];
}

int CachedBlockCount(std::size_t size) {
  return Cached(size) ? Lists.Counts[SizeClassOf(size)] : 0;
}

}  // namespace fuzzy
