#include "fuzzy/consts/FuzzyText.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyNames.h"

namespace fuzzy {
namespace {

// Texts that the name builders treat differently: blanks inside and at the ends, brackets that
// do and do not pair up, characters to escape at the start and further on, and nothing at all.
const std::vector<std::string> Samples = {
    "",      "cold",    "very cold", " cold",   "cold ", "[a b]",   "[a] [b]", "[a b",       "a b]",
    "]a b[", "[[a] b]", "[a]] [[b]", "a\\b",    "\\ab",  "e\"f;g",  "x|y~z&w", "[",          "]",
    "[]",    "[ ]",     "\t[a b]",   "[a b]\n", "a",     "a [b c]", "[a b] c", "[[a b] c] d"};

// A plain text, and the same text made of pieces: its first half, then the rest.
TFuzzyText InPieces(const std::string& text) {
  const std::size_t half = text.size() / 2;
  return TFuzzyText::Join({TFuzzyText(text.substr(0, half)), TFuzzyText(text.substr(half))});
}

class FuzzyTextBuilders : public ::testing::TestWithParam<std::string> {};

// Whether whole or in pieces, a text gives what the plain-text builders give.
TEST_P(FuzzyTextBuilders, GiveWhatThePlainBuildersGive) {
  const std::string& text = GetParam();
  for (const TFuzzyText& shared : {TFuzzyText(text), InPieces(text)}) {
    EXPECT_EQ(shared.ToString(), text);
    EXPECT_TRUE(shared.Equals(text));
    EXPECT_EQ(FormatFuzzyExpression(shared).ToString(),
              FormatFuzzyExpression(std::string_view(text)));
    EXPECT_EQ(EscapeFuzzyName(shared).ToString(), EscapeFuzzyName(std::string_view(text)));
    for (const std::string& other : Samples) {
      EXPECT_EQ(CreateFuzzyName(shared, InPieces(other), "and").ToString(),
                CreateFuzzyName(std::string_view(text), std::string_view(other), "and"))
          << '"' << other << '"';
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Samples, FuzzyTextBuilders, ::testing::ValuesIn(Samples));

// Each link holds the one before it, as the results of a long and-chain do: building, printing
// and freeing it must not recurse as deep as the chain is long.
TEST(FuzzyText, AChainAHundredThousandLongIsBuiltPrintedAndFreed) {
  constexpr int Links = 100000;
  TFuzzyText chain("cold");
  for (int i = 1; i < Links; ++i) chain = CreateFuzzyName(chain, TFuzzyText("cold"), "and");
  const std::string text = chain.ToString();
  EXPECT_EQ(text.size(), chain.GetLength());
  EXPECT_TRUE(text.ends_with("cold] and cold] and cold"));
}

}  // namespace
}  // namespace fuzzy
