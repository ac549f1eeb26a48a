// What the writer writes, the reader reads back as the same variables and terms: names,
// ranges, units, comments, and points to four decimals.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/language/WriterTestSupport.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy {
namespace {

using testing_support::BuildTerm;
using testing_support::TermCases;
using testing_support::TTermCase;
using testing_support::TTermShape;

// Four decimals are written, so the last one may be rounded.
constexpr TFzyFloat kWrittenPrecision = 0.0001;

std::vector<TFuzzySet*> DefinedTerms(const TFuzzyVariable* variable) {
  std::vector<TFuzzySet*> terms;
  for (TFuzzySet* term : *variable->GetItems()) {
    if (term->GetDefined()) terms.push_back(term);
  }
  return terms;
}

void ExpectSamePoints(const TFuzzySet* expected, const TFuzzySet* actual) {
  const TFuzzySetValues* a = expected->GetValues();
  const TFuzzySetValues* b = actual->GetValues();
  ASSERT_EQ(a->GetCount(), b->GetCount()) << expected->GetName();
  for (int i = 0; i < a->GetCount(); ++i) {
    EXPECT_NEAR(a->GetItem(i)->GetX(), b->GetItem(i)->GetX(), kWrittenPrecision)
        << expected->GetName() << " point " << i;
    EXPECT_NEAR(a->GetItem(i)->GetY(), b->GetItem(i)->GetY(), kWrittenPrecision)
        << expected->GetName() << " point " << i;
  }
}

void ExpectSameVariable(const TFuzzyVariable* expected, const TFuzzyVariable* actual) {
  EXPECT_EQ(expected->GetName(), actual->GetName());
  EXPECT_EQ(expected->GetComment(), actual->GetComment());
  EXPECT_EQ(expected->GetUnits(), actual->GetUnits());
  EXPECT_NEAR(expected->GetMinimum(), actual->GetMinimum(), kWrittenPrecision);
  EXPECT_NEAR(expected->GetMaximum(), actual->GetMaximum(), kWrittenPrecision);
  const std::vector<TFuzzySet*> expectedTerms = DefinedTerms(expected);
  const std::vector<TFuzzySet*> actualTerms = DefinedTerms(actual);
  ASSERT_EQ(expectedTerms.size(), actualTerms.size()) << expected->GetName();
  for (std::size_t i = 0; i < expectedTerms.size(); ++i) {
    EXPECT_EQ(expectedTerms[i]->GetName(), actualTerms[i]->GetName());
    EXPECT_EQ(expectedTerms[i]->GetComment(), actualTerms[i]->GetComment());
    ExpectSamePoints(expectedTerms[i], actualTerms[i]);
  }
}

void ExpectSameComponent(const TFuzzyLogic* expected, const TFuzzyLogic* actual) {
  ASSERT_EQ(expected->GetItems()->GetCount(), actual->GetItems()->GetCount());
  for (int i = 0; i < expected->GetItems()->GetCount(); ++i) {
    ExpectSameVariable(expected->GetItems()->GetItem(i), actual->GetItems()->GetItem(i));
  }
}

// A logic component with its own parser.
struct TLogicWithParser {
  explicit TLogicWithParser(bool autoTerms) {
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
  TFuzzyVariable* Variable(int index) const { return Logic->GetItems()->GetItem(index); }

  TOwned<TKWFuzzyLogicParser> Parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  TOwned<TFuzzyLogic> Logic = Own(TFuzzyLogic::Create(nullptr));
};

class RoundTrip : public ::testing::Test {
 protected:
  RoundTrip() {
    Variable = Source.Logic->GetItems()->Add();
    Variable->SetName("temperature");
    Variable->SetComment("room \"air\"");
    Variable->SetUnits("deg C");
    Variable->SetMaximum(100);
  }

  // Writes the source variable and reads the text into a fresh component.
  TFuzzyVariable* WriteAndReadBack() {
    Copy.Parser->ParseFuzzyLogic(Source.Parser->PrettyPrint(Variable));
    EXPECT_EQ(Copy.Logic->GetItems()->GetCount(), 1);
    return Copy.Variable(0);
  }

  TLogicWithParser Source{false};
  TLogicWithParser Copy{false};
  TFuzzyVariable* Variable = nullptr;
};

class RoundTripTerm : public RoundTrip, public ::testing::WithParamInterface<TTermCase> {};

TEST_P(RoundTripTerm, ReadsBackTheSameTerm) {
  // Both sides draw shapes with the count the term was made with.
  Source.Logic->SetNumFunctionValues(GetParam().Count);
  Copy.Logic->SetNumFunctionValues(GetParam().Count);
  // An earlier term, so that the term under test is not alone in its variable.
  Variable->GetItems()->Add("cold")->CreateTriangleFunctionValues(0, 0, 10);
  BuildTerm(Variable->GetItems()->Add("low"), GetParam());
  ExpectSameVariable(Variable, WriteAndReadBack());
}

// An expression's points are what evaluating it made; that case has a test of its own.
std::vector<TTermCase> TermCasesWithTheirOwnPoints() {
  std::vector<TTermCase> cases = TermCases();
  std::erase_if(cases, [](const TTermCase& c) { return c.Shape == TTermShape::Expression; });
  return cases;
}

INSTANTIATE_TEST_SUITE_P(Kinds, RoundTripTerm, ::testing::ValuesIn(TermCasesWithTheirOwnPoints()),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST_F(RoundTrip, ReadsAnExpressionTermBackAsItsExpression) {
  Variable->GetItems()->Add("medium")->CreateTriangleFunctionValues(20, 50, 80);
  TFuzzySet* warm = Source.Parser->EvalFuzzyExpression(Variable, "very medium");
  warm->SetName("warm");
  warm->SetDefined(true);
  const std::string text = Source.Parser->PrettyPrint(Variable);
  EXPECT_NE(text.find("(term warm " + warm->GetExpression() + ")"), std::string::npos) << text;
  ExpectSameVariable(Variable, WriteAndReadBack());
}

TEST_F(RoundTrip, ReadsTheAutomaticTermsBackAsTheirPoints) {
  TLogicWithParser source(true);
  TLogicWithParser copy(true);
  source.Read("(deffuzzy speed (range 10 90) (values (term fast (s 60 90))))\n");
  ASSERT_EQ(source.Variable(0)->GetItems()->GetCount(), 4);
  copy.Read(source.Text());
  ExpectSameComponent(source.Logic.get(), copy.Logic.get());
  EXPECT_EQ(copy.Text(), source.Text());
}

// The component rebuilds its text after a change; that text reads back as the changed
// variables, and writing them again gives the same text.
TEST_F(RoundTrip, ReadsAComponentsRegeneratedTextBack) {
  TLogicWithParser source(true);
  source.Read(
      "(deffuzzy temperature \"room air\" (range 0 40) (units \"deg C\")\n"
      "  (values (term cold (tri 0 0 15)) (term warm (pi 5 20)) (term hot (beta 10 35 5 2))\n"
      "          (term mild very warm) (term target 21.5)))\n"
      "(deffuzzy speed (range 0 120) (units km/h)\n"
      "  (values (term slow (z 20 60)) (term fast (s 60 120)) (term crawl ((0 1) (5 0)))))\n");
  TFuzzyVariable* speed = source.Variable(1);
  speed->SetMaximum(150);
  speed->SetUnits("miles per hour");
  speed->GetItems()->GetItemByName("fast")->GetValues()->Add(150, 1);
  speed->GetItems()->Add("cruise")->CreatePIFunctionValues(7, 40, 110, 80);
  source.Variable(0)->GetItems()->GetItemByName("cold")->SetComment("below 15");

  const std::string text = source.Text();
  EXPECT_NE(text.find("(units \"miles per hour\")"), std::string::npos) << text;
  EXPECT_NE(text.find("(term cruise (pi 40.0000 110.0000 80.0000))"), std::string::npos) << text;
  EXPECT_NE(text.find("(term cold \"below 15\" (tri "), std::string::npos) << text;

  TLogicWithParser copy(true);
  copy.Read(source.Text());
  ExpectSameComponent(source.Logic.get(), copy.Logic.get());
  EXPECT_EQ(copy.Text(), source.Text());
}

}  // namespace
}  // namespace fuzzy
