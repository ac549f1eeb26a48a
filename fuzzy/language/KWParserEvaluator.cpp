// The expression evaluator of TKWFuzzyLogicParser for the object model, and what both models
// share: the roles and priorities of the expression's tokens, the postfix conversion, and the
// reading of point lists.
#include <cstdint>
#include <string>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/framework/PostFix.h"
#include "fuzzy/interfaces/FuzzyStreamTokenList.h"
#include "fuzzy/language/ExpressionEvaluator.h"
#include "fuzzy/logic/CallEvent.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

namespace {

using evaluation::SEvalFuzzyExpression;

// ---- Token roles ------------------------------------------------------------------------------

enum TTokenRole : std::uint8_t {
  trOpenBracket,
  trCloseBracket,
  trHedge,
  trHedgeOperator,
  trKeyword,
  trOperand
};

bool IsAndOrKeyword(const std::string& text) {
  bool isUnion = true;
  TFuzzyOperation operation = foZadeh;
  return IsFuzzyKeyword(text, isUnion, operation);
}

// Lists, variables and sets are operands whatever their text; other tokens are told by it.
TTokenRole RoleOf(const IPtr<IInterface>& item) {
  const IPtr<IFuzzyStreamToken> token = InterfaceCast<IFuzzyStreamToken>(item);
  if (!token) return trOperand;
  switch (token->GetDataType()) {
    case fstVariable:
    case fstList:
    case fstIFuzzySet:
    case fstFuzzySet:
      return trOperand;
    default:
      break;
  }
  const std::string text = token->GetText();
  if (text == LeftFuzzyParentheses) return trOpenBracket;
  if (text == RightFuzzyParentheses) return trCloseBracket;
  if (IsFuzzyHedge(text)) return trHedge;
  if (IsFuzzyHedgeOperator(text)) return trHedgeOperator;
  if (IsAndOrKeyword(text)) return trKeyword;
  return trOperand;
}

std::string TextOf(const IPtr<IFuzzyStreamTokenList>& tokens, int index) {
  const IPtr<IBaseStreamToken> token = tokens->GetBaseStreamToken(index);
  return token ? token->ToString() : "";
}

// ---- The object model as a policy of the shared evaluator ----------------------------------

struct TObjectModel {
  using TSet = TFuzzySet*;
  using TVariable = TFuzzyVariable*;
  static constexpr int SetTokenKind = fstFuzzySet;

  static bool IsMissing(TFuzzyVariable* variable) { return variable == nullptr; }
  static TFuzzySet* Find(TFuzzyVariable* variable, const std::string& name) {
    const int index = variable->GetItems()->IndexOf(name);
    return index < 0 ? nullptr : variable->GetItems()->GetItem(index);
  }
  // Not through the collection's Add (name), which would make the set a term.
  static TFuzzySet* NewSet(TFuzzyVariable* variable, const std::string& name) {
    TFuzzySet* fuzzySet = variable->GetItems()->Add();
    fuzzySet->SetName(name);
    return fuzzySet;
  }
  static TFuzzySet* Copy(TFuzzyVariable* variable, TFuzzySet* source) {
    TFuzzySet* copy = variable->GetItems()->Add();
    copy->Assign(source);
    return copy;
  }
  static bool BelongsTo(const TFuzzySet* fuzzySet, const TFuzzyVariable* variable) {
    return fuzzySet->GetCollection() == variable->GetItems();
  }
  static TFuzzySet* TokenSet(const IPtr<IFuzzyStreamToken>& token) {
    return dynamic_cast<TFuzzySet*>(token->GetObjValue());
  }
  static void AddPoint(TFuzzySet* fuzzySet, TFzyFloat x, TFzyFloat y) {
    fuzzySet->GetValues()->Add(x, y);
  }
  static void Report(TKWFuzzyLogicParser& parser, TFuzzyVariable* variable,
                     const std::string& postfix, TFuzzySet*& result) {
    CallEvent(parser.GetOnEvalExpression(), &parser, variable, postfix, result);
  }
};

using TObjectEvaluator = evaluation::TExpressionEvaluator<TObjectModel>;

}  // namespace

// ---- What both models share -------------------------------------------------------------------

namespace evaluation {

void ToPostFix(TKWFuzzyLogicParser& parser, const IPtr<IFuzzyStreamTokenList>& tokens) {
  const IPtr<IInterfaceList> infix = TInterfaceList::Create();
  int depth = 0;
  for (int i = 0; i < tokens->GetCount(); ++i) {
    const IPtr<IFuzzyStreamToken> token = tokens->Get(i);
    if (!token) parser.ParseError(SEvalFuzzyExpression, SFzyInvalidToken, {TextOf(tokens, i)});
    const TTokenRole role = RoleOf(token);
    // The conversion itself would cope; the limit keeps every walk over groups shallow.
    if (role == trOpenBracket && ++depth > MaxFuzzyNesting) {
      parser.ParseError(SEvalFuzzyExpression, SFzyBracketsTooDeep, {MaxFuzzyNesting});
    }
    if (role == trCloseBracket && depth > 0) --depth;
    infix->Add(token);
  }
  const IPtr<IInterfaceList> postfix =
      PostFix(infix, TKWFuzzyLogicParser::IsOpenParen, TKWFuzzyLogicParser::IsCloseParen,
              TKWFuzzyLogicParser::IsOperand, TKWFuzzyLogicParser::InStackPriority,
              TKWFuzzyLogicParser::IncomingPriority);
  tokens->Clear();
  TKWFuzzyLogicParser::FillExpression(postfix, tokens);
}

bool IsNumberToken(const IPtr<IFuzzyStreamToken>& token) {
  return token && (token->GetDataType() == fstInteger || token->GetDataType() == fstFloat);
}

IPtr<IFuzzyStreamTokenList> FunctionArguments(const IPtr<IFuzzyStreamTokenList>& call) {
  const IPtr<IFuzzyStreamTokenList> arguments = TFuzzyStreamTokenList::Create();
  IBaseStreamTokenList& target = *arguments;
  for (int i = 1; i < call->GetCount(); ++i) target.Add(call->GetBaseStreamToken(i));
  return arguments;
}

void ReadValuePair(TKWFuzzyLogicParser& parser, const IPtr<IFuzzyStreamTokenList>& list, int index,
                   TFzyFloat& x, TFzyFloat& y) {
  const IPtr<IFuzzyStreamToken> item = list->Get(index);
  const IPtr<IFuzzyStreamTokenList> pair =
      item && item->GetDataType() == fstList ? item->GetList() : nullptr;
  if (!pair || pair->GetCount() != 2) {
    parser.ParseError(SConvertListToValues, SFzyInvalidValuePair, {TextOf(list, index)});
  }
  const IPtr<IFuzzyStreamToken> first = pair->Get(0);
  const IPtr<IFuzzyStreamToken> second = pair->Get(1);
  if (!IsNumberToken(first) || !IsNumberToken(second)) {
    parser.ParseError(SConvertListToValues, SFzyExpectedNumber);
  }
  x = first->GetNumber();
  y = second->GetNumber();
}

std::string EmbeddedText(const std::string& expression, const std::string& name) {
  return FormatFuzzyExpression(expression.empty() ? EscapeFuzzyName(name) : expression);
}

bool DefuzzifiesByMeanOfMaxima(const TKWFuzzyLogicParser& parser) {
  const TCustomFuzzyLogic* logic = parser.GetFuzzyLogic();
  return logic != nullptr && logic->GetDefuzzificationMethod() == dmMeanOfMaxima;
}

}  // namespace evaluation

// ---- The grammar ------------------------------------------------------------------------------

bool TKWFuzzyLogicParser::IsOpenParen(const IPtr<IInterface>& token) {
  return RoleOf(token) == trOpenBracket;
}

bool TKWFuzzyLogicParser::IsCloseParen(const IPtr<IInterface>& token) {
  return RoleOf(token) == trCloseBracket;
}

bool TKWFuzzyLogicParser::IsOperand(const IPtr<IInterface>& token) {
  return RoleOf(token) == trOperand;
}

// Hedges bind tighter than every binary operator and nest from the innermost outwards; the
// binary operators share one level and group from the left.
int TKWFuzzyLogicParser::InStackPriority(const IPtr<IInterface>& token) {
  switch (RoleOf(token)) {
    case trOpenBracket:
      return 4;
    case trKeyword:
    case trHedgeOperator:
      return 3;
    case trHedge:
      return 2;
    default:
      return 1;
  }
}

int TKWFuzzyLogicParser::IncomingPriority(const IPtr<IInterface>& token) {
  switch (RoleOf(token)) {
    case trOpenBracket:
      return 0;
    case trKeyword:
    case trHedgeOperator:
      return 3;
    default:
      return 1;
  }
}

void TKWFuzzyLogicParser::FillExpression(const IPtr<IInterfaceList>& source,
                                         const IPtr<IFuzzyStreamTokenList>& target) {
  if (!source || !target) return;
  for (int i = 0; i < source->GetCount(); ++i) {
    const IPtr<IInterface> item = source->GetItem(i);
    if (const IPtr<IInterfaceList> nested = InterfaceCast<IInterfaceList>(item)) {
      FillExpression(nested, target);
    } else if (const IPtr<IFuzzyStreamToken> token = InterfaceCast<IFuzzyStreamToken>(item)) {
      target->Add(token);
    }
  }
}

// ---- Text -------------------------------------------------------------------------------------

IPtr<IFuzzyStreamTokenList> TKWFuzzyLogicParser::ParseExpressionTokens() {
  GetTokenStream()->SetOneConstruct(true);
  const IPtr<IFuzzyStreamTokenList> tokens = ParseTokenList();
  const IPtr<IFuzzyStreamToken> rest = NextToken();
  if (rest->GetDataType() != fstNone) {
    ParseError(SEvalFuzzyExpression, SFzyUnexpectedToken, {rest->ToString()});
  }
  // Out of the parsed text again, which later errors quote.
  PutBackToken(rest);
  return tokens;
}

// ---- Object model -----------------------------------------------------------------------------

TFuzzySet* TKWFuzzyLogicParser::EvalFuzzyExpression(TFuzzyVariable* variable,
                                                    const std::string& expression) {
  return WithText(expression,
                  [&] { return EvalFuzzyExpression(variable, ParseExpressionTokens()); });
}

TFzyFloat TKWFuzzyLogicParser::EvalFuzzyExpression(TFuzzyVariable* variable,
                                                   const std::string& expression,
                                                   TFuzzySet*& result) {
  result = EvalFuzzyExpression(variable, expression);
  return evaluation::Defuzzified(*this, result);
}

TFuzzySet* TKWFuzzyLogicParser::EvalFuzzyExpression(TFuzzyVariable* variable,
                                                    const IPtr<IFuzzyStreamTokenList>& tokens) {
  return TObjectEvaluator(*this, variable, FVariablesInUse).Evaluate(tokens);
}

TFuzzySet* TKWFuzzyLogicParser::EvalFuzzyExpression(TFuzzyVariable* variable,
                                                    const IPtr<IFuzzyStreamToken>& token) {
  return TObjectEvaluator(*this, variable, FVariablesInUse).Operand(token);
}

TFuzzySet* TKWFuzzyLogicParser::ConvertListToValues(TFuzzySet* fuzzySet,
                                                    const IPtr<IFuzzyStreamTokenList>& list) {
  return evaluation::ConvertListToValues<TObjectModel>(*this, fuzzySet, list);
}

}  // namespace fuzzy
