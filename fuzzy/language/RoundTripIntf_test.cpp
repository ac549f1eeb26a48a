// The interface model's twin of the round trip: a variable written through IFuzzyVariable, and
// an interface-model component's regenerated text, read back as the same variables and terms.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fuzzy/interfaces/IFuzzyLogic.h"
#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/language/WriterTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::BuildTerm;
using testing_support::TermCases;
using testing_support::TTermCase;
using testing_support::TTermShape;

constexpr TFzyFloat kWrittenPrecision = 0.0001;

// The defined terms in the order they were entered.
std::vector<IPtr<IFuzzySet>> DefinedTerms(const IPtr<IFuzzyVariable>& variable) {
  std::vector<IPtr<IFuzzySet>> terms;
  for (int i = 0; i < variable->GetCount(); ++i) {
    if (variable->GetFuzzySet(i)->GetDefined()) terms.push_back(variable->GetFuzzySet(i));
  }
  std::sort(terms.begin(), terms.end(),
            [](const auto& a, const auto& b) { return a->GetIndex() < b->GetIndex(); });
  return terms;
}

void ExpectSameTerm(const IPtr<IFuzzySet>& expected, const IPtr<IFuzzySet>& actual) {
  EXPECT_EQ(expected->GetName(), actual->GetName());
  EXPECT_EQ(expected->GetComment(), actual->GetComment());
  ASSERT_EQ(expected->GetCount(), actual->GetCount()) << expected->GetName();
  for (int i = 0; i < expected->GetCount(); ++i) {
    EXPECT_NEAR(expected->GetXValues(i), actual->GetXValues(i), kWrittenPrecision)
        << expected->GetName() << " point " << i;
    EXPECT_NEAR(expected->GetYValues(i), actual->GetYValues(i), kWrittenPrecision)
        << expected->GetName() << " point " << i;
  }
}

void ExpectSameVariable(const IPtr<IFuzzyVariable>& expected, const IPtr<IFuzzyVariable>& actual) {
  ASSERT_TRUE(actual) << expected->GetName();
  EXPECT_EQ(expected->GetName(), actual->GetName());
  EXPECT_EQ(expected->GetComment(), actual->GetComment());
  EXPECT_EQ(expected->GetUnits(), actual->GetUnits());
  EXPECT_NEAR(expected->GetMinimum(), actual->GetMinimum(), kWrittenPrecision);
  EXPECT_NEAR(expected->GetMaximum(), actual->GetMaximum(), kWrittenPrecision);
  const auto expectedTerms = DefinedTerms(expected);
  const auto actualTerms = DefinedTerms(actual);
  ASSERT_EQ(expectedTerms.size(), actualTerms.size()) << expected->GetName();
  for (std::size_t i = 0; i < expectedTerms.size(); ++i) {
    ExpectSameTerm(expectedTerms[i], actualTerms[i]);
  }
}

struct TIntfLogicWithParser {
  explicit TIntfLogicWithParser(bool autoTerms) {
    Logic->SetAutoTerms(autoTerms);
    Logic->SetParser(Parser.get());
    Parser->SetFuzzyLogic(Logic.get());
  }
  void Read(const std::string& text) {
    auto strings = Own(TStringList::Create());
    strings->SetText(text);
    Logic->SetStrings(strings.get());
  }
  std::string Text() { return Logic->GetStrings()->GetText(); }
  IPtr<IFuzzyVariable> Variable(const std::string& name) const {
    return Logic->GetItems()->Get(name);
  }

  TOwned<TKWFuzzyLogicParser> Parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  TOwned<TIFuzzyLogic> Logic = Own(TIFuzzyLogic::Create(nullptr));
};

void ExpectSameComponent(const TIntfLogicWithParser& expected, const TIntfLogicWithParser& actual) {
  ASSERT_EQ(expected.Logic->GetItems()->GetCount(), actual.Logic->GetItems()->GetCount());
  for (auto variables = expected.Logic->GetItems()->GetEnumerator(); variables.MoveNext();) {
    const IPtr<IFuzzyVariable> variable = variables.GetCurrent();
    ExpectSameVariable(variable, actual.Variable(variable->GetName()));
  }
}

class RoundTripIntf : public ::testing::Test {
 protected:
  RoundTripIntf() {
    Variable->SetComment("room \"air\"");
    Variable->SetUnits("deg C");
    Variable->SetMaximum(100);
  }

  IPtr<IFuzzyVariable> WriteAndReadBack() {
    return Copy.Parser->ParseFuzzyVariableIntf(Copy.Parser->PrettyPrint(Variable));
  }

  TIntfLogicWithParser Copy{false};
  IPtr<IFuzzyVariable> Variable = IPtr<IFuzzyVariable>(TIFuzzyVariable::Create("temperature"));
};

class RoundTripIntfTerm : public RoundTripIntf, public ::testing::WithParamInterface<TTermCase> {};

TEST_P(RoundTripIntfTerm, ReadsBackTheSameTerm) {
  Copy.Logic->SetNumFunctionValues(GetParam().Count);
  Variable->Add("cold")->CreateTriangleFunctionValues(0, 0, 10);
  BuildTerm(Variable->Add("low"), GetParam());
  ExpectSameVariable(Variable, WriteAndReadBack());
}

std::vector<TTermCase> TermCasesWithTheirOwnPoints() {
  std::vector<TTermCase> cases = TermCases();
  std::erase_if(cases, [](const TTermCase& c) { return c.Shape == TTermShape::Expression; });
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Kinds, RoundTripIntfTerm,
                         ::testing::ValuesIn(TermCasesWithTheirOwnPoints()),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST_F(RoundTripIntf, ReadsAnExpressionTermBackAsItsExpression) {
  Variable->Add("medium")->CreateTriangleFunctionValues(20, 50, 80);
  const IPtr<IFuzzySet> warm = Copy.Parser->EvalFuzzyExpression(Variable, "very medium");
  warm->SetName("warm");
  warm->SetDefined(true);
  Variable->Add(warm);
  const std::string text = Copy.Parser->PrettyPrint(Variable);
  EXPECT_NE(text.find("(term warm " + warm->GetExpression() + ")"), std::string::npos) << text;
  ExpectSameVariable(Variable, WriteAndReadBack());
}

TEST(RoundTripIntfComponent, ReadsAComponentsRegeneratedTextBack) {
  TIntfLogicWithParser source(true);
  source.Read(
      "(deffuzzy temperature \"room air\" (range 0 40) (units \"deg C\")\n"
      "  (values (term cold (tri 0 0 15)) (term warm (pi 5 20)) (term hot (beta 10 35 5 2))\n"
      "          (term mild very warm) (term target 21.5)))\n"
      "(deffuzzy speed (range 0 120) (units km/h)\n"
      "  (values (term slow (z 20 60)) (term fast (s 60 120)) (term crawl ((0 1) (5 0)))))\n");
  const IPtr<IFuzzyVariable> speed = source.Variable("speed");
  ASSERT_TRUE(speed);
  speed->SetMaximum(150);
  speed->SetUnits("miles per hour");
  speed->GetFuzzySetByName("fast")->Add(150, 1);
  speed->Add("cruise")->CreatePIFunctionValues(7, 40, 110, 80);
  source.Variable("temperature")->GetFuzzySetByName("cold")->SetComment("below 15");

  const std::string text = source.Text();
  EXPECT_NE(text.find("(units \"miles per hour\")"), std::string::npos) << text;
  EXPECT_NE(text.find("(term cruise (pi 40.0000 110.0000 80.0000))"), std::string::npos) << text;
  EXPECT_NE(text.find("(term cold \"below 15\" (tri "), std::string::npos) << text;

  TIntfLogicWithParser copy(true);
  copy.Read(source.Text());
  ExpectSameComponent(source, copy);
  EXPECT_EQ(copy.Text(), source.Text());
}

}  // namespace
}  // namespace fuzzy
