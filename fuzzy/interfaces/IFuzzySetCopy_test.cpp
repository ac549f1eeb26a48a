#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzzy/interfaces/IFuzzySet.h"
#include "fuzzy/interfaces/IFuzzySetTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::AddTriangle;
using testing_support::NewCountedSet;
using testing_support::NewCountedVariable;
using testing_support::ObjectOf;
using testing_support::TCountedFuzzySet;
using testing_support::TStubParser;
using testing_support::TXYPoints;
using testing_support::XYPointsOf;

using IFuzzySetCopyTest = testing_support::TLiveObjectsTest;

// ---- Assign from an interface ------------------------------------------------------------------

TEST_F(IFuzzySetCopyTest, AssignTakesPointsAndExpressionButKeepsTheName) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> source = AddTriangle(variable, "warm", 0, 5, 10);
  source->SetExpression("very hot");
  const IPtr<IFuzzySet> target = NewCountedSet({{1, 1}}, "target");
  target->SetComment("mine");
  target->SetTag(7);
  target->Assign(IPtr<IInterface>(source));
  EXPECT_EQ(target->GetName(), "target");
  EXPECT_EQ(target->GetComment(), "mine");
  EXPECT_EQ(target->GetTag(), 7);
  EXPECT_FALSE(target->GetDefined());
  EXPECT_EQ(target->GetSetType(), fstUserDefined);
  EXPECT_EQ(target->GetExpression(), "very hot");
  EXPECT_EQ(XYPointsOf(target), XYPointsOf(source));
  EXPECT_EQ(target->GetVariable(), variable);
  EXPECT_EQ(variable->GetCount(), 1);
}

TEST_F(IFuzzySetCopyTest, AssignTakesTheInflectionPointAndParser) {
  const IPtr<IFuzzySet> source = NewCountedSet({});
  source->CreateCurveValues(5, 0, 10, 4, true);
  const IPtr<IFuzzyParser> parser(TStubParser::Create());
  source->SetParser(parser);
  const IPtr<IFuzzySet> target = NewCountedSet({});
  target->Assign(IPtr<IInterface>(source));
  EXPECT_EQ(target->GetInflectionPoint(), 4);
  EXPECT_EQ(target->GetParser(), parser);
}

TEST_F(IFuzzySetCopyTest, AssignFromSomethingElseChangesNothing) {
  const IPtr<IFuzzySet> target = NewCountedSet({{1, 1}}, "t");
  target->Assign(IPtr<IInterface>(NewCountedVariable("v")));
  target->Assign(IPtr<IInterface>());
  EXPECT_EQ(XYPointsOf(target), (TXYPoints{{1, 1}}));
}

TEST_F(IFuzzySetCopyTest, AssignFromItselfKeepsAShapedSet) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v", 0, 30);
  const IPtr<IFuzzySet> set = NewCountedSet({}, "s", variable);
  set->CreateTriangleFunctionValues(1, 2, 3);
  set->Assign(IPtr<IInterface>(set));
  EXPECT_EQ(XYPointsOf(set), (TXYPoints{{1, 0}, {2, 1}, {3, 0}}));
  EXPECT_EQ(set->GetSetType(), fstTriangle);
}

// ---- Assign from an object ---------------------------------------------------------------------

TEST_F(IFuzzySetCopyTest, PersistentAssignCopiesNameVariableAndShape) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> source = AddTriangle(variable, "warm", 0, 5, 10);
  const IPtr<IFuzzySet> target = NewCountedSet({}, "t");
  ObjectOf(target)->Assign(static_cast<TPersistent*>(ObjectOf(source)));
  EXPECT_EQ(target->GetName(), "warm");
  EXPECT_EQ(target->GetVariable(), variable);
  EXPECT_EQ(target->GetSetType(), fstTriangle);
  EXPECT_EQ(XYPointsOf(target), XYPointsOf(source));
  // Not Defined: the source keeps its entry.
  EXPECT_EQ(variable->ContainsFuzzySet("warm"), source);
}

TEST_F(IFuzzySetCopyTest, PersistentAssignMovesADefinedSetsEntryToItsNewName) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> target = AddTriangle(variable, "cold", 0, 0, 5);
  const IPtr<IFuzzySet> source = NewCountedSet({{1, 1}}, "hot", variable);
  ObjectOf(target)->Assign(static_cast<TPersistent*>(ObjectOf(source)));
  EXPECT_EQ(variable->GetCount(), 1);
  EXPECT_EQ(variable->ContainsFuzzySet("hot"), target);
  EXPECT_EQ(variable->ContainsFuzzySet("cold"), nullptr);
}

TEST_F(IFuzzySetCopyTest, APointListCanBeAssignedToAndFromASet) {
  const IPtr<IFuzzySet> set = NewCountedSet({{1, 0}, {2, 1}});
  const IPtr<IFuzzySet> other = NewCountedSet({{5, 0.5}});
  TFuzzySetValues* points = ObjectOf(other)->GetValues();
  set->Assign(points);
  EXPECT_EQ(XYPointsOf(set), (TXYPoints{{5, 0.5}}));
  const IPtr<IFuzzySet> third = NewCountedSet({{7, 0.25}, {8, 0}});
  points->Assign(ObjectOf(third));
  EXPECT_EQ(XYPointsOf(other), (TXYPoints{{7, 0.25}, {8, 0}}));
}

TEST_F(IFuzzySetCopyTest, AssignToAnythingButAPointListRaises) {
  const IPtr<IFuzzySet> set = NewCountedSet({{1, 0}});
  const TOwned<TFuzzySet> plain(TFuzzySet::Create(nullptr));
  EXPECT_THROW(set->AssignTo(plain.get()), EConvertError);
}

// ---- Clone
// ----------------------------------------------------------------------------------------

TEST_F(IFuzzySetCopyTest, CloneOfADefinedSetAddsNoSecondEntry) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  const IPtr<IFuzzySet> set = AddTriangle(variable, "warm", 0, 5, 10);
  set->SetExpression("mild");
  const IPtr<IFuzzySet> copy = InterfaceCast<IFuzzySet>(set->Clone());
  ASSERT_TRUE(copy);
  EXPECT_NE(copy, set);
  EXPECT_NE(dynamic_cast<TCountedFuzzySet*>(copy.get()), nullptr);
  EXPECT_EQ(copy->GetName(), "warm");
  EXPECT_EQ(copy->GetVariable(), variable);
  EXPECT_FALSE(copy->GetDefined());
  EXPECT_EQ(copy->GetExpression(), "mild");
  EXPECT_EQ(XYPointsOf(copy), XYPointsOf(set));
  EXPECT_EQ(variable->GetCount(), 1);
  EXPECT_EQ(variable->ContainsFuzzySet("warm"), set);
}

TEST_F(IFuzzySetCopyTest, CloneForAVariableTakesOnlyNameAndPoints) {
  const IPtr<IFuzzyVariable> source = NewCountedVariable("source", 0, 30);
  const IPtr<IFuzzyVariable> target = NewCountedVariable("target", 0, 30);
  const IPtr<IFuzzyParser> parser(TStubParser::Create());
  target->SetParser(parser);
  const IPtr<IFuzzySet> set = NewCountedSet({}, "s", source);
  set->CreateCurveValues(4, 0, 20, 8, true);
  const IPtr<IFuzzySet> copy = set->Clone(target);
  EXPECT_EQ(copy->GetName(), "s");
  EXPECT_EQ(copy->GetVariable(), target);
  EXPECT_EQ(copy->GetParser(), parser);
  EXPECT_EQ(copy->GetSetType(), fstUserDefined);
  EXPECT_EQ(copy->GetExpression(), "");
  EXPECT_EQ(copy->GetInflectionPoint(), 0);
  EXPECT_EQ(XYPointsOf(copy), XYPointsOf(set));
  EXPECT_EQ(target->GetCount(), 0);
}

// ---- Equals and FuzzyEquals
// ------------------------------------------------------------------------

TEST_F(IFuzzySetCopyTest, EqualsNeedsAVariable) {
  const IPtr<IFuzzySet> set = NewCountedSet({{0, 0}, {1, 1}});
  EXPECT_THROW(set->Equals(IPtr<IInterface>(NewCountedSet({{0, 0}, {1, 1}}))), EFzyException);
  EXPECT_FALSE(set->Equals(IPtr<IInterface>(NewCountedVariable("v"))));
}

TEST_F(IFuzzySetCopyTest, EqualsMatchesWhereBothReachTheThreshold) {
  const IPtr<IFuzzyVariable> variable = NewCountedVariable("v");
  variable->SetThreshold(0.6);
  const IPtr<IFuzzySet> low = AddTriangle(variable, "low", 0, 0, 4);
  const IPtr<IFuzzySet> lowish = AddTriangle(variable, "lowish", 0, 1, 5);
  const IPtr<IFuzzySet> high = AddTriangle(variable, "high", 6, 10, 10);
  EXPECT_TRUE(low->Equals(IPtr<IInterface>(lowish)));
  EXPECT_FALSE(low->Equals(IPtr<IInterface>(high)));
}

TEST_F(IFuzzySetCopyTest, FuzzyEqualsIsTheHeightOfTheIntersection) {
  const IPtr<IFuzzySet> a = NewCountedSet({{0, 0}, {4, 1}, {8, 0}});
  const IPtr<IFuzzySet> b = NewCountedSet({{4, 0}, {8, 1}, {12, 0}});
  EXPECT_DOUBLE_EQ(a->FuzzyEquals(IPtr<IInterface>(b)), 0.5);
  EXPECT_EQ(a->FuzzyEquals(IPtr<IInterface>(NewCountedVariable("v"))), 0.0);
}

}  // namespace
}  // namespace fuzzy
