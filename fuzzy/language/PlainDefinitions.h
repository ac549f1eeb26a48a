// TPlainDefinitions: the reader's short way through definition text. A definition is plain when
// it is certain to be read without an error (a range, units, terms that are triangles or point
// lists) and nobody is there to watch it being read. Such a definition is cut into tokens that
// are values (their text a view into the source, their number converted once), checked whole,
// and then made with the same calls on the component the reader makes, in the same order. At
// the first definition that is not plain it stops: the reader takes over there with token
// objects, so every message, line and parsed text stays the reader's own.
#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <vector>

#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/language/FuzzyLogicTokenStream.h"

namespace fuzzy {

class TFuzzyLogic;
class TFuzzySet;
class TFuzzyVariable;
class TKWFuzzyLogicParser;
class TVariableNameIndex;

class TPlainDefinitions {
 public:
  // Whether reading may go this way at all: the library's own parser, component, variable and
  // term classes (a descendant may read or be told in its own way), and no handler of either
  // that could see a definition being read.
  static bool Serves(const TKWFuzzyLogicParser* parser, const TFuzzyLogic* logic);

  TPlainDefinitions(std::string_view text, TFuzzyLogic* logic, TVariableNameIndex& names)
      : FText(text), FLogic(logic), FNames(names) {}
  // Reads the plain definitions from the start of the text; answers where the first token that
  // does not begin one stands (Offset is the text's length when every definition was plain).
  TTextPosition Read();

 private:
  struct TToken {
    int Kind;
    std::string_view Text;
    TFzyFloat Number;
  };

  // Cuts the group that starts at the position into FTokens, as the tokenizer would cut it,
  // with an end token after it; false when it is no group, or one the tokenizer would refuse or
  // whose words or strings hold escapes.
  bool CutGroup();
  void SkipBlanks();
  bool CutString();
  bool CutWord();
  void CountLineEnd(char c);
  // These two run for every token, some of them several times: kept inline.
  void AddToken(int kind, std::string_view text, TFzyFloat number = 0) {
    FTokens.push_back({kind, text, number});
  }
  // The token at i; past the end, the end token.
  const TToken& At(std::size_t i) const { return FTokens[std::min(i, FTokens.size() - 1)]; }
  std::size_t WalkHeader(std::string_view& name, std::string_view& comment) const;
  // Whether the definition cut is plain; then Build makes it.
  bool IsPlain();
  void Build();
  template <bool Make>
  bool WalkClauses(TFuzzyVariable* variable, std::size_t i);
  template <bool Make>
  bool WalkTerm(TFuzzyVariable* variable, std::size_t& i);
  template <bool Make>
  bool WalkPoints(TFuzzyVariable* variable, std::size_t& i, TFuzzySet*& fuzzySet);
  bool HasName(std::string_view name) const;

  std::string_view FText;
  TFuzzyLogic* FLogic;
  TVariableNameIndex& FNames;
  std::size_t FPosition = 0;
  int FLine = 1;
  std::vector<TToken> FTokens;
  // The term names of the definition being checked, for its duplicate test.
  std::vector<std::string_view> FTermNames;
};

}  // namespace fuzzy
