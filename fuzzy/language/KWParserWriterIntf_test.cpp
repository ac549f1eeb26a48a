#include <gtest/gtest.h>

#include <string>

#include "fuzzy/interfaces/IFuzzyLogic.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/language/WriterTestSupport.h"

namespace fuzzy {
namespace {

using testing_support::BuildTerm;
using testing_support::TermCases;
using testing_support::TTermCase;

class KWParserWriterIntf : public ::testing::Test {
 protected:
  KWParserWriterIntf() { Variable->SetMaximum(100); }

  TOwned<TKWFuzzyLogicParser> Parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  IPtr<IFuzzyVariable> Variable = IPtr<IFuzzyVariable>(TIFuzzyVariable::Create("temperature"));
};

class KWParserWriterIntfTerm : public KWParserWriterIntf,
                               public ::testing::WithParamInterface<TTermCase> {};

TEST_P(KWParserWriterIntfTerm, WritesEachKindOfTermAsTheObjectModelDoes) {
  const IPtr<IFuzzySet> term = Variable->Add("low");
  BuildTerm(term, GetParam());
  EXPECT_EQ(Parser->PrettyPrint(term, true), GetParam().Expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, KWParserWriterIntfTerm, ::testing::ValuesIn(TermCases()),
                         [](const auto& info) { return std::string(info.param.Label); });

TEST_F(KWParserWriterIntf, WritesTheWholeLayoutOfAVariable) {
  Variable->SetMaximum(40);
  Variable->SetComment("room air");
  Variable->SetUnits("deg C");
  Variable->Add("low")->CreateTriangleFunctionValues(0, 0, 20);
  const IPtr<IFuzzySet> high = Variable->Add("high");
  high->Add(20, 0);
  high->Add(40, 1);
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

TEST_F(KWParserWriterIntf, WritesTheTermsByTheirEntryNumbers) {
  Variable->Add("low")->CreateTriangleFunctionValues(0, 0, 50);
  Variable->Add("high")->CreateTriangleFunctionValues(50, 100, 100);
  Variable->GetFuzzySetByName("low")->SetIndex(10);
  const std::string text = Parser->PrettyPrint(Variable);
  EXPECT_LT(text.find("(term high"), text.find("(term low")) << text;
}

TEST_F(KWParserWriterIntf, LeavesOutSetsThatAreNotDefined) {
  Variable->Add("low")->CreateTriangleFunctionValues(0, 0, 50);
  Variable->Add("high")->CreateTriangleFunctionValues(50, 100, 100);
  Variable->GetFuzzySetByName("high")->SetDefined(false);
  const IPtr<IFuzzySet> empty = Variable->Add("__Empty");
  empty->CreateCrispValue(3);
  const std::string text = Parser->PrettyPrint(Variable);
  EXPECT_NE(text.find("(term low"), std::string::npos) << text;
  EXPECT_EQ(text.find("high"), std::string::npos) << text;
  EXPECT_EQ(text.find("3.0000"), std::string::npos) << text;
}

TEST_F(KWParserWriterIntf, WithoutAsTermWritesOnlyTheName) {
  const IPtr<IFuzzySet> warm = Variable->Add("warm");
  warm->SetExpression("very high");
  const IPtr<IFuzzySet> unnamed = Variable->Add("__Empty");
  unnamed->SetExpression("very high");
  EXPECT_EQ(Parser->PrettyPrint(warm, false), "warm");
  EXPECT_EQ(Parser->PrettyPrint(unnamed, false), "");
}

}  // namespace
}  // namespace fuzzy
