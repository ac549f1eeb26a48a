#include "fuzzy/language/PlainDefinitions.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <typeinfo>

#include "fuzzy/framework/SysUtils.h"
#include "fuzzy/framework/TextConsts.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/language/KWParserReading.h"
#include "fuzzy/language/TokenCharacters.h"
#include "fuzzy/language/VariableNameIndex.h"
#include "fuzzy/language/VariableOutside.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FreeOnError.h"

namespace fuzzy {

using namespace reading;
using namespace token_characters;

namespace {

constexpr char QuoteChar = '"';
constexpr char EscapeChar = '\\';
constexpr char CommentChar = ';';

bool IsNumber(int kind) {
  return kind == fstInteger || kind == fstFloat;
}

template <class TToken>
bool IsWord(const TToken& token, std::string_view word) {
  return token.Kind == fstAtom && token.Text == word;
}

}  // namespace

bool TPlainDefinitions::Serves(const TKWFuzzyLogicParser* parser, const TFuzzyLogic* logic) {
  if (logic == nullptr || typeid(*parser) != typeid(TKWFuzzyLogicParser) ||
      typeid(*logic) != typeid(TFuzzyLogic)) {
    return false;
  }
  const TFuzzyVariables* items = logic->GetItems();
  if (typeid(*items) != typeid(TFuzzyVariables) ||
      !(items->GetVariableClass() == TFuzzyVariableClass::Of<TFuzzyVariable>()) ||
      !(items->GetFuzzySetClass() == TFuzzySetClass::Of<TFuzzySet>())) {
    return false;
  }
  return !parser->GetOnCalcFuzzyFunction() && !parser->GetOnParseFuzzySet() &&
         !parser->GetOnParseFuzzyVariable() && !logic->GetOnChange() &&
         !logic->GetOnVariableAdded() && !logic->GetOnVariableChange() &&
         !logic->GetOnVariableDeleted() && !logic->GetOnFuzzySetAdded() &&
         !logic->GetOnFuzzySetChange() && !logic->GetOnFuzzySetDeleted();
}

TTextPosition TPlainDefinitions::Read() {
  int lastTokenLine = 0;
  for (;;) {
    SkipBlanks();
    const TTextPosition start{FPosition, FLine, lastTokenLine};
    if (FPosition >= FText.size() || !CutGroup() || !IsPlain()) return start;
    Build();
    // Nothing after the definition's ")" has been read yet.
    lastTokenLine = FLine;
  }
}

// ---- Tokens ------------------------------------------------------------------------------------

// The reader counts CR, LF and CR LF as one line each, wherever they stand.
void TPlainDefinitions::CountLineEnd(char c) {
  if (c == '\n') ++FLine;
  if (c == '\r' && (FPosition + 1 >= FText.size() || FText[FPosition + 1] != '\n')) ++FLine;
}

void TPlainDefinitions::SkipBlanks() {
  while (FPosition < FText.size()) {
    const char c = FText[FPosition];
    if (c == CommentChar) {
      while (FPosition < FText.size() && !IsLineEnd(FText[FPosition])) ++FPosition;
      continue;
    }
    if (!IsBlank(c)) return;
    CountLineEnd(c);
    ++FPosition;
  }
}

bool TPlainDefinitions::CutGroup() {
  FTokens.clear();
  int depth = 0;
  do {
    SkipBlanks();
    // A group that runs into the end of the text is the reader's to tell.
    if (FPosition >= FText.size()) return false;
    const char c = FText[FPosition];
    if (IsPunctuation(static_cast<unsigned char>(c))) {
      AddToken(static_cast<unsigned char>(c), FText.substr(FPosition, 1));
      ++FPosition;
      if (c == ')') --depth;
      if (c == '(' && ++depth > MaxFuzzyNesting) return false;
    } else if (c == QuoteChar) {
      if (!CutString()) return false;
    } else if (!CutWord()) {
      return false;
    }
  } while (depth > 0);
  AddToken(fstNone, {});
  return FTokens.front().Kind == '(';
}

bool TPlainDefinitions::CutString() {
  const std::size_t start = ++FPosition;
  for (; FPosition < FText.size(); ++FPosition) {
    const char c = FText[FPosition];
    if (c == EscapeChar) return false;
    if (c == QuoteChar) {
      AddToken(fstString, FText.substr(start, FPosition - start));
      ++FPosition;
      return true;
    }
    CountLineEnd(c);
  }
  return false;
}

// The first character belongs to the word whatever it is; a blank or a character that starts
// another token ends it and is left for the next token.
bool TPlainDefinitions::CutWord() {
  const std::size_t start = FPosition++;
  for (; FPosition < FText.size(); ++FPosition) {
    const char c = FText[FPosition];
    if (IsBlank(c) || EndsWord(c)) break;
    if (c == EscapeChar) return false;
  }
  const std::string_view word = FText.substr(start, FPosition - start);
  if (word[0] == '?') {
    AddToken(fstVariable, word.substr(1));
  } else if (word.size() == 1 && IsNumberSymbol(word[0])) {
    AddToken(fstAtom, word);
  } else if (std::int32_t whole = 0; IsNumberChar(word[0]) && ValInt(word, whole) == 0) {
    AddToken(fstInteger, {}, whole);
  } else if (double real = 0; IsNumberChar(word[0]) && ValFloat(word, real) == 0) {
    AddToken(fstFloat, {}, real);
  } else {
    AddToken(fstAtom, word);
  }
  return true;
}

// ---- Definitions -------------------------------------------------------------------------------

// "(" deffuzzy NAME [COMMENT]: the index of the first token after it, 0 when there is none.
std::size_t TPlainDefinitions::WalkHeader(std::string_view& name, std::string_view& comment) const {
  if (!IsWord(At(1), SDefinitionKeyword) || At(2).Kind != fstAtom) return 0;
  name = At(2).Text;
  comment = At(3).Kind == fstString ? At(3).Text : std::string_view();
  return At(3).Kind == fstString ? 4 : 3;
}

bool TPlainDefinitions::IsPlain() {
  std::string_view name;
  std::string_view comment;
  std::size_t i = WalkHeader(name, comment);
  FTermNames.clear();
  return i > 0 && !FNames.Contains(name) && WalkClauses<false>(nullptr, i);
}

// The calls on the component are those of TKWFuzzyLogicParser::ParseFuzzyVariable and its
// routines, in their order.
void TPlainDefinitions::Build() {
  std::string_view name;
  std::string_view comment;
  std::size_t i = WalkHeader(name, comment);
  TFuzzyVariables* items = FLogic->GetItems();
  TCollectionUpdate update(items);
  TFuzzyVariable* variable = items->Add();
  TVariableOutside outside(variable, FLogic->GetAutoTerms());
  // The check counted the terms.
  variable->GetItems()->SetCapacity(static_cast<int>(FTermNames.size()));
  variable->SetName(std::string(name));
  variable->SetComment(std::string(comment));
  WalkClauses<true>(variable, i);
  outside.Return();
  FNames.AddedLast(variable);
  update.End();
}

// Checking (Make false) answers whether the clauses are plain, with the checks that raise in
// the reader; building then makes them, and none of those checks can fail any more.
template <bool Make>
bool TPlainDefinitions::WalkClauses(TFuzzyVariable* variable, std::size_t i) {
  while (At(i).Kind == '(') {
    const std::string_view keyword = At(i + 1).Kind == fstAtom ? At(i + 1).Text : "";
    i += 2;
    if (keyword == "range") {
      if (!IsNumber(At(i).Kind) || !IsNumber(At(i + 1).Kind)) return false;
      const TFzyFloat minimum = At(i).Number;
      const TFzyFloat maximum = At(i + 1).Number;
      if (minimum > maximum) return false;
      if constexpr (Make) {
        variable->SetMinimum(minimum);
        variable->SetMaximum(maximum);
      }
      i += 2;
    } else if (keyword == "units") {
      if (At(i).Kind != fstAtom && At(i).Kind != fstString) return false;
      if constexpr (Make) variable->SetUnits(std::string(At(i).Text));
      ++i;
    } else if (keyword == "values") {
      while (At(i).Kind == '(') {
        if (!WalkTerm<Make>(variable, i)) return false;
      }
    } else {
      return false;
    }
    if (At(i++).Kind != ')') return false;
  }
  return At(i).Kind == ')' && i + 2 == FTokens.size();
}

// "(" term NAME [COMMENT] body ")" with a body of "(tri A B C)" or "((X Y) ...)".
template <bool Make>
bool TPlainDefinitions::WalkTerm(TFuzzyVariable* variable, std::size_t& i) {
  if (!IsWord(At(i + 1), STermKeyword) || At(i + 2).Kind != fstAtom) return false;
  const std::string_view name = At(i + 2).Text;
  i += 3;
  const std::string_view comment = At(i).Kind == fstString ? At(i++).Text : std::string_view();
  if (!Make) {
    if (name == SEmptyFuzzy || HasName(name)) return false;
    FTermNames.push_back(name);
  }
  if (At(i).Kind != '(') return false;
  TFuzzySet* fuzzySet = nullptr;
  if (At(i + 1).Kind == '(') {
    if (!WalkPoints<Make>(variable, ++i, fuzzySet)) return false;
  } else {
    if (!IsWord(At(i + 1), "tri") || !IsNumber(At(i + 2).Kind) || !IsNumber(At(i + 3).Kind) ||
        !IsNumber(At(i + 4).Kind) || At(i + 5).Kind != ')') {
      return false;
    }
    if constexpr (Make) {
      fuzzySet = variable->GetItems()->Add();
      fuzzySet->CreateTriangleFunctionValues(At(i + 2).Number, At(i + 3).Number, At(i + 4).Number);
    }
    i += 6;
  }
  if (At(i++).Kind != ')') return false;
  if constexpr (Make) {
    if (fuzzySet->GetDefined()) fuzzySet = fuzzySet->Clone();
    fuzzySet->SetName(std::string(name));
    fuzzySet->SetComment(std::string(comment));
    fuzzySet->SetDefined(true);
  }
  return true;
}

// "(" "(" X Y ")" ... ")", `i` on the first pair: each pair's ")" must be there, not merely
// stood in for by a third token as the reader allows.
template <bool Make>
bool TPlainDefinitions::WalkPoints(TFuzzyVariable* variable, std::size_t& i, TFuzzySet*& fuzzySet) {
  const auto pairAt = [this](std::size_t j) {
    return IsNumber(At(j + 1).Kind) && IsNumber(At(j + 2).Kind) && At(j + 3).Kind == ')';
  };
  if constexpr (!Make) {
    for (; At(i).Kind == '('; i += 4) {
      if (!pairAt(i)) return false;
    }
    return At(i++).Kind == ')';
  } else {
    TFreeOnError<TFuzzySet> points(variable->GetItems()->Add());
    for (; At(i).Kind == '('; i += 4) points->GetValues()->Add(At(i + 1).Number, At(i + 2).Number);
    ++i;
    fuzzySet = points.Release();
    return true;
  }
}

bool TPlainDefinitions::HasName(std::string_view name) const {
  return std::find(FTermNames.begin(), FTermNames.end(), name) != FTermNames.end();
}

}  // namespace fuzzy
