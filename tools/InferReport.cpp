#include "tools/InferReport.h"

#include "fuzzy/logic/FuzzyLogic.h"
#include "tools/Numbers.h"
#include "tools/RuleFile.h"
#include "tools/SetReport.h"
#include "tools/TextHelpers.h"
#include "tools/TextTable.h"

namespace fuzzy::tool {

namespace {

std::string FiredTable(const TRuleBase& rules, const TRuleOutcome& outcome) {
  TTextTable table({{"line", alRight}, {"strength", alRight}, {"rule", alLeft}}, "  ");
  for (const TFiredRule& fired : outcome.Fired) {
    table.AddRow(
        {std::to_string(fired.Line), FixedText(fired.Strength), rules.GetRules()[fired.Rule].Text});
  }
  return table.Render();
}

std::string NoValueReport(const TRuleBase& rules, std::size_t index) {
  const TRuleOutcome& outcome = rules.GetOutcomes()[index];
  const std::string name = outcome.Variable->GetName();
  const std::string concluding = Counted(outcome.RuleCount, "rule concludes", "rules conclude");
  if (outcome.Fired.empty()) {
    return name + ": no rule fired (" + concluding + " on " + name +
           ", none reached the threshold " + FixedText(rules.EffectiveThreshold(index)) +
           "), so there is no crisp value\n";
  }
  return name + ": " + WhyNoValue(outcome) + ", so there is no crisp value\n" +
         FiredTable(rules, outcome);
}

}  // namespace

std::string MethodName(TDefuzzificationMethod method) {
  return method == dmMeanOfMaxima ? "mean of maxima" : "centre of gravity";
}

// A Takagi-Sugeno output is not defuzzified: its value is the weighted mean or sum.
std::string OutputMethodName(const TRuleBase& rules, std::size_t index) {
  if (!rules.IsSugenoOutput(index)) return MethodName(rules.EffectiveDefuzzificationMethod());
  return rules.GetSugenoMethod() == smWeightedSum ? "weighted sum" : "weighted average";
}

std::string InputsText(const TRuleBase& rules, const std::map<std::string, double>& inputs) {
  std::string text;
  for (const TFuzzyVariable* variable : rules.GetInputs()) {
    text += (text.empty() ? "" : ", ") + variable->GetName() + " = " +
            ShortText(inputs.at(variable->GetName()), 4) + UnitsSuffix(variable);
  }
  return text;
}

std::string InputsReport(const TRuleBase& rules, const std::map<std::string, double>& inputs) {
  return "inputs: " + InputsText(rules, inputs) + "\n";
}

std::string OutcomeReport(const TRuleBase& rules, std::size_t index, int digits) {
  const TRuleOutcome& outcome = rules.GetOutcomes()[index];
  if (!outcome.HasValue()) return NoValueReport(rules, index);
  return outcome.Variable->GetName() + " = " + FixedText(outcome.Value, digits) +
         UnitsSuffix(outcome.Variable) + "  (" + OutputMethodName(rules, index) + ", " +
         Counted(static_cast<long long>(outcome.Fired.size()), "rule", "rules") + " fired)\n" +
         FiredTable(rules, outcome);
}

}  // namespace fuzzy::tool
