// The reader into the object model: the text as a whole definition, as one variable and as one
// term of a variable that already has terms. Afterwards the component must still be sound
// enough to write its text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"

namespace {

using namespace fuzzy;

void ReadAsTerm(const std::string& text) {
  fuzzing::TObjectLogic component;
  TFuzzyVariable* variable = component.Logic->GetItems()->Add("x");
  variable->SetMaximum(10);
  variable->GetItems()->Add("low")->CreateTriangleFunctionValues(0, 0, 10);
  component.Parser->ParseFuzzySet(variable, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzzing::InputText(data, size);
  fuzzing::TObjectLogic component;
  fuzzing::Refused([&] { component.Parser->ParseFuzzyLogic(text); });
  fuzzing::Refused([&] { component.Parser->ParseFuzzyVariable(text); });
  fuzzing::Refused([&] { component.Logic->UpdateStrings(); });
  fuzzing::Refused([&] { ReadAsTerm(text); });
  return 0;
}
