// The expression evaluator of TKWFuzzyLogicParser for the interface model: the same walk as the
// object model's, over IFuzzyVariable and IFuzzySet.
#include <string>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/language/ExpressionEvaluator.h"
#include "fuzzy/logic/CallEvent.h"

namespace fuzzy {

namespace {

// The sets an evaluation makes are linked to the variable but stay out of its term table: they
// are made under "__Empty" (never a term) and then renamed, which leaves them out.
struct TInterfaceModel {
  using TSet = IPtr<IFuzzySet>;
  using TVariable = IPtr<IFuzzyVariable>;
  static constexpr int SetTokenKind = fstIFuzzySet;

  static bool IsMissing(const TVariable& variable) { return !variable; }
  static TSet Find(const TVariable& variable, const std::string& name) {
    return variable->ContainsFuzzySet(name);
  }
  static TSet NewSet(const TVariable& variable, const std::string& name) {
    const TSet fuzzySet = variable->Add(SEmptyFuzzy);
    fuzzySet->SetName(name);
    return fuzzySet;
  }
  // The copy's own points; its expression too, which a copy for a variable leaves empty.
  static TSet Copy(const TVariable& variable, const TSet& source) {
    const TSet copy = source->Clone(variable);
    copy->SetExpression(source->GetExpression());
    return copy;
  }
  static bool BelongsTo(const TSet& fuzzySet, const TVariable& variable) {
    return fuzzySet->GetVariable() == variable;
  }
  static TSet TokenSet(const IPtr<IFuzzyStreamToken>& token) { return token->GetFuzzySetIntf(); }
  static void AddPoint(const TSet& fuzzySet, TFzyFloat x, TFzyFloat y) { fuzzySet->Add(x, y); }
  static void Report(TKWFuzzyLogicParser& parser, const TVariable& variable,
                     const std::string& postfix, TSet& result) {
    CallEvent(parser.GetOnEvalExpressionIntf(), variable, postfix, result);
  }
};

using TInterfaceEvaluator = evaluation::TExpressionEvaluator<TInterfaceModel>;

}  // namespace

IPtr<IFuzzySet> TKWFuzzyLogicParser::EvalFuzzyExpression(const IPtr<IFuzzyVariable>& variable,
                                                         const std::string& expression) {
  return WithText(expression,
                  [&] { return EvalFuzzyExpression(variable, ParseExpressionTokens()); });
}

TFzyFloat TKWFuzzyLogicParser::EvalFuzzyExpression(const IPtr<IFuzzyVariable>& variable,
                                                   const std::string& expression,
                                                   IPtr<IFuzzySet>& result) {
  result = EvalFuzzyExpression(variable, expression);
  return evaluation::Defuzzified(*this, result);
}

IPtr<IFuzzySet> TKWFuzzyLogicParser::EvalFuzzyExpression(
    const IPtr<IFuzzyVariable>& variable, const IPtr<IFuzzyStreamTokenList>& tokens) {
  return TInterfaceEvaluator(*this, variable, FVariablesInUse).Evaluate(tokens);
}

IPtr<IFuzzySet> TKWFuzzyLogicParser::EvalFuzzyExpression(const IPtr<IFuzzyVariable>& variable,
                                                         const IPtr<IFuzzyStreamToken>& token) {
  return TInterfaceEvaluator(*this, variable, FVariablesInUse).Operand(token);
}

IPtr<IFuzzySet> TKWFuzzyLogicParser::ConvertListToValues(const IPtr<IFuzzySet>& fuzzySet,
                                                         const IPtr<IFuzzyStreamTokenList>& list) {
  return evaluation::ConvertListToValues<TInterfaceModel>(*this, fuzzySet, list);
}

}  // namespace fuzzy
