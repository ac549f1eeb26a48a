#include "fuzzy/formats/FormatMethods.h"

#include <array>

#include "fuzzy/consts/FuzzyExceptions.h"
#include "fuzzy/consts/FuzzyTables.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/RuleBase.h"

namespace fuzzy {

namespace {

constexpr std::array<TForeignMethod, 15> FisTable{{
    {msAnd, "min", "and zadeh"},
    {msAnd, "prod", "and product"},
    {msAnd, "bdif", "and bounded-sum"},
    {msOr, "max", "or zadeh"},
    {msOr, "probor", "or product"},
    {msOr, "bsum", "or bounded-sum"},
    {msCorrelation, "min", "correlation minimum"},
    {msCorrelation, "prod", "correlation product"},
    {msInference, "max", "inference min-max"},
    {msInference, "sum", "inference sum"},
    {msInference, "probor", "inference product"},
    {msDefuzzification, "centroid", "defuzzification cog"},
    {msDefuzzification, "mom", "defuzzification mom"},
    {msDefuzzification, "wtaver", "sugeno average"},
    {msDefuzzification, "wtsum", "sugeno sum"},
}};

constexpr std::array<TForeignMethod, 14> FclTable{{
    {msAnd, "MIN", "and zadeh"},
    {msAnd, "PROD", "and product"},
    {msAnd, "BDIF", "and bounded-sum"},
    {msOr, "MAX", "or zadeh"},
    {msOr, "ASUM", "or product"},
    {msOr, "BSUM", "or bounded-sum"},
    {msCorrelation, "MIN", "correlation minimum"},
    {msCorrelation, "PROD", "correlation product"},
    {msInference, "MAX", "inference min-max"},
    {msInference, "BSUM", "inference bounded-sum"},
    {msInference, "SUM", "inference sum"},
    {msDefuzzification, "COG", "defuzzification cog"},
    {msDefuzzification, "MM", "defuzzification mom"},
    {msDefuzzification, "COGS", "sugeno average"},
}};

std::string OwnSetting(TMethodSlot slot, const TRuleBase& rules, bool sugeno) {
  switch (slot) {
    case msAnd:
      return std::string("and ") + FuzzyOperationNames[rules.GetAndOperation()];
    case msOr:
      return std::string("or ") + FuzzyOperationNames[rules.GetOrOperation()];
    case msCorrelation:
      return std::string("correlation ") +
             FuzzyCorrelationNames[rules.EffectiveCorrelationMethod()];
    case msInference:
      return std::string("inference ") + FuzzyInferenceNames[rules.EffectiveInferenceMethod()];
    case msDefuzzification:
      if (sugeno) {
        return rules.GetSugenoMethod() == smWeightedSum ? "sugeno sum" : "sugeno average";
      }
      return rules.EffectiveDefuzzificationMethod() == dmMeanOfMaxima ? "defuzzification mom"
                                                                      : "defuzzification cog";
  }
  return "";
}

}  // namespace

std::span<const TForeignMethod> FisMethods() {
  return FisTable;
}

std::span<const TForeignMethod> FclMethods() {
  return FclTable;
}

std::string ForeignMethodSetting(std::span<const TForeignMethod> methods, TMethodSlot slot,
                                 const std::string& name, const std::string& what, int line) {
  for (const TForeignMethod& method : methods) {
    if (method.Slot == slot && name == method.Name) return method.Setting;
  }
  throw EFzyParseException(
      what + " \"" + name + "\" has no counterpart among the rule base's methods", line);
}

std::string ForeignMethodName(std::span<const TForeignMethod> methods, TMethodSlot slot,
                              const TRuleBase& rules, bool sugeno, const std::string& format) {
  const std::string setting = OwnSetting(slot, rules, sugeno);
  for (const TForeignMethod& method : methods) {
    if (method.Slot == slot && setting == method.Setting) return method.Name;
  }
  throw EFzyException("the rules' \"use " + setting + "\" has no counterpart in " + format);
}

}  // namespace fuzzy
