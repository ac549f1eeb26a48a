#include <gtest/gtest.h>

#include <string>

#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/membership/MembershipTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::AddPoints;
using testing_support::MakeSet;
using testing_support::Text;
using testing_support::TPointList;
using testing_support::TProbeSet;

// ---- Single edits outside a batch ----------------------------------------------------------

enum TEdit { SetXOnly, SetYOnly, SetBoth };

struct TEditCase {
  std::string Name;
  TPointList Points;
  int Index;  // the point edited
  TEdit Edit;
  double X, Y;
  std::string Expected;
  int EditedIndex;  // where the edited point ends
};

class FuzzySetValuesEdit : public ::testing::TestWithParam<TEditCase> {};

TEST_P(FuzzySetValuesEdit, ReplacesThePointAndKeepsTheEditedOne) {
  const TEditCase& c = GetParam();
  TOwned<TProbeSet> set = MakeSet(c.Points);
  TFuzzySetValues* values = set->GetValues();
  TFuzzySetValue* value = values->GetItem(c.Index);
  if (c.Edit == SetXOnly) value->SetX(c.X);
  if (c.Edit == SetYOnly) value->SetY(c.Y);
  if (c.Edit == SetBoth) value->SetValue(c.X, c.Y);
  EXPECT_EQ(Text(values), c.Expected);
  EXPECT_EQ(value->GetIndex(), c.EditedIndex);
  EXPECT_TRUE(values->GetSorted());
  EXPECT_TRUE(values->GetDuplicatesRemoved());
}

const TPointList StepAtOne = {{0, 0}, {1, 1}, {1, 0.5}, {1, 0.2}, {2, 0}};
const TPointList FourAtOne = {{0, 0}, {1, 1}, {1, 0.8}, {1, 0.6}, {1, 0.4}, {2, 0}};

INSTANTIATE_TEST_SUITE_P(
    Cases, FuzzySetValuesEdit,
    ::testing::Values(
        TEditCase{"MovedPastNeighbours",
                  {{0, 0}, {1, 1}, {2, 0}, {6, 1}},
                  1,
                  SetXOnly,
                  5,
                  0,
                  "(0.0000 0.0000) (2.0000 0.0000) (5.0000 1.0000) (6.0000 1.0000)",
                  2},
        TEditCase{"ArrivesAfterTheTwoSharingItsX",
                  {{0, 0}, {1, 1}, {1, 0.5}, {3, 0.7}},
                  3,
                  SetXOnly,
                  1,
                  0,
                  "(0.0000 0.0000) (1.0000 1.0000) (1.0000 0.5000) (1.0000 0.7000)",
                  3},
        TEditCase{"FourthFromTheLeftRemovesTheMiddleOne",
                  {{0, 0}, {0.5, 0.7}, {1, 1}, {1, 0.5}, {1, 0.2}, {2, 0}},
                  1,
                  SetXOnly,
                  1,
                  0,
                  "(0.0000 0.0000) (1.0000 1.0000) (1.0000 0.2000) (1.0000 0.7000) (2.0000 0.0000)",
                  3},
        // The sort's clean-up meets the edited point equal to the point before it.
        TEditCase{"EqualToItsNewPredecessorAfterSorting",
                  {{0, 0}, {4, 0}, {6, 0}},
                  2,
                  SetXOnly,
                  0,
                  0,
                  "(0.0000 0.0000) (4.0000 0.0000)",
                  0},
        // Placement would pick the edited point itself, standing among three others.
        TEditCase{"AmongThreeOthersOnItsX", FourAtOne, 3, SetXOnly, 1.00001, 0,
                  "(0.0000 0.0000) (1.0000 1.0000) (1.0000 0.6000) (1.0000 0.4000) (2.0000 0.0000)",
                  2},
        // The run check would drop the edited point, equal to the one after it.
        TEditCase{"EqualToTheNextPoint",
                  {{0, 0}, {1, 1}, {1, 0.5}, {2, 0}},
                  1,
                  SetYOnly,
                  0,
                  0.5,
                  "(0.0000 0.0000) (1.0000 0.5000) (2.0000 0.0000)",
                  1},
        TEditCase{"EqualToThePreviousPoint",
                  {{0, 0}, {1, 1}, {1, 0.5}, {2, 0}},
                  2,
                  SetYOnly,
                  0,
                  1.00002,
                  "(0.0000 0.0000) (1.0000 1.0000) (2.0000 0.0000)",
                  1},
        TEditCase{"RunOfFourLosesThePointBeforeTheEditedOne", FourAtOne, 4, SetYOnly, 0, 0.3,
                  "(0.0000 0.0000) (1.0000 1.0000) (1.0000 0.8000) (1.0000 0.3000) (2.0000 0.0000)",
                  3},
        // Nothing stands before the edited point in its run: the one after it goes.
        TEditCase{"RunOfFourOpenedByTheEditedPoint", FourAtOne, 1, SetYOnly, 0, 0.9,
                  "(0.0000 0.0000) (1.0000 0.9000) (1.0000 0.6000) (1.0000 0.4000) (2.0000 0.0000)",
                  1},
        TEditCase{"SetValueMovesAndMerges",
                  {{0, 0}, {2, 0.5}, {4, 0}},
                  0,
                  SetBoth,
                  4,
                  0,
                  "(2.0000 0.5000) (4.0000 0.0000)",
                  1}),
    [](const ::testing::TestParamInfo<TEditCase>& info) { return info.param.Name; });

TEST(FuzzySetValues, AddPlacesTheNewPointInOrder) {
  TOwned<TProbeSet> set = MakeSet({{0, 0}, {4, 0}});
  TFuzzySetValue* value = set->GetValues()->Add(2, 0.5);
  EXPECT_EQ(Text(set->GetValues()), "(0.0000 0.0000) (2.0000 0.5000) (4.0000 0.0000)");
  EXPECT_EQ(value->GetIndex(), 1);
}

TEST(FuzzySetValues, FourthPointAtAnXReplacesTheMiddleOne) {
  TOwned<TProbeSet> set = MakeSet(StepAtOne);
  TFuzzySetValue* value = set->GetValues()->Add(1, 0.3);
  EXPECT_EQ(Text(set->GetValues()),
            "(0.0000 0.0000) (1.0000 1.0000) (1.0000 0.3000) (1.0000 0.2000) (2.0000 0.0000)");
  EXPECT_EQ(value->GetIndex(), 2);
}

// ---- Batches -------------------------------------------------------------------------------

TEST(FuzzySetValues, BatchKeepsAnyNumberOnAnXAndCleansUpWithTheLooserLimit) {
  TOwned<TProbeSet> set = MakeSet({});
  TFuzzySetValues* values = set->GetValues();
  TCollectionUpdate batch(values);
  AddPoints(values, {{0, 0},
                     {1, 1},
                     {1, 0.8},
                     {1, 0.6},
                     {1, 0.4},
                     {1, 0.2},
                     {1, 0.1},
                     {2, 0.5},
                     {2, 0.5},
                     {3, 0}});
  EXPECT_EQ(values->GetCount(), 10);
  EXPECT_EQ(set->Reports(), 0);
  batch.End();
  EXPECT_EQ(Text(values),
            "(0.0000 0.0000) (1.0000 1.0000) (1.0000 0.8000) (1.0000 0.6000) (1.0000 0.4000) "
            "(1.0000 0.1000) (2.0000 0.5000) (3.0000 0.0000)");
  EXPECT_GT(set->ListReports, 0);
}

TEST(FuzzySetValues, EditsInsideABatchAreSortedWhenItCloses) {
  TOwned<TProbeSet> set = MakeSet({{0, 0}, {1, 1}, {2, 0}});
  TFuzzySetValues* values = set->GetValues();
  TCollectionUpdate batch(values);
  values->GetItem(0)->SetX(3);
  EXPECT_EQ(Text(values), "(3.0000 0.0000) (1.0000 1.0000) (2.0000 0.0000)");
  EXPECT_FALSE(values->GetSorted());
  EXPECT_FALSE(values->GetDuplicatesRemoved());
  batch.End();
  EXPECT_EQ(Text(values), "(1.0000 1.0000) (2.0000 0.0000) (3.0000 0.0000)");
  EXPECT_TRUE(values->GetSorted());
  EXPECT_TRUE(values->GetDuplicatesRemoved());
}

TEST(FuzzySetValues, PointsAppendedInOrderLeaveNothingToSort) {
  TOwned<TProbeSet> set = MakeSet({});
  TFuzzySetValues* values = set->GetValues();
  TCollectionUpdate batch(values);
  for (int i = 0; i < 20000; ++i) values->Add(i * 0.5, (i % 3) * 0.5);
  EXPECT_TRUE(values->GetSorted());
  EXPECT_TRUE(values->GetDuplicatesRemoved());
  batch.End();
  EXPECT_EQ(values->GetCount(), 20000);
}

TEST(FuzzySetValues, SortNeverSwapsPointsWithinTheTolerance) {
  TOwned<TProbeSet> set = MakeSet({});
  AddPoints(set->GetValues(), {{5, 0}, {1.00003, 0.2}, {1, 0.9}, {-1, 0}});
  EXPECT_EQ(Text(set->GetValues()),
            "(-1.0000 0.0000) (1.0000 0.2000) (1.0000 0.9000) (5.0000 0.0000)");
}

TEST(FuzzySetValues, SortPutsAReversedListInOrder) {
  TOwned<TProbeSet> set = MakeSet({});
  TPointList reversed;
  TPointList ordered;
  for (int i = 0; i < 300; ++i) {
    reversed.emplace_back(299 - i, (i % 2) * 1.0);
    ordered.emplace_back(i, ((299 - i) % 2) * 1.0);
  }
  AddPoints(set->GetValues(), reversed);
  EXPECT_EQ(Text(set->GetValues()), Text(ordered));
}

TEST(FuzzySetValues, BatchClosesWhenAnEditRaises) {
  TOwned<TProbeSet> set = MakeSet({{0, 0}, {2, 1}});
  set->RangeFails = true;
  EXPECT_THROW(set->GetValues()->Expand(5), EFzyException);
  EXPECT_EQ(set->GetValues()->GetUpdateCount(), 0);
  EXPECT_THROW(AddPoints(set->GetValues(), {{1, 1}}), EFzyException);
  EXPECT_EQ(set->GetValues()->GetUpdateCount(), 0);
}

}  // namespace
}  // namespace fuzzy
