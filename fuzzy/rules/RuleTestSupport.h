// The tipping controller read into a logic component with its parser, for the rule tests.
#pragma once

#include <string>

#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/FuzzyLogic.h"

namespace fuzzy::testing_support {

inline const char* TippingDefinitions =
    "(deffuzzy service (range 0 10) (values"
    " (term poor (z 0 5)) (term good (tri 2 5 8)) (term excellent (s 5 10))))"
    "(deffuzzy food (range 0 10) (values"
    " (term rancid ((0 1) (1 1) (3 0))) (term poor (tri 1 3 5))"
    " (term delicious ((6 0) (9 1) (10 1)))))"
    "(deffuzzy tip (range 0 30) (values"
    " (term cheap (tri 0 5 10)) (term average (tri 10 15 20)) (term generous (tri 20 25 30))))"
    "(deffuzzy mood (range -1 1) (values (term sad (tri -1 -0.5 0)) (term glad (tri 0 0.5 1))))";

struct TRuleLogic {
  explicit TRuleLogic(const std::string& definitions = TippingDefinitions) {
    Logic->SetAutoTerms(false);
    Logic->SetParser(Parser.get());
    Parser->SetFuzzyLogic(Logic.get());
    Parser->ParseFuzzyLogic(definitions);
  }
  TFuzzyVariable* Variable(const std::string& name) const {
    return Logic->GetItems()->GetItemByName(name);
  }

  TOwned<TKWFuzzyLogicParser> Parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  TOwned<TFuzzyLogic> Logic = Own(TFuzzyLogic::Create(nullptr));
};

}  // namespace fuzzy::testing_support
