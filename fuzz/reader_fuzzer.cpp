// The reader into the object model: the text as a whole definition, as one variable and as one
// term of a variable that already has terms. Afterwards the component must still be sound
// enough to write its text. The whole text is read twice, once with a handler on the parser,
// which sends every definition through the tokenizer: both must end alike.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
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

// The error a whole read raised (message and line) and the text the component then writes.
std::string ReadWhole(const std::string& text, bool tokenizerOnly) {
  fuzzing::TObjectLogic component;
  if (tokenizerOnly) component.Parser->SetOnParseFuzzyVariable([](TObject*, TFuzzyVariable*) {});
  std::string outcome;
  try {
    component.Parser->ParseFuzzyLogic(text);
  } catch (const EFzyParseException& error) {
    outcome = std::to_string(error.GetLine()) + ": " + error.GetMessage();
  } catch (const Exception& error) {
    outcome = error.GetMessage();
  }
  fuzzing::Refused([&] { outcome += "\n" + component.Logic->GetStrings()->GetText(); });
  return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text = fuzzing::InputText(data, size);
  if (ReadWhole(text, false) != ReadWhole(text, true)) std::abort();
  fuzzing::TObjectLogic component;
  fuzzing::Refused([&] { component.Parser->ParseFuzzyLogic(text); });
  fuzzing::Refused([&] { component.Parser->ParseFuzzyVariable(text); });
  fuzzing::Refused([&] { component.Logic->UpdateStrings(); });
  fuzzing::Refused([&] { ReadAsTerm(text); });
  return 0;
}
