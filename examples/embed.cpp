// Embedding the library: a logic component built in code, a definition read from text, an
// expression evaluated and a rule fired. CMake builds it and ctest runs it.
#include <iostream>

#include "fuzzy/fuzzy.h"

int main() {
  using namespace fuzzy;
  const auto parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  const auto logic = Own(TFuzzyLogic::Create(nullptr));
  logic->SetParser(parser.get());
  parser->SetFuzzyLogic(logic.get());
  logic->SetAutoTerms(false);

  // One variable built in code, one read from the definition language.
  TFuzzyVariable* fan = logic->GetItems()->Add("fan");
  fan->SetMaximum(100);
  fan->GetItems()->Add("fast")->CreateTriangleFunctionValues(50, 100, 100);
  parser->Parse("(deffuzzy heat (range 0 40) (values (term hot (tri 20 40 40))))");
  TFuzzyVariable* heat = logic->GetItems()->GetItemByName("heat");

  TFuzzySet* veryHot = parser->EvalFuzzyExpression(heat, "very hot");
  TFuzzySet* input = heat->GetItems()->Add();  // a crisp heat of 35
  input->CreateCrispValue(35);

  // if heat is very hot then fan is fast
  const TOwned<TFuzzySet> speed(
      fan->AssertRule(veryHot, fan->GetItems()->GetItemByName("fast"), input, nullptr));
  if (!speed) return 1;  // below the firing threshold
  std::cout << "fan speed " << speed->Defuzzify() << " at rule strength "
            << veryHot->GetCorrelationStrength(input) << "\n";
  return 0;
}
