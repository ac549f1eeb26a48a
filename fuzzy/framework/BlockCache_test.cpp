#include "fuzzy/framework/BlockCache.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <thread>
#include <vector>

namespace fuzzy {
namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool Uncached = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool Uncached = true;
#else
constexpr bool Uncached = false;
#endif
#else
constexpr bool Uncached = false;
#endif

// Sizes at and around the class edges: a block must serve every size of its class.
class BlockCacheSizes : public ::testing::TestWithParam<std::size_t> {};

TEST_P(BlockCacheSizes, AFreedBlockServesTheNextTakeOfItsClassAndIsAligned) {
  const std::size_t size = GetParam();
  void* first = TakeBlock(size);
  EXPECT_EQ(reinterpret_cast<std::uintptr_t>(first) % alignof(std::max_align_t), 0u);
  auto* bytes = static_cast<unsigned char*>(first);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = 0xAB;  // the whole size is usable
  const int before = CachedBlockCount(size);
  GiveBackBlock(first, size);
  void* second = TakeBlock(size);
  if (Uncached || size > MaxCachedBlockSize) {
    EXPECT_EQ(CachedBlockCount(size), 0);
  } else {
    EXPECT_EQ(CachedBlockCount(size), before);
    EXPECT_EQ(second, first);
  }
  GiveBackBlock(second, size);
}

INSTANTIATE_TEST_SUITE_P(Edges, BlockCacheSizes,
                         ::testing::Values(0, 1, 16, 17, 96, 255, 256, 257, 4096));

TEST(BlockCache, KeepsAtMostTheLimitAndEmptiesWhenItsThreadEnds) {
  if (Uncached) GTEST_SKIP() << "blocks bypass the cache under AddressSanitizer";
  std::thread([] {
    std::vector<void*> blocks(MaxCachedBlocks + 10);
    for (void*& block : blocks) block = TakeBlock(40);
    for (void* block : blocks) GiveBackBlock(block, 40);
    EXPECT_EQ(CachedBlockCount(40), MaxCachedBlocks);
  }).join();
  // The thread's blocks went back to the heap with it; a leak checker would see any that did
  // not. A block freed on another thread than the one that took it is an ordinary free.
  void* made = TakeBlock(40);
  std::thread([made] { GiveBackBlock(made, 40); }).join();
}

}  // namespace
}  // namespace fuzzy
