#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fuzzy/framework/Strings.h"
#include "fuzzy/interfaces/IFuzzyLogic.h"
#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/language/ReaderTestSupport.h"
#include "fuzzy/logic/FuzzyLogic.h"

namespace fuzzy {
namespace {

using testing_support::ParseErrorStart;
using testing_support::ParseFailureOf;
using testing_support::TParseFailure;
using testing_support::TReadingParser;

std::string PointsOf(const IPtr<IFuzzySet>& fuzzySet) {
  std::string text;
  for (int i = 0; i < fuzzySet->GetCount(); ++i) {
    text += (i == 0 ? "(" : " (") + FloatToStr(fuzzySet->GetXValues(i)) + " " +
            FloatToStr(fuzzySet->GetYValues(i)) + ")";
  }
  return text;
}

// A variable class of the application's, to see that the reader makes the component's class.
class TTaggedVariable : public TIFuzzyVariable {
 public:
  static TTaggedVariable* Create(const std::string& name) {
    return Constructed(new TTaggedVariable(name));
  }

 protected:
  explicit TTaggedVariable(const std::string& name) : TIFuzzyVariable(name) {}
};

class IntfReaderTest : public ::testing::Test {
 protected:
  IntfReaderTest() {
    logic->SetAutoTerms(false);
    parser->SetFuzzyLogic(logic.get());
    logic->SetParser(parser.get());
  }

  IPtr<IFuzzyVariable> Variable(const std::string& name) const {
    return logic->GetItems()->Get(name);
  }
  IPtr<IFuzzySet> Term(const std::string& variable, const std::string& name) const {
    return Variable(variable)->ContainsFuzzySet(name);
  }

  TOwned<TReadingParser> parser = Own(TReadingParser::Create());
  TOwned<TIFuzzyLogic> logic = Own(TIFuzzyLogic::Create(nullptr));
};

TEST_F(IntfReaderTest, TheSameTextFillsTheVariableTable) {
  parser->ParseFuzzyLogic(
      "(deffuzzy temp \"room air\" (range 10 30) (units \"deg C\")\n"
      "  (values (term cold \"chilly\" (tri 10 10 20)) (term warm ((20 0) (25.5 1) (30 1)))))\n"
      "(deffuzzy empty)");
  EXPECT_EQ(logic->GetItems()->GetCount(), 2);
  const IPtr<IFuzzyVariable> temp = Variable("temp");
  ASSERT_TRUE(temp);
  EXPECT_EQ(temp->GetComment(), "room air");
  EXPECT_EQ(temp->GetUnits(), "deg C");
  EXPECT_EQ(temp->GetMinimum(), 10.0);
  EXPECT_EQ(temp->GetMaximum(), 30.0);
  EXPECT_EQ(temp->GetParser().get(), static_cast<IFuzzyParser*>(parser.get()));
  // The generated names the sets started with are gone: only the term names are in the table.
  ASSERT_EQ(temp->GetCount(), 2);
  const IPtr<IFuzzySet> cold = Term("temp", "cold");
  ASSERT_TRUE(cold);
  EXPECT_EQ(cold->GetComment(), "chilly");
  EXPECT_EQ(cold->GetSetType(), fstTriangle);
  EXPECT_EQ(PointsOf(cold), "(10 0) (10 1) (20 0)");
  const IPtr<IFuzzySet> warm = Term("temp", "warm");
  ASSERT_TRUE(warm);
  EXPECT_EQ(PointsOf(warm), "(20 0) (25.5 1) (30 1)");
  EXPECT_TRUE(cold->GetDefined() && warm->GetDefined());
  EXPECT_EQ(Variable("empty")->GetCount(), 0);
}

TEST_F(IntfReaderTest, VariablesAreOfTheComponentsClass) {
  logic->SetVariableClass(TIFuzzyVariableClass::Of<TTaggedVariable>());
  parser->ParseFuzzyLogic("(deffuzzy v)");
  EXPECT_NE(dynamic_cast<TTaggedVariable*>(Variable("v").get()), nullptr);
}

TEST_F(IntfReaderTest, AutomaticTermsFillInOnlyTheNamesLeftOutOnTheRangeRead) {
  logic->SetAutoTerms(true);
  parser->ParseFuzzyLogic("(deffuzzy v (range 10 20) (values (term low (tri 10 12 14))))");
  ASSERT_EQ(Variable("v")->GetCount(), 3);
  EXPECT_EQ(PointsOf(Term("v", "low")), "(10 0) (12 1) (14 0)");
  EXPECT_EQ(PointsOf(Term("v", "medium")), "(10 0) (15 1) (20 0)");
  EXPECT_EQ(PointsOf(Term("v", "high")), "(10 0) (20 1)");
}

TEST_F(IntfReaderTest, ExpressionTermsEnterTheTableAndANamedTermIsCopied) {
  parser->ParseFuzzyLogic(
      "(deffuzzy t (range 0 10) (values (term hot (tri 5 10 10)) (term warm hot)"
      " (term cool not hot)))");
  ASSERT_EQ(Variable("t")->GetCount(), 3);
  const IPtr<IFuzzySet> hot = Term("t", "hot");
  const IPtr<IFuzzySet> warm = Term("t", "warm");
  ASSERT_TRUE(hot && warm);
  EXPECT_NE(hot.get(), warm.get());
  EXPECT_EQ(hot->GetName(), "hot");
  EXPECT_EQ(PointsOf(warm), PointsOf(hot));
  EXPECT_DOUBLE_EQ(Term("t", "cool")->DegreeOfMembership(7.5), 0.5);
}

TEST_F(IntfReaderTest, AssigningTheComponentsTextRaisesTheInterfaceEvents) {
  std::vector<std::string> events;
  parser->SetOnParseFuzzySetIntf(
      [&](const IPtr<IFuzzyVariable>& sender, const IPtr<IFuzzySet>& fuzzySet) {
        events.push_back("set " + sender->GetName() + "/" + fuzzySet->GetName());
      });
  parser->SetOnParseFuzzyVariableIntf([&](const IPtr<IFuzzyVariable>& variable) {
    events.push_back("variable " + variable->GetName() + " stored " +
                     std::to_string(Variable(variable->GetName()) == variable));
  });
  auto text = Own(TStringList::Create());
  text->Add("(deffuzzy a (values (term x (tri 0 1 1))))");
  text->Add("(deffuzzy b)");
  logic->SetStrings(text.get());
  EXPECT_EQ(events,
            (std::vector<std::string>{"set a/x", "variable a stored 1", "variable b stored 1"}));
}

TEST_F(IntfReaderTest, AFailedDefinitionIsNotStoredAndThoseBeforeItStay) {
  const TParseFailure failure = ParseFailureOf([&] {
    parser->ParseFuzzyLogic("(deffuzzy a) (deffuzzy b (values (term t (tri 0 1 1)) (term u x)))");
  });
  EXPECT_EQ(
      failure.Message.rfind(
          ParseErrorStart("Invalid item in fuzzy expression: x", "EvalFuzzyExpression", 1), 0),
      0u)
      << failure.Message;
  EXPECT_EQ(logic->GetItems()->GetCount(), 1);
  EXPECT_TRUE(Variable("a"));
}

TEST_F(IntfReaderTest, AnExceptionFromTheSetHandlerPassesAndLeavesNothingBehind) {
  parser->SetOnParseFuzzySetIntf([](const IPtr<IFuzzyVariable>&, const IPtr<IFuzzySet>& set) {
    if (set->GetName() == "bad") throw std::runtime_error("handler refused");
  });
  EXPECT_THROW(parser->ParseFuzzyLogic("(deffuzzy v (values (term ok (tri 0 1 1)) (term bad ok)))"),
               std::runtime_error);
  EXPECT_EQ(logic->GetItems()->GetCount(), 0);
  EXPECT_EQ(parser->GetParsedText(), "");
}

TEST_F(IntfReaderTest, EachModelRefusesTheOtherModelsComponent) {
  EXPECT_EQ(ParseFailureOf([&] { parser->ParseFuzzyVariable("(deffuzzy a)"); }).Message,
            SFuzzyLogicNotTFuzzyLogic);
  auto objectLogic = Own(TFuzzyLogic::Create(nullptr));
  parser->SetFuzzyLogic(objectLogic.get());
  EXPECT_EQ(ParseFailureOf([&] { parser->ParseFuzzyVariableIntf("(deffuzzy a)"); }).Message,
            SFuzzyLogicNotTIFuzzyLogic);
  parser->SetFuzzyLogic(nullptr);
  EXPECT_EQ(ParseFailureOf([&] { parser->ParseFuzzyVariableIntf("(deffuzzy a)"); }).Message,
            SFuzzyLogicNotSet);
}

// A set that a function or a point list failed to fill would otherwise stay in the table as a
// term of a generated name, and be written out with the variable.
TEST_F(IntfReaderTest, AFailedFunctionOrPointListLeavesNoTermBehind) {
  const IPtr<IFuzzyVariable> v(TIFuzzyVariable::Create("v"));
  for (const char* text : {"(term t ((0 0) (1 x)))", "(term t (tri 0 1))", "(term t (nope 1))"}) {
    EXPECT_TRUE(ParseFailureOf([&] { parser->ParseFuzzySet(v, text); }).Raised) << text;
    EXPECT_EQ(v->GetCount(), 0) << text;
  }
  const TParseFailure failure = ParseFailureOf(
      [&] { parser->WithText("x", [&] { return parser->ParseFuzzyValuePairs(v); }); });
  EXPECT_EQ(failure.Message.rfind(ParseErrorStart("Expected \"(\"", "ParseFuzzyValuePairs", 1), 0),
            0u);
  EXPECT_EQ(v->GetCount(), 0);
}

TEST_F(IntfReaderTest, ASingleTermIsReadWithoutAComponent) {
  parser->SetFuzzyLogic(nullptr);
  const IPtr<IFuzzyVariable> v(TIFuzzyVariable::Create("v"));
  const IPtr<IFuzzySet> term = parser->ParseFuzzySet(v, "(term t \"peak\" (tri 0 1 1))");
  EXPECT_EQ(term->GetName(), "t");
  EXPECT_EQ(term->GetComment(), "peak");
  EXPECT_EQ(v->ContainsFuzzySet("t"), term);
}

TEST(KWFuzzyLogicParserNames, GeneratedSetNamesAreNumberedOnward) {
  const std::string first = TKWFuzzyLogicParser::GetUniqueName();
  const std::string second = TKWFuzzyLogicParser::GetUniqueName();
  ASSERT_EQ(first.rfind("FuzzySet", 0), 0u);
  EXPECT_EQ(std::stoi(second.substr(8)), std::stoi(first.substr(8)) + 1);
}

}  // namespace
}  // namespace fuzzy
