// Building a rule base: every variable is looked up once and every distinct expression
// evaluated once, through the component's parser, into a copy that the rule base keeps. The
// rules are not chained, so a variable is either read (an input) or written (an output).
#include <map>
#include <unordered_map>

#include "fuzzy/framework/Exceptions.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/rules/DetachedSets.h"
#include "fuzzy/rules/RuleBase.h"
#include "fuzzy/rules/RuleErrors.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

class TRuleBase::TResolver {
 public:
  explicit TResolver(TRuleBase& base) : FBase(base) {}

  void Resolve() {
    for (const TRuleText& rule : FBase.FRules) {
      TResolvedRule resolved;
      for (const TRuleClause& premise : rule.Premises) {
        resolved.Premises.push_back(Premise(premise, rule.Line));
      }
      for (const TRuleClause& conclusion : rule.Conclusions) {
        resolved.Conclusions.push_back(Conclusion(conclusion, rule.Line));
      }
      FBase.FResolved.push_back(std::move(resolved));
    }
  }

 private:
  enum TRole { rlInput, rlOutput };
  struct TUse {
    TRole Role;
    std::size_t Index;  // among the inputs or the outputs
    int Line;           // of the first use
  };

  std::size_t Premise(const TRuleClause& clause, int line) {
    TFuzzyVariable* variable = Lookup(clause.Variable, line);
    const TUse use = Use(variable, rlInput, line);
    const auto key = std::make_pair(variable, clause.Expression);
    const auto known = FPremiseIndex.find(key);
    if (known != FPremiseIndex.end()) return known->second;
    TFuzzySet* set = Evaluated(variable, FBase.FInputSets[use.Index].get(), clause, line);
    FBase.FPremises.push_back({use.Index, set});
    return FPremiseIndex[key] = FBase.FPremises.size() - 1;
  }

  TResolvedClause Conclusion(const TRuleClause& clause, int line) {
    TFuzzyVariable* variable = Lookup(clause.Variable, line);
    const TUse use = Use(variable, rlOutput, line);
    const auto key = std::make_pair(variable, clause.Expression);
    TFuzzySet*& set = FConclusions[key];
    if (set == nullptr) set = Evaluated(variable, FBase.FOutputSets[use.Index].get(), clause, line);
    const TResolvedClause resolved{use.Index, set, SugenoTerm(set, line)};
    MatchKind(variable->GetName(), use.Index, resolved.Sugeno >= 0, line);
    return resolved;
  }

  // The Takagi-Sugeno term of a conclusion whose set is a constant or linear output, or -1.
  // A linear term's variables are inputs of the rule base, also where no premise reads them.
  int SugenoTerm(const TFuzzySet* set, int line) {
    const TFuzzyShape& shape = set->GetShape();
    if (!shape.IsOutputFunction()) return -1;
    const auto known = FSugenoIndex.find(set);
    if (known != FSugenoIndex.end()) return known->second;
    TSugenoTerm term;
    term.Constant = shape.Parameters[0];
    for (std::size_t i = 0; i < shape.Inputs.size(); ++i) {
      TFuzzyVariable* input = Lookup(shape.Inputs[i], line);
      term.Inputs.push_back(Use(input, rlInput, line).Index);
      term.Coefficients.push_back(shape.Parameters[i + 1]);
    }
    FBase.FSugenoTerms.push_back(std::move(term));
    return FSugenoIndex[set] = static_cast<int>(FBase.FSugenoTerms.size() - 1);
  }

  // An output takes either sets or Takagi-Sugeno terms: the two cannot be accumulated together.
  void MatchKind(const std::string& name, std::size_t output, bool sugeno, int line) {
    const auto [found, added] = FKinds.try_emplace(output, line);
    if (added) {
      FBase.FIsSugeno[output] = sugeno;
      return;
    }
    if (FBase.FIsSugeno[output] == sugeno) return;
    throw EFzyRuleException(name + (sugeno ? " takes fuzzy sets" : " takes Takagi-Sugeno terms") +
                                " (line " + std::to_string(found->second) + ") and cannot also " +
                                (sugeno ? "take a Takagi-Sugeno term" : "take a fuzzy set"),
                            line, name);
  }

  TFuzzyVariable* Lookup(const std::string& name, int line) {
    TFuzzyVariable*& variable = FVariables[name];
    if (variable == nullptr) variable = FindVariable(name);
    if (variable == nullptr) {
      throw EFzyRuleException("no variable \"" + name + "\"", line, name);
    }
    return variable;
  }

  TFuzzyVariable* FindVariable(const std::string& name) const {
    const TFuzzyVariables* variables = FBase.FLogic->GetItems();
    for (int i = 0; i < variables->GetCount(); ++i) {
      if (variables->GetItem(i)->GetName() == name) return variables->GetItem(i);
    }
    return nullptr;
  }

  // The variable's place among the inputs or outputs, added on its first use.
  TUse Use(TFuzzyVariable* variable, TRole role, int line) {
    const auto [found, added] = FUses.try_emplace(variable, TUse{role, 0, line});
    TUse& use = found->second;
    if (added) {
      auto& variables = role == rlInput ? FBase.FInputs : FBase.FOutputs;
      auto& shadows = role == rlInput ? FBase.FInputSets : FBase.FOutputSets;
      use.Index = variables.size();
      variables.push_back(variable);
      shadows.push_back(DetachedVariableOf(variable));
      if (role == rlOutput) FBase.FIsSugeno.push_back(false);
    } else if (use.Role != role) {
      RefuseChain(variable->GetName(), use, line);
    }
    return use;
  }

  [[noreturn]] static void RefuseChain(const std::string& name, const TUse& first, int line) {
    const std::string earlier = " at line " + std::to_string(first.Line);
    throw EFzyRuleException(first.Role == rlOutput ? name + " is an output (concluded" + earlier +
                                                         ") and cannot be a premise: the "
                                                         "rules are not chained"
                                                   : name + " is an input (read" + earlier +
                                                         ") and cannot be concluded: the rules "
                                                         "are not chained",
                            line, name);
  }

  // The set of the clause's expression, copied into `shadow`; the component keeps nothing.
  static TFuzzySet* Evaluated(TFuzzyVariable* variable, TFuzzyVariable* shadow,
                              const TRuleClause& clause, int line) {
    try {
      return EvaluateDetached(variable, clause.Expression, shadow);
    } catch (const Exception& error) {
      throw EFzyRuleException("cannot evaluate \"" + clause.Expression + "\" over " +
                                  variable->GetName() + ": " + error.GetMessage(),
                              line, clause.Expression, error.GetMessage());
    }
  }

  TRuleBase& FBase;
  std::unordered_map<std::string, TFuzzyVariable*> FVariables;
  std::unordered_map<TFuzzyVariable*, TUse> FUses;
  std::map<std::pair<TFuzzyVariable*, std::string>, std::size_t> FPremiseIndex;
  std::map<std::pair<TFuzzyVariable*, std::string>, TFuzzySet*> FConclusions;
  std::map<const TFuzzySet*, int> FSugenoIndex;
  std::map<std::size_t, int> FKinds;  // output -> the line of its first conclusion
};

void TRuleBase::Resolve() {
  TResolver(*this).Resolve();
}

}  // namespace fuzzy
