// Helpers shared by the reader's tests: a parser that lets a test read with a tokenizer of its
// own, and the parse error an action raises, taken apart.
#pragma once

#include <string>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"

namespace fuzzy::testing_support {

// Opens the reading routines that take their tokens from the current tokenizer.
class TReadingParser : public TKWFuzzyLogicParser {
 public:
  static TReadingParser* Create() { return Constructed(new TReadingParser()); }

  using TKWFuzzyLogicParser::ParseFuzzyFunction;
  using TKWFuzzyLogicParser::ParseFuzzyValuePairs;
  using TKWFuzzyLogicParser::WithText;

 protected:
  TReadingParser() : TKWFuzzyLogicParser(nullptr) {}
};

struct TParseFailure {
  bool Raised = false;
  std::string Message;
  int Line = -1;
};

// The EFzyParseException that `action` raises; other exceptions pass.
template <class TAction>
TParseFailure ParseFailureOf(TAction&& action) {
  try {
    action();
  } catch (const EFzyParseException& error) {
    return {true, error.GetMessage(), error.GetLine()};
  }
  return {};
}

// The message a parse error of `routine` at `line` starts with.
inline std::string ParseErrorStart(const std::string& message, const std::string& routine,
                                   int line) {
  return "Parsing Error, " + message + " in " + routine + " at line " + std::to_string(line) +
         ": \"";
}

}  // namespace fuzzy::testing_support
