// For tests of interface-model sets: a fixture that checks every counted set and variable made
// in a test is gone at its end, and helpers to make sets and read their points.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fuzzy/interfaces/IFuzzySet.h"
#include "fuzzy/interfaces/IntfVarTestSupport.h"

namespace fuzzy::testing_support {

using TXYPoints = std::vector<std::pair<TFzyFloat, TFzyFloat>>;

inline IPtr<IFuzzySet> NewCountedSet(const TXYPoints& points, const std::string& name = "s",
                                     const IPtr<IFuzzyVariable>& variable = nullptr) {
  IPtr<IFuzzySet> set(TCountedFuzzySet::Create(variable, name));
  for (const auto& [x, y] : points) set->Add(x, y);
  return set;
}

inline TXYPoints XYPointsOf(const IPtr<IFuzzySet>& set) {
  TXYPoints points;
  for (int i = 0; i < set->GetCount(); ++i) {
    points.emplace_back(set->GetXValues(i), set->GetYValues(i));
  }
  return points;
}

inline TIFuzzySet* ObjectOf(const IPtr<IFuzzySet>& set) {
  return dynamic_cast<TIFuzzySet*>(set.get());
}

// Objects held by a test's locals are gone by TearDown; whatever is still alive then leaked.
class TLiveObjectsTest : public ::testing::Test {
 protected:
  void SetUp() override { FLiveAtStart = LiveObjects(); }
  void TearDown() override { EXPECT_EQ(LiveObjects(), FLiveAtStart) << "objects leaked"; }

 private:
  int FLiveAtStart = 0;
};

}  // namespace fuzzy::testing_support
