#include "fuzzy/consts/FuzzyConsts.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>

namespace fuzzy {
namespace {

// Both enumerations name members with "fst"; they must stay two one-byte types.
static_assert(!std::is_same_v<decltype(fstNone), decltype(fstUserDefined)>);
static_assert(sizeof(TFuzzySetType) == 1 && sizeof(TFuzzyStreamTokenType) == 1);
static_assert(sizeof(TFzyFloat) == 8);

struct MemberCase {
  int Ordinal;
  std::string Name;
  int ExpectedOrdinal;
  const char* ExpectedName;
};

template <class E>
MemberCase Member(E member, int expectedOrdinal, const char* expectedName) {
  return {static_cast<int>(member), GetEnumName(member), expectedOrdinal, expectedName};
}

class MemberTable : public ::testing::TestWithParam<MemberCase> {};

TEST_P(MemberTable, KeepsDeclarationOrderAndDeclaredName) {
  EXPECT_EQ(GetParam().Ordinal, GetParam().ExpectedOrdinal) << GetParam().ExpectedName;
  EXPECT_EQ(GetParam().Name, GetParam().ExpectedName);
}

INSTANTIATE_TEST_SUITE_P(
    Enumerations, MemberTable,
    ::testing::Values(
        Member(fcmProduct, 1, "fcmProduct"), Member(fimBoundedSum, 4, "fimBoundedSum"),
        Member(bfgCutLessEq, 6, "bfgCutLessEq"), Member(bfhCutGreaterEq, 8, "bfhCutGreaterEq"),
        Member(dmMeanOfMaxima, 1, "dmMeanOfMaxima"), Member(fstGrowthCurve, 5, "fstGrowthCurve"),
        Member(fstPICurve, 3, "fstPICurve"), Member(fhGenerally, 19, "fhGenerally"),
        Member(fhNormalize, 10, "fhNormalize"), Member(foMeanSqrt, 3, "foMeanSqrt"),
        Member(foSum, 6, "foSum"), Member(utY, 1, "utY"), Member(fstIFuzzySet, 8, "fstIFuzzySet"),
        Member(fstFuzzySet, 10, "fstFuzzySet")));

struct EntryCase {
  const char* Label;
  std::string Actual;
  std::string Expected;
};

class EntryTable : public ::testing::TestWithParam<EntryCase> {};

TEST_P(EntryTable, HoldsTheExactText) {
  EXPECT_EQ(GetParam().Actual, GetParam().Expected) << GetParam().Label;
}

INSTANTIATE_TEST_SUITE_P(
    NameTables, EntryTable,
    ::testing::Values(EntryCase{"one-word hedge", HedgeNames[fhMoreOrLess], "moreorless"},
                      EntryCase{"last hedge", HedgeNames[fhGenerally], "generally"},
                      EntryCase{"bfg symbol", BaseHedgeNames[bfgCutLessEq], "<="},
                      EntryCase{"operation name", FuzzyOperationNames[foMeanSqr], "mean-sqr"},
                      EntryCase{"union keyword", FuzzyUnionKeywords[foMeanSqr], "or-meansqr"},
                      EntryCase{"intersection keyword", FuzzyIntersectionKeywords[foBoundedSum],
                                "and-boundedsum"},
                      EntryCase{"additive inference", FuzzyInferenceNames[fimAdditive], "sum"},
                      EntryCase{"display list", FuzzyInferenceSuffixNameList,
                                "MinMax, Additive, Mean, Product, BoundedSum"}));

INSTANTIATE_TEST_SUITE_P(
    Messages, EntryTable,
    ::testing::Values(
        EntryCase{"unbalanced quote", Format(SInvalidFuzzyOperation, "zadeh"),
                  "Invalid fuzzy operation: \"zadeh:"},
        EntryCase{"doubled blank", Format(SFuzzySetEmpty, "Maximum"),
                  "Invalid operation: \"Maximum\".  Fuzzy set is empty"},
        EntryCase{"two values", Format(SInvalidRangeArguments, 2.0, 1.5),
                  "Invalid range arguments.  Left (2.0000) is greater than right (1.5000)"},
        EntryCase{"parse error", Format(SFzyParseError, "Expected number", "ParseTerm", "3", "x"),
                  "Parsing Error, Expected number in ParseTerm at line 3: \"x\""},
        EntryCase{"expected arguments", Format(SFzyArgNumWrong, "pi", SPIArgsExpected),
                  "Number of arguments for function, pi, incorrect.  Expected \"\"Left Right "
                  "Center\" or \"Range Center\"\""},
        EntryCase{"close parenthesis", SFzyMissingCloseParens, "Expected \")\""},
        EntryCase{"lower-case start", SFzyUndefinedVariable, "fuzzy variable is not defined"}));

TEST(HedgeModifiers, UseTheNearestDoublesOfTheThirds) {
  EXPECT_EQ(HedgeModifiers[fhSomewhat], 1.0 / 3.0);
  EXPECT_EQ(TWO_THIRDS, 2.0 / 3.0);
  EXPECT_EQ(HedgeModifiers[fhVicinity], 4.0);
  EXPECT_EQ(HedgeModifiers[fhGenerally], 0.5);
}

TEST(FuzzyStreamTokenTypes, HoldsTheLastMember) {
  const TFuzzyStreamTokenTypes types{fstAtom, fstFuzzySet};
  EXPECT_TRUE(types.Contains(fstFuzzySet));
  EXPECT_FALSE(types.Contains(fstObject));
  EXPECT_FALSE(TXYUpdateTypes{utX}.Contains(utY));
}

TEST(EFzyException, FormatsItsMessageAndIsAnEKWException) {
  try {
    throw EFzyException::CreateFmt(SInvalidXRangeIndex, 7);
  } catch (const EKWException& e) {
    EXPECT_STREQ(e.what(), "Invalid index argument to GetXRange.  Index = 7");
    EXPECT_NE(dynamic_cast<const EFzyException*>(&e), nullptr);
  }
}

TEST(EFzyException, MissingFormatArgumentRaisesAConversionErrorInstead) {
  EXPECT_THROW(EFzyException::CreateFmt(SUnknownFuzzySetName), EConvertError);
}

TEST(EFzyParseException, KeepsItsLineWhenCaughtAsTheBaseException) {
  try {
    throw EFzyParseException::CreateFmt(12, SFzyUnexpectedToken, "hello");
  } catch (const EFzyException& e) {
    const auto* parseError = dynamic_cast<const EFzyParseException*>(&e);
    ASSERT_NE(parseError, nullptr);
    EXPECT_EQ(parseError->GetLine(), 12);
    EXPECT_EQ(e.GetMessage(), "Unexpected token: \"hello\"");
  }
  EFzyParseException unformatted(SFuzzyLogicNotSet);
  EXPECT_EQ(unformatted.GetLine(), 0);
  unformatted.SetLine(-1);
  EXPECT_EQ(unformatted.GetLine(), -1);
}

}  // namespace
}  // namespace fuzzy
