// What the fuzz targets share: the input as text, the one family of exceptions the library may
// raise on bad input, and logic components of both models wired to a parser of their own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"

namespace fuzzy::fuzzing {

inline std::string InputText(const std::uint8_t* data, std::size_t size) {
  return std::string(reinterpret_cast<const char*>(data), size);
}

// Runs `action`; the library's own exceptions are the expected answer to bad text, anything
// else escapes and is a finding.
template <class TAction>
bool Refused(TAction&& action) {
  try {
    action();
  } catch (const Exception&) {
    return true;
  }
  return false;
}

// A logic component (TFuzzyLogic or TIFuzzyLogic) with a parser that outlives it and no
// automatic terms, so that only the text's terms are made.
template <class TLogic>
struct TLogicWithParser {
  TLogicWithParser() {
    Logic->SetAutoTerms(false);
    Logic->SetParser(Parser.get());
    Parser->SetFuzzyLogic(Logic.get());
  }

  TOwned<TKWFuzzyLogicParser> Parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  TOwned<TLogic> Logic = Own(TLogic::Create(nullptr));
};

using TObjectLogic = TLogicWithParser<TFuzzyLogic>;
using TInterfaceLogic = TLogicWithParser<TIFuzzyLogic>;

}  // namespace fuzzy::fuzzing
