// The expression evaluator over a fixed variable with seven terms, in both models. The text is
// one expression; the component's table holds a few ?names, one of them referring to itself.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"

namespace {

using namespace fuzzy;

// Seven terms made every way the language knows: functions, a point list and expressions.
constexpr const char* kVariable =
    "(deffuzzy t \"temperature\" (range 0 100) (values"
    " (term freezing ((0 1) (5 1) (10 0)))"
    " (term cold (z 0 30))"
    " (term cool (tri 10 25 40))"
    " (term mild (pi 20 50))"
    " (term warm (beta 20 60 0.5))"
    " (term hot (s 70 100))"
    " (term comfortable very mild and not hot)))";

template <class TComponent>
void Prepare(TComponent& component) {
  component.Parser->ParseFuzzyLogic(kVariable);
  TStrings* names = component.Logic->GetVariables();
  names->SetValue("a", "very hot");
  names->SetValue("b", "cold or ?a");
  names->SetValue("self", "mild and ?self");
}

// The fixed definition must read: an exception there escapes as a finding.
void EvaluateObject(const std::string& expression) {
  fuzzing::TObjectLogic component;
  Prepare(component);
  TFuzzyVariable* variable = component.Logic->GetItems()->GetItemByName("t");
  TFuzzySet* result = nullptr;
  fuzzing::Refused([&] { component.Parser->EvalFuzzyExpression(variable, expression, result); });
}

void EvaluateInterface(const std::string& expression) {
  fuzzing::TInterfaceLogic component;
  Prepare(component);
  const IPtr<IFuzzyVariable> variable = component.Logic->GetItems()->Get("t");
  IPtr<IFuzzySet> result;
  fuzzing::Refused([&] { component.Parser->EvalFuzzyExpression(variable, expression, result); });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string expression = fuzzing::InputText(data, size);
  EvaluateObject(expression);
  EvaluateInterface(expression);
  return 0;
}
