#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "support/NameArena.h"

namespace {

constexpr size_t kBlock = NameArena::kBlockBytes;

TEST(NameArena, NamesLargerThanTheRestOfABlockOrABlockLieInOnePiece) {
  NameArena arena;
  const std::string small(kBlock - 10, 's'), across(20, 'a'), huge = std::string(2 * kBlock + 5, 'h') + "end";
  const auto first = arena.Store(small), second = arena.Store(across), third = arena.StoreTerminated(huge);
  const auto fourth = arena.Store("after");  // in what is left of the huge one's last 64 KB
  ASSERT_TRUE(first && second && third && fourth);
  EXPECT_EQ(std::vector<uint32_t>({*second, *third, *fourth}),
            std::vector<uint32_t>({kBlock, 2 * kBlock, static_cast<uint32_t>(2 * kBlock + huge.size() + 1)}));
  EXPECT_EQ(arena.At(*first, small.size()), small);
  EXPECT_EQ(arena.At(*second, across.size()), across);
  EXPECT_EQ(std::string(arena.At(*third)), huge);
  EXPECT_EQ(arena.At(*fourth, 5), "after");
}

TEST(NameArena, RefusesANameThatWouldEndBeyondFourGigabytesAndStaysAsItWas) {
  if constexpr (SIZE_MAX <= UINT32_MAX) GTEST_SKIP() << "no such name in a 32-bit process";
  NameArena arena;
  ASSERT_EQ(arena.Store("kept"), 0u);
  // Never written nor read: the arena refuses it by its size alone.
  const size_t size = static_cast<size_t>((uint64_t{1} << 32) - kBlock + 1);
  const auto untouched = std::make_unique_for_overwrite<char[]>(size);
  EXPECT_FALSE(arena.Store({untouched.get(), size}));
  EXPECT_EQ(arena.Store("next"), 4u);
  EXPECT_EQ(arena.At(0, 8), "keptnext");
}

}  // namespace
