#include "fuzzy/membership/PositionTolerance.h"

#include <gtest/gtest.h>

#include <limits>

namespace fuzzy {
namespace {

// The quick double comparisons must answer exactly as the extended one does, near the
// tolerance, far from it and where the spacing of large numbers exceeds it.
struct TBelowCase {
  TFzyFloat A;
  TFzyFloat B;
  bool Below;
};

class BelowPositionToleranceCases : public ::testing::TestWithParam<TBelowCase> {};

TEST_P(BelowPositionToleranceCases, AgreeWithTheExtendedComparison) {
  const TBelowCase& c = GetParam();
  EXPECT_EQ(BelowPositionTolerance(c.A, c.B), c.Below);
  EXPECT_EQ(BelowPositionTolerance(c.A, c.B),
            static_cast<long double>(c.A) + PositionTolerance < static_cast<long double>(c.B));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BelowPositionToleranceCases,
    ::testing::Values(TBelowCase{0, 0.00009, false}, TBelowCase{0, 0.00011, true},
                      TBelowCase{0.0009, 0.00099, false}, TBelowCase{0, 0.001, true},
                      TBelowCase{0, 0.00099, true}, TBelowCase{5, 5, false},
                      TBelowCase{6, 5, false}, TBelowCase{-1, 1, true},
                      TBelowCase{1e15, 1e15 + 0.125, true}, TBelowCase{1e15, 1e15, false},
                      TBelowCase{-1e300, 1e300, true},
                      TBelowCase{std::numeric_limits<double>::quiet_NaN(), 1, false},
                      TBelowCase{1, std::numeric_limits<double>::quiet_NaN(), false}));

}  // namespace
}  // namespace fuzzy
