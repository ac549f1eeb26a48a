// The words of FCL text: names and keywords, numbers, and the signs ":=", ":", ";", ",", "(",
// ")" and "..", each with its line; comments ("//", "(* *)", "/* */") are dropped.
#pragma once

#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyFloat.h"

namespace fuzzy {

struct TFclToken {
  enum TKind { ftWord, ftNumber, ftSign, ftEnd };
  TKind Kind = ftEnd;
  std::string Text;
  TFzyFloat Number = 0.0;
  int Line = 0;
};

// Every token, ending with ftEnd; EFzyParseException with the line of a character FCL has no
// use for or of a comment left open.
std::vector<TFclToken> FclTokens(const std::string& text);

}  // namespace fuzzy
