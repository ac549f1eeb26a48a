// Helpers shared by the expression evaluator's tests: token lists built by hand, the full
// message of the parse error an action raises, and the points of an interface-model set as text.
#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/interfaces/FuzzyStreamToken.h"
#include "fuzzy/interfaces/FuzzyStreamTokenList.h"

namespace fuzzy::testing_support {

inline IPtr<IFuzzyStreamToken> Atom(const std::string& text) {
  return TFuzzyStreamToken::Create(fstAtom, text);
}

inline IPtr<IFuzzyStreamToken> Integer(int number) {
  return TFuzzyStreamToken::Create(fstInteger, "", number);
}

inline IPtr<IFuzzyStreamTokenList> TokenList(std::initializer_list<IPtr<IFuzzyStreamToken>> items) {
  const IPtr<IFuzzyStreamTokenList> list = TFuzzyStreamTokenList::Create();
  for (const IPtr<IFuzzyStreamToken>& item : items) list->Add(item);
  return list;
}

// A list token, as the reader makes one of a parenthesised group.
inline IPtr<IFuzzyStreamToken> Group(std::initializer_list<IPtr<IFuzzyStreamToken>> items) {
  const IPtr<IFuzzyStreamToken> token = TFuzzyStreamToken::Create(fstAtom, "(");
  token->SetList(TokenList(items));
  return token;
}

// Words become atoms, so "[" and "]" stand in for the bracket tokens.
inline IPtr<IFuzzyStreamTokenList> Words(std::initializer_list<const char*> words) {
  const IPtr<IFuzzyStreamTokenList> list = TFuzzyStreamTokenList::Create();
  for (const char* word : words) list->Add(Atom(word));
  return list;
}

// An and/or keyword and the family it stands for.
struct TKeywordCase {
  const char* Keyword;
  bool IsUnion;
  TFuzzyOperation Operation;
};

// Every keyword with a rule ("and-sum" has none).
inline std::vector<TKeywordCase> KeywordCases() {
  return {{"and", false, foZadeh},
          {"and-mean", false, foMean},
          {"and-meansqr", false, foMeanSqr},
          {"and-meansqrt", false, foMeanSqrt},
          {"and-product", false, foProduct},
          {"and-boundedsum", false, foBoundedSum},
          {"or", true, foZadeh},
          {"or-mean", true, foMean},
          {"or-meansqr", true, foMeanSqr},
          {"or-meansqrt", true, foMeanSqrt},
          {"or-product", true, foProduct},
          {"or-boundedsum", true, foBoundedSum},
          {"or-sum", true, foSum}};
}

// The message of the EFzyParseException that `action` raises, or what else happened.
template <class TAction>
std::string ParseMessageOf(TAction&& action) {
  try {
    action();
  } catch (const EFzyParseException& error) {
    return error.GetMessage();
  } catch (const EFzyException& error) {
    return "not a parse error: " + error.GetMessage();
  }
  return "no exception";
}

// "Parsing Error, <message> in <routine> at line <line>: "<text>"".
inline std::string ParseErrorText(const std::string& message, const std::string& routine, int line,
                                  const std::string& text) {
  return Format(SFzyParseError, message, routine, IntToStr(line), text);
}

}  // namespace fuzzy::testing_support
