#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzzy/framework/Strings.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/language/ReaderTestSupport.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValue.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy {
namespace {

using testing_support::ParseErrorStart;
using testing_support::ParseFailureOf;
using testing_support::TParseFailure;
using testing_support::TReadingParser;

// "(x y) (x y) ..." of a set's points, to compare shapes at a glance.
std::string PointsOf(const TFuzzySet* fuzzySet) {
  std::string text;
  for (int i = 0; i < fuzzySet->GetValues()->GetCount(); ++i) {
    const TFuzzySetValue* point = fuzzySet->GetValues()->GetItem(i);
    text +=
        (i == 0 ? "(" : " (") + FloatToStr(point->GetX()) + " " + FloatToStr(point->GetY()) + ")";
  }
  return text;
}

class ReaderTest : public ::testing::Test {
 protected:
  ReaderTest() {
    logic->SetAutoTerms(false);
    parser->SetFuzzyLogic(logic.get());
    logic->SetParser(parser.get());
  }

  TFuzzyVariables* Variables() const { return logic->GetItems(); }
  TFuzzyVariable* Variable(int index) const { return Variables()->GetItem(index); }
  TFuzzySet* Term(int variable, const std::string& name) const {
    return Variable(variable)->GetItems()->GetItemByName(name);
  }

  TOwned<TReadingParser> parser = Own(TReadingParser::Create());
  TOwned<TFuzzyLogic> logic = Own(TFuzzyLogic::Create(nullptr));
};

// ---- What a definition gives --------------------------------------------------------------------

TEST_F(ReaderTest, ADefinitionWithNoClausesGivesAVariableWithOnlyAName) {
  parser->ParseFuzzyLogic("(deffuzzy speed)");
  ASSERT_EQ(Variables()->GetCount(), 1);
  EXPECT_EQ(Variable(0)->GetName(), "speed");
  EXPECT_EQ(Variable(0)->GetComment(), "");
  EXPECT_EQ(Variable(0)->GetUnits(), "");
  EXPECT_EQ(Variable(0)->GetMinimum(), 0.0);
  EXPECT_EQ(Variable(0)->GetMaximum(), 1.0);
  EXPECT_EQ(Variable(0)->GetItems()->GetCount(), 0);
}

TEST_F(ReaderTest, EveryClauseAndBodyKindIsRead) {
  parser->ParseFuzzyLogic(
      "; room climate\n"
      "(deffuzzy temp \"room air\"\n"
      "  (range 10 30) (units \"deg C\")\n"
      "  (values (term cold \"chilly\" (tri 10 10 20))\n"
      "          (term warm ((20 0) (25.5 1) (30 1)))))\n");
  ASSERT_EQ(Variables()->GetCount(), 1);
  TFuzzyVariable* temp = Variable(0);
  EXPECT_EQ(temp->GetName(), "temp");
  EXPECT_EQ(temp->GetComment(), "room air");
  EXPECT_EQ(temp->GetUnits(), "deg C");
  EXPECT_EQ(temp->GetMinimum(), 10.0);
  EXPECT_EQ(temp->GetMaximum(), 30.0);
  ASSERT_EQ(temp->GetItems()->GetCount(), 2);
  TFuzzySet* cold = temp->GetItems()->GetItem(0);
  EXPECT_EQ(cold->GetName(), "cold");
  EXPECT_EQ(cold->GetComment(), "chilly");
  EXPECT_EQ(cold->GetSetType(), fstTriangle);
  EXPECT_EQ(PointsOf(cold), "(10 0) (10 1) (20 0)");
  TFuzzySet* warm = temp->GetItems()->GetItem(1);
  EXPECT_EQ(warm->GetName(), "warm");
  EXPECT_EQ(PointsOf(warm), "(20 0) (25.5 1) (30 1)");
  for (TFuzzySet* term : {cold, warm}) {
    EXPECT_TRUE(term->GetDefined()) << term->GetName();
    // Functions and point lists leave no expression, so the writer writes their shapes.
    EXPECT_EQ(term->GetExpression(), "") << term->GetName();
  }
}

TEST_F(ReaderTest, ClausesRepeatLaterRangeAndUnitsWinAndEveryValuesAdds) {
  parser->ParseFuzzyLogic(
      "(deffuzzy v (values) (range 0 5) (units m) (values (term a (tri 0 1 2)))"
      " (units 5) (range 1 9) (values (term b (tri 1 2 3))))");
  TFuzzyVariable* v = Variable(0);
  EXPECT_EQ(v->GetUnits(), "5");
  EXPECT_EQ(v->GetMinimum(), 1.0);
  EXPECT_EQ(v->GetMaximum(), 9.0);
  ASSERT_EQ(v->GetItems()->GetCount(), 2);
  EXPECT_EQ(v->GetItems()->GetItem(1)->GetName(), "b");
}

TEST_F(ReaderTest, EveryDefinitionOfATextIsReadAlsoWhenItsParenthesisEndsTheText) {
  parser->ParseFuzzyLogic("(deffuzzy a)\n(deffuzzy b)(deffuzzy c (values (term t (tri 0 1 2))))");
  ASSERT_EQ(Variables()->GetCount(), 3);
  EXPECT_EQ(Variable(2)->GetName(), "c");
  EXPECT_EQ(Variable(2)->GetItems()->GetCount(), 1);
}

TEST_F(ReaderTest, EmptyTextAndTextOfOnlyCommentsReadNothing) {
  parser->ParseFuzzyLogic("");
  parser->ParseFuzzyLogic("  ; nothing here\n\n");
  EXPECT_EQ(Variables()->GetCount(), 0);
}

TEST_F(ReaderTest, AFunctionOfTheApplicationIsAValidBody) {
  parser->SetOnCalcFuzzyFunction([](TObject*, const std::string& name,
                                    const IPtr<IFuzzyStreamTokenList>& args, TFuzzySet*& result,
                                    bool& handled) {
    if (name != "spike") return;
    const double x = args->Get(0)->GetNumber();
    result->CreateTriangleFunctionValues(x, x, x);
    handled = true;
  });
  parser->ParseFuzzyLogic("(deffuzzy v (range 0 9) (values (term s (spike 4))))");
  EXPECT_EQ(PointsOf(Term(0, "s")), "(4 0) (4 1) (4 0)");
}

// A pair's ")" is not checked: a third number stands in for it, and the pair's own ")" then ends
// the point list.
TEST_F(ReaderTest, AThirdNumberInTheLastPairEndsThePointList) {
  TFuzzyVariable* v = Variables()->Add("v");
  v->SetMaximum(10);
  TFuzzySet* term = parser->ParseFuzzySet(v, "(term t ((0 0) (5 1 7)))");
  EXPECT_EQ(PointsOf(term), "(0 0) (5 1)");
}

TEST_F(ReaderTest, AThirdNumberBeforeFurtherPairsLeavesTheTermUnclosed) {
  TFuzzyVariable* v = Variables()->Add("v");
  const TParseFailure failure =
      ParseFailureOf([&] { parser->ParseFuzzySet(v, "(term t ((0 0 5) (10 1)))"); });
  EXPECT_EQ(failure.Message.rfind(ParseErrorStart("Expected \")\"", "ParseFuzzySet", 1), 0), 0u)
      << failure.Message;
}

TEST_F(ReaderTest, ATermNamedLikeAHedgeIsRefusedByTheSetsOwnNameRule) {
  try {
    parser->ParseFuzzyLogic("(deffuzzy v (values (term very (tri 0 1 2))))");
    FAIL() << "no exception";
  } catch (const EFzyParseException& error) {
    FAIL() << "wrapped as a parse error: " << error.GetMessage();
  } catch (const EFzyException& error) {
    EXPECT_EQ(error.GetMessage(), "Invalid fuzzy set name, \"very\" is a reserved word");
  }
}

// ---- Automatic terms
// ------------------------------------------------------------------------------

TEST_F(ReaderTest, AutomaticTermsFillInOnlyTheNamesLeftOutOnTheRangeRead) {
  logic->SetAutoTerms(true);
  parser->ParseFuzzyLogic("(deffuzzy v (range 10 20) (values (term low (tri 10 12 14))))");
  ASSERT_EQ(Variables()->GetCount(), 1);
  TFuzzySets* terms = Variable(0)->GetItems();
  ASSERT_EQ(terms->GetCount(), 3);
  EXPECT_EQ(PointsOf(terms->GetItemByName("low")), "(10 0) (12 1) (14 0)");
  EXPECT_EQ(PointsOf(terms->GetItemByName("medium")), "(10 0) (15 1) (20 0)");
  EXPECT_EQ(PointsOf(terms->GetItemByName("high")), "(10 0) (20 1)");
}

TEST_F(ReaderTest, AVariableIsAnnouncedOnceWithItsTermsAndTheBatchClosesOnce) {
  logic->SetAutoTerms(true);
  std::vector<std::string> events;
  logic->SetOnChange([&](TObject*) { events.push_back("change"); });
  parser->SetOnParseFuzzyVariable([&](TObject* sender, TFuzzyVariable* variable) {
    EXPECT_EQ(sender, parser.get());
    events.push_back("parsed " + variable->GetName() + " " +
                     std::to_string(variable->GetItems()->GetCount()) + " in " +
                     std::to_string(variable->GetCollection() == Variables()));
  });
  parser->ParseFuzzyLogic("(deffuzzy v (range 10 20) (values (term mid (tri 10 12 14))))");
  EXPECT_EQ(events, (std::vector<std::string>{"change", "parsed v 4 in 1"}));
  EXPECT_EQ(Variables()->GetUpdateCount(), 0);
}

// ---- The component's text
// -------------------------------------------------------------------------

TEST_F(ReaderTest, AssigningTheComponentsTextReadsItAndRaisesTheParseEvents) {
  std::vector<std::string> events;
  parser->SetOnParseFuzzySet([&](TObject* sender, TFuzzySet* fuzzySet) {
    EXPECT_EQ(sender, parser.get());
    events.push_back("set " + fuzzySet->GetName());
  });
  parser->SetOnParseFuzzyVariable([&](TObject*, TFuzzyVariable* variable) {
    events.push_back("variable " + variable->GetName());
  });
  Variables()->Add("replaced");
  auto text = Own(TStringList::Create());
  text->Add("(deffuzzy a (values (term x (tri 0 1 2))");
  text->Add("                    (term y (tri 0 1 2))))");
  text->Add("(deffuzzy b)");
  logic->SetStrings(text.get());
  EXPECT_EQ(events, (std::vector<std::string>{"set x", "set y", "variable a", "variable b"}));
  ASSERT_EQ(Variables()->GetCount(), 2);
  EXPECT_EQ(Variable(0)->GetName(), "a");
  EXPECT_FALSE(logic->GetStringsStale());
}

// ---- Failures -----------------------------------------------------------------------------------

struct FailureCase {
  const char* Text;
  const char* Routine;
  std::string Message;
  int Line;
};

std::ostream& operator<<(std::ostream& out, const FailureCase& c) {
  return out << c.Text;
}

class ReaderFailure : public ReaderTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ReaderFailure, RaisesAParseErrorNamingTheRoutineAndLine) {
  const FailureCase& c = GetParam();
  const TParseFailure failure = ParseFailureOf([&] { parser->ParseFuzzyLogic(c.Text); });
  ASSERT_TRUE(failure.Raised);
  EXPECT_EQ(failure.Message.rfind(ParseErrorStart(c.Message, c.Routine, c.Line), 0), 0u)
      << failure.Message;
  EXPECT_EQ(failure.Line, c.Line);
  EXPECT_EQ(Variables()->GetUpdateCount(), 0);
}

const std::string MissingOpen = "Expected \"(\"";
const std::string MissingClose = "Expected \")\"";
const std::string MissingName = "Missing name";
const std::string ExpectedNumber = "Expected number";
const std::string ExpectedKeyword = "Missing keyword.  Expected \"range, units, or values\"";
const std::string ExpectedDefinition = "Expected \"( deffuzzy\"";
const std::string ExpectedTerm = "Expected \"( term\"";

INSTANTIATE_TEST_SUITE_P(
    Table, ReaderFailure,
    ::testing::Values(
        FailureCase{"hello", "ParseFuzzyLogic", "Unexpected token: \"hello\"", 1},
        FailureCase{"(deffuzzy a)\n)", "ParseFuzzyLogic", "Unexpected token: \")\"", 2},
        FailureCase{"(defuzzy a)", "ParseFuzzyVariable", ExpectedDefinition, 1},
        FailureCase{"(\"deffuzzy\" a)", "ParseFuzzyVariable", ExpectedDefinition, 1},
        FailureCase{"(deffuzzy \"a\")", "ParseFuzzyVariable", MissingName, 1},
        FailureCase{"(deffuzzy 5)", "ParseFuzzyVariable", MissingName, 1},
        FailureCase{"(deffuzzy a range 0 1)", "ParseFuzzyVariable", MissingOpen, 1},
        FailureCase{"(deffuzzy a", "ParseFuzzyVariable", MissingOpen, 1},
        FailureCase{"(deffuzzy a (rang 0 1))", "ParseFuzzyVariable", ExpectedKeyword, 1},
        FailureCase{"(deffuzzy a (\"range\" 0 1))", "ParseFuzzyVariable", ExpectedKeyword, 1},
        FailureCase{"(deffuzzy a\n (range 0 x))", "ParseFuzzyVariable", ExpectedNumber, 2},
        FailureCase{"(deffuzzy a (range 0 1 2))", "ParseFuzzyVariable", MissingClose, 1},
        FailureCase{"(deffuzzy a\n (range 10 0))", "ParseFuzzyVariable",
                    "Invalid range arguments.  Left (10.0000) is greater than right (0.0000)", 2},
        FailureCase{"(deffuzzy a (values\n (term t (s 10 5))))", "CalcFuzzyFunction",
                    "Invalid range arguments.  Left (10.0000) is greater than right (5.0000)", 2},
        FailureCase{"(deffuzzy a (units deg C))", "ParseFuzzyVariable", MissingClose, 1},
        FailureCase{"(deffuzzy a (values (trm t (tri 0 1 2))))", "ParseFuzzySet", ExpectedTerm, 1},
        FailureCase{"(deffuzzy a (values t))", "ParseFuzzySet", ExpectedTerm, 1},
        FailureCase{"(deffuzzy a (values (term \"t\" (tri 0 1 2))))", "ParseFuzzySet", MissingName,
                    1},
        FailureCase{"(deffuzzy a (values (term t (tri 0 1 2) x)))", "ParseFuzzySet", MissingClose,
                    1},
        FailureCase{"(deffuzzy a (values (term t (5 1 2))))", "ParseFuzzyFunction", MissingName, 1},
        FailureCase{
            "(deffuzzy a (values (term t (tri 0 1)))", "CalcFuzzyFunction",
            "Number of arguments for function, tri, incorrect.  Expected \"\"Left Middle Right\"\"",
            1},
        FailureCase{"(deffuzzy a (values\n (term t ((0 0) (1 x)))))", "ParseFuzzyValuePairs",
                    ExpectedNumber, 2},
        FailureCase{"(deffuzzy a (values (term t ((0 0) 1))))", "ParseFuzzyValuePairs",
                    MissingClose, 1},
        FailureCase{"(deffuzzy a (values (term t ((0 0 5) (1 1)))))", "ParseFuzzySet", MissingClose,
                    1},
        FailureCase{"(deffuzzy a)\n(deffuzzy b\n  (range 0 1)\n  (units m s))",
                    "ParseFuzzyVariable", MissingClose, 4}));

TEST_F(ReaderTest, AParseErrorQuotesTheTextOfItsDefinitionReadSoFar) {
  const TParseFailure failure = ParseFailureOf(
      [&] { parser->ParseFuzzyLogic("(deffuzzy a)\n(deffuzzy t\n  (units deg C))"); });
  EXPECT_EQ(failure.Message,
            "Parsing Error, Expected \")\" in ParseFuzzyVariable at line 3: "
            "\"( deffuzzy t \n( units deg C \"");
  EXPECT_EQ(failure.Line, 3);
}

// A shape refused by its generator is a parse error; callers that catch the library's base
// exception still catch it.
TEST_F(ReaderTest, ARefusedShapeIsStillTheLibrarysException) {
  EXPECT_THROW(parser->ParseFuzzyLogic("(deffuzzy a (values (term t (z 3 1))))"), EFzyException);
}

TEST_F(ReaderTest, AWordWhereTheNameShouldBeIsQuotedInFull) {
  const TParseFailure failure = ParseFailureOf([&] { parser->ParseFuzzyLogic("x (deffuzzy a)"); });
  EXPECT_EQ(failure.Message,
            "Parsing Error, Unexpected token: \"x\" in ParseFuzzyLogic at line 1: \"x \"");
}

TEST_F(ReaderTest, WithoutAComponentOnlyASingleTermCanBeRead) {
  parser->SetFuzzyLogic(nullptr);
  const std::string notSet = "Fuzzy Logic component must be specified to parse";
  EXPECT_EQ(ParseFailureOf([&] { parser->ParseFuzzyLogic("(deffuzzy a)"); }).Message, notSet);
  EXPECT_EQ(ParseFailureOf([&] { parser->ParseFuzzyVariable("(deffuzzy a)"); }).Message, notSet);
  auto v = Own(TFuzzyVariable::Create(nullptr));
  EXPECT_EQ(PointsOf(parser->ParseFuzzySet(v.get(), "(term t (tri 0 1 1))")), "(0 0) (1 1) (1 0)");
}

TEST_F(ReaderTest, AComponentOfTheOtherKindIsRefusedAfterTheHeader) {
  auto other = Own(TCustomFuzzyLogic::Create(nullptr));
  parser->SetFuzzyLogic(other.get());
  const TParseFailure failure = ParseFailureOf([&] { parser->ParseFuzzyLogic("(deffuzzy a)"); });
  EXPECT_EQ(failure.Message, SFuzzyLogicNotTFuzzyLogic);
  EXPECT_EQ(ParseFailureOf([&] {
              parser->ParseFuzzyLogic("(defuzzy a)");
            }).Message.rfind(ParseErrorStart(ExpectedDefinition, "ParseFuzzyVariable", 1), 0),
            0u);
}

// ---- What a failure leaves ----------------------------------------------------------------------

class ReaderLeftovers : public ReaderTest, public ::testing::WithParamInterface<bool> {};

TEST_P(ReaderLeftovers, DefinitionsReadBeforeAnErrorStayAndTheBatchCloses) {
  logic->SetAutoTerms(GetParam());
  EXPECT_TRUE(ParseFailureOf([&] {
                parser->ParseFuzzyLogic(
                    "(deffuzzy a) (deffuzzy b (values (term t (tri 0 1 2)) (term u ((0 x)))))");
              }).Raised);
  ASSERT_EQ(Variables()->GetCount(), 2);
  EXPECT_EQ(Variable(1)->GetName(), "b");
  EXPECT_NE(Variable(1)->GetItems()->IndexOf("t"), -1);
  EXPECT_EQ(Variables()->GetUpdateCount(), 0);
}

TEST_P(ReaderLeftovers, AnExceptionFromTheSetHandlerPassesAndLeavesNothingBehind) {
  logic->SetAutoTerms(GetParam());
  parser->SetOnParseFuzzySet([](TObject*, TFuzzySet* fuzzySet) {
    if (fuzzySet->GetName() == "bad") throw std::runtime_error("handler refused");
  });
  EXPECT_THROW(
      parser->ParseFuzzyLogic(
          "(deffuzzy v (range 0 4) (values (term good (tri 0 1 2)) (term bad (tri 1 2 3))))"),
      std::runtime_error);
  ASSERT_EQ(Variables()->GetCount(), 1);
  EXPECT_EQ(Variables()->GetUpdateCount(), 0);
  EXPECT_EQ(parser->GetParsedText(), "");
  EXPECT_EQ(parser->GetLineNumber(), 0);
}

INSTANTIATE_TEST_SUITE_P(AutoTerms, ReaderLeftovers, ::testing::Bool());

TEST_F(ReaderTest, AnExceptionWhenTheVariableComesBackLeavesItWithTheComponent) {
  logic->SetAutoTerms(true);
  int added = 0;
  // Announced twice: when made, and when it comes back with its range and terms read.
  logic->SetOnVariableAdded([&](TObject*, TFuzzyVariable*) {
    if (++added == 2) throw std::runtime_error("handler refused");
  });
  EXPECT_THROW(parser->ParseFuzzyLogic("(deffuzzy v (range 0 4))"), std::runtime_error);
  ASSERT_EQ(Variables()->GetCount(), 1);
  EXPECT_EQ(Variable(0)->GetMaximum(), 4.0);
  EXPECT_EQ(Variables()->GetUpdateCount(), 0);
}

TEST_F(ReaderTest, AFailedPointListTakesItsSetAway) {
  TFuzzyVariable* v = Variables()->Add("v");
  EXPECT_TRUE(ParseFailureOf([&] { parser->ParseFuzzySet(v, "(term t ((0 0) (1 x)))"); }).Raised);
  EXPECT_EQ(v->GetItems()->GetCount(), 0);
  const TParseFailure failure = ParseFailureOf(
      [&] { parser->WithText("x", [&] { return parser->ParseFuzzyValuePairs(v); }); });
  EXPECT_EQ(failure.Message.rfind(ParseErrorStart(MissingOpen, "ParseFuzzyValuePairs", 1), 0), 0u);
  EXPECT_EQ(v->GetItems()->GetCount(), 0);
}

TEST_F(ReaderTest, AFunctionCallMustOpenWithAParenthesis) {
  TFuzzyVariable* v = Variables()->Add("v");
  const TParseFailure failure = ParseFailureOf(
      [&] { parser->WithText("tri 0 1 2", [&] { return parser->ParseFuzzyFunction(v); }); });
  EXPECT_EQ(failure.Message.rfind(ParseErrorStart(MissingOpen, "ParseFuzzyFunction", 1), 0), 0u);
}

// ---- Tokenizers of nested readings
// ----------------------------------------------------------------

TEST_F(ReaderTest, AReadingInsideAHandlerLeavesTheOuterReadingWhereItWas) {
  parser->SetOnParseFuzzySet([&](TObject*, TFuzzySet* fuzzySet) {
    if (fuzzySet->GetName() != "a") return;
    parser->ParseFuzzySet(fuzzySet->GetVariable(), "(term extra (tri 5 6 7))");
    EXPECT_EQ(parser->GetLineNumber(), 2);
  });
  parser->ParseFuzzyLogic(
      "(deffuzzy v (range 0 9)\n (values (term a (tri 0 1 2)) (term b (tri 1 2 3))))");
  TFuzzySets* terms = Variable(0)->GetItems();
  ASSERT_EQ(terms->GetCount(), 3);
  EXPECT_EQ(terms->GetItem(1)->GetName(), "extra");
  EXPECT_EQ(terms->GetItem(2)->GetName(), "b");
  EXPECT_EQ(parser->GetParsedText(), "");
}

TEST_F(ReaderTest, ATokenListStopsAtAnUnmatchedParenthesisAndNestsGroups) {
  parser->WithText("a (b (c)) 2.5) e", [&] {
    const IPtr<IFuzzyStreamTokenList> list = parser->ParseTokenList();
    ASSERT_EQ(list->GetCount(), 3);
    EXPECT_EQ(list->Get(1)->GetDataType(), fstList);
    EXPECT_EQ(list->Get(1)->ToString(), "(b (c))");
    EXPECT_EQ(list->Get(2)->GetDataType(), fstFloat);
    EXPECT_EQ(parser->ParseTokenList()->GetCount(), 0);  // the ")" is still next
  });
}

// ---- Expression bodies
// ----------------------------------------------------------------------------

TEST_F(ReaderTest, ATermWhoseBodyNamesAnotherGetsACopyAndTheOtherKeepsItsName) {
  parser->ParseFuzzyLogic(
      "(deffuzzy t (range 0 10) (values (term hot (tri 5 10 10)) (term warm hot)))");
  TFuzzySet* hot = Term(0, "hot");
  TFuzzySet* warm = Term(0, "warm");
  EXPECT_NE(hot, warm);
  EXPECT_TRUE(hot->GetDefined());
  EXPECT_TRUE(warm->GetDefined());
  EXPECT_EQ(PointsOf(warm), PointsOf(hot));
  EXPECT_EQ(warm->GetSetType(), fstTriangle);
}

TEST_F(ReaderTest, AnExpressionBodyEndsAtItsTermsParenthesis) {
  parser->ParseFuzzyLogic(
      "(deffuzzy t (range 0 10)\n"
      "  (values (term hot (tri 5 10 10))\n"
      "          (term cool not hot)\n"
      "          (term peak very (tri 0 5 10))\n"
      "          (term either [hot or peak])))");
  TFuzzySet* cool = Term(0, "cool");
  EXPECT_TRUE(cool->GetDefined());
  EXPECT_NE(cool->GetExpression(), "");
  EXPECT_DOUBLE_EQ(cool->DegreeOfMembership(5), 1.0);
  EXPECT_DOUBLE_EQ(cool->DegreeOfMembership(7.5), 0.5);
  EXPECT_DOUBLE_EQ(Term(0, "peak")->DegreeOfMembership(5), 1.0);
  EXPECT_LT(Term(0, "peak")->DegreeOfMembership(2.5), 0.5);
  EXPECT_DOUBLE_EQ(Term(0, "either")->DegreeOfMembership(10), 1.0);
  EXPECT_DOUBLE_EQ(Term(0, "hot")->DegreeOfMembership(7.5), 0.5);
}

TEST_F(ReaderTest, AnExpressionMayNameOnlyTermsReadBeforeIt) {
  const TParseFailure failure = ParseFailureOf([&] {
    parser->ParseFuzzyLogic("(deffuzzy t (values (term warm hot) (term hot (tri 0 1 1))))");
  });
  EXPECT_EQ(
      failure.Message.rfind(
          ParseErrorStart("Invalid item in fuzzy expression: hot", "EvalFuzzyExpression", 1), 0),
      0u)
      << failure.Message;
}

}  // namespace
}  // namespace fuzzy
