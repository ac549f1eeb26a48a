// fuzzy infer FILE RULES --set VARIABLE=VALUE... [--plot OUT.svg], or --input TABLE: fires a
// rule file's rules for crisp inputs and prints each output's crisp value with the rules that
// fired, or one output row per input row.
#include <algorithm>
#include <iostream>

#include "fuzzy/logic/FuzzyLogic.h"
#include "tools/Arguments.h"
#include "tools/Commands.h"
#include "tools/Definitions.h"
#include "tools/InferBatch.h"
#include "tools/InferReport.h"
#include "tools/Numbers.h"
#include "tools/PlotPanels.h"
#include "tools/RuleFile.h"
#include "tools/RuleOptions.h"
#include "tools/TextFiles.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

const TOptionSpec InferOptions{
    WithRuleOptions({"--set", "--digits", "--plot", "--input"}), {AutoTermsFlag}, {}};

constexpr const char* InferUsage =
    "fuzzy infer (FILE RULES | MODEL.fis | MODEL.fcl) --set VARIABLE=VALUE...";

// Every --set names a variable of the definitions; one the rules do not read is only noted.
void CheckInputNames(const std::map<std::string, double>& inputs, const TDefinitions& definitions,
                     const TRuleBase& rules) {
  const auto& read = rules.GetInputs();
  for (const auto& [name, value] : inputs) {
    const TFuzzyVariable* variable = definitions.RequireVariable(name);
    if (std::find(read.begin(), read.end(), variable) == read.end()) {
      std::cerr << "fuzzy: note: no rule reads " << name << "; --set " << name
                << " has no effect\n";
    }
  }
}

// The library counts no row for a single firing; its message is the program's.
void FireOnce(TRuleBase& rules, const std::vector<double>& row) {
  try {
    rules.Fire(row);
  } catch (const EFzyException& error) {
    throw TCheckFailure(error.GetMessage());
  }
}

void WritePlot(const std::string& path, const TRuleBase& rules, const std::string& title) {
  std::vector<TPlotPanel> panels;
  for (const TRuleOutcome& outcome : rules.GetOutcomes()) panels.push_back(OutcomePanel(outcome));
  WriteTextFile(path, RenderPlot(title, panels));
  std::cout << "\nWrote the plot of the outputs to " << AbsolutePath(path) << "\n";
}

}  // namespace

int RunInfer(const TWords& words) {
  const TArguments arguments(words, InferOptions);
  arguments.RequirePositional(1, 2, InferUsage);
  const std::map<std::string, double> inputs = InputsOf(arguments);
  const int digits = WholeNumberOption(arguments, "--digits", 4, 0, 17);
  TDefinitions definitions =
      TDefinitions::Load(arguments.GetPositional()[0], arguments.HasFlag(AutoTermsFlag));
  const TOwned<TRuleBase> rules =
      RulesOfCommand(definitions, arguments.GetPositional(), InferUsage);
  ApplySettings(arguments, *rules);
  if (const auto table = arguments.GetValue("--input")) {
    RunBatch(*rules, *table, std::cout);
    return esSuccess;
  }
  CheckInputNames(inputs, definitions, *rules);
  FireOnce(*rules, RowOf(inputs, *rules));
  std::cout << InputsReport(*rules, inputs);
  for (std::size_t o = 0; o < rules->GetOutputs().size(); ++o) {
    std::cout << "\n" << OutcomeReport(*rules, o, digits);
  }
  if (const auto plot = arguments.GetValue("--plot")) {
    WritePlot(
        *plot, *rules,
        "Rules of " + arguments.GetPositional().back() + " for " + InputsText(*rules, inputs));
  }
  return esSuccess;
}

}  // namespace fuzzy::tool
