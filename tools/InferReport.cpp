#include "tools/InferReport.h"

#include "tools/Numbers.h"
#include "tools/SetReport.h"
#include "tools/TextHelpers.h"
#include "tools/TextTable.h"

namespace fuzzy::tool {

namespace {

std::string FiredTable(const TOutcome& outcome) {
  TTextTable table({{"line", alRight}, {"strength", alRight}, {"rule", alLeft}}, "  ");
  for (const TFiring& firing : outcome.Fired) {
    table.AddRow(
        {std::to_string(firing.Rule->Line), FixedText(firing.Strength), firing.Rule->Text});
  }
  return table.Render();
}

std::string NoValueReport(const TOutcome& outcome, const TCustomFuzzyLogic* logic) {
  const std::string name = outcome.Variable->GetName();
  const std::string rules = Counted(outcome.RuleCount, "rule concludes", "rules conclude");
  if (outcome.Fired.empty()) {
    return name + ": no rule fired (" + rules + " on " + name + ", none reached the threshold " +
           FixedText(logic->GetThreshold()) + "), so there is no crisp value\n";
  }
  return name + ": " + outcome.WhyNoValue() + ", so there is no crisp value\n" +
         FiredTable(outcome);
}

}  // namespace

std::string MethodName(TDefuzzificationMethod method) {
  return method == dmMeanOfMaxima ? "mean of maxima" : "centre of gravity";
}

std::string InputsText(const TInference& inference, const std::map<std::string, double>& inputs) {
  std::string text;
  for (const TFuzzyVariable* variable : inference.GetInputVariables()) {
    text += (text.empty() ? "" : ", ") + variable->GetName() + " = " +
            ShortText(inputs.at(variable->GetName()), 4) + UnitsSuffix(variable);
  }
  return text;
}

std::string InputsReport(const TInference& inference, const std::map<std::string, double>& inputs) {
  return "inputs: " + InputsText(inference, inputs) + "\n";
}

std::string OutcomeReport(const TOutcome& outcome, const TCustomFuzzyLogic* logic) {
  const std::optional<double> value = outcome.CrispValue();
  if (!value) return NoValueReport(outcome, logic);
  return outcome.Variable->GetName() + " = " + FixedText(*value) + UnitsSuffix(outcome.Variable) +
         "  (" + MethodName(logic->GetDefuzzificationMethod()) + ", " +
         Counted(static_cast<long long>(outcome.Fired.size()), "rule", "rules") + " fired)\n" +
         FiredTable(outcome);
}

}  // namespace fuzzy::tool
