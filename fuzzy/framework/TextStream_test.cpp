#include "fuzzy/framework/TextStream.h"

#include <gtest/gtest.h>

namespace fuzzy {
namespace {

TOwned<TGTextStream> TextOver(const std::string& text) {
  return Own(TGTextStream::Create(TStringStream::Create(text), true));
}

TEST(TextStream, EmptyStreamIsAtEndAndAnswersNothing) {
  auto text = TextOver("");
  char c = 'x';
  EXPECT_TRUE(text->IsEof());
  EXPECT_FALSE(text->GetChar(c));
  EXPECT_EQ(c, 'x');
  EXPECT_EQ(text->GetChar(), '\0');
  EXPECT_EQ(text->GetLine(), "");
  EXPECT_TRUE(text->IsEof());
}

TEST(TextStream, GetCharWalksTheTextAndTurnsEofAfterTheLastCharacter) {
  auto text = TextOver("ab");
  EXPECT_FALSE(text->IsEof());
  EXPECT_EQ(text->GetChar(), 'a');
  char c = '\0';
  EXPECT_TRUE(text->GetChar(c));
  EXPECT_EQ(c, 'b');
  EXPECT_TRUE(text->IsEof());
  EXPECT_EQ(text->GetChar(), '\0');
}

TEST(TextStream, PutBackIsLastInFirstOut) {
  auto text = TextOver("z");
  text->PutBack('1');
  text->PutBack('2');
  EXPECT_EQ(text->GetChar(), '2');
  EXPECT_EQ(text->GetChar(), '1');
  EXPECT_EQ(text->GetChar(), 'z');
}

TEST(TextStream, CharacterPutBackAtTheEndCountsAsInput) {
  auto text = TextOver("q");
  EXPECT_EQ(text->GetChar(), 'q');
  EXPECT_TRUE(text->IsEof());
  text->PutBack('q');
  EXPECT_FALSE(text->IsEof());
  EXPECT_EQ(text->GetLine(), "q");
  EXPECT_TRUE(text->IsEof());
}

TEST(TextStream, StartsAtTheStreamsCurrentPosition) {
  TStringStream* stream = TStringStream::Create("skip:rest");
  stream->SetPosition(5);
  auto text = Own(TGTextStream::Create(stream, true));
  EXPECT_EQ(text->GetLine(), "rest");
}

TEST(TextStream, LeavesAStreamItDoesNotOwnToItsOwner) {
  auto stream = Own(TStringStream::Create("abc"));
  Own(TGTextStream::Create(stream.get()))->GetChar();
  EXPECT_EQ(stream->GetPosition(), 3);  // still alive: the read buffer took the whole text
}

struct LineCase {
  const char* text;
  std::vector<std::string> lines;  // every GetLine until the end
};

class TextStreamLines : public testing::TestWithParam<LineCase> {};

TEST_P(TextStreamLines, GetLineDropsEachKindOfLineEnd) {
  auto text = TextOver(GetParam().text);
  std::vector<std::string> lines;
  while (!text->IsEof()) lines.push_back(text->GetLine());
  EXPECT_EQ(lines, GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(LineEnds, TextStreamLines,
                         testing::Values(LineCase{"one", {"one"}}, LineCase{"a\nb", {"a", "b"}},
                                         LineCase{"a\rb", {"a", "b"}},
                                         LineCase{"a\r\nb\r\n", {"a", "b"}},
                                         LineCase{"a\n\rb", {"a", "", "b"}},
                                         LineCase{"\n\n", {"", ""}}, LineCase{"a\r", {"a"}},
                                         LineCase{"x\r\r\ny", {"x", "", "y"}}));

TEST(TextStream, GetLineAfterACharacterReadsTheRestOfThatLine) {
  auto text = TextOver("; note\r(a)");
  EXPECT_EQ(text->GetChar(), ';');
  EXPECT_EQ(text->GetLine(), " note");
  EXPECT_EQ(text->GetChar(), '(');
}

TEST(TextStream, ReadsTextsLongerThanOneBlock) {
  std::string long_text(10000, 'x');
  long_text[4095] = '\n';
  long_text[4096] = 'y';
  auto text = TextOver(long_text);
  EXPECT_EQ(text->GetLine().size(), 4095u);
  EXPECT_EQ(text->GetChar(), 'y');
  EXPECT_EQ(text->GetLine().size(), 10000u - 4097u);
  EXPECT_TRUE(text->IsEof());
}

// A descendant that counts line feeds the way the tokenizer does.
class TCountingText : public TGTextStream {
 public:
  static TCountingText* Create(TStream* stream) { return Constructed(new TCountingText(stream)); }
  using TGTextStream::GetChar;
  char GetChar() override {
    const char c = TGTextStream::GetChar();
    if (c == '\n') ++FLineFeeds;
    return c;
  }
  int GetLineFeeds() const { return FLineFeeds; }

 protected:
  explicit TCountingText(TStream* stream) : TGTextStream(stream, true) {}

 private:
  int FLineFeeds = 0;
};

TEST(TextStream, OutParameterReadAndGetLineBypassTheVirtualGetChar) {
  auto text = Own(TCountingText::Create(TStringStream::Create("a\nb\nc\n")));
  char c = '\0';
  EXPECT_TRUE(text->GetChar(c));  // 'a'
  EXPECT_TRUE(text->GetChar(c));  // '\n'
  EXPECT_EQ(text->GetLine(), "b");
  EXPECT_EQ(text->GetLineFeeds(), 0);
  EXPECT_EQ(text->GetChar(), 'c');
  EXPECT_EQ(text->GetChar(), '\n');
  EXPECT_EQ(text->GetLineFeeds(), 1);
}

}  // namespace
}  // namespace fuzzy
