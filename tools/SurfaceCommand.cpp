// fuzzy surface (FILE RULES | MODEL) --x VAR --y VAR [--output VAR] [--set OTHER=VALUE...] [--steps
// N] -o OUT.svg: the control surface of one output over two inputs, fired as one batch.
#include <algorithm>
#include <iostream>

#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleErrors.h"
#include "tools/Arguments.h"
#include "tools/Commands.h"
#include "tools/Definitions.h"
#include "tools/Numbers.h"
#include "tools/PlotPanels.h"
#include "tools/RuleFile.h"
#include "tools/RuleOptions.h"
#include "tools/SurfaceSvg.h"
#include "tools/TextFiles.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

const TOptionSpec SurfaceOptions{
    WithRuleOptions({"--x", "--y", "--output", "--set", "--steps", "-o"}), {AutoTermsFlag}, {}};

std::string Required(const TArguments& arguments, const std::string& name, const char* what) {
  const auto value = arguments.GetValue(name);
  if (!value) throw TUsageError("give " + name + " " + what);
  return *value;
}

// The position of the variable called `name` in `variables`; a usage error naming `role`.
std::size_t IndexOf(const std::vector<TFuzzyVariable*>& variables, const std::string& name,
                    const std::string& role) {
  const auto found = std::find_if(variables.begin(), variables.end(),
                                  [&](const TFuzzyVariable* v) { return v->GetName() == name; });
  if (found == variables.end()) throw TUsageError(name + " is no " + role + " of the rules");
  return static_cast<std::size_t>(found - variables.begin());
}

TSurfaceAxis AxisOf(const TFuzzyVariable* variable) {
  return {AxisLabelOf(variable), variable->GetMinimum(), variable->GetMaximum()};
}

// Every grid point as an input row: the other inputs keep their --set values.
std::vector<double> GridRows(std::vector<double> row, std::size_t x, std::size_t y,
                             const TSurface& surface) {
  std::vector<double> rows;
  rows.reserve(static_cast<std::size_t>(surface.Steps * surface.Steps) * row.size());
  for (int j = 0; j < surface.Steps; ++j) {
    row[y] = CellCentre(surface.Y, surface.Steps, j);
    for (int i = 0; i < surface.Steps; ++i) {
      row[x] = CellCentre(surface.X, surface.Steps, i);
      rows.insert(rows.end(), row.begin(), row.end());
    }
  }
  return rows;
}

}  // namespace

int RunSurface(const TWords& words) {
  const TArguments arguments(words, SurfaceOptions);
  const char* usage =
      "fuzzy surface (FILE RULES | MODEL.fis | MODEL.fcl) --x VAR --y VAR -o OUT.svg";
  arguments.RequirePositional(1, 2, usage);
  const std::string xName = Required(arguments, "--x", "VARIABLE");
  const std::string yName = Required(arguments, "--y", "VARIABLE");
  const std::string path = Required(arguments, "-o", "OUT.svg");
  std::map<std::string, double> inputs = InputsOf(arguments);
  TDefinitions definitions =
      TDefinitions::Load(arguments.GetPositional()[0], arguments.HasFlag(AutoTermsFlag));
  const TOwned<TRuleBase> rules = RulesOfCommand(definitions, arguments.GetPositional(), usage);
  ApplySettings(arguments, *rules);
  const std::size_t x = IndexOf(rules->GetInputs(), xName, "input");
  const std::size_t y = IndexOf(rules->GetInputs(), yName, "input");
  if (x == y) throw TUsageError("--x and --y name the same input");
  const std::size_t output =
      arguments.GetValue("--output")
          ? IndexOf(rules->GetOutputs(), *arguments.GetValue("--output"), "output")
          : 0;
  inputs[xName] = rules->GetInputs()[x]->GetMinimum();
  inputs[yName] = rules->GetInputs()[y]->GetMinimum();
  TSurface surface;
  surface.X = AxisOf(rules->GetInputs()[x]);
  surface.Y = AxisOf(rules->GetInputs()[y]);
  const TFuzzyVariable* out = rules->GetOutputs()[output];
  surface.ValueLabel = AxisLabelOf(out);
  surface.Steps = WholeNumberOption(arguments, "--steps", 41, 2, 500);
  surface.Title = "Control surface of " + out->GetName() + " over " + xName + " and " + yName;
  const std::vector<double> rows = GridRows(RowOf(inputs, *rules), x, y, surface);
  std::vector<double> results(rows.size() / rules->GetInputs().size() * rules->GetOutputs().size());
  try {
    rules->FireBatch(rows, results);
  } catch (const EFzyException& error) {
    throw TCheckFailure(error.GetMessage());
  }
  for (std::size_t cell = 0; cell < results.size() / rules->GetOutputs().size(); ++cell) {
    surface.Values.push_back(results[cell * rules->GetOutputs().size() + output]);
  }
  WriteTextFile(path, RenderSurface(surface));
  std::cout << "Wrote the control surface of " << out->GetName() << " to " << AbsolutePath(path)
            << "\n";
  return esSuccess;
}

}  // namespace fuzzy::tool
