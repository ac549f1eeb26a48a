#include <gtest/gtest.h>

#include <string>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/membership/MembershipTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::MakeSet;
using testing_support::Text;
using testing_support::TPointList;
using testing_support::TProbeSet;

enum TExpansion { Sloped, Simple };

struct TExpandCase {
  std::string Name;
  TExpansion Expansion;
  TPointList Points;
  int Count;
  std::string Expected;  // empty: the list stays as it was and nothing is reported
};

class FuzzySetValuesExpand : public ::testing::TestWithParam<TExpandCase> {};

TEST_P(FuzzySetValuesExpand, NewPointsLieOnTheOldSegments) {
  const TExpandCase& c = GetParam();
  TOwned<TProbeSet> set = MakeSet(c.Points);
  const std::string before = Text(set->GetValues());
  if (c.Expansion == Sloped) set->GetValues()->Expand(c.Count);
  if (c.Expansion == Simple) set->GetValues()->ExpandSimple(c.Count);
  if (c.Expected.empty()) {
    EXPECT_EQ(Text(set->GetValues()), before);
    EXPECT_EQ(set->Reports(), 0);
  } else {
    EXPECT_EQ(Text(set->GetValues()), c.Expected);
    EXPECT_GT(set->ListReports, 0);
    EXPECT_EQ(set->PointReports, 0);  // one batch: only whole-list reports
  }
}

const TPointList Peak = {{0, 0}, {2, 1}, {4, 0}};

INSTANTIATE_TEST_SUITE_P(
    Cases, FuzzySetValuesExpand,
    ::testing::Values(TExpandCase{"OnePointPerSegment", Sloped, Peak, 5,
                                  "(0.0000 0.0000) (1.0000 0.5000) (2.0000 1.0000) (3.0000 0.5000) "
                                  "(4.0000 0.0000)"},
                      TExpandCase{"EarlierSegmentTakesTheLargerShare", Sloped, Peak, 6,
                                  "(0.0000 0.0000) (0.6667 0.3333) (1.3333 0.6667) (2.0000 1.0000) "
                                  "(3.0000 0.5000) (4.0000 0.0000)"},
                      TExpandCase{"VerticalStepGetsNoPoints",
                                  Sloped,
                                  {{0, 0}, {1, 1}, {1, 0}, {2, 0}},
                                  6,
                                  "(0.0000 0.0000) (0.5000 0.5000) (1.0000 1.0000) (1.0000 0.0000) "
                                  "(1.5000 0.0000) (2.0000 0.0000)"},
                      TExpandCase{"SimpleSpreadsEvenly",
                                  Simple,
                                  {{0, 0}, {4, 1}},
                                  5,
                                  "(0.0000 0.0000) (1.0000 0.2500) (2.0000 0.5000) (3.0000 0.7500) "
                                  "(4.0000 1.0000)"},
                      // The point meeting (1, 1) goes after it, on the line, and so merges with it.
                      TExpandCase{"SimplePointMeetingAnOldOneMerges",
                                  Simple,
                                  {{0, 0}, {1, 1}, {4, 0}},
                                  6,
                                  "(0.0000 0.0000) (1.0000 1.0000) (2.0000 0.6667) (3.0000 0.3333) "
                                  "(4.0000 0.0000)"},
                      TExpandCase{"CountEqualToTheList", Sloped, Peak, 3, ""},
                      TExpandCase{"CountBelowTwo", Sloped, Peak, 1, ""},
                      TExpandCase{"NoSlopedSegment", Sloped, {{1, 0}, {1, 1}}, 6, ""},
                      TExpandCase{"SinglePoint", Sloped, {{1, 0.5}}, 4, ""},
                      TExpandCase{"SimpleCountEqualToTheList", Simple, Peak, 3, ""},
                      TExpandCase{"SimpleCountBelowTwo", Simple, {}, 1, ""},
                      TExpandCase{"SimpleSinglePoint", Simple, {{1, 0.5}}, 4, ""},
                      TExpandCase{"SimpleZeroSpan", Simple, {{1, 0}, {1, 1}}, 5, ""}),
    [](const ::testing::TestParamInfo<TExpandCase>& info) { return info.param.Name; });

}  // namespace
}  // namespace fuzzy
