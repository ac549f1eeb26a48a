#include <gtest/gtest.h>

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

class KWParserWriter : public ::testing::Test {
 protected:
  KWParserWriter() {
    Logic->SetAutoTerms(false);
    Logic->SetParser(Parser.get());
    Variable = Logic->GetItems()->Add();
    Variable->SetName("temperature");
    Variable->SetMaximum(100);
  }

  TFuzzySet* AddTerm(const std::string& name) { return Variable->GetItems()->Add(name); }

  TOwned<TKWFuzzyLogicParser> Parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  TOwned<TFuzzyLogic> Logic = Own(TFuzzyLogic::Create(nullptr));
  TFuzzyVariable* Variable = nullptr;
};

class KWParserWriterTerm : public KWParserWriter,
                           public ::testing::WithParamInterface<TTermCase> {};

TEST_P(KWParserWriterTerm, WritesEachKindOfTermInItsShortestReadableForm) {
  TFuzzySet* term = AddTerm("low");
  BuildTerm(term, GetParam());
  EXPECT_EQ(Parser->PrettyPrint(term, true), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, KWParserWriterTerm, ::testing::ValuesIn(TermCases()),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST_F(KWParserWriter, WritesTheWholeLayoutOfAVariable) {
  Variable->SetMaximum(40);
  Variable->SetComment("room air");
  Variable->SetUnits("deg C");
  AddTerm("low")->CreateTriangleFunctionValues(0, 0, 20);
  TFuzzySet* high = AddTerm("high");
  high->GetValues()->Add(20, 0);
  high->GetValues()->Add(40, 1);
  EXPECT_EQ(Parser->PrettyPrint(Variable),
            "(deffuzzy temperature \n"
            "  \"room air\"\n"
            "  (range 0.0000 40.0000)\n"
            "  (units \"deg C\")\n"
            "  (values \n"
            "    (term low (tri 0.0000 0.0000 20.0000))\n"
            "    (term high ((20.0000 0.0000) (40.0000 1.0000) ))\n"
            "  )\n"
            ")");
}

TEST_F(KWParserWriter, AlwaysWritesTheRangeButNeitherAnEmptyCommentNorEmptyUnits) {
  Variable->SetMinimum(-5);
  EXPECT_EQ(Parser->PrettyPrint(Variable),
            "(deffuzzy temperature \n  (range -5.0000 100.0000)\n  (values \n  )\n)");
}

TEST_F(KWParserWriter, LeavesOutSetsTheDefinitionDidNotMake) {
  AddTerm("low")->CreateTriangleFunctionValues(0, 0, 50);
  AddTerm("high")->CreateTriangleFunctionValues(50, 100, 100);
  Variable->GetItems()->Add()->CreateCrispValue(3);  // unnamed: a copy or a result
  TOwned<TFuzzySet> both(Variable->GetItems()->GetItem(0)->Union(Variable->GetItems()->GetItem(1)));
  const std::string text = Parser->PrettyPrint(Variable);
  EXPECT_EQ(text.find("3.0000"), std::string::npos) << text;
  EXPECT_EQ(text.find(" or "), std::string::npos) << text;
  EXPECT_LT(text.find("(term low"), text.find("(term high")) << text;
}

struct TUnitsCase {
  const char* Units;
  const char* Clause;  // empty: no units line
};

class KWParserWriterUnits : public KWParserWriter,
                            public ::testing::WithParamInterface<TUnitsCase> {};

TEST_P(KWParserWriterUnits, QuotesUnitsOnlyWhereTheReaderWouldNotTakeThemBackAsOneWord) {
  Variable->SetUnits(GetParam().Units);
  const std::string text = Parser->PrettyPrint(Variable);
  const std::string clause = GetParam().Clause;
  if (clause.empty()) {
    EXPECT_EQ(text.find("(units"), std::string::npos) << text;
  } else {
    EXPECT_NE(text.find("\n  (units " + clause + ")\n"), std::string::npos) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(Units, KWParserWriterUnits,
                         ::testing::Values(TUnitsCase{"", ""}, TUnitsCase{"degrees", "degrees"},
                                           TUnitsCase{"km/h", "km/h"},
                                           TUnitsCase{"deg C", "\"deg C\""},
                                           TUnitsCase{"a\tb", "\"a\tb\""},
                                           TUnitsCase{"m(s)", "\"m(s)\""},
                                           TUnitsCase{"007", "\"007\""}, TUnitsCase{"1/s", "1/s"},
                                           TUnitsCase{"say \"hi\"", "\"say \\\"hi\\\"\""}));

struct TNameCase {
  const char* Name;
  const char* Expression;
  const char* Written;
};

class KWParserWriterName : public KWParserWriter,
                           public ::testing::WithParamInterface<TNameCase> {};

TEST_P(KWParserWriterName, WithoutAsTermWritesTheNameOrForAnUnnamedSetItsExpression) {
  TFuzzySet* fuzzySet = Variable->GetItems()->Add();
  fuzzySet->SetName(GetParam().Name);
  fuzzySet->CreateTriangleFunctionValues(0, 10, 20);
  fuzzySet->SetExpression(GetParam().Expression);
  EXPECT_EQ(Parser->PrettyPrint(fuzzySet, false), GetParam().Written);
}

INSTANTIATE_TEST_SUITE_P(Names, KWParserWriterName,
                         ::testing::Values(TNameCase{"warm", "very high", "warm"},
                                           TNameCase{"__Empty", "very high", "very high"},
                                           TNameCase{"", "low and high", "low and high"}));

TEST_F(KWParserWriter, WritesTheBodyAloneForASetWithoutAName) {
  TFuzzySet* fuzzySet = Variable->GetItems()->Add();
  fuzzySet->SetName("__Empty");
  fuzzySet->SetComment("nothing");
  fuzzySet->CreateTriangleFunctionValues(0, 10, 20);
  EXPECT_EQ(Parser->PrettyPrint(fuzzySet, true), "(tri 0.0000 10.0000 20.0000)");
}

TEST_F(KWParserWriter, WritesTheCommentsOfVariableAndTermEscaped) {
  Variable->SetComment("a \\ b");
  TFuzzySet* low = AddTerm("low");
  low->CreateTriangleFunctionValues(0, 0, 50);
  low->SetComment("cold \"really\"");
  const std::string text = Parser->PrettyPrint(Variable);
  EXPECT_NE(text.find("\n  \"a \\\\ b\"\n"), std::string::npos) << text;
  EXPECT_NE(text.find("(term low \"cold \\\"really\\\"\" (tri "), std::string::npos) << text;
}

}  // namespace
}  // namespace fuzzy
