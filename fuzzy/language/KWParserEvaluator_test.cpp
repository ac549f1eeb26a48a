#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzzy/language/EvaluatorTestSupport.h"
#include "fuzzy/language/ExpressionMessages.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/sets/TermTestSupport.h"

namespace fuzzy {
namespace {

using ::testing::StartsWith;
using testing_support::Atom;
using testing_support::Group;
using testing_support::Integer;
using testing_support::KeywordCases;
using testing_support::ParseErrorText;
using testing_support::ParseMessageOf;
using testing_support::Text;
using testing_support::TKeywordCase;
using testing_support::TokenList;
using testing_support::TTermVariable;
using testing_support::Words;

// Two variables with the same terms over [0, 10]: expressions are evaluated over the first, and
// the expected sets are built by hand from the second.
class ObjectEvaluation : public ::testing::Test {
 protected:
  ObjectEvaluation() {
    AddTerms(FTerms);
    AddTerms(FReference);
  }

  static void AddTerms(TTermVariable& variable) {
    variable.Term({{0, 1}, {10, 0}}, "low");
    variable.Term({{0, 0}, {5, 1}, {10, 0}}, "medium");
    variable.Term({{0, 0}, {10, 1}}, "high");
  }

  TFuzzyVariable* Variable() const { return FTerms.Get(); }
  TFuzzySet* Term(const std::string& name) const {
    return Variable()->GetItems()->GetItemByName(name);
  }
  TFuzzySet* Reference(const std::string& name) const {
    return FReference.Get()->GetItems()->GetItemByName(name);
  }
  // A copy of a reference term, free to be hedged.
  TFuzzySet* ReferenceCopy(const std::string& name) const {
    TFuzzySet* copy = FReference.Get()->GetItems()->Add();
    copy->Assign(Reference(name));
    return copy;
  }
  TFuzzySet* Eval(const std::string& expression) const {
    return FParser->EvalFuzzyExpression(Variable(), expression);
  }
  std::string Points(const std::string& expression) const {
    return Text(Eval(expression)->GetValues());
  }
  int SetCount() const { return FTerms.TermCount(); }

  TOwned<TKWFuzzyLogicParser> FParser = Own(TKWFuzzyLogicParser::Create(nullptr));

 private:
  TTermVariable FTerms{0, 10};
  TTermVariable FReference{0, 10};
};

// ---- Empty expressions and single operands -----------------------------------------------------

TEST_F(ObjectEvaluation, AnEmptyExpressionGivesTheSameEmptySetEveryTime) {
  TFuzzySet* first = Eval("");
  EXPECT_EQ(first->GetName(), SEmptyFuzzy);
  EXPECT_FALSE(first->GetDefined());
  EXPECT_EQ(first->GetValues()->GetCount(), 0);
  EXPECT_EQ(Eval("   "), first);
  EXPECT_EQ(Eval("__Empty"), first);
  EXPECT_EQ(Eval("[ ]"), first);
  EXPECT_EQ(SetCount(), 4);
}

TEST_F(ObjectEvaluation, ATermAloneIsTheTermItself) {
  EXPECT_EQ(Eval("high"), Term("high"));
  EXPECT_EQ(Eval("[[high]]"), Term("high"));
  EXPECT_EQ(SetCount(), 3);
}

TEST_F(ObjectEvaluation, AHedgeMakesANewSetAndLeavesTheTermAsItWas) {
  TFuzzySet* result = Eval("not high");
  EXPECT_NE(result, Term("high"));
  EXPECT_EQ(result->GetName(), "not high");
  EXPECT_EQ(Text(result->GetValues()), "(0.0000 1.0000) (10.0000 0.0000)");
  EXPECT_EQ(Text(Term("high")->GetValues()), "(0.0000 0.0000) (10.0000 1.0000)");
  EXPECT_EQ(Term("high")->GetName(), "high");
  EXPECT_TRUE(Term("high")->GetDefined());
}

TEST_F(ObjectEvaluation, SetsMadeWhileEvaluatingStayInTheVariableAsNoTerms) {
  TFuzzySet* result = Eval("not high and (tri 0 5 10) or 7");
  // The copy hedged by not, the function's set, the intersection, the number's spike, the union.
  ASSERT_EQ(SetCount(), 3 + 5);
  for (int i = 3; i < SetCount(); ++i) {
    EXPECT_FALSE(Variable()->GetItems()->GetItem(i)->GetDefined()) << i;
  }
  EXPECT_EQ(result, Variable()->GetItems()->GetItem(SetCount() - 1));
}

// ---- Grouping ----------------------------------------------------------------------------------

TEST_F(ObjectEvaluation, HedgesApplyFromTheInnermostOutwards) {
  TFuzzySet* expected = ReferenceCopy("high");
  expected->Hedge(fhNot);
  expected->Hedge(fhVery);
  TFuzzySet* result = Eval("very not high");
  EXPECT_EQ(Text(result->GetValues()), Text(expected->GetValues()));
  EXPECT_EQ(result->GetName(), "very [not high]");
}

TEST_F(ObjectEvaluation, BracketsGroupFirst) {
  TFuzzySet* either = Reference("high")->Union(Reference("low"));
  const std::string expected = Text(either->Intersection(Reference("medium"))->GetValues());
  EXPECT_EQ(Points("[high or low] and medium"), expected);
  EXPECT_NE(Points("high or [low and medium]"), expected);
}

TEST_F(ObjectEvaluation, AndAndOrGroupFromTheLeft) {
  TFuzzySet* both = Reference("high")->Intersection(Reference("low"));
  const std::string expected = Text(both->Union(Reference("medium"))->GetValues());
  EXPECT_EQ(Points("high and low or medium"), expected);
  EXPECT_EQ(Points("[high and low] or medium"), expected);
  EXPECT_NE(Points("high and [low or medium]"), expected);
}

TEST_F(ObjectEvaluation, AHedgeBindsTighterThanAnd) {
  TFuzzySet* negated = ReferenceCopy("high");
  negated->Hedge(fhNot);
  EXPECT_EQ(Points("not high and low"), Text(negated->Intersection(Reference("low"))->GetValues()));
}

// ---- And/or keywords ---------------------------------------------------------------------------

class ObjectKeyword : public ObjectEvaluation,
                      public ::testing::WithParamInterface<TKeywordCase> {};

TEST_P(ObjectKeyword, CombinesByItsFamily) {
  const TKeywordCase& c = GetParam();
  TFuzzySet* high = Reference("high");
  TFuzzySet* expected = c.IsUnion ? high->Union(Reference("medium"), c.Operation)
                                  : high->Intersection(Reference("medium"), c.Operation);
  TFuzzySet* result = Eval(std::string("high ") + c.Keyword + " medium");
  EXPECT_EQ(Text(result->GetValues()), Text(expected->GetValues()));
  EXPECT_EQ(result->GetName(), std::string("high ") + c.Keyword + " medium");
}

INSTANTIATE_TEST_SUITE_P(Keywords, ObjectKeyword, ::testing::ValuesIn(KeywordCases()));

TEST_F(ObjectEvaluation, AndSumHasNoRuleAndRaisesTheFamilyError) {
  EXPECT_EQ(ParseMessageOf([&] { Eval("high and-sum low"); }),
            "not a parse error: Invalid fuzzy operation: \"foSum:");
}

// ---- Hedge operators ---------------------------------------------------------------------------

TEST_F(ObjectEvaluation, AHedgeOperatorTakesTheNumberAndReadsBack) {
  TFuzzySet* expected = ReferenceCopy("high");
  expected->Hedge(bfhPower, 2, true);
  TFuzzySet* result = Eval("high ^ 2");
  EXPECT_EQ(Text(result->GetValues()), Text(expected->GetValues()));
  EXPECT_EQ(result->GetName(), "high ^ 2.0000");
  EXPECT_EQ(result->GetExpression(), "high ^ 2");
  EXPECT_EQ(Eval("low +X 3")->GetExpression(), "low +X 3");
  EXPECT_EQ(Eval("[not high] * 0.5")->GetExpression(), "[not high] * 0.5");
  EXPECT_EQ(Text(Term("high")->GetValues()), "(0.0000 0.0000) (10.0000 1.0000)");
}

TEST_F(ObjectEvaluation, AHedgeOperatorTakesTheMeanOfMaximaOfASet) {
  TFuzzySet* expected = ReferenceCopy("low");
  expected->Hedge(bfhAdd, 5, false);
  TFuzzySet* result = Eval("low +X medium");
  EXPECT_EQ(Text(result->GetValues()), Text(expected->GetValues()));
  EXPECT_EQ(result->GetExpression(), "low +X medium");
}

// A number's spike is clamped into the variable's range, but the number itself is what was
// written: 2 on a variable over [0, 1] still squares.
TEST(ObjectEvaluationRange, ANumberOutsideTheRangeStillCountsAsWritten) {
  TTermVariable unit(0, 1);
  unit.Term({{0, 0}, {0.5, 0.5}, {1, 1}}, "high");
  auto parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  TFuzzySet* result = parser->EvalFuzzyExpression(unit.Get(), "high ^ 2");
  EXPECT_EQ(Text(result->GetValues()), "(0.0000 0.0000) (0.5000 0.2500) (1.0000 1.0000)");
}

// ---- Operands ----------------------------------------------------------------------------------

TEST_F(ObjectEvaluation, ANumberIsASpikeNamedAfterIt) {
  TFuzzySet* spike = Eval("7");
  EXPECT_EQ(spike->GetName(), "7");
  EXPECT_EQ(spike->GetExpression(), "7");
  EXPECT_FALSE(spike->GetDefined());
  EXPECT_DOUBLE_EQ(spike->MeanOfMaxima(), 7);
  EXPECT_EQ(Eval("2.5")->GetName(), "2.5");
}

TEST_F(ObjectEvaluation, AFunctionCallIsAnOperand) {
  TFuzzySet* triangle = Eval("(tri 0 5 10)");
  EXPECT_EQ(triangle->GetName(), "(tri 0 5 10)");
  EXPECT_EQ(Text(triangle->GetValues()), "(0.0000 0.0000) (5.0000 1.0000) (10.0000 0.0000)");
  EXPECT_EQ(Points("high and (tri 0 5 10)"),
            Text(Reference("high")->Intersection(Reference("medium"))->GetValues()));
}

TEST_F(ObjectEvaluation, AListOfPairsIsAnOperand) {
  TFuzzySet* points = Eval("((0 0) (5 1) (10 0))");
  EXPECT_EQ(Text(points->GetValues()), "(0.0000 0.0000) (5.0000 1.0000) (10.0000 0.0000)");
  EXPECT_FALSE(points->GetDefined());
  EXPECT_EQ(Points("high and ((0 0) (5 1) (10 0))"),
            Text(Reference("high")->Intersection(Reference("medium"))->GetValues()));
}

TEST_F(ObjectEvaluation, AFunctionCallLeavesItsListAsItWas) {
  const IPtr<IFuzzyStreamToken> call = Group({Atom("tri"), Integer(0), Integer(5), Integer(10)});
  FParser->EvalFuzzyExpression(Variable(), call);
  EXPECT_EQ(call->ToString(), "(tri 0 5 10)");
}

TEST_F(ObjectEvaluation, ASetTokenStandsForItsSet) {
  TFuzzySet* high = Term("high");
  const IPtr<TFuzzyStreamToken> token = TFuzzyStreamToken::Create();
  token->SetFuzzySet(high);
  EXPECT_EQ(FParser->EvalFuzzyExpression(Variable(), IPtr<IFuzzyStreamToken>(token)), high);
  EXPECT_EQ(FParser->EvalFuzzyExpression(Variable(), IPtr<IFuzzyStreamToken>()), Eval(""));
}

// A set of no variable is copied in before it is combined, so the result is the variable's too
// and nothing is left for nobody to free.
TEST_F(ObjectEvaluation, ASetFromElsewhereIsCopiedIntoTheVariable) {
  auto loose = Own(TFuzzySet::Create(nullptr));
  loose->SetName("loose");
  loose->CreateTriangleFunctionValues(0, 5, 10);
  const IPtr<TFuzzyStreamToken> token = TFuzzyStreamToken::Create();
  token->SetFuzzySet(loose.get());
  TFuzzySet* result =
      FParser->EvalFuzzyExpression(Variable(), TokenList({token, Atom("and"), Atom("high")}));
  EXPECT_EQ(result->GetVariable(), Variable());
  EXPECT_EQ(Text(result->GetValues()),
            Text(Reference("medium")->Intersection(Reference("high"))->GetValues()));
  EXPECT_EQ(loose->GetName(), "loose");
}

TEST_F(ObjectEvaluation, AHedgeOnTheEmptySetLeavesTheSharedEmptySetAlone) {
  TFuzzySet* empty = Eval("");
  EXPECT_NE(Eval("not __Empty"), empty);
  EXPECT_EQ(empty->GetName(), SEmptyFuzzy);
  EXPECT_EQ(Eval(""), empty);
}

// ---- ?name -------------------------------------------------------------------------------------

class ObjectVariableOperand : public ObjectEvaluation {
 protected:
  ObjectVariableOperand() { FParser->SetFuzzyLogic(FLogic.get()); }
  void Define(const std::string& line) { FLogic->GetVariables()->Add(line); }

  TOwned<TFuzzyLogic> FLogic = Own(TFuzzyLogic::Create(nullptr));
};

TEST_F(ObjectVariableOperand, TakesItsExpressionFromTheComponentsVariables) {
  Define("cold=not high");
  TFuzzySet* result = Eval("?cold");
  EXPECT_EQ(result->GetName(), "?cold");
  EXPECT_FALSE(result->GetDefined());
  EXPECT_EQ(Text(result->GetValues()), "(0.0000 1.0000) (10.0000 0.0000)");
}

TEST_F(ObjectVariableOperand, ATermAsItsValueIsCopied) {
  Define("hot=high");
  TFuzzySet* result = Eval("?hot");
  EXPECT_NE(result, Term("high"));
  EXPECT_EQ(result->GetName(), "?hot");
  EXPECT_EQ(Text(result->GetValues()), Text(Term("high")->GetValues()));
  EXPECT_EQ(Term("high")->GetName(), "high");
}

TEST_F(ObjectVariableOperand, AValueThatRefersBackToItselfRaises) {
  Define("a=not ?b");
  Define("b=high and ?a");
  EXPECT_THAT(ParseMessageOf([&] { Eval("?a"); }),
              StartsWith("Parsing Error, Expression variable refers to itself: ?a in "
                         "EvalFuzzyExpression at line 1"));
}

TEST_F(ObjectEvaluation, AVariableOperandWithoutALogicComponentRaises) {
  EXPECT_EQ(ParseMessageOf([&] { FParser->EvalFuzzyExpression(Variable(), Words({"?cold"})); }),
            "Parsing Error, Invalid item in fuzzy expression: ?cold in EvalFuzzyExpression at "
            "line 0: \"\"");
  const IPtr<IFuzzyStreamToken> cold = TFuzzyStreamToken::Create(fstVariable, "cold");
  EXPECT_EQ(ParseMessageOf([&] { FParser->EvalFuzzyExpression(Variable(), TokenList({cold})); }),
            ParseErrorText(SFuzzyLogicNotSet, "EvalFuzzyExpression", 0, ""));
  EXPECT_THAT(ParseMessageOf([&] { Eval("high and ?cold"); }),
              StartsWith(Format("Parsing Error, %s in EvalFuzzyExpression", SFuzzyLogicNotSet)));
}

// ---- The after-evaluation event ----------------------------------------------------------------

TEST_F(ObjectEvaluation, TheEventSeesThePostfixFormAndMayReplaceTheResult) {
  std::vector<std::string> seen;
  FParser->SetOnEvalExpression([&](TObject* sender, TFuzzyVariable* variable,
                                   const std::string& expression, TFuzzySet*& result) {
    EXPECT_EQ(sender, FParser.get());
    EXPECT_EQ(variable, Variable());
    seen.push_back(expression + " -> " + result->GetName());
    result = Term("low");
  });
  EXPECT_EQ(Eval("not [high or medium]"), Term("low"));
  EXPECT_EQ(seen, std::vector<std::string>{"(high medium or not) -> not [high or medium]"});
}

TEST_F(ObjectEvaluation, TheTokenListBecomesItsPostfixForm) {
  const IPtr<IFuzzyStreamTokenList> tokens =
      Words({"very", "high", "or", "[", "low", "and", "medium", "]"});
  FParser->EvalFuzzyExpression(Variable(), tokens);
  EXPECT_EQ(tokens->ToString(), "(high very low medium and or)");
}

// ---- Defuzzifying ------------------------------------------------------------------------------

TEST_F(ObjectEvaluation, DefuzzifiesByCentreOfGravityWithoutAComponent) {
  TFuzzySet* result = nullptr;
  const TFzyFloat value = FParser->EvalFuzzyExpression(Variable(), "high", result);
  EXPECT_EQ(result, Term("high"));
  EXPECT_DOUBLE_EQ(value, Term("high")->CenterOfGravity());
  EXPECT_NE(value, Term("high")->MeanOfMaxima());
}

TEST_F(ObjectEvaluation, DefuzzifiesByTheComponentsMethod) {
  auto logic = Own(TFuzzyLogic::Create(nullptr));
  FParser->SetFuzzyLogic(logic.get());
  TFuzzySet* result = nullptr;
  EXPECT_DOUBLE_EQ(FParser->EvalFuzzyExpression(Variable(), "high", result),
                   Term("high")->CenterOfGravity());
  logic->SetDefuzzificationMethod(dmMeanOfMaxima);
  EXPECT_DOUBLE_EQ(FParser->EvalFuzzyExpression(Variable(), "high", result), 10);
}

// ---- Failures ----------------------------------------------------------------------------------

struct TFailureCase {
  const char* Expression;
  const char* Message;
  // The expression as read up to the error, as the tokenizer prints it.
  const char* Quoted;
  const char* Routine = "EvalFuzzyExpression";
};

class ObjectFailure : public ObjectEvaluation,
                      public ::testing::WithParamInterface<TFailureCase> {};

// The message and the routine are ours; the quoted text is the expression itself.
TEST_P(ObjectFailure, RaisesAParseErrorQuotingTheExpression) {
  const TFailureCase& c = GetParam();
  const int before = SetCount();
  EXPECT_EQ(ParseMessageOf([&] { Eval(c.Expression); }),
            Format("Parsing Error, %s in %s at line 1: \"%s\"", c.Message, c.Routine, c.Quoted));
  // Whatever was made before the error stays with the variable (and so is freed with it).
  EXPECT_GE(SetCount(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Expressions, ObjectFailure,
    ::testing::Values(
        TFailureCase{"and", "Missing fuzzy operand to be modified by hedge: and", "and "},
        TFailureCase{"very", "Missing fuzzy operand to be modified by hedge: very", "very "},
        TFailureCase{"high ^", "Missing fuzzy operand to be modified by hedge: ^", "high ^ "},
        TFailureCase{"or low", "Missing fuzzy operand to be modified by hedge: or", "or low "},
        TFailureCase{"warm", "Invalid item in fuzzy expression: warm", "warm "},
        TFailureCase{"not high and warm", "Invalid item in fuzzy expression: warm",
                     "not high and warm "},
        TFailureCase{"high = low", "Invalid item in fuzzy expression: =", "high = low "},
        TFailureCase{"()", "Invalid item in fuzzy expression: ()", "( ) "},
        TFailureCase{"high low", "Unexpected token: \"low\"", "high low "},
        TFailureCase{"high very low and medium", "Unexpected token: \"very\"",
                     "high very low and medium "},
        TFailureCase{"[high] [low]", "Unexpected token: \"low\"", "[ high ] [ low ] "},
        TFailureCase{"high ) and low", "Unexpected token: \")\"", "high ) "},
        TFailureCase{"(tri 0 5)",
                     "Number of arguments for function, tri, incorrect.  Expected \"\"Left "
                     "Middle Right\"\"",
                     "( tri 0 5 ) ", "CalcFuzzyFunction"},
        TFailureCase{"(s 10 5) or high",
                     "Invalid range arguments.  Left (10.0000) is greater than right (5.0000)",
                     "( s 10 5 ) or high ", "CalcFuzzyFunction"},
        TFailureCase{"((0 0) (5 1 1))", "Invalid X/Y value pair: (5 1 1)", "( ( 0 0 ) ( 5 1 1 ) ) ",
                     "ConvertListToValues"},
        TFailureCase{"((0 0) (5 high))", "Expected number", "( ( 0 0 ) ( 5 high ) ) ",
                     "ConvertListToValues"}));

// Without a tokenizer nothing is quoted: the whole text is the evaluator's.
TEST_F(ObjectEvaluation, ErrorsOfATokenListQuoteNothing) {
  EXPECT_EQ(ParseMessageOf([&] { FParser->EvalFuzzyExpression(Variable(), Words({"and"})); }),
            "Parsing Error, Missing fuzzy operand to be modified by hedge: and in "
            "EvalFuzzyExpression at line 0: \"\"");
  EXPECT_EQ(ParseMessageOf([&] {
              FParser->EvalFuzzyExpression(Variable(), Words({"high", "and", "warm"}));
            }),
            "Parsing Error, Invalid item in fuzzy expression: warm in EvalFuzzyExpression at "
            "line 0: \"\"");
  EXPECT_EQ(ParseMessageOf([&] {
              FParser->EvalFuzzyExpression(Variable(), Words({"high", "low"}));
            }),
            "Parsing Error, Unexpected token: \"low\" in EvalFuzzyExpression at line 0: \"\"");
}

TEST_F(ObjectEvaluation, WithoutAVariableRaises) {
  EXPECT_THAT(ParseMessageOf([&] { FParser->EvalFuzzyExpression(nullptr, "high"); }),
              StartsWith("Parsing Error, fuzzy variable is not defined in EvalFuzzyExpression"));
  EXPECT_EQ(ParseMessageOf([&] { FParser->EvalFuzzyExpression(nullptr, Words({})); }),
            "Parsing Error, fuzzy variable is not defined in EvalFuzzyExpression at line 0: \"\"");
}

TEST_F(ObjectEvaluation, BracketsNestedTooDeepRaiseWithoutExhaustingTheStack) {
  const auto nested = [](int depth) {
    return std::string(depth, '[') + "high" + std::string(depth, ']');
  };
  EXPECT_EQ(Eval(nested(MaxFuzzyNesting)), Term("high"));
  const std::string message = ParseMessageOf([&] { Eval(nested(300)); });
  EXPECT_THAT(message,
              StartsWith("Parsing Error, Brackets nested deeper than 256 in EvalFuzzyExpression"));
}

TEST_F(ObjectEvaluation, TokensOfAnotherKindAreNoOperands) {
  const IPtr<IFuzzyStreamToken> object = TFuzzyStreamToken::Create();
  object->SetObjValue(FParser.get());
  EXPECT_EQ(
      ParseMessageOf([&] { FParser->EvalFuzzyExpression(Variable(), object); }),
      ParseErrorText("Invalid item in fuzzy expression: <object>", "EvalFuzzyExpression", 0, ""));
}

// ---- The grammar -------------------------------------------------------------------------------

struct TRoleCase {
  IPtr<IFuzzyStreamToken> Token;
  bool Open;
  bool Close;
  bool Operand;
  int InStack;
  int Incoming;
};

class ExpressionGrammar : public ::testing::TestWithParam<TRoleCase> {};

TEST_P(ExpressionGrammar, GivesEachTokenItsRoleAndPriorities) {
  const TRoleCase& c = GetParam();
  EXPECT_EQ(TKWFuzzyLogicParser::IsOpenParen(c.Token), c.Open);
  EXPECT_EQ(TKWFuzzyLogicParser::IsCloseParen(c.Token), c.Close);
  EXPECT_EQ(TKWFuzzyLogicParser::IsOperand(c.Token), c.Operand);
  EXPECT_EQ(TKWFuzzyLogicParser::InStackPriority(c.Token), c.InStack);
  EXPECT_EQ(TKWFuzzyLogicParser::IncomingPriority(c.Token), c.Incoming);
}

IPtr<IFuzzyStreamToken> ListToken() {
  return Group({Atom("very")});
}

IPtr<IFuzzyStreamToken> VariableToken(const std::string& name) {
  return TFuzzyStreamToken::Create(fstVariable, name);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, ExpressionGrammar,
    ::testing::Values(TRoleCase{Atom("["), true, false, false, 4, 0},
                      TRoleCase{TFuzzyStreamToken::Create('[', "["), true, false, false, 4, 0},
                      TRoleCase{Atom("]"), false, true, false, 1, 1},
                      TRoleCase{Atom("and-product"), false, false, false, 3, 3},
                      TRoleCase{Atom("or"), false, false, false, 3, 3},
                      TRoleCase{Atom("<=X"), false, false, false, 3, 3},
                      TRoleCase{Atom("not"), false, false, false, 2, 1},
                      TRoleCase{Atom("moreorless"), false, false, false, 2, 1},
                      TRoleCase{Atom("high"), false, false, true, 1, 1},
                      TRoleCase{Atom("Very"), false, false, true, 1, 1},
                      TRoleCase{Integer(3), false, false, true, 1, 1},
                      // Lists and variables are operands whatever text they carry.
                      TRoleCase{ListToken(), false, false, true, 1, 1},
                      TRoleCase{VariableToken("and"), false, false, true, 1, 1}));

TEST(ExpressionGrammarFill, FillExpressionDescendsIntoNestedLists) {
  const IPtr<IInterfaceList> inner = TInterfaceList::Create();
  inner->Add(Atom("b"));
  inner->Add(Atom("c"));
  const IPtr<IInterfaceList> outer = TInterfaceList::Create();
  outer->Add(Atom("a"));
  outer->Add(inner);
  outer->Add(Group({Atom("d")}));
  const IPtr<IFuzzyStreamTokenList> target = Words({"start"});
  TKWFuzzyLogicParser::FillExpression(outer, target);
  EXPECT_EQ(target->ToString(), "(start a b c (d))");
}

// ---- Point lists -------------------------------------------------------------------------------

TEST_F(ObjectEvaluation, ConvertListToValuesAddsEveryPair) {
  TFuzzySet* target = Variable()->GetItems()->Add();
  const IPtr<IFuzzyStreamTokenList> pairs =
      TokenList({Group({Integer(2), Integer(0)}),
                 Group({Integer(4), TFuzzyStreamToken::Create(fstFloat, "", 0.5)})});
  EXPECT_EQ(FParser->ConvertListToValues(target, pairs), target);
  EXPECT_EQ(Text(target->GetValues()), "(2.0000 0.0000) (4.0000 0.5000)");
  EXPECT_EQ(ParseMessageOf([&] { FParser->ConvertListToValues(target, TokenList({Integer(1)})); }),
            ParseErrorText("Invalid X/Y value pair: 1", "ConvertListToValues", 0, ""));
}

}  // namespace
}  // namespace fuzzy
