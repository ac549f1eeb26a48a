// The shape functions of the definition language ("trap", "gauss" ... "linear"): read in both
// models, written back with their full parameters and read back as the same shape and points;
// wrong arguments end in a parse error on their line.
#include <gtest/gtest.h>

#include <string>

#include "fuzzy/interfaces/IFuzzyLogic.h"
#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {
namespace {

const char* const ShapeBodies[] = {
    "(trap 1 2 4 7)",
    "(gauss 5 1.25)",
    "(gauss2 3 0.5 6 1.5)",
    "(bell 5 2 3)",
    "(sigmoid 4 -2.5)",
    "(dsigmoid 2 5 7 5)",
    "(psigmoid 2 3 7 -3)",
    "(spline-s 1 9)",
    "(spline-z 0.5 9.5)",
    "(spline-pi 1 4 5 9)",
    "(cosine 5 4)",
    "(constant 3.125)",
    "(linear 2 (speed 0.5) (load -1))",
};

struct TObjectModel {
  TObjectModel() {
    Logic->SetAutoTerms(false);
    Logic->SetParser(Parser.get());
    Parser->SetFuzzyLogic(Logic.get());
  }
  TFuzzySet* Read(const std::string& body, const std::string& variable = "v") {
    Parser->ParseFuzzyLogic("(deffuzzy " + variable + " (range 0 10) (values (term t " + body +
                            ")))\n");
    return Logic->GetItems()->GetItem(Logic->GetItems()->GetCount() - 1)->GetItems()->GetItem(0);
  }
  TOwned<TKWFuzzyLogicParser> Parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  TOwned<TFuzzyLogic> Logic = Own(TFuzzyLogic::Create(nullptr));
};

class ShapeFunctions : public ::testing::TestWithParam<const char*> {};

TEST_P(ShapeFunctions, WriteAndReadBackAsTheSameShape) {
  TObjectModel model;
  TFuzzySet* first = model.Read(GetParam());
  ASSERT_NE(first->GetShape().Kind, fskNone);
  const std::string written = model.Parser->PrettyPrint(first, true);
  EXPECT_EQ(written, std::string("(term t ") + GetParam() + ")");
  TFuzzySet* second = model.Read(written.substr(8, written.size() - 9), "w");
  EXPECT_EQ(second->GetShape(), first->GetShape());
  ASSERT_EQ(second->GetValues()->GetCount(), first->GetValues()->GetCount());
  for (int i = 0; i < first->GetValues()->GetCount(); ++i) {
    EXPECT_EQ(second->GetValues()->GetItem(i)->GetX(), first->GetValues()->GetItem(i)->GetX());
  }
}

TEST_P(ShapeFunctions, TheInterfaceModelReadsAndWritesTheSame) {
  auto parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  auto logic = Own(TIFuzzyLogic::Create(nullptr));
  logic->SetAutoTerms(false);
  logic->SetParser(parser.get());
  parser->SetFuzzyLogic(logic.get());
  const IPtr<IFuzzyVariable> variable = parser->ParseFuzzyVariableIntf(
      std::string("(deffuzzy v (range 0 10) (values (term t ") + GetParam() + ")))\n");
  const IPtr<IFuzzySet> term = variable->GetFuzzySet(0);
  EXPECT_EQ(term->GetShape(), TObjectModel().Read(GetParam())->GetShape());
  EXPECT_EQ(parser->PrettyPrint(term, true), std::string("(term t ") + GetParam() + ")");
}

INSTANTIATE_TEST_SUITE_P(EveryShape, ShapeFunctions, ::testing::ValuesIn(ShapeBodies));

TEST(ShapeFunctions, TheComponentsToleranceSetsTheSampling) {
  TObjectModel coarse;
  TObjectModel fine;
  coarse.Logic->SetShapeTolerance(0.01);
  fine.Logic->SetShapeTolerance(1e-5);
  EXPECT_LT(coarse.Read("(gauss 5 1)")->GetValues()->GetCount() * 10,
            fine.Read("(gauss 5 1)", "w")->GetValues()->GetCount());
}

struct TBadCall {
  const char* Body;
  const char* Message;
};

const TBadCall BadCalls[] = {
    {"(gauss 5)", "Expected \"\"Center Sigma\"\""},
    {"(gauss 5 x)", "Expected numeric"},
    {"(gauss 5 0)", "sigma must be above 0"},
    {"(trap 4 3 2 1)", "the corners must not decrease"},
    {"(linear x)", "a number first"},
    {"(linear 1 (speed))", "(VARIABLE NUMBER) pairs"},
};

class ShapeFunctionFaults : public ::testing::TestWithParam<TBadCall> {};

TEST_P(ShapeFunctionFaults, EndInAParseErrorOnTheirLine) {
  TObjectModel model;
  try {
    model.Parser->ParseFuzzyLogic(std::string("(deffuzzy v (range 0 10) (values\n (term t ") +
                                  GetParam().Body + ")))\n");
    FAIL() << "no error";
  } catch (const EFzyParseException& error) {
    EXPECT_EQ(error.GetLine(), 2);
    EXPECT_NE(error.GetMessage().find(GetParam().Message), std::string::npos) << error.GetMessage();
  }
}

INSTANTIATE_TEST_SUITE_P(Table, ShapeFunctionFaults, ::testing::ValuesIn(BadCalls));

}  // namespace
}  // namespace fuzzy
