#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fuzzy/interfaces/IFuzzySet.h"
#include "fuzzy/interfaces/IFuzzySetTestSupport.h"
#include "fuzzy/interfaces/InterfaceTestSupport.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy {
namespace {

using testing_support::AddTriangle;
using testing_support::NewCountedSet;
using testing_support::NewCountedVariable;
using testing_support::TCountedFuzzySet;
using testing_support::TEventLog;
using testing_support::TXYPoints;
using testing_support::XYPointsOf;

using IFuzzySetAlgebraTest = testing_support::TLiveObjectsTest;

const TXYPoints Warm{{0, 0}, {5, 1}, {10, 0}};
const TXYPoints Hot{{4, 0}, {8, 1}, {10, 1}};

TOwned<TFuzzySet> NewObjectSet(const TXYPoints& points, const std::string& name) {
  TOwned<TFuzzySet> set(TFuzzySet::Create(nullptr));
  set->SetName(name);
  for (const auto& [x, y] : points) set->GetValues()->Add(x, y);
  return set;
}

TXYPoints ObjectPointsOf(const TFuzzySet* set) {
  TXYPoints points;
  for (const TFuzzySetValue* point : *set->GetValues())
    points.emplace_back(point->GetX(), point->GetY());
  return points;
}

// An IFuzzySet that is no TFuzzySet: only its name and points answer.
class TForeignSet : public testing_support::TStubFuzzySet {
 public:
  static TForeignSet* Create(const std::string& name, const TXYPoints& points) {
    return Constructed(new TForeignSet(name, points));
  }
  int GetCount() const override { return static_cast<int>(FPoints.size()); }
  TFzyFloat GetXValues(int index) const override { return FPoints.at(index).first; }
  TFzyFloat GetYValues(int index) const override { return FPoints.at(index).second; }

 protected:
  TForeignSet(const std::string& name, TXYPoints points)
      : TStubFuzzySet(name, ""), FPoints(std::move(points)) {}

 private:
  TXYPoints FPoints;
};

// ---- Both models give the same result ----------------------------------------------------------

struct TFamilyCase {
  TFuzzyOperation Operation;
  bool Intersect;
};

class IFuzzySetFamilies : public IFuzzySetAlgebraTest,
                          public ::testing::WithParamInterface<TFamilyCase> {};

TEST_P(IFuzzySetFamilies, MatchTheObjectModel) {
  const auto [operation, intersect] = GetParam();
  const IPtr<IFuzzySet> warm = NewCountedSet(Warm, "warm");
  const IPtr<IFuzzySet> hot = NewCountedSet(Hot, "hot");
  const IPtr<IFuzzySet> result =
      intersect ? warm->Intersection(hot, operation) : warm->Union(hot, operation);
  const TOwned<TFuzzySet> objectWarm = NewObjectSet(Warm, "warm");
  const TOwned<TFuzzySet> objectHot = NewObjectSet(Hot, "hot");
  const TOwned<TFuzzySet> expected(intersect ? objectWarm->Intersection(objectHot.get(), operation)
                                             : objectWarm->Union(objectHot.get(), operation));
  EXPECT_EQ(XYPointsOf(result), ObjectPointsOf(expected.get()));
  EXPECT_EQ(result->GetName(), expected->GetName());
  EXPECT_EQ(result->GetExpression(), expected->GetExpression());
}

INSTANTIATE_TEST_SUITE_P(
    Operations, IFuzzySetFamilies,
    ::testing::Values(TFamilyCase{foZadeh, true}, TFamilyCase{foZadeh, false},
                      TFamilyCase{foMean, true}, TFamilyCase{foMean, false},
                      TFamilyCase{foMeanSqr, true}, TFamilyCase{foMeanSqrt, false},
                      TFamilyCase{foProduct, true}, TFamilyCase{foProduct, false},
                      TFamilyCase{foBoundedSum, true}, TFamilyCase{foBoundedSum, false},
                      TFamilyCase{foSum, false}));

TEST_F(IFuzzySetAlgebraTest, ResultsBelongToTheVariableButStayOutOfItsTable) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> warm = AddTriangle(variable, "warm", 0, 5, 10);
  const IPtr<IFuzzySet> hot = AddTriangle(variable, "hot", 4, 8, 10);
  const IPtr<IFuzzySet> result = warm->Intersection(hot);
  EXPECT_EQ(result->GetName(), "warm and hot");
  EXPECT_EQ(result->GetVariable(), variable);
  EXPECT_FALSE(result->GetDefined());
  EXPECT_NE(dynamic_cast<TCountedFuzzySet*>(result.get()), nullptr);
  EXPECT_EQ(variable->GetCount(), 2);
}

TEST_F(IFuzzySetAlgebraTest, AnyIFuzzySetServesAsTheOtherOperand) {
  const IPtr<IFuzzySet> warm = NewCountedSet(Warm, "warm");
  const IPtr<IFuzzySet> foreign(TForeignSet::Create("hot", Hot));
  const IPtr<IFuzzySet> result = warm->Union(foreign);
  const IPtr<IFuzzySet> expected = warm->Union(NewCountedSet(Hot, "hot"));
  EXPECT_EQ(XYPointsOf(result), XYPointsOf(expected));
  EXPECT_EQ(result->GetName(), "warm or hot");
  EXPECT_TRUE(warm->Intersects(foreign));
  EXPECT_DOUBLE_EQ(warm->GetCorrelationStrength(foreign),
                   warm->GetCorrelationStrength(NewCountedSet(Hot, "hot")));
}

TEST_F(IFuzzySetAlgebraTest, ANullOperandRaises) {
  const IPtr<IFuzzySet> warm = NewCountedSet(Warm, "warm");
  EXPECT_THROW(warm->Intersection(nullptr), EInvalidOperation);
}

TEST_F(IFuzzySetAlgebraTest, AnOperationWithoutARuleRaisesBeforeAnyResult) {
  const IPtr<IFuzzySet> warm = NewCountedSet(Warm, "warm");
  const int live = TCountedFuzzySet::Live;
  try {
    warm->Intersection(NewCountedSet(Hot, "hot"), foSum);
    FAIL() << "no exception";
  } catch (const EFzyException& e) {
    EXPECT_EQ(std::string(e.what()), "Invalid fuzzy operation: \"foSum:");
  }
  EXPECT_EQ(TCountedFuzzySet::Live, live);
}

struct TInferCase {
  TFuzzyInferenceMethod Method;
  bool Intersect;
  TFuzzyOperation Operation;
};

class IFuzzySetInfer : public IFuzzySetAlgebraTest,
                       public ::testing::WithParamInterface<TInferCase> {};

TEST_P(IFuzzySetInfer, CombinesByTheMethodsFamily) {
  const IPtr<IFuzzySet> warm = NewCountedSet(Warm, "warm");
  const IPtr<IFuzzySet> hot = NewCountedSet(Hot, "hot");
  const TInferCase& c = GetParam();
  const IPtr<IFuzzySet> inferred = warm->Infer(hot, c.Method, c.Intersect);
  const IPtr<IFuzzySet> direct =
      c.Intersect ? warm->Intersection(hot, c.Operation) : warm->Union(hot, c.Operation);
  EXPECT_EQ(inferred->GetName(), direct->GetName());
  EXPECT_EQ(XYPointsOf(inferred), XYPointsOf(direct));
}

INSTANTIATE_TEST_SUITE_P(Methods, IFuzzySetInfer,
                         ::testing::Values(TInferCase{fimMinMax, true, foZadeh},
                                           TInferCase{fimAdditive, false, foSum},
                                           TInferCase{fimMean, true, foMean},
                                           TInferCase{fimProduct, false, foProduct},
                                           TInferCase{fimBoundedSum, true, foBoundedSum}));

TEST_F(IFuzzySetAlgebraTest, OperatorHandsTheResultToTheCallbackAndMayStop) {
  const IPtr<IFuzzySet> warm = NewCountedSet(Warm, "warm");
  int events = 0;
  const IPtr<IFuzzySet> result = warm->Operator(
      NewCountedSet(Hot, "hot"), "first",
      [&events](const IPtr<IFuzzySet>& r, TFzyFloat x1, TFzyFloat y1, TFzyFloat, TFzyFloat) {
        ++events;
        r->Add(x1, y1 + 0.5);
        return true;
      });
  EXPECT_EQ(events, 1);
  EXPECT_EQ(result->GetName(), "warm first hot");
  EXPECT_EQ(XYPointsOf(result), (TXYPoints{{0, 0.5}}));
}

TEST_F(IFuzzySetAlgebraTest, AHandlerThatRaisesDuringAnOperationLeavesNoResult) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> warm = AddTriangle(variable, "warm", 0, 5, 10);
  const IPtr<IFuzzySet> hot = AddTriangle(variable, "hot", 4, 8, 10);
  const int live = TCountedFuzzySet::Live;
  TEventLog log(variable);
  log.ThrowOn("set");
  EXPECT_THROW(warm->Intersection(hot), std::runtime_error);
  log.ThrowOn("set");
  EXPECT_THROW(warm->Union(hot, foProduct), std::runtime_error);
  log.ThrowOn("set");
  EXPECT_THROW(warm->Clone(), std::runtime_error);
  EXPECT_EQ(TCountedFuzzySet::Live, live);
  EXPECT_EQ(variable->GetCount(), 2);
}

// ---- In place
// ------------------------------------------------------------------------------------

TEST_F(IFuzzySetAlgebraTest, CorrelateByMinimumCutsTheSetInPlace) {
  const IPtr<IFuzzySet> warm = NewCountedSet(Warm, "warm");
  EXPECT_EQ(warm->Correlate(0.5, fcmMinimum), warm);
  EXPECT_EQ(XYPointsOf(warm), (TXYPoints{{0, 0}, {2.5, 0.5}, {7.5, 0.5}, {10, 0}}));
  EXPECT_EQ(warm->GetName(), "warm > 0.5000");
}

TEST_F(IFuzzySetAlgebraTest, CorrelateByProductScalesTheSetInPlace) {
  const IPtr<IFuzzySet> warm = NewCountedSet(Warm, "warm");
  EXPECT_EQ(warm->Correlate(0.5, fcmProduct), warm);
  EXPECT_EQ(XYPointsOf(warm), (TXYPoints{{0, 0}, {5, 0.5}, {10, 0}}));
}

TEST_F(IFuzzySetAlgebraTest, AHedgeOnATermMovesItsEntryToTheHedgedName) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> warm = AddTriangle(variable, "warm", 0, 5, 10);
  EXPECT_EQ(warm->Hedge(fhNot), warm);
  EXPECT_EQ(warm->GetName(), "not warm");
  EXPECT_EQ(variable->GetCount(), 1);
  EXPECT_EQ(variable->ContainsFuzzySet("not warm"), warm);
  EXPECT_EQ(warm->Hedge(bfhMultiply, 0.5, true), warm);
  EXPECT_DOUBLE_EQ(warm->DegreeOfMembership(0), 0.5);
}

TEST_F(IFuzzySetAlgebraTest, NormalizeScalesTheSetInPlace) {
  const IPtr<IFuzzySet> set = NewCountedSet({{0, 0}, {5, 0.5}, {10, 0}});
  EXPECT_EQ(set->Normalize(), set);
  EXPECT_EQ(XYPointsOf(set), (TXYPoints{{0, 0}, {5, 1}, {10, 0}}));
}

// ---- Cuts
// ----------------------------------------------------------------------------------------

TEST_F(IFuzzySetAlgebraTest, AlphaCutoffIsRenamedAndLinkedButNotEntered) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> warm = AddTriangle(variable, "warm", 0, 5, 10);
  const IPtr<IFuzzySet> cut = warm->AlphaCutoff(0.5, false);
  EXPECT_EQ(cut->GetName(), "warm (alpha=0.5000)");
  EXPECT_EQ(cut->GetVariable(), variable);
  EXPECT_EQ(variable->GetCount(), 1);
  EXPECT_NE(dynamic_cast<TCountedFuzzySet*>(cut.get()), nullptr);
  const TOwned<TFuzzySet> object = NewObjectSet(Warm, "warm");
  const TOwned<TFuzzySet> expected(object->AlphaCutoff(0.5, false));
  EXPECT_EQ(XYPointsOf(cut), ObjectPointsOf(expected.get()));
}

TEST_F(IFuzzySetAlgebraTest, CutoffKeepsTheObjectModelsNameAndPoints) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> warm = AddTriangle(variable, "warm", 0, 5, 10);
  const IPtr<IFuzzySet> cut = warm->Cutoff(0.25, true);
  const TOwned<TFuzzySet> object = NewObjectSet(Warm, "warm");
  const TOwned<TFuzzySet> expected(object->Cutoff(0.25, true));
  EXPECT_EQ(cut->GetName(), expected->GetName());
  EXPECT_EQ(XYPointsOf(cut), ObjectPointsOf(expected.get()));
  EXPECT_EQ(cut->GetVariable(), variable);
  EXPECT_EQ(variable->GetCount(), 1);
}

}  // namespace
}  // namespace fuzzy
