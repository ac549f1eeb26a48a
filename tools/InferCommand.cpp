// fuzzy infer FILE RULES --set VARIABLE=VALUE... [--plot OUT.svg]: fires a rule file's rules for
// crisp inputs and prints each output's crisp value with the rules that fired.
#include <algorithm>
#include <iostream>

#include "tools/Arguments.h"
#include "tools/Commands.h"
#include "tools/Definitions.h"
#include "tools/InferReport.h"
#include "tools/Inference.h"
#include "tools/Numbers.h"
#include "tools/PlotPanels.h"
#include "tools/RuleFile.h"
#include "tools/TextFiles.h"
#include "tools/ToolErrors.h"

namespace fuzzy::tool {

namespace {

const TOptionSpec InferOptions{
    {"--set", "--threshold", "--defuzzify", "--plot"}, {AutoTermsFlag}, {}};

std::map<std::string, double> InputsOf(const TArguments& arguments) {
  std::map<std::string, double> inputs;
  for (const std::string& assignment : arguments.GetValues("--set")) {
    const std::size_t equals = assignment.find('=');
    const std::optional<double> value =
        equals == std::string::npos ? std::nullopt : ParseNumber(assignment.substr(equals + 1));
    if (equals == 0 || !value) {
      throw TUsageError("--set " + assignment + ": expected VARIABLE=NUMBER");
    }
    inputs[assignment.substr(0, equals)] = *value;
  }
  return inputs;
}

void ApplySettings(const TArguments& arguments, TFuzzyLogic* logic) {
  if (const auto threshold = arguments.GetValue("--threshold")) {
    const std::optional<double> value = ParseNumber(*threshold);
    if (!value || *value < 0.0 || *value > 1.0) {
      throw TUsageError("--threshold " + *threshold + ": expected a number from 0 to 1");
    }
    logic->SetThreshold(*value);
  }
  if (const auto method = arguments.GetValue("--defuzzify")) {
    if (*method != "cog" && *method != "mom") {
      throw TUsageError("--defuzzify " + *method + ": expected cog or mom");
    }
    logic->SetDefuzzificationMethod(*method == "mom" ? dmMeanOfMaxima : dmCenterOfGravity);
  }
}

// Every --set names a variable of the definitions; one the rules do not read is only noted.
void CheckInputNames(const std::map<std::string, double>& inputs, const TDefinitions& definitions,
                     const TInference& inference) {
  const auto& read = inference.GetInputVariables();
  for (const auto& [name, value] : inputs) {
    const TFuzzyVariable* variable = definitions.RequireVariable(name);
    if (std::find(read.begin(), read.end(), variable) == read.end()) {
      std::cerr << "fuzzy: note: no rule reads " << name << "; --set " << name
                << " has no effect\n";
    }
  }
}

void WritePlot(const std::string& path, const TInferenceRun& run, const std::string& title) {
  std::vector<TPlotPanel> panels;
  for (const TOutcome& outcome : run.Outcomes) panels.push_back(OutcomePanel(outcome));
  WriteTextFile(path, RenderPlot(title, panels));
  std::cout << "\nWrote the plot of the outputs to " << AbsolutePath(path) << "\n";
}

}  // namespace

int RunInfer(const TWords& words) {
  const TArguments arguments(words, InferOptions);
  arguments.RequirePositional(2, 2, "fuzzy infer FILE RULES --set VARIABLE=VALUE...");
  const std::string& rulesPath = arguments.GetPositional()[1];
  const std::map<std::string, double> inputs = InputsOf(arguments);
  const TDefinitions definitions =
      TDefinitions::Load(arguments.GetPositional()[0], arguments.HasFlag(AutoTermsFlag));
  ApplySettings(arguments, definitions.GetLogic());
  std::vector<TRule> rules = ParseRules(ReadTextFile(rulesPath), rulesPath);
  if (rules.empty()) throw TCheckFailure(Located(rulesPath, 0, "holds no rules"));
  const TInference inference(definitions, std::move(rules), rulesPath);
  CheckInputNames(inputs, definitions, inference);
  const TInferenceRun run = inference.Run(inputs);
  std::cout << InputsReport(inference, inputs);
  for (const TOutcome& outcome : run.Outcomes) {
    std::cout << "\n" << OutcomeReport(outcome, definitions.GetLogic());
  }
  if (const auto plot = arguments.GetValue("--plot")) {
    WritePlot(*plot, run, "Rules of " + rulesPath + " for " + InputsText(inference, inputs));
  }
  return esSuccess;
}

}  // namespace fuzzy::tool
