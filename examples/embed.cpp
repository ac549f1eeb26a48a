// Embedding the library: a logic component built in code, a definition read from text, an
// expression evaluated and a rule fired by hand; then the tipping controller's rule base fired
// for a few meals at once. CMake builds it and ctest runs it.
#include <cmath>
#include <iostream>
#include <vector>

#include "fuzzy/fuzzy.h"

// The rules of examples/tipping.rules over the variables of examples/tipping.fzy.
int FireTipping() {
  using namespace fuzzy;
  const auto parser = Own(TKWFuzzyLogicParser::Create(nullptr));
  const auto logic = Own(TFuzzyLogic::Create(nullptr));
  logic->SetParser(parser.get());
  parser->SetFuzzyLogic(logic.get());
  logic->SetAutoTerms(false);
  parser->Parse(
      "(deffuzzy service (range 0 10) (values (term poor (z 0 5)) (term good (tri 2 5 8))"
      "  (term excellent (s 5 10))))"
      "(deffuzzy food (range 0 10) (values (term rancid ((0 1) (1 1) (3 0)))"
      "  (term poor (tri 1 3 5)) (term delicious ((6 0) (9 1) (10 1)))))"
      "(deffuzzy tip (range 0 30) (values (term cheap (tri 0 5 10))"
      "  (term average (tri 10 15 20)) (term generous (tri 20 25 30))))");
  const auto rules = Own(TRuleBase::Create(logic.get(),
                                           "if service is poor then tip is cheap\n"
                                           "if food is poor or rancid then tip is cheap\n"
                                           "if service is good then tip is average\n"
                                           "if service is excellent and food is not rancid "
                                           "then tip is generous\n"
                                           "if food is delicious then tip is generous\n"));
  // One meal with the fired rules, then three in one batch: (service, food) per row.
  const TRuleOutcome& tip = rules->Fire({{"service", 5.0}, {"food", 2.0}}).front();
  std::cout << "tip " << tip.Value << " percent from " << tip.Fired.size() << " rules\n";
  const std::vector<TFzyFloat> meals{3, 8, 9, 9, 1, 1};
  std::vector<TFzyFloat> tips(3);
  rules->FireBatch(meals, tips);
  for (TFzyFloat value : tips) std::cout << "tip " << value << " percent\n";
  return std::isnan(tip.Value) ? 1 : 0;
}

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
  return FireTipping();
}
