#include "fuzzy/logic/FuzzyLogicParser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzzy/logic/LogicTestSupport.h"
#include "fuzzy/membership/FuzzySetValues.h"

namespace fuzzy {
namespace {

using testing_support::Args;
using testing_support::FzyMessageOf;
using testing_support::TFixedTextParser;

// ---- the logic component link ----------------------------------------------------------------

TEST(FuzzyLogicParserLink, RemovingTheComponentFromItsOwnerClearsFuzzyLogic) {
  auto form = Own(TComponent::Create(nullptr));
  TFuzzyLogic* logic = TFuzzyLogic::Create(form.get());
  TFixedTextParser* parser = TFixedTextParser::Create(form.get());
  parser->SetFuzzyLogic(logic);
  form->RemoveComponent(logic);
  auto removed = Own(logic);
  EXPECT_EQ(parser->GetFuzzyLogic(), nullptr);
}

TEST(FuzzyLogicParserLink, FreeingTheComponentClearsFuzzyLogic) {
  auto parser = Own(TFixedTextParser::Create(nullptr));
  auto logic = Own(TFuzzyLogic::Create(nullptr));
  parser->SetFuzzyLogic(logic.get());
  logic.reset();
  EXPECT_EQ(parser->GetFuzzyLogic(), nullptr);
}

TEST(FuzzyLogicParserLink, NumFunctionValuesComeFromTheComponentOrAreSeven) {
  auto parser = Own(TFixedTextParser::Create(nullptr));
  auto set = Own(TFuzzySet::Create(nullptr));
  parser->CalcFuzzyFunction(set.get(), "s", Args({0, 1}));
  EXPECT_EQ(set->GetValues()->GetCount(), 7);
  auto logic = Own(TFuzzyLogic::Create(nullptr));
  logic->SetNumFunctionValues(4);
  parser->SetFuzzyLogic(logic.get());
  set->GetValues()->Clear();
  parser->CalcFuzzyFunction(set.get(), "s", Args({0, 1}));
  EXPECT_EQ(set->GetValues()->GetCount(), 4);
}

// ---- Parse -----------------------------------------------------------------------------------

TEST(FuzzyLogicParserParse, WithoutAComponentRaisesAParseErrorAndCallsNoHandler) {
  auto parser = Own(TFixedTextParser::Create(nullptr));
  bool called = false;
  parser->SetOnBeforeParse([&](TObject*) { called = true; });
  try {
    parser->Parse("speed");
    FAIL() << "no exception";
  } catch (const EFzyParseException& error) {
    EXPECT_EQ(error.GetMessage(), "Fuzzy Logic component must be specified to parse");
  }
  EXPECT_FALSE(called);
  EXPECT_TRUE(parser->Parsed.empty());
}

TEST(FuzzyLogicParserParse, ReadsBetweenTheBeforeAndAfterHandlers) {
  auto parser = Own(TFixedTextParser::Create(nullptr));
  auto logic = Own(TFuzzyLogic::Create(nullptr));
  parser->SetFuzzyLogic(logic.get());
  std::vector<std::string> seen;
  parser->SetOnBeforeParse([&](TObject* sender) {
    EXPECT_EQ(sender, parser.get());
    seen.push_back("before " + IntToStr(logic->GetItems()->GetCount()));
  });
  parser->SetOnAfterParse(
      [&](TObject*) { seen.push_back("after " + IntToStr(logic->GetItems()->GetCount())); });
  parser->Parse("speed");
  EXPECT_EQ(seen, (std::vector<std::string>{"before 0", "after 1"}));
}

// ---- ParseError ------------------------------------------------------------------------------

EFzyParseException CaughtParseError(TFixedTextParser* parser) {
  try {
    parser->ParseError("ParseFuzzySet", "Missing \"%s\" here", {")"});
  } catch (const EFzyParseException& error) {
    return error;
  }
  return EFzyParseException("no exception");
}

TEST(FuzzyLogicParserError, NamesTheMessageRoutineLineAndParsedText) {
  auto parser = Own(TFixedTextParser::Create(nullptr));
  parser->ParsedText = "(deffuzzy speed";
  parser->LineNumber = 12;
  const EFzyParseException error = CaughtParseError(parser.get());
  EXPECT_EQ(error.GetMessage(),
            "Parsing Error, Missing \")\" here in ParseFuzzySet at line 12: \"(deffuzzy speed\"");
  EXPECT_EQ(error.GetLine(), 12);
}

TEST(FuzzyLogicParserError, DefaultsToNoTextAndLineZero) {
  auto parser = Own(TFixedTextParser::Create(nullptr));
  EXPECT_EQ(FzyMessageOf([&] { parser->ParseError("R", "boom"); }),
            "Parsing Error, boom in R at line 0: \"\"");
}

struct TQuotedCase {
  std::size_t Length;
  bool Shortened;
};

class FuzzyLogicParserQuotedText : public ::testing::TestWithParam<TQuotedCase> {};

TEST_P(FuzzyLogicParserQuotedText, KeepsOnlyBothEndsOfALongText) {
  std::string text;
  for (std::size_t i = 0; i < GetParam().Length; ++i) text += static_cast<char>('a' + i % 26);
  const std::string quoted =
      GetParam().Shortened ? text.substr(0, 128) + "... \n" + text.substr(text.size() - 128) : text;
  EXPECT_EQ(TCustomFuzzyLogicParser::CreateParseError("R", "m", text, 3).GetMessage(),
            "Parsing Error, m in R at line 3: \"" + quoted + "\"");
}

INSTANTIATE_TEST_SUITE_P(Lengths, FuzzyLogicParserQuotedText,
                         ::testing::Values(TQuotedCase{255, false}, TQuotedCase{256, true},
                                           TQuotedCase{300, true}));

// ---- VerifyAll -------------------------------------------------------------------------------

TEST(FuzzyLogicParserVerifyAll, AsksEveryTokenToBeOfTheKindsGiven) {
  const TFuzzyStreamTokenTypes numbers{fstInteger, fstFloat};
  EXPECT_TRUE(TCustomFuzzyLogicParser::VerifyAll(Args({}), numbers));
  EXPECT_TRUE(TCustomFuzzyLogicParser::VerifyAll(nullptr, numbers));
  EXPECT_TRUE(TCustomFuzzyLogicParser::VerifyAll(Args({1, 2.5}), numbers));
  EXPECT_FALSE(TCustomFuzzyLogicParser::VerifyAll(Args({1, "x"}), numbers));
  EXPECT_TRUE(TCustomFuzzyLogicParser::VerifyAll(Args({"x"}), {fstAtom}));
}

TEST(FuzzyLogicParserVerifyAll, NeverAcceptsPunctuation) {
  IPtr<TFuzzyStreamTokenList> list = TFuzzyStreamTokenList::Create();
  list->Add(IPtr<IFuzzyStreamToken>(TFuzzyStreamToken::Create('(', "(")));
  TFuzzyStreamTokenTypes all;
  for (TFuzzyStreamTokenType kind : EnumMembers<TFuzzyStreamTokenType>()) all.Include(kind);
  EXPECT_FALSE(TCustomFuzzyLogicParser::VerifyAll(list, all));
}

// ---- the parser as IFuzzyParser --------------------------------------------------------------

TEST(FuzzyLogicParserInterface, ServesIFuzzyParserWithoutCountingOrFreeing) {
  auto parser = Own(TFixedTextParser::Create(nullptr));
  IPtr<IFuzzyParser> intf;
  ASSERT_TRUE(Supports(static_cast<TObject*>(parser.get()), intf));
  EXPECT_EQ(intf.get(), static_cast<IFuzzyParser*>(parser.get()));
  EXPECT_EQ(intf->_AddRef(), -1);
  EXPECT_EQ(intf->_Release(), -1);
  intf.reset();
  parser->ParsedText = "still here";
}

}  // namespace
}  // namespace fuzzy
