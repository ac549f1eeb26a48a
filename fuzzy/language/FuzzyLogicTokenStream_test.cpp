#include "fuzzy/language/FuzzyLogicTokenStream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyExceptions.h"

namespace fuzzy {
namespace {

TOwned<TFuzzyLogicTokenStream> Open(const std::string& text) {
  return Own(TFuzzyLogicTokenStream::Create(TKWStringStream::Create(text), true));
}

// Every token up to (not including) the end of input.
std::vector<IPtr<IFuzzyStreamToken>> ReadAll(const std::string& text) {
  TOwned<TFuzzyLogicTokenStream> stream = Open(text);
  std::vector<IPtr<IFuzzyStreamToken>> tokens;
  for (IPtr<IFuzzyStreamToken> token = stream->NextToken(); token->GetDataType() != fstNone;
       token = stream->NextToken()) {
    tokens.push_back(token);
  }
  return tokens;
}

std::vector<std::string> Printed(const std::string& text) {
  std::vector<std::string> result;
  for (const auto& token : ReadAll(text)) result.push_back(token->ToString());
  return result;
}

std::vector<int> Lines(const std::string& text) {
  std::vector<int> result;
  for (const auto& token : ReadAll(text)) result.push_back(token->GetLineNumber());
  return result;
}

std::vector<int> Kinds(const std::string& text) {
  std::vector<int> result;
  for (const auto& token : ReadAll(text)) result.push_back(token->GetDataType());
  return result;
}

TEST(FuzzyLogicTokenStream, EmptyTextEndsAgainAndAgain) {
  for (const char* text : {"", "  \t\r\n ", "; only a comment"}) {
    TOwned<TFuzzyLogicTokenStream> stream = Open(text);
    for (int i = 0; i < 3; ++i) {
      const IPtr<IFuzzyStreamToken> token = stream->NextToken();
      EXPECT_EQ(token->GetDataType(), fstNone) << text;
      EXPECT_EQ(token->ToString(), "EOF");
    }
  }
}

TEST(FuzzyLogicTokenStream, ReadsAFunctionCall) {
  const auto tokens = ReadAll("(tri 1 2.5 -3)");
  EXPECT_EQ(Kinds("(tri 1 2.5 -3)"),
            (std::vector<int>{'(', fstAtom, fstInteger, fstFloat, fstInteger, ')'}));
  ASSERT_EQ(tokens.size(), 6u);
  EXPECT_EQ(tokens[1]->GetText(), "tri");
  EXPECT_EQ(tokens[2]->GetNumber(), 1);
  EXPECT_EQ(tokens[3]->GetNumber(), 2.5);
  EXPECT_EQ(tokens[4]->GetNumber(), -3);
  EXPECT_EQ(tokens[2]->GetText(), "");
}

struct WordCase {
  const char* Source;
  int Kind;
  const char* Text;
  double Number;
};

class FuzzyLogicTokenStreamWords : public ::testing::TestWithParam<WordCase> {};

TEST_P(FuzzyLogicTokenStreamWords, ClassifiesTheWord) {
  const WordCase& word = GetParam();
  const auto tokens = ReadAll(word.Source);
  ASSERT_EQ(tokens.size(), 1u) << word.Source;
  EXPECT_EQ(tokens[0]->GetDataType(), word.Kind) << word.Source;
  EXPECT_EQ(tokens[0]->GetText(), word.Text) << word.Source;
  EXPECT_EQ(tokens[0]->GetNumber(), word.Number) << word.Source;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FuzzyLogicTokenStreamWords,
    ::testing::Values(
        WordCase{"-5", fstInteger, "", -5}, WordCase{"+5", fstInteger, "", 5},
        WordCase{".5", fstFloat, "", 0.5}, WordCase{"-", fstAtom, "-", 0},
        WordCase{"+", fstAtom, "+", 0}, WordCase{".", fstAtom, ".", 0},
        WordCase{"2147483647", fstInteger, "", 2147483647.0},
        WordCase{"-2147483648", fstInteger, "", -2147483648.0},
        WordCase{"2147483648", fstFloat, "", 2147483648.0}, WordCase{"1e3", fstFloat, "", 1000},
        WordCase{"-1.5e-2", fstFloat, "", -0.015}, WordCase{"5a", fstAtom, "5a", 0},
        WordCase{"--5", fstAtom, "--5", 0}, WordCase{"?x", fstVariable, "x", 0},
        WordCase{"?", fstVariable, "", 0}, WordCase{"a=b", fstAtom, "a=b", 0},
        WordCase{"<=", fstAtom, "<=", 0}, WordCase{"and-mean", fstAtom, "and-mean", 0},
        WordCase{"caf\xC3\xA9", fstAtom, "caf\xC3\xA9", 0}, WordCase{"x\\ y", fstAtom, "x y", 0},
        WordCase{"a\\(b", fstAtom, "a(b", 0}, WordCase{"end\\", fstAtom, "end", 0}));

struct SplitCase {
  const char* Source;
  std::vector<std::string> Printed;
};

class FuzzyLogicTokenStreamSplits : public ::testing::TestWithParam<SplitCase> {};

TEST_P(FuzzyLogicTokenStreamSplits, EndsWordsWhereTheLanguageDoes) {
  EXPECT_EQ(Printed(GetParam().Source), GetParam().Printed) << GetParam().Source;
}

INSTANTIATE_TEST_SUITE_P(
    Table, FuzzyLogicTokenStreamSplits,
    ::testing::Values(SplitCase{"a<b", {"a", "<b"}}, SplitCase{"a<=b", {"a", "<=b"}},
                      SplitCase{"<= x", {"<=", "x"}}, SplitCase{"a=b =c", {"a=b", "=", "c"}},
                      SplitCase{"a(b)c", {"a", "(", "b", ")", "c"}},
                      SplitCase{"x[y]z", {"x", "[", "y", "]", "z"}},
                      SplitCase{"p|q~r&s", {"p", "|", "q", "~", "r", "&", "s"}},
                      SplitCase{"w\"s t\"v", {"w", "s t", "v"}},
                      SplitCase{"a;comment ( \nb", {"a", "b"}},
                      SplitCase{"(units \"deg C\")", {"(", "units", "deg C", ")"}},
                      SplitCase{") a", {")", "a"}}));

TEST(FuzzyLogicTokenStream, StringsTakeEscapedCharactersLiterally) {
  EXPECT_EQ(Printed("\"a\\\"b\""), std::vector<std::string>{"a\"b"});
  EXPECT_EQ(Printed("\"a\\\\b\""), std::vector<std::string>{"a\\b"});
  EXPECT_EQ(Kinds("\"\" x"), (std::vector<int>{fstString, fstAtom}));
  EXPECT_EQ(Printed("\"a;b(c)\""), std::vector<std::string>{"a;b(c)"});
}

TEST(FuzzyLogicTokenStream, AStringWithoutItsClosingQuoteIsAParseError) {
  for (const char* text : {"(units \"abc", "\n\n\"abc\ndef", "\"abc\\"}) {
    TOwned<TFuzzyLogicTokenStream> stream = Open(text);
    try {
      stream->NextToken();
      ADD_FAILURE() << "no error for " << text;
    } catch (const EFzyParseException& error) {
      const int line = std::string(text)[0] == '\n' ? 3 : 1;
      EXPECT_EQ(error.GetLine(), line) << text;
      EXPECT_EQ(error.GetMessage(), Format(SUnbalancedString, line));
    }
  }
}

struct LineCase {
  const char* Source;
  std::vector<int> Lines;
};

class FuzzyLogicTokenStreamLines : public ::testing::TestWithParam<LineCase> {};

TEST_P(FuzzyLogicTokenStreamLines, EachTokenCarriesTheLineItStandsOn) {
  EXPECT_EQ(Lines(GetParam().Source), GetParam().Lines);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FuzzyLogicTokenStreamLines,
    ::testing::Values(LineCase{"a\nb", {1, 2}}, LineCase{"a\rb", {1, 2}},
                      LineCase{"a\r\nb", {1, 2}}, LineCase{"a \n b", {1, 2}},
                      LineCase{"a \r b", {1, 2}}, LineCase{"a \r\n b", {1, 2}},
                      LineCase{"a\n\nb", {1, 3}}, LineCase{"a\r\r\nb", {1, 3}},
                      LineCase{"a\r\n\r\nb", {1, 3}}, LineCase{"(a\nb)\n", {1, 1, 2, 2}},
                      LineCase{"(a\rb)", {1, 1, 2, 2}}, LineCase{"\"x\ny\"\nz", {2, 3}},
                      LineCase{"\"x\r\ny\" z", {2, 2}}, LineCase{"; c\r\n;d\rz", {3}},
                      LineCase{"a ; c\nb", {1, 2}}, LineCase{"a\\\nb c", {2, 2}}));

TEST(FuzzyLogicTokenStream, ACommentLineBecomesTheNextTokensWhitespace) {
  const auto tokens = ReadAll("; some words\n(a)");
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0]->GetDataType(), '(');
  EXPECT_EQ(tokens[0]->GetLineNumber(), 2);
  EXPECT_EQ(tokens[0]->GetWhitespace(), "; some words\n");
}

TEST(FuzzyLogicTokenStream, DepthFollowsTheParenthesesHandedOut) {
  TOwned<TFuzzyLogicTokenStream> stream = Open("(a (b c) d)");
  std::vector<int> depths;
  while (stream->NextToken()->GetDataType() != fstNone) depths.push_back(stream->GetDepth());
  EXPECT_EQ(depths, (std::vector<int>{1, 1, 2, 2, 2, 1, 1, 0}));
}

TEST(FuzzyLogicTokenStream, APutBackTokenComesOutAgainAndLeavesTheParsedTextAsBefore) {
  TOwned<TFuzzyLogicTokenStream> stream = Open("(a b c)");
  const IPtr<IFuzzyStreamToken> open = stream->NextToken();
  const IPtr<IFuzzyStreamToken> a = stream->NextToken();
  const IPtr<IFuzzyStreamToken> b = stream->NextToken();
  EXPECT_EQ(stream->ToString(), "( a b ");

  stream->PutBackToken(b);
  stream->PutBackToken(a);
  stream->PutBackToken(open);
  EXPECT_EQ(stream->GetDepth(), 0);
  EXPECT_EQ(stream->GetCurrentToken().get(), open.get());

  EXPECT_EQ(stream->NextToken().get(), open.get());
  EXPECT_EQ(stream->NextToken().get(), a.get());
  EXPECT_EQ(stream->ToString(), "( a ");
  EXPECT_EQ(stream->NextToken().get(), b.get());
  EXPECT_EQ(stream->NextToken()->ToString(), "c");
  EXPECT_EQ(stream->ToString(), "( a b c ");
  EXPECT_EQ(stream->GetDepth(), 1);
}

TEST(FuzzyLogicTokenStream, ParsedTextBreaksLinesAndStartsAfreshWithEachGroup) {
  TOwned<TFuzzyLogicTokenStream> stream = Open("(a\nb) (c)");
  for (int i = 0; i < 4; ++i) stream->NextToken();
  EXPECT_EQ(stream->ToString(), "( a \nb ) ");
  stream->NextToken();
  EXPECT_EQ(stream->ToString(), "( ");
}

TEST(FuzzyLogicTokenStream, HeadNamesTheGroupWithoutReadingIt) {
  TOwned<TFuzzyLogicTokenStream> stream = Open("(deffuzzy x) (= a) ((0 0)) word (b)");
  EXPECT_EQ(stream->Head(), "deffuzzy");
  EXPECT_EQ(stream->GetDepth(), 0);
  EXPECT_EQ(stream->NextToken()->GetDataType(), '(');
  EXPECT_EQ(stream->NextToken()->GetText(), "deffuzzy");
  stream->MoveToNextConstruct();
  EXPECT_EQ(stream->Head(), "=");
  stream->NextToken();
  stream->MoveToNextConstruct();
  EXPECT_EQ(stream->Head(), "");
  stream->NextToken();
  stream->MoveToNextConstruct();
  EXPECT_EQ(stream->Head(), "");  // "word" is not a group, and is consumed
  EXPECT_EQ(stream->NextToken()->GetDataType(), '(');
}

TEST(FuzzyLogicTokenStream, MoveToNextConstructSkipsTheRestOfTheGroup) {
  TOwned<TFuzzyLogicTokenStream> stream = Open("(a (b c) d) (e)");
  for (int i = 0; i < 3; ++i) stream->NextToken();
  stream->MoveToNextConstruct();
  EXPECT_EQ(stream->GetDepth(), 0);
  EXPECT_EQ(stream->NextToken()->GetDataType(), '(');
  EXPECT_EQ(stream->NextToken()->GetText(), "e");

  TOwned<TFuzzyLogicTokenStream> open = Open("(a (b");
  open->NextToken();
  open->MoveToNextConstruct();
  EXPECT_EQ(open->GetCurrentToken()->GetDataType(), fstNone);
}

TEST(FuzzyLogicTokenStream, DiscardUntilEOLDropsTheRestOfTheLine) {
  TOwned<TFuzzyLogicTokenStream> stream = Open("skip (this)\r\n(y)");
  stream->DiscardUntilEOL();
  const IPtr<IFuzzyStreamToken> token = stream->NextToken();
  EXPECT_EQ(token->GetDataType(), '(');
  EXPECT_EQ(token->GetLineNumber(), 2);
}

TEST(FuzzyLogicTokenStream, AGroupClosedByTheLastCharacterIsReadWhole) {
  TOwned<TFuzzyLogicTokenStream> stream = Open("(deffuzzy a)");
  stream->NextToken();
  EXPECT_FALSE(stream->IsEof());
  stream->NextToken();
  stream->NextToken();
  EXPECT_FALSE(stream->IsEof());
  EXPECT_EQ(stream->NextToken()->GetDataType(), ')');
  EXPECT_TRUE(stream->IsEof());
  EXPECT_EQ(stream->NextToken()->GetDataType(), fstNone);

  TOwned<TFuzzyLogicTokenStream> trailing = Open("(a)\n");
  for (int i = 0; i < 3; ++i) trailing->NextToken();
  EXPECT_FALSE(trailing->IsEof());
  EXPECT_EQ(trailing->NextToken()->GetDataType(), fstNone);
  EXPECT_TRUE(trailing->IsEof());
}

std::string Nested(int depth) {
  return std::string(static_cast<std::size_t>(depth), '(') + "x" +
         std::string(static_cast<std::size_t>(depth), ')');
}

TEST(FuzzyLogicTokenStream, NestingIsLimitedTo256) {
  EXPECT_EQ(ReadAll(Nested(MaxFuzzyNesting)).size(), 2u * MaxFuzzyNesting + 1);

  TOwned<TFuzzyLogicTokenStream> stream = Open("(a)\n" + Nested(MaxFuzzyNesting + 1));
  for (int i = 0; i < 3; ++i) stream->NextToken();
  try {
    stream->NextToken();
    ADD_FAILURE() << "no error";
  } catch (const EFzyParseException& error) {
    EXPECT_EQ(error.GetLine(), 2);
    EXPECT_EQ(error.GetMessage(), Format(SNestingTooDeep, MaxFuzzyNesting, 2));
  }
}

TEST(FuzzyLogicTokenStream, LongTextDoesNotDeepenTheStack) {
  std::string comments;
  for (int i = 0; i < 100000; ++i) comments += ";c\n";
  const auto tokens = ReadAll(comments + "(a)");
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0]->GetLineNumber(), 100001);

  EXPECT_THROW(ReadAll(Nested(100000)), EFzyParseException);
}

TEST(FuzzyLogicTokenStream, PuttingBackInALongGroupKeepsTheParsedTextRight) {
  std::string manyAtoms;
  for (int i = 0; i < 50000; ++i) manyAtoms += "ab ";
  TOwned<TFuzzyLogicTokenStream> stream = Open("(" + manyAtoms + ")");
  int atoms = 0;
  for (IPtr<IFuzzyStreamToken> token = stream->NextToken(); token->GetDataType() != ')';
       token = stream->NextToken()) {
    stream->PutBackToken(token);
    stream->NextToken();
    atoms += token->GetDataType() == fstAtom ? 1 : 0;
  }
  EXPECT_EQ(atoms, 50000);
  // Compared as a whole: a mismatch in a text this long is not worth printing.
  EXPECT_TRUE(stream->ToString() == "( " + manyAtoms + ") ");
}

// Opens FinishToken, which the stream only calls with the kinds it makes itself.
class TExposedTokenStream : public TFuzzyLogicTokenStream {
 public:
  static TExposedTokenStream* Create() {
    return Constructed(new TExposedTokenStream(TKWStringStream::Create(""), true));
  }
  using TFuzzyLogicTokenStream::FinishToken;

 protected:
  using TFuzzyLogicTokenStream::TFuzzyLogicTokenStream;
};

TEST(FuzzyLogicTokenStream, FinishTokenRefusesUnknownKinds) {
  TOwned<TExposedTokenStream> stream(TExposedTokenStream::Create());
  EXPECT_EQ(stream->FinishToken(13, "")->ToString(), "CRLF");
  EXPECT_EQ(stream->FinishToken(-1, "12")->GetDataType(), fstInteger);
  EXPECT_EQ(stream->FinishToken(-1, "")->GetDataType(), fstNone);
  try {
    stream->FinishToken(7, "x");
    ADD_FAILURE() << "no error";
  } catch (const EFzyParseException& error) {
    EXPECT_EQ(error.GetMessage(), "Invalid token type 7 at line 1");
  }
}

}  // namespace
}  // namespace fuzzy
