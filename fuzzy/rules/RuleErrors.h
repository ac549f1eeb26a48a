// The error of a rule base: the library's parse exception, with the rule's line (or, for a
// batch, the 1-based row) and the word that was refused, so that a program can point at it.
#pragma once

#include <string>

#include "fuzzy/consts/FuzzyExceptions.h"

namespace fuzzy {

class EFzyRuleException : public EFzyParseException {
 public:
  // `cause` is the message of a lower layer (the evaluator's) that `message` ends with; empty
  // when the rule base itself refused the text.
  EFzyRuleException(std::string message, std::int32_t line, std::string word,
                    std::string cause = {})
      : EFzyParseException(std::move(message), line),
        FWord(std::move(word)),
        FCause(std::move(cause)) {}

  const std::string& GetWord() const { return FWord; }
  const std::string& GetCause() const { return FCause; }

 private:
  std::string FWord;
  std::string FCause;
};

}  // namespace fuzzy
