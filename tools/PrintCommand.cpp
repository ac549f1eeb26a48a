// fuzzy print FILE [--interface]: the definitions of FILE as the library writes them.
#include <iostream>

#include "tools/Arguments.h"
#include "tools/Commands.h"
#include "tools/Definitions.h"
#include "tools/InterfacePrint.h"
#include "tools/TextFiles.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

constexpr const char* InterfaceFlag = "--interface";

std::string PrintObjectModel(const std::string& path, bool autoTerms) {
  const TDefinitions definitions = TDefinitions::Load(path, autoTerms);
  std::string text;
  for (TFuzzyVariable* variable : definitions.GetVariables()) {
    text += (text.empty() ? "" : "\n") + definitions.GetParser()->PrettyPrint(variable) + "\n";
  }
  return text;
}

}  // namespace

int RunPrint(const TWords& words) {
  const TArguments arguments(words, {{}, {InterfaceFlag, AutoTermsFlag}, {}});
  arguments.RequirePositional(1, 1, "fuzzy print FILE [--interface]");
  const std::string& path = arguments.GetPositional().front();
  const bool autoTerms = arguments.HasFlag(AutoTermsFlag);
  std::cout << (arguments.HasFlag(InterfaceFlag)
                    ? PrintInterfaceModel(ReadTextFile(path), path, autoTerms)
                    : PrintObjectModel(path, autoTerms));
  return esSuccess;
}

}  // namespace fuzzy::tool
