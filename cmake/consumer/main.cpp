// Reads a definition and evaluates an expression with the installed library; prints the crisp
// value so the package test can check it.
#include <iostream>

#include "fuzzy/fuzzy.h"

int main() {
  using namespace fuzzy;
  const auto parser = Own(TKWFuzzyLogicParser::Create(nullptr));  // outlives the component
  const auto logic = Own(TFuzzyLogic::Create(nullptr));
  logic->SetParser(parser.get());
  parser->SetFuzzyLogic(logic.get());
  parser->Parse("(deffuzzy level (range 0 10) (values (term mid (tri 0 5 10))))");
  TFuzzySet* result = nullptr;
  const double value =
      parser->EvalFuzzyExpression(logic->GetItems()->GetItemByName("level"), "mid", result);
  std::cout << "consumer: " << value << "\n";
  return value == 5.0 ? 0 : 1;
}
