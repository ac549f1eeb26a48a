#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzzy/interfaces/IFuzzyLogic.h"
#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "fuzzy/interfaces/IntfVarTestSupport.h"
#include "fuzzy/language/EvaluatorTestSupport.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"

namespace fuzzy {
namespace {

using ::testing::StartsWith;
using testing_support::Atom;
using testing_support::KeywordCases;
using testing_support::LiveObjects;
using testing_support::NewCountedVariable;
using testing_support::ParseMessageOf;
using testing_support::TKeywordCase;
using testing_support::TokenList;
using testing_support::Words;

std::string Text(const IPtr<IFuzzySet>& fuzzySet) {
  std::string text;
  for (int i = 0; i < fuzzySet->GetCount(); ++i) {
    if (!text.empty()) text += " ";
    text += Format("(%.4f %.4f)", fuzzySet->GetXValues(i), fuzzySet->GetYValues(i));
  }
  return text;
}

void AddPoints(const IPtr<IFuzzySet>& term, const std::vector<std::pair<double, double>>& points) {
  for (const auto& [x, y] : points) term->Add(x, y);
}

void AddTerms(const IPtr<IFuzzyVariable>& variable) {
  AddPoints(variable->Add("low"), {{0, 1}, {10, 0}});
  AddPoints(variable->Add("medium"), {{0, 0}, {5, 1}, {10, 0}});
  AddPoints(variable->Add("high"), {{0, 0}, {10, 1}});
}

// Two variables with the same terms over [0, 10], counting their sets: expressions are
// evaluated over the first, the expected sets are built by hand in the second, and when the
// test is over every set and variable must be gone.
class InterfaceEvaluation : public ::testing::Test {
 protected:
  InterfaceEvaluation() {
    AddTerms(FVariable);
    AddTerms(FReference);
  }
  ~InterfaceEvaluation() override {
    FVariable = nullptr;
    FReference = nullptr;
    EXPECT_EQ(LiveObjects(), 0);
  }

  IPtr<IFuzzySet> Term(const std::string& name) const { return FVariable->GetFuzzySetByName(name); }
  IPtr<IFuzzySet> Reference(const std::string& name) const {
    return FReference->GetFuzzySetByName(name);
  }
  IPtr<IFuzzySet> Eval(const std::string& expression) const {
    return FParser->EvalFuzzyExpression(FVariable, expression);
  }
  std::string Points(const std::string& expression) const { return Text(Eval(expression)); }

  TOwned<TKWFuzzyLogicParser> FParser = Own(TKWFuzzyLogicParser::Create(nullptr));
  IPtr<IFuzzyVariable> FVariable = NewCountedVariable("temperature");
  IPtr<IFuzzyVariable> FReference = NewCountedVariable("reference");
};

TEST_F(InterfaceEvaluation, AnEmptyExpressionGivesAnEmptySetOutsideTheTable) {
  const IPtr<IFuzzySet> empty = Eval("");
  EXPECT_EQ(empty->GetName(), SEmptyFuzzy);
  EXPECT_FALSE(empty->GetDefined());
  EXPECT_EQ(empty->GetCount(), 0);
  EXPECT_EQ(empty->GetVariable(), FVariable);
  EXPECT_EQ(FVariable->GetCount(), 3);
}

TEST_F(InterfaceEvaluation, ATermAloneIsTheTermItself) {
  EXPECT_EQ(Eval("[high]"), Term("high"));
}

TEST_F(InterfaceEvaluation, AHedgeMakesANewSetAndLeavesTheTermAsItWas) {
  const IPtr<IFuzzySet> result = Eval("very not high");
  const IPtr<IFuzzySet> expected = Reference("high")->Clone(FReference);
  expected->Hedge(fhNot);
  expected->Hedge(fhVery);
  EXPECT_EQ(Text(result), Text(expected));
  EXPECT_EQ(result->GetName(), "very [not high]");
  EXPECT_FALSE(result->GetDefined());
  EXPECT_EQ(result->GetVariable(), FVariable);
  EXPECT_EQ(Text(Term("high")), "(0.0000 0.0000) (10.0000 1.0000)");
  EXPECT_EQ(FVariable->GetCount(), 3);
}

TEST_F(InterfaceEvaluation, BracketsGroupFirstAndAndOrGroupFromTheLeft) {
  const IPtr<IFuzzySet> either = Reference("high")->Union(Reference("low"));
  EXPECT_EQ(Points("[high or low] and medium"), Text(either->Intersection(Reference("medium"))));
  const IPtr<IFuzzySet> both = Reference("high")->Intersection(Reference("low"));
  EXPECT_EQ(Points("high and low or medium"), Text(both->Union(Reference("medium"))));
}

class InterfaceKeyword : public InterfaceEvaluation,
                         public ::testing::WithParamInterface<TKeywordCase> {};

TEST_P(InterfaceKeyword, CombinesByItsFamily) {
  const TKeywordCase& c = GetParam();
  const IPtr<IFuzzySet> high = Reference("high");
  const IPtr<IFuzzySet> expected = c.IsUnion ? high->Union(Reference("low"), c.Operation)
                                             : high->Intersection(Reference("low"), c.Operation);
  EXPECT_EQ(Points(std::string("high ") + c.Keyword + " low"), Text(expected));
}

INSTANTIATE_TEST_SUITE_P(Keywords, InterfaceKeyword, ::testing::ValuesIn(KeywordCases()));

TEST_F(InterfaceEvaluation, AHedgeOperatorResultReadsBack) {
  const IPtr<IFuzzySet> expected = Reference("high")->Clone(FReference);
  expected->Hedge(bfhPower, 2, true);
  const IPtr<IFuzzySet> result = Eval("high ^ 2");
  EXPECT_EQ(Text(result), Text(expected));
  EXPECT_EQ(result->GetExpression(), "high ^ 2");
  EXPECT_EQ(Eval("[very low] -X 1.5")->GetExpression(), "[very low] -X 1.5");
}

TEST_F(InterfaceEvaluation, FunctionsPointsAndNumbersAreOperands) {
  const IPtr<IFuzzySet> triangle = Eval("(tri 0 5 10)");
  EXPECT_EQ(triangle->GetName(), "(tri 0 5 10)");
  EXPECT_EQ(Text(triangle), Text(Reference("medium")));
  EXPECT_EQ(Points("((0 0) (5 1) (10 0))"), Text(Reference("medium")));
  const IPtr<IFuzzySet> spike = Eval("7");
  EXPECT_EQ(spike->GetName(), "7");
  EXPECT_EQ(spike->GetExpression(), "7");
  EXPECT_DOUBLE_EQ(spike->MeanOfMaxima(), 7);
  EXPECT_FALSE(spike->GetDefined());
  EXPECT_EQ(FVariable->GetCount(), 3);
}

TEST_F(InterfaceEvaluation, SetTokensOfTheInterfaceModelOnly) {
  const IPtr<TFuzzyStreamToken> token = TFuzzyStreamToken::Create();
  token->SetFuzzySetIntf(Term("low"));
  EXPECT_EQ(FParser->EvalFuzzyExpression(FVariable, IPtr<IFuzzyStreamToken>(token)), Term("low"));
  auto objectSet = Own(TFuzzySet::Create(nullptr));
  token->SetFuzzySet(objectSet.get());
  EXPECT_THAT(ParseMessageOf(
                  [&] { FParser->EvalFuzzyExpression(FVariable, IPtr<IFuzzyStreamToken>(token)); }),
              StartsWith("Parsing Error, Invalid item in fuzzy expression"));
}

TEST_F(InterfaceEvaluation, TheEventReceivesTheVariableAndMayReplaceTheResult) {
  std::vector<std::string> seen;
  FParser->SetOnEvalExpressionIntf([&](const IPtr<IFuzzyVariable>& sender,
                                       const std::string& expression, IPtr<IFuzzySet>& result) {
    EXPECT_EQ(sender, FVariable);
    seen.push_back(expression);
    result = Term("medium");
  });
  EXPECT_EQ(Eval("low and not high"), Term("medium"));
  EXPECT_EQ(seen, std::vector<std::string>{"(low high not and)"});
}

TEST_F(InterfaceEvaluation, DefuzzifiesByTheComponentsMethodOrTheCentreOfGravity) {
  IPtr<IFuzzySet> result;
  EXPECT_DOUBLE_EQ(FParser->EvalFuzzyExpression(FVariable, "high", result),
                   Term("high")->CenterOfGravity());
  EXPECT_EQ(result, Term("high"));
  auto logic = Own(TIFuzzyLogic::Create(nullptr));
  logic->SetDefuzzificationMethod(dmMeanOfMaxima);
  FParser->SetFuzzyLogic(logic.get());
  EXPECT_DOUBLE_EQ(FParser->EvalFuzzyExpression(FVariable, "high", result), 10);
}

TEST_F(InterfaceEvaluation, AVariableOperandNeedsALogicComponent) {
  const IPtr<IFuzzyStreamToken> cold = TFuzzyStreamToken::Create(fstVariable, "cold");
  EXPECT_EQ(ParseMessageOf([&] { FParser->EvalFuzzyExpression(FVariable, TokenList({cold})); }),
            "Parsing Error, Fuzzy Logic component must be specified to parse in "
            "EvalFuzzyExpression at line 0: \"\"");
  auto logic = Own(TIFuzzyLogic::Create(nullptr));
  logic->GetVariables()->Add("cold=not high");
  FParser->SetFuzzyLogic(logic.get());
  const IPtr<IFuzzySet> result = Eval("?cold");
  EXPECT_EQ(result->GetName(), "?cold");
  EXPECT_EQ(Text(result), "(0.0000 1.0000) (10.0000 0.0000)");
}

struct TIntfFailureCase {
  const char* Expression;
  const char* Message;
};

class InterfaceFailure : public InterfaceEvaluation,
                         public ::testing::WithParamInterface<TIntfFailureCase> {};

// Every set made before the error is released with it (the fixture checks that nothing lives on).
TEST_P(InterfaceFailure, RaisesAParseError) {
  EXPECT_THAT(ParseMessageOf([&] { Eval(GetParam().Expression); }),
              StartsWith(std::string("Parsing Error, ") + GetParam().Message +
                         " in EvalFuzzyExpression at line 1"));
  EXPECT_EQ(FVariable->GetCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, InterfaceFailure,
    ::testing::Values(TIntfFailureCase{"and", "Missing fuzzy operand to be modified by hedge: and"},
                      TIntfFailureCase{"not very high and warm",
                                       "Invalid item in fuzzy expression: warm"},
                      TIntfFailureCase{"high low", "Unexpected token: \"low\""},
                      TIntfFailureCase{"high ) and low", "Unexpected token: \")\""},
                      TIntfFailureCase{"()", "Invalid item in fuzzy expression: ()"}));

TEST_F(InterfaceEvaluation, WithoutAVariableRaises) {
  EXPECT_EQ(ParseMessageOf(
                [&] { FParser->EvalFuzzyExpression(IPtr<IFuzzyVariable>(), Words({"high"})); }),
            "Parsing Error, fuzzy variable is not defined in EvalFuzzyExpression at line 0: \"\"");
}

TEST_F(InterfaceEvaluation, ConvertListToValuesAddsEveryPair) {
  const IPtr<IFuzzySet> target = FVariable->Add(SEmptyFuzzy);
  const IPtr<IFuzzyStreamTokenList> pairs = TokenList(
      {testing_support::Group({testing_support::Integer(1), testing_support::Integer(1)})});
  EXPECT_EQ(FParser->ConvertListToValues(target, pairs), target);
  EXPECT_EQ(Text(target), "(1.0000 1.0000)");
  EXPECT_EQ(ParseMessageOf([&] { FParser->ConvertListToValues(target, Words({"x"})); }),
            "Parsing Error, Invalid X/Y value pair: x in ConvertListToValues at line 0: \"\"");
}

}  // namespace
}  // namespace fuzzy
