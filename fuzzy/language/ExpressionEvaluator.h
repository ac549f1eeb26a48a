// The evaluation of fuzzy expressions that both models share: a token list is put in postfix
// order and walked with a stack of operand sets, and every operand token becomes the set it
// stands for. A model policy (object or interface model) handles the sets themselves.
#pragma once

#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/language/ExpressionMessages.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/logic/CustomFuzzyLogic.h"

namespace fuzzy::evaluation {

inline constexpr const char* SEvalFuzzyExpression = "EvalFuzzyExpression";
inline constexpr const char* SConvertListToValues = "ConvertListToValues";

// Replaces the tokens by their postfix form; brackets nested deeper than MaxFuzzyNesting and
// tokens that are no fuzzy tokens raise.
void ToPostFix(TKWFuzzyLogicParser& parser, const IPtr<IFuzzyStreamTokenList>& tokens);
bool IsNumberToken(const IPtr<IFuzzyStreamToken>& token);
// A function call's arguments: the list's tokens after the function name, in a list of their
// own, so the caller's list keeps its name.
IPtr<IFuzzyStreamTokenList> FunctionArguments(const IPtr<IFuzzyStreamTokenList>& call);
// The (x y) pair at `index` of a point list; anything else raises.
void ReadValuePair(TKWFuzzyLogicParser& parser, const IPtr<IFuzzyStreamTokenList>& list, int index,
                   TFzyFloat& x, TFzyFloat& y);
// How a set reads inside a larger expression: its expression, or its name when it has none.
std::string EmbeddedText(const std::string& expression, const std::string& name);
// Whether the parser's logic component asks for the mean of maxima.
bool DefuzzifiesByMeanOfMaxima(const TKWFuzzyLogicParser& parser);

template <class TModel>
typename TModel::TSet ConvertListToValues(TKWFuzzyLogicParser& parser,
                                          const typename TModel::TSet& fuzzySet,
                                          const IPtr<IFuzzyStreamTokenList>& list) {
  for (int i = 0; list && i < list->GetCount(); ++i) {
    TFzyFloat x = 0;
    TFzyFloat y = 0;
    ReadValuePair(parser, list, i, x, y);
    TModel::AddPoint(fuzzySet, x, y);
  }
  return fuzzySet;
}

// The crisp value of an evaluation's result; a handler that took the result away leaves 0.
template <class TSet>
TFzyFloat Defuzzified(const TKWFuzzyLogicParser& parser, const TSet& result) {
  if (!result) return 0.0;
  return DefuzzifiesByMeanOfMaxima(parser) ? result->MeanOfMaxima() : result->CenterOfGravity();
}

// Marks a ?name as being evaluated for the lifetime of the scope.
class TVariableInUse {
 public:
  TVariableInUse(std::vector<std::string>& inUse, const std::string& name) : FInUse(inUse) {
    FInUse.push_back(name);
  }
  ~TVariableInUse() { FInUse.pop_back(); }
  TVariableInUse(const TVariableInUse&) = delete;
  TVariableInUse& operator=(const TVariableInUse&) = delete;

 private:
  std::vector<std::string>& FInUse;
};

// The model policy (TObjectModel, TInterfaceModel) says how the sets of a variable are found,
// made, copied and reported:
//   TSet, TVariable                       a set and a variable of the model
//   SetTokenKind                          the token kind carrying a set of the model
//   IsMissing(variable)                   no variable given
//   Find(variable, name)                  the set of that name, or null
//   NewSet(variable, name)                a new set of the variable, not Defined
//   Copy(variable, set)                   a new set of the variable with the other's contents
//   BelongsTo(set, variable)              whether the set is one of the variable's
//   TokenSet(token)                       the set a set token carries, or null
//   AddPoint(set, x, y)                   one more point
//   Report(parser, variable, text, set)   the parser's after-evaluation event
template <class TModel>
class TExpressionEvaluator {
 public:
  using TSet = typename TModel::TSet;
  using TVariable = typename TModel::TVariable;

  TExpressionEvaluator(TKWFuzzyLogicParser& parser, const TVariable& variable,
                       std::vector<std::string>& variablesInUse)
      : FParser(parser), FVariable(variable), FVariablesInUse(variablesInUse) {}

  // The set the whole token list stands for; the list becomes its postfix form.
  TSet Evaluate(const IPtr<IFuzzyStreamTokenList>& tokens) {
    CheckVariable();
    if (tokens) ToPostFix(FParser, tokens);
    TSet result = tokens && tokens->GetCount() > 0 ? Walk(tokens) : EmptySet();
    TModel::Report(FParser, FVariable, tokens ? tokens->ToString() : "()", result);
    return result;
  }

  // The set one operand token stands for.
  TSet Operand(const IPtr<IFuzzyStreamToken>& token) {
    CheckVariable();
    if (!token) return EmptySet();
    switch (token->GetDataType()) {
      case fstNone:
        return EmptySet();
      case fstAtom:
      case fstString:
        return NamedSet(token);
      case fstInteger:
      case fstFloat:
        return NumberSet(token);
      case fstVariable:
        return VariableSet(token);
      case fstList:
        return ListSet(token);
      default:
        return SetOfToken(token);
    }
  }

 private:
  // A set on the walk's stack, with the leftmost token it was made from. Crisp marks a bare
  // number, whose value a hedge operator takes as it was written.
  struct TEntry {
    TSet Set;
    IPtr<IFuzzyStreamToken> First;
    bool Crisp = false;
  };
  using TStack = std::vector<TEntry>;

  [[noreturn]] void Fail(const char* message, const std::string& text) {
    FParser.ParseError(SEvalFuzzyExpression, message, {text});
  }

  void CheckVariable() {
    if (TModel::IsMissing(FVariable))
      FParser.ParseError(SEvalFuzzyExpression, SFzyUndefinedVariable);
  }

  // ---- The walk over the postfix list ----

  TSet Walk(const IPtr<IFuzzyStreamTokenList>& postfix) {
    TStack stack;
    for (int i = 0; i < postfix->GetCount(); ++i) {
      const IPtr<IFuzzyStreamToken> token = postfix->Get(i);
      if (TKWFuzzyLogicParser::IsOperand(token)) {
        stack.push_back({Operand(token), token, IsNumberToken(token)});
      } else {
        ApplyOperator(token, stack);
      }
    }
    // An operand that no operator joined to the others: the expression is not what was meant.
    if (stack.size() > 1) Fail(SFzyUnexpectedToken, stack[1].First->ToString());
    return stack.back().Set;
  }

  void ApplyOperator(const IPtr<IFuzzyStreamToken>& token, TStack& stack) {
    if (stack.empty()) Fail(SFzyMissingOperand, token->ToString());
    const std::string text = token->GetText();
    TFuzzyHedge hedge = fhNot;
    TBaseFuzzyHedge baseHedge = bfhAdd;
    bool onValues = true;
    bool isUnion = true;
    TFuzzyOperation operation = foZadeh;
    if (IsFuzzyHedge(text, hedge)) {
      ApplyHedge(token, hedge, stack.back());
    } else if (IsFuzzyHedgeOperator(text, baseHedge, onValues)) {
      ApplyHedgeOperator(token, baseHedge, onValues, stack);
    } else if (IsFuzzyKeyword(text, isUnion, operation)) {
      Combine(token, isUnion, operation, stack);
    } else {
      Fail(SFzyInvalidToken, token->ToString());
    }
  }

  void ApplyHedge(const IPtr<IFuzzyStreamToken>& token, TFuzzyHedge hedge, TEntry& operand) {
    operand.Set = Private(operand.Set);
    operand.Set->Hedge(hedge);
    operand.First = token;
    operand.Crisp = false;
  }

  // The right operand only gives the value; the left one is changed (a copy of a term).
  void ApplyHedgeOperator(const IPtr<IFuzzyStreamToken>& token, TBaseFuzzyHedge hedge,
                          bool onValues, TStack& stack) {
    const TEntry right = Pop(stack);
    if (stack.empty()) Fail(SFzyMissingOperand, token->ToString());
    TEntry& left = stack.back();
    const TFzyFloat value = right.Crisp ? right.First->GetNumber() : right.Set->MeanOfMaxima();
    const std::string expression =
        Embedded(left.Set) + " " + token->ToString() + " " + Embedded(right.Set);
    left.Set = Private(left.Set);
    left.Set->Hedge(hedge, value, onValues);
    left.Set->SetExpression(expression);
    left.Crisp = false;
  }

  void Combine(const IPtr<IFuzzyStreamToken>& token, bool isUnion, TFuzzyOperation operation,
               TStack& stack) {
    const TEntry right = Pop(stack);
    if (stack.empty()) Fail(SFzyMissingOperand, token->ToString());
    TEntry& left = stack.back();
    // The result joins the left operand's variable, so that operand must be one of ours.
    const TSet owner = Own(left.Set);
    left.Set =
        isUnion ? owner->Union(right.Set, operation) : owner->Intersection(right.Set, operation);
    left.Crisp = false;
  }

  static TEntry Pop(TStack& stack) {
    TEntry entry = stack.back();
    stack.pop_back();
    return entry;
  }

  static std::string Embedded(const TSet& fuzzySet) {
    return EmbeddedText(fuzzySet->GetExpression(), fuzzySet->GetName());
  }

  // ---- Which sets may be changed ----

  // A set that may be changed in place: terms, the shared "__Empty" set and sets of other
  // variables are copied into this variable first.
  TSet Private(const TSet& fuzzySet) {
    const bool shared = fuzzySet->GetDefined() || fuzzySet->GetName() == SEmptyFuzzy;
    return shared ? TModel::Copy(FVariable, fuzzySet) : Own(fuzzySet);
  }

  TSet Own(const TSet& fuzzySet) {
    return TModel::BelongsTo(fuzzySet, FVariable) ? fuzzySet : TModel::Copy(FVariable, fuzzySet);
  }

  // ---- Operands ----

  TSet EmptySet() {
    const TSet existing = TModel::Find(FVariable, SEmptyFuzzy);
    return existing ? existing : TModel::NewSet(FVariable, SEmptyFuzzy);
  }

  TSet NamedSet(const IPtr<IFuzzyStreamToken>& token) {
    const std::string name = token->GetText();
    if (name.empty() || name == SEmptyFuzzy) return EmptySet();
    const TSet found = TModel::Find(FVariable, name);
    if (!found) Fail(SFzyInvalidToken, token->ToString());
    return found;
  }

  // A spike at the number: its mean of maxima is the number.
  TSet NumberSet(const IPtr<IFuzzyStreamToken>& token) {
    const std::string text = token->ToString();
    const TFzyFloat number = token->GetNumber();
    const TSet spike = TModel::NewSet(FVariable, text);
    spike->CreateTriangleFunctionValues(number, number, number);
    spike->SetExpression(text);
    return spike;
  }

  // ?name: the expression stored under name in the logic component's Variables.
  TSet VariableSet(const IPtr<IFuzzyStreamToken>& token) {
    const TCustomFuzzyLogic* logic = FParser.GetFuzzyLogic();
    if (logic == nullptr) FParser.ParseError(SEvalFuzzyExpression, SFuzzyLogicNotSet);
    const std::string name = token->GetText();
    CheckVariableNotInUse(token);
    TVariableInUse inUse(FVariablesInUse, name);
    const TSet result =
        Private(FParser.EvalFuzzyExpression(FVariable, logic->GetVariables()->GetValue(name)));
    result->SetName(token->ToString());
    return result;
  }

  void CheckVariableNotInUse(const IPtr<IFuzzyStreamToken>& token) {
    for (const std::string& name : FVariablesInUse) {
      if (name == token->GetText()) Fail(SFzyRecursiveVariable, token->ToString());
    }
    if (FVariablesInUse.size() >= static_cast<std::size_t>(MaxFuzzyNesting)) {
      FParser.ParseError(SEvalFuzzyExpression, SFzyVariablesTooDeep,
                         {MaxFuzzyNesting, token->ToString()});
    }
  }

  // A function call (name first) or a list of points.
  TSet ListSet(const IPtr<IFuzzyStreamToken>& token) {
    const IPtr<IFuzzyStreamTokenList> list = token->GetList();
    if (!list || list->GetCount() == 0) Fail(SFzyInvalidToken, token->ToString());
    const TSet fuzzySet = TModel::NewSet(FVariable, token->ToString());
    const IPtr<IFuzzyStreamToken> head = list->Get(0);
    if (head && head->GetDataType() == fstList) {
      return ConvertListToValues<TModel>(FParser, fuzzySet, list);
    }
    const std::string function = list->GetBaseStreamToken(0)->ToString();
    return FParser.CalcFuzzyFunction(fuzzySet, function, FunctionArguments(list));
  }

  TSet SetOfToken(const IPtr<IFuzzyStreamToken>& token) {
    if (token->GetDataType() == TModel::SetTokenKind) {
      if (TSet carried = TModel::TokenSet(token)) return carried;
    }
    Fail(SFzyInvalidToken, token->ToString());
  }

  TKWFuzzyLogicParser& FParser;
  TVariable FVariable;
  std::vector<std::string>& FVariablesInUse;
};

}  // namespace fuzzy::evaluation
