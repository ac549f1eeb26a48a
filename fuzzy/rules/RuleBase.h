// A rule base over the variables of one logic component (object model): rule text resolved
// once, then fired for crisp inputs, one row at a time or in batches.
//
// Building looks every variable up and evaluates every premise and conclusion through the
// component's parser; the sets this leaves in the component's variables are removed again, and
// the rule base keeps free-standing copies. Firing does no text work and never touches the
// component: its crisp inputs, correlated conclusions and accumulated results live in private
// variables of the rule base with the ranges of the component's, so the application's events,
// terms and Strings stay as they were. The component must outlive the rule base, and a rule
// base built before the component's variables change keeps the sets it resolved.
#pragma once

#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/framework/Object.h"
#include "fuzzy/rules/FiringArrays.h"
#include "fuzzy/rules/RuleOutcome.h"
#include "fuzzy/rules/RuleText.h"
#include "fuzzy/rules/SugenoOutput.h"

namespace fuzzy {

class TFuzzyLogic;

class TRuleBase : public TObject {
 public:
  // Reads `text` (see RuleText.h) and resolves it over `logic`'s variables. Errors raise
  // EFzyRuleException with the rule's line and the word refused; the component keeps nothing
  // of a failed build.
  static TRuleBase* Create(TFuzzyLogic* logic, const std::string& text);
  std::string ClassName() const override { return "TRuleBase"; }

  TFuzzyLogic* GetFuzzyLogic() const { return FLogic; }
  const std::vector<TRuleText>& GetRules() const { return FRules; }
  // The variables the premises read, in order of first use: the order of an input row.
  const std::vector<TFuzzyVariable*>& GetInputs() const { return FInputs; }
  // The variables the conclusions write, in order of first use: the order of an output row.
  const std::vector<TFuzzyVariable*>& GetOutputs() const { return FOutputs; }
  // Whether output `index` takes Takagi-Sugeno terms (constant or linear) rather than sets.
  bool IsSugenoOutput(std::size_t index) const { return FIsSugeno.at(index); }

  // ---- Settings: unset, each firing takes the component's (the output variable's threshold) --
  // The text may set them too, one "use NAME VALUE" line each (RuleSettings.h).
  // How "and" and "or" combine premise strengths: min and max (foZadeh) unless set. Intersection
  // has no foSum, which raises EFzyException.
  TFuzzyOperation GetAndOperation() const { return FAnd; }
  void SetAndOperation(TFuzzyOperation value);
  TFuzzyOperation GetOrOperation() const { return FOr; }
  void SetOrOperation(TFuzzyOperation value) { FOr = value; }
  // How the Takagi-Sugeno outputs combine their fired rules' values.
  TSugenoMethod GetSugenoMethod() const { return FSugenoMethod; }
  void SetSugenoMethod(TSugenoMethod value) { FSugenoMethod = value; }
  std::optional<TFuzzyCorrelationMethod> GetCorrelationMethod() const { return FCorrelation; }
  void SetCorrelationMethod(std::optional<TFuzzyCorrelationMethod> value) { FCorrelation = value; }
  std::optional<TFuzzyInferenceMethod> GetInferenceMethod() const { return FInference; }
  void SetInferenceMethod(std::optional<TFuzzyInferenceMethod> value) { FInference = value; }
  std::optional<TDefuzzificationMethod> GetDefuzzificationMethod() const { return FDefuzzify; }
  void SetDefuzzificationMethod(std::optional<TDefuzzificationMethod> value) { FDefuzzify = value; }
  std::optional<TFzyFloat> GetThreshold() const { return FThreshold; }
  // Kept in [0, 1], as a variable keeps its own.
  void SetThreshold(std::optional<TFzyFloat> value);
  // An input outside its variable's range is an error, unless clamped into the range.
  bool GetClampInputs() const { return FClampInputs; }
  void SetClampInputs(bool value) { FClampInputs = value; }
  // The value of output `index` when it gets none (see TRuleOutcome::Value); NaN unless set.
  TFzyFloat GetDefaultValue(std::size_t index) const;
  void SetDefaultValue(std::size_t index, TFzyFloat value);

  // The settings a firing uses: the rule base's own, else the component's; the threshold of
  // output `index` else its variable's.
  TFuzzyCorrelationMethod EffectiveCorrelationMethod() const;
  TFuzzyInferenceMethod EffectiveInferenceMethod() const;
  TDefuzzificationMethod EffectiveDefuzzificationMethod() const;
  TFzyFloat EffectiveThreshold(std::size_t index) const;

  // ---- Firing ---------------------------------------------------------------------------------
  // One value per input, in input order. The outcomes, one per output in output order, stay
  // valid until the next firing.
  const std::vector<TRuleOutcome>& Fire(std::span<const TFzyFloat> inputs);
  // The inputs by variable name; a missing input raises EFzyException, other names are ignored.
  const std::vector<TRuleOutcome>& Fire(const std::map<std::string, TFzyFloat>& inputs);
  // The outcomes of the last single firing (empty sets and lists after a batch).
  const std::vector<TRuleOutcome>& GetOutcomes() const { return FOutcomes; }
  // Rows of GetInputs().size() values into rows of GetOutputs().size() values. An output that
  // gets no value takes its default. A bad row raises EFzyRuleException with its 1-based row
  // number as the line; the rows before it have their outputs. No set is kept afterwards.
  void FireBatch(std::span<const TFzyFloat> rows, std::span<TFzyFloat> outputs);

 protected:
  TRuleBase(TFuzzyLogic* logic, const std::string& text);

 private:
  // A premise or conclusion: the variable's position among the inputs or outputs, and the set
  // of the expression, kept in the rule base's own variable.
  struct TResolvedClause {
    std::size_t Variable = 0;
    TFuzzySet* Set = nullptr;
    int Sugeno = -1;           // into FSugenoTerms for a Takagi-Sugeno conclusion
    TFuzzyPoints Points = {};  // the set's points, which firing works on
  };
  struct TResolvedRule {
    std::vector<std::size_t> Premises;  // into FPremises, by the rule's premise index
    std::vector<TResolvedClause> Conclusions;
  };
  // The settings of the firing under way, looked up once for all of its rows.
  struct TFiringSettings {
    TFuzzyCorrelationMethod Correlation = fcmMinimum;
    TFuzzyInferenceMethod Inference = fimMinMax;
    TDefuzzificationMethod Defuzzification = dmCenterOfGravity;
    std::vector<TFzyFloat> Thresholds;  // per output
  };
  class TResolver;
  // Fills the inputs, outputs, premises and resolved rules (RuleResolution.cpp).
  void Resolve();

  void ResolveFiringSettings();
  void FireRow(const TFzyFloat* inputs, std::size_t row);
  // An input that is not a number or lies outside its range: clamped into it, or an error.
  TFzyFloat OutOfRangeInput(std::size_t index, TFzyFloat value, std::size_t row) const;
  TFzyFloat ConditionStrength(const TRuleText& rule, const TResolvedRule& resolved);
  void Conclude(std::size_t rule, const TResolvedClause& conclusion, TFzyFloat strength);
  void Accumulate(std::size_t output, const TResolvedClause& conclusion, TFzyFloat strength);
  void Defuzzify(TRuleOutcome& outcome, std::size_t output) const;
  // The accumulated points of a single firing as sets, for its outcomes.
  void MakeResultSets();
  void ClearResults();
  // SugenoOutput.cpp and RuleSettings.cpp.
  TFzyFloat CombineStrengths(TConditionStep::TKind kind, TFzyFloat left, TFzyFloat right) const;
  void AccumulateSugeno(const TResolvedClause& conclusion, TFzyFloat strength);
  void DefuzzifySugeno(TRuleOutcome& outcome, std::size_t output) const;
  void ApplyTextSettings(const std::string& text);

  TFuzzyLogic* FLogic;
  std::vector<TRuleText> FRules;
  std::vector<TResolvedRule> FResolved;
  std::vector<TFuzzyVariable*> FInputs;
  std::vector<TFuzzyVariable*> FOutputs;
  // The rule base's own variables, one per input and output, holding every set it works with.
  std::vector<TOwned<TFuzzyVariable>> FInputSets;
  std::vector<TOwned<TFuzzyVariable>> FOutputSets;
  // Each distinct premise once, so that rules sharing one match it against its input once.
  std::vector<TResolvedClause> FPremises;
  std::vector<TFzyFloat> FPremiseStrengths;
  std::vector<TFzyFloat> FCrisp;  // per input: the value in its range
  // Firing works on point arrays: per output the accumulated result, and whether a rule
  // fired into it; the sets of a single firing's outcomes are made from them.
  TFiringSettings FFiring;
  TFiringArrays FArrays;
  TPointBuffer FCorrelated;
  std::vector<TPointBuffer> FAccumulated;
  std::vector<bool> FAccumulatedAny;
  std::vector<TFuzzySet*> FResultSets;  // per output, null unless a single firing made one
  std::vector<TFzyFloat> FDefaults;     // per output
  std::vector<TRuleOutcome> FOutcomes;
  std::vector<TFzyFloat> FStack;  // the working stack of a condition
  std::vector<TSugenoTerm> FSugenoTerms;
  std::vector<bool> FIsSugeno;           // per output
  std::vector<TSugenoSums> FSugenoSums;  // per output

  std::optional<TFuzzyCorrelationMethod> FCorrelation;
  std::optional<TFuzzyInferenceMethod> FInference;
  std::optional<TDefuzzificationMethod> FDefuzzify;
  std::optional<TFzyFloat> FThreshold;
  bool FClampInputs = false;
  TFuzzyOperation FAnd = foZadeh;
  TFuzzyOperation FOr = foZadeh;
  TSugenoMethod FSugenoMethod = smWeightedAverage;
};

}  // namespace fuzzy
