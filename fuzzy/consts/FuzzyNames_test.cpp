#include "fuzzy/consts/FuzzyNames.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "fuzzy/consts/FuzzyTables.h"

namespace fuzzy {
namespace {

struct TextCase {
  const char* Label;
  std::string Actual;
  std::string Expected;
};

class CreateFuzzyNameTable : public ::testing::TestWithParam<TextCase> {};

TEST_P(CreateFuzzyNameTable, BracketsOnlyCompoundNames) {
  EXPECT_EQ(GetParam().Actual, GetParam().Expected) << GetParam().Label;
}

INSTANTIATE_TEST_SUITE_P(
    Builders, CreateFuzzyNameTable,
    ::testing::Values(
        TextCase{"hedge", CreateFuzzyName(fhVery, "high"), "very high"},
        TextCase{"hedge on compound", CreateFuzzyName(fhNot, "very high"), "not [very high]"},
        TextCase{"one-word hedge name", CreateFuzzyName(fhMoreOrLess, "low"), "moreorless low"},
        TextCase{"base hedge on values", CreateFuzzyName(bfhPower, true, "high"), "^ high"},
        TextCase{"base hedge on X", CreateFuzzyName(bfhAdd, false, "very high"), "+X [very high]"},
        TextCase{"bracketed name again", CreateFuzzyName(bfhAdd, false, "[very high]"),
                 "+X [[very high]]"},
        TextCase{"bfg member", CreateFuzzyName(bfgCutLessEq, false, "low"), "<=X low"},
        TextCase{"binary", CreateFuzzyName("high", "low", "and"), "high and low"},
        TextCase{"binary compound", CreateFuzzyName("very high", "low", "or-sum"),
                 "[very high] or-sum low"},
        TextCase{"binary operator never bracketed", CreateFuzzyName("a", "b c", "odd op"),
                 "a odd op [b c]"},
        TextCase{"value", CreateFuzzyName("high", "^", 2), "high ^ 2.0000"},
        TextCase{"value X form", CreateFuzzyName("high", "^X", 0.5), "high ^X 0.5000"},
        TextCase{"value compound", CreateFuzzyName("very high", "^ X", 1.0 / 3),
                 "[very high] ^ X 0.3333"},
        TextCase{"percent in a name is text", CreateFuzzyName("100%", "^", -1), "100% ^ -1.0000"}));

class FormatFuzzyExpressionTable
    : public ::testing::TestWithParam<std::pair<const char*, const char*>> {};

TEST_P(FormatFuzzyExpressionTable, GroupsWhatIsNotOneWordOrOneGroup) {
  EXPECT_EQ(FormatFuzzyExpression(GetParam().first), GetParam().second) << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(Expressions, FormatFuzzyExpressionTable,
                         ::testing::Values(std::pair{"high", "high"}, std::pair{"  high  ", "high"},
                                           std::pair{"", ""}, std::pair{"very high", "[very high]"},
                                           std::pair{" very high ", "[ very high ]"},
                                           std::pair{"[very high]", "[very high]"},
                                           std::pair{" [very high] ", "[very high]"},
                                           std::pair{"[a b] and [c d]", "[[a b] and [c d]]"},
                                           std::pair{"[[a b] or c]", "[[a b] or c]"},
                                           std::pair{"[a b] c]", "[[a b] c]]"},
                                           std::pair{"[ ]", "[ ]"}, std::pair{"[a", "[a"},
                                           std::pair{"[a b", "[[a b]"}));

// The outcome of a recogniser with an out-parameter that started as Initial.
struct LookupCase {
  const char* Label;
  bool Found;
  int Out;
  bool ExpectedFound;
  int ExpectedOut;
};

template <class E>
LookupCase Lookup(bool (*recogniser)(std::string_view, E&), const char* text, E initial,
                  bool expectedFound, E expectedOut) {
  E out = initial;
  const bool found = recogniser(text, out);
  return {text, found, out, expectedFound, expectedOut};
}

class LookupTable : public ::testing::TestWithParam<LookupCase> {};

TEST_P(LookupTable, MatchesWholeTextsAndKeepsTheOutParameterOnNoMatch) {
  EXPECT_EQ(GetParam().Found, GetParam().ExpectedFound) << GetParam().Label;
  EXPECT_EQ(GetParam().Out, GetParam().ExpectedOut) << GetParam().Label;
}

INSTANTIATE_TEST_SUITE_P(
    Recognisers, LookupTable,
    ::testing::Values(Lookup(IsFuzzyHedge, "very", fhNot, true, fhVery),
                      Lookup(IsFuzzyHedge, "moreorless", fhNot, true, fhMoreOrLess),
                      Lookup(IsFuzzyHedge, "not", fhVery, true, fhNot),
                      Lookup(IsFuzzyHedge, "generally", fhNot, true, fhGenerally),
                      Lookup(IsFuzzyHedge, "Very", fhAbout, false, fhAbout),
                      Lookup(IsFuzzyHedge, " very", fhAbout, false, fhAbout),
                      Lookup(IsFuzzyHedge, "very ", fhAbout, false, fhAbout),
                      Lookup(IsFuzzyHedge, "more-or-less", fhAbout, false, fhAbout),
                      Lookup(IsFuzzyHedge, "", fhAbout, false, fhAbout),
                      Lookup(IsFuzzyOperation, "mean", foSum, true, foMean),
                      Lookup(IsFuzzyOperation, "mean-sqr", foSum, true, foMeanSqr),
                      Lookup(IsFuzzyOperation, "sum", foZadeh, true, foSum),
                      Lookup(IsFuzzyOperation, "and", foProduct, false, foProduct),
                      Lookup(IsFuzzyCorrelation, "product", fcmMinimum, true, fcmProduct),
                      Lookup(IsFuzzyCorrelation, "Minimum", fcmProduct, false, fcmProduct),
                      Lookup(IsFuzzyInference, "sum", fimMean, true, fimAdditive),
                      Lookup(IsFuzzyInference, "min-max", fimMean, true, fimMinMax),
                      Lookup(IsFuzzyInference, "bounded-sum", fimMean, true, fimBoundedSum),
                      Lookup(IsFuzzyInference, "additive", fimMean, false, fimMean)));

// Every table entry reads back as its own member, also where names repeat across tables.
TEST(Recognisers, ReadEveryTableEntryBackAsItsMember) {
  for (const TFuzzyHedge hedge : EnumMembers<TFuzzyHedge>()) {
    TFuzzyHedge found = hedge == fhNot ? fhVery : fhNot;
    EXPECT_TRUE(IsFuzzyHedge(HedgeNames[hedge]));
    EXPECT_TRUE(IsFuzzyHedge(HedgeNames[hedge], found));
    EXPECT_EQ(found, hedge);
  }
  for (const TBaseFuzzyHedge hedge : EnumMembers<TBaseFuzzyHedge>()) {
    TBaseFuzzyHedge found = hedge == bfhAdd ? bfhDivide : bfhAdd;
    bool onValues = false;
    EXPECT_TRUE(IsFuzzyHedgeOperator(BaseHedgeNames[hedge], found, onValues));
    EXPECT_EQ(found, hedge);
    EXPECT_TRUE(onValues);
  }
  for (const TFuzzyOperation operation : EnumMembers<TFuzzyOperation>()) {
    TFuzzyOperation found = operation == foZadeh ? foSum : foZadeh;
    EXPECT_TRUE(IsFuzzyOperation(FuzzyOperationNames[operation], found));
    EXPECT_EQ(found, operation);
  }
  for (const TFuzzyInferenceMethod method : EnumMembers<TFuzzyInferenceMethod>()) {
    TFuzzyInferenceMethod found = method == fimMinMax ? fimMean : fimMinMax;
    EXPECT_TRUE(IsFuzzyInference(FuzzyInferenceNames[method], found));
    EXPECT_EQ(found, method);
  }
}

struct HedgeOperatorCase {
  const char* Text;
  bool ExpectedFound;
  TBaseFuzzyHedge ExpectedHedge;
  bool ExpectedOnValues;
};

class HedgeOperatorTable : public ::testing::TestWithParam<HedgeOperatorCase> {};

TEST_P(HedgeOperatorTable, TellsThePlainSymbolFromTheXForm) {
  const HedgeOperatorCase& c = GetParam();
  // Start from values that no case expects after a match, so an untouched or stray write shows.
  TBaseFuzzyHedge hedge = bfhDivide;
  bool onValues = !c.ExpectedOnValues;
  EXPECT_EQ(IsFuzzyHedgeOperator(c.Text), c.ExpectedFound) << c.Text;
  EXPECT_EQ(IsFuzzyHedgeOperator(c.Text, hedge, onValues), c.ExpectedFound) << c.Text;
  EXPECT_EQ(hedge, c.ExpectedFound ? c.ExpectedHedge : bfhDivide) << c.Text;
  EXPECT_EQ(onValues, c.ExpectedFound ? c.ExpectedOnValues : !c.ExpectedOnValues) << c.Text;
}

INSTANTIATE_TEST_SUITE_P(Symbols, HedgeOperatorTable,
                         ::testing::Values(HedgeOperatorCase{"^", true, bfhPower, true},
                                           HedgeOperatorCase{"^X", true, bfhPower, false},
                                           HedgeOperatorCase{"+X", true, bfhAdd, false},
                                           HedgeOperatorCase{"<", true, bfhCutLess, true},
                                           HedgeOperatorCase{"<=", true, bfgCutLessEq, true},
                                           HedgeOperatorCase{"<=X", true, bfgCutLessEq, false},
                                           HedgeOperatorCase{">=X", true, bfhCutGreaterEq, false},
                                           HedgeOperatorCase{"X", false, bfhAdd, false},
                                           HedgeOperatorCase{"X", false, bfhAdd, true},
                                           HedgeOperatorCase{"^x", false, bfhAdd, true},
                                           HedgeOperatorCase{" ^", false, bfhAdd, true},
                                           HedgeOperatorCase{"^XX", false, bfhAdd, true},
                                           HedgeOperatorCase{"=<", false, bfhAdd, true},
                                           HedgeOperatorCase{"", false, bfhAdd, false}));

struct KeywordCase {
  const char* Text;
  bool ExpectedFound;
  bool ExpectedIsUnion;
  TFuzzyOperation ExpectedOperation;
};

class KeywordTable : public ::testing::TestWithParam<KeywordCase> {};

TEST_P(KeywordTable, TellsUnionFromIntersectionAndAlwaysSetsTheFlag) {
  const KeywordCase& c = GetParam();
  bool isUnion = !c.ExpectedIsUnion;
  TFuzzyOperation operation = foBoundedSum;
  EXPECT_EQ(IsFuzzyKeyword(c.Text, isUnion, operation), c.ExpectedFound) << c.Text;
  EXPECT_EQ(isUnion, c.ExpectedIsUnion) << c.Text;
  EXPECT_EQ(operation, c.ExpectedOperation) << c.Text;
}

INSTANTIATE_TEST_SUITE_P(Keywords, KeywordTable,
                         ::testing::Values(KeywordCase{"and-sum", true, false, foSum},
                                           KeywordCase{"or", true, true, foZadeh},
                                           KeywordCase{"and", true, false, foZadeh},
                                           KeywordCase{"or-meansqr", true, true, foMeanSqr},
                                           KeywordCase{"and-meansqrt", true, false, foMeanSqrt},
                                           KeywordCase{"mean", false, true, foBoundedSum},
                                           KeywordCase{"or-mean-sqr", false, true, foBoundedSum},
                                           KeywordCase{"And", false, true, foBoundedSum},
                                           KeywordCase{"and ", false, true, foBoundedSum}));

class ReservedNameTable : public ::testing::TestWithParam<std::pair<const char*, bool>> {};

TEST_P(ReservedNameTable, ReservesWhatAnExpressionWouldReadAsAnOperator) {
  EXPECT_EQ(IsReservedFuzzyName(GetParam().first), GetParam().second) << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(Names, ReservedNameTable,
                         ::testing::Values(std::pair{"and", true}, std::pair{"or-boundedsum", true},
                                           std::pair{"^X", true}, std::pair{">", true},
                                           std::pair{"very", true}, std::pair{"not", true},
                                           std::pair{"zadeh", false}, std::pair{"minimum", false},
                                           std::pair{"min-max", false}, std::pair{"high", false},
                                           std::pair{"Very", false}, std::pair{"__Empty", false}));

}  // namespace
}  // namespace fuzzy
