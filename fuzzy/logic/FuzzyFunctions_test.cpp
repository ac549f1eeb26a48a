#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fuzzy/logic/LogicTestSupport.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy {
namespace {

using testing_support::Args;
using testing_support::FzyMessageOf;
using testing_support::TArg;
using testing_support::TFixedTextParser;

// A parser on a component that draws curves with 9 points.
class FuzzyFunctionsTest : public ::testing::Test {
 protected:
  FuzzyFunctionsTest() {
    FLogic->SetNumFunctionValues(9);
    FParser->SetFuzzyLogic(FLogic.get());
  }

  TOwned<TFuzzyLogic> FLogic = Own(TFuzzyLogic::Create(nullptr));
  TOwned<TFixedTextParser> FParser = Own(TFixedTextParser::Create(nullptr));
  TOwned<TFuzzySet> FResult = Own(TFuzzySet::Create(nullptr));
  TOwned<TFuzzySet> FExpected = Own(TFuzzySet::Create(nullptr));
};

struct TGoodCall {
  const char* Label;
  const char* Name;
  std::vector<TArg> Arguments;
  // The generator call the function stands for, with 9 points.
  std::function<void(TFuzzySet*)> Generator;
  TFuzzySetType Type;
};

class FuzzyFunctionsGood : public FuzzyFunctionsTest,
                           public ::testing::WithParamInterface<TGoodCall> {};

TEST_P(FuzzyFunctionsGood, FillTheResultThroughTheirGenerator) {
  EXPECT_EQ(FParser->CalcFuzzyFunction(FResult.get(), GetParam().Name, Args(GetParam().Arguments)),
            FResult.get());
  GetParam().Generator(FExpected.get());
  EXPECT_EQ(FResult->GetValuesToString(), FExpected->GetValuesToString());
  EXPECT_EQ(FResult->GetSetType(), GetParam().Type);
  EXPECT_EQ(FResult->GetInflectionPoint(), FExpected->GetInflectionPoint());
}

INSTANTIATE_TEST_SUITE_P(
    Builtins, FuzzyFunctionsGood,
    ::testing::Values(TGoodCall{"PiRangeCenter",
                                "pi",
                                {5, 2},
                                [](TFuzzySet* s) { s->CreatePIFunctionValues(9, 5, 2); },
                                fstPICurve},
                      TGoodCall{"PiLeftRightCenter",
                                "pi",
                                {1, 9, 5},
                                [](TFuzzySet* s) { s->CreatePIFunctionValues(9, 1, 9, 5); },
                                fstPICurve},
                      TGoodCall{"Tri",
                                "tri",
                                {0, 2.5, 10},
                                [](TFuzzySet* s) { s->CreateTriangleFunctionValues(0, 2.5, 10); },
                                fstTriangle},
                      TGoodCall{"S",
                                "s",
                                {2, 8},
                                [](TFuzzySet* s) { s->CreateCurveValues(9, 2, 8, 8, true); },
                                fstGrowthCurve},
                      TGoodCall{"Z",
                                "z",
                                {2, 8},
                                [](TFuzzySet* s) { s->CreateCurveValues(9, 2, 8, 8, false); },
                                fstDeclineCurve},
                      TGoodCall{"Beta",
                                "beta",
                                {3, 5, 1},
                                [](TFuzzySet* s) { s->CreateBetaCurveFunctionValues(9, 3, 5, 1); },
                                fstBetaCurve},
                      TGoodCall{
                          "BetaWeighted",
                          "beta",
                          {3, 5, 1, 2},
                          [](TFuzzySet* s) { s->CreateBetaCurveFunctionValues(9, 3, 5, 1, 2); },
                          fstBetaCurve}),
    [](const auto& info) { return std::string(info.param.Label); });

struct TBadCall {
  const char* Label;
  const char* Name;
  std::vector<TArg> Arguments;
  const char* Message;
};

class FuzzyFunctionsBad : public FuzzyFunctionsTest,
                          public ::testing::WithParamInterface<TBadCall> {};

TEST_P(FuzzyFunctionsBad, RaiseAParseErrorAndLeaveTheResultAlone) {
  FResult->GetValues()->Add(4, 0.5);
  const std::string expected =
      std::string("Parsing Error, ") + GetParam().Message + " in CalcFuzzyFunction at line 0: \"\"";
  EXPECT_EQ(FzyMessageOf([&] {
              FParser->CalcFuzzyFunction(FResult.get(), GetParam().Name,
                                         Args(GetParam().Arguments));
            }),
            expected);
  EXPECT_EQ(FResult->GetValuesToString(), "((4.0000 0.5000) )");
  // The interface model checks the same way, before it needs a set.
  EXPECT_EQ(FzyMessageOf([&] {
              FParser->CalcFuzzyFunction(IPtr<IFuzzySet>(), GetParam().Name,
                                         Args(GetParam().Arguments));
            }),
            expected);
}

INSTANTIATE_TEST_SUITE_P(
    Builtins, FuzzyFunctionsBad,
    ::testing::Values(
        TBadCall{"PiOneNumber",
                 "pi",
                 {5},
                 "Number of arguments for function, pi, incorrect.  Expected \"\"Left Right "
                 "Center\" or \"Range Center\"\""},
        TBadCall{"SThreeNumbers",
                 "s",
                 {2, 5, 8},
                 "Number of arguments for function, s, incorrect.  Expected \"\"Left Right "
                 "Inflection_Point\"\""},
        TBadCall{"ZNoNumbers",
                 "z",
                 {},
                 "Number of arguments for function, z, incorrect.  Expected \"\"Left Right "
                 "Inflection_Point\"\""},
        TBadCall{"TriTwoNumbers",
                 "tri",
                 {1, 2},
                 "Number of arguments for function, tri, incorrect.  Expected \"\"Left Middle "
                 "Right\"\""},
        TBadCall{"BetaFiveNumbers",
                 "beta",
                 {1, 2, 3, 4, 5},
                 "Number of arguments for function, beta, incorrect.  Expected \"\"Range Center "
                 "Inflection_Point\" or \"Range Center Inflection_Point Weight\"\""},
        // The kinds are checked before the count.
        TBadCall{"TriWordFirst",
                 "tri",
                 {"low"},
                 "Data Types of arguments for function, tri, incorrect.  Expected numeric"},
        // The name is checked first of all, and case-sensitively.
        TBadCall{"TriInCapitals", "TRI", {"low"}, "Unknown function name: \"TRI\""},
        TBadCall{"Unknown", "hyperbola", {1, 2}, "Unknown function name: \"hyperbola\""}),
    [](const auto& info) { return std::string(info.param.Label); });

// ---- handlers --------------------------------------------------------------------------------

TEST_F(FuzzyFunctionsTest, AHandlerThatHandlesANameMakesItAFunction) {
  std::string seenName;
  int seenCount = -1;
  FParser->SetOnCalcFuzzyFunction([&](TObject* sender, const std::string& name,
                                      const IPtr<IFuzzyStreamTokenList>& args, TFuzzySet*& result,
                                      bool& handled) {
    EXPECT_EQ(sender, FParser.get());
    seenName = name;
    seenCount = args->GetCount();
    if (name != "crisp") return;
    result->CreateCrispValue(args->Get(0)->GetNumber());
    handled = true;
  });
  FParser->CalcFuzzyFunction(FResult.get(), "crisp", Args({3}));
  EXPECT_EQ(FResult->GetExpression(), "3.0000");
  EXPECT_EQ(seenCount, 1);
  // Names it leaves alone still reach the built-ins.
  FParser->CalcFuzzyFunction(FExpected.get(), "tri", Args({0, 1, 2}));
  EXPECT_EQ(seenName, "tri");
  EXPECT_EQ(FExpected->GetSetType(), fstTriangle);
}

TEST_F(FuzzyFunctionsTest, AHandlerMayReplaceTheResult) {
  FParser->SetOnCalcFuzzyFunction([&](TObject*, const std::string&,
                                      const IPtr<IFuzzyStreamTokenList>&, TFuzzySet*& result,
                                      bool&) { result = FExpected.get(); });
  EXPECT_EQ(FParser->CalcFuzzyFunction(FResult.get(), "tri", Args({0, 1, 2})), FExpected.get());
  EXPECT_EQ(FExpected->GetSetType(), fstTriangle);
  EXPECT_EQ(FResult->GetValues()->GetCount(), 0);
}

TEST_F(FuzzyFunctionsTest, TheInterfaceModelAsksItsOwnHandler) {
  int calls = 0;
  FParser->SetOnCalcFuzzyIntfFunction([&](TObject*, const std::string&,
                                          const IPtr<IFuzzyStreamTokenList>&, IPtr<IFuzzySet>&,
                                          bool& handled) {
    ++calls;
    handled = true;
  });
  EXPECT_FALSE(FParser->CalcFuzzyFunction(IPtr<IFuzzySet>(), "mine", Args({})));
  EXPECT_EQ(calls, 1);
  FParser->CalcFuzzyFunction(FResult.get(), "tri", Args({0, 1, 2}));
  EXPECT_EQ(calls, 1);
}

TEST_F(FuzzyFunctionsTest, ABuiltInWithoutASetToFillIsRefused) {
  EXPECT_THROW(FParser->CalcFuzzyFunction(static_cast<TFuzzySet*>(nullptr), "tri", Args({0, 1, 2})),
               EInvalidOperation);
}

}  // namespace
}  // namespace fuzzy
