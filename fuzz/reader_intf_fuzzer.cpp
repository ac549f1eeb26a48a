// The reader into the interface model: the text as a whole definition, as one variable and as
// one term of a variable that already has terms; then the component writes its text.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "fuzzy/interfaces/IFuzzyVariable.h"

namespace {

using namespace fuzzy;

void ReadAsTerm(const std::string& text) {
  fuzzing::TInterfaceLogic component;
  const IPtr<IFuzzyVariable> variable(TIFuzzyVariable::Create("x"));
  variable->SetMaximum(10);
  const IPtr<IFuzzySet> low = variable->Add("low");
  low->Add(0, 1);
  low->Add(10, 0);
  component.Parser->ParseFuzzySet(variable, text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzzing::InputText(data, size);
  fuzzing::TInterfaceLogic component;
  fuzzing::Refused([&] { component.Parser->ParseFuzzyLogic(text); });
  fuzzing::Refused([&] { component.Parser->ParseFuzzyVariableIntf(text); });
  fuzzing::Refused([&] { component.Logic->UpdateStrings(); });
  fuzzing::Refused([&] { ReadAsTerm(text); });
  return 0;
}
