#include "bench/peer/Tipping.h"

#include <gtest/gtest.h>

#include "bench/peer/Accuracy.h"

namespace peer {
namespace {

TEST(TippingGrid, CoversBothInputsInHalfSteps) {
  const std::vector<TTippingInput> grid = TippingGrid();
  ASSERT_EQ(grid.size(), 441u);
  EXPECT_DOUBLE_EQ(grid.front().Service, 0.0);
  EXPECT_DOUBLE_EQ(grid.back().Service, 10.0);
  EXPECT_DOUBLE_EQ(grid[1].Food, 0.5);
}

// Service 5 fires only "average" at full strength (food 5 is neither rancid nor delicious);
// service 0 with food 10 fires "cheap" and "generous" fully: their centroids are the peaks and
// their mean.
TEST(ExactTip, KnownCorners) {
  EXPECT_NEAR(ExactTip({5, 5}), 15.0, 1e-12);
  EXPECT_NEAR(ExactTip({0, 10}), 15.0, 1e-12);
  EXPECT_NEAR(ExactTip({0, 5}), 5.0, 1e-12);
}

// The point of the benchmark: our inference is exact and the peer's sampled one is not, and the
// peer's error shrinks with its resolution.
TEST(Accuracy, OursIsExactAndThePeerConvergesWithResolution) {
  const TAccuracy accuracy = MeasureAccuracy();
  EXPECT_TRUE(accuracy.OursExact()) << accuracy.OursMaxError;
  ASSERT_EQ(accuracy.Peer.size(), 3u);
  EXPECT_GT(accuracy.Peer[0].MaxError, 1e-4);
  EXPECT_LT(accuracy.Peer[1].MaxError, accuracy.Peer[0].MaxError);
  EXPECT_LT(accuracy.Peer[2].MaxError, accuracy.Peer[1].MaxError);
}

// The rule base in batch gives what the rules fired by hand give, row by row.
TEST(RuleTipping, BatchAgreesWithAssertRule) {
  const std::vector<TTippingInput> grid = TippingGrid();
  TOurRuleTipping rules;
  std::vector<double> tips(grid.size());
  rules.InferBatch(TOurRuleTipping::Rows(grid), tips);
  TOurTipping ours;
  for (std::size_t i = 0; i < grid.size(); ++i) {
    EXPECT_DOUBLE_EQ(tips[i], ours.Infer(grid[i])) << grid[i].Service << ", " << grid[i].Food;
  }
}

}  // namespace
}  // namespace peer
