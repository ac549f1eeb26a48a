// fuzzy plot FILE [VARIABLE...] -o OUT.svg: the terms of variables drawn as SVG.
#include <iostream>
#include <limits>

#include "tools/Arguments.h"
#include "tools/Commands.h"
#include "tools/Definitions.h"
#include "tools/PlotPanels.h"
#include "tools/TextFiles.h"
#include "tools/TextHelpers.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

std::vector<TFuzzyVariable*> ChosenVariables(const TDefinitions& definitions,
                                             const TWords& positional) {
  if (positional.size() == 1) return definitions.GetVariables();
  std::vector<TFuzzyVariable*> chosen;
  for (std::size_t i = 1; i < positional.size(); ++i) {
    chosen.push_back(definitions.RequireVariable(positional[i]));
  }
  return chosen;
}

}  // namespace

int RunPlot(const TWords& words) {
  const TArguments arguments(words, {{"--output"}, {AutoTermsFlag}, {{"-o", "--output"}}});
  const std::string usage = "fuzzy plot FILE [VARIABLE...] -o OUT.svg";
  arguments.RequirePositional(1, std::numeric_limits<std::size_t>::max(), usage);
  const std::optional<std::string> output = arguments.GetValue("--output");
  if (!output) throw TUsageError("missing -o OUT.svg; usage: " + usage);
  const TWords& positional = arguments.GetPositional();
  const TDefinitions definitions =
      TDefinitions::Load(positional[0], arguments.HasFlag(AutoTermsFlag));
  std::vector<TPlotPanel> panels;
  for (const TFuzzyVariable* variable : ChosenVariables(definitions, positional)) {
    panels.push_back(TermsPanel(variable));
  }
  if (panels.empty()) throw TCheckFailure(Located(positional[0], 0, "defines no variables"));
  WriteTextFile(*output, RenderPlot("Terms of " + positional[0], panels));
  std::cout << "Wrote " << Counted(static_cast<long long>(panels.size()), "panel", "panels")
            << " to " << AbsolutePath(*output) << "\n";
  return esSuccess;
}

}  // namespace fuzzy::tool
