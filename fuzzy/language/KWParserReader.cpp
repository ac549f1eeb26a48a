// Reading the definition language: the text-taking entries, the parts shared by both models
// (headers, clauses, token lists, point lists) and the object-model routines.
#include "fuzzy/framework/Collection.h"
#include "fuzzy/interfaces/FuzzyStreamTokenList.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/language/KWParserReading.h"
#include "fuzzy/language/PlainDefinitions.h"
#include "fuzzy/language/VariableNameIndex.h"
#include "fuzzy/language/VariableOutside.h"
#include "fuzzy/logic/CallEvent.h"
#include "fuzzy/logic/FuzzyLogic.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FreeOnError.h"

namespace fuzzy {

using namespace reading;

namespace {

bool HasTerm(const TFuzzyVariable* variable, const std::string& name) {
  const TFuzzySets* terms = variable->GetItems();
  for (int i = 0; i < terms->GetCount(); ++i) {
    const TFuzzySet* term = terms->GetItem(i);
    if (term->GetDefined() && term->GetName() == name) return true;
  }
  return false;
}

}  // namespace

// ---- Text-taking entries -----------------------------------------------------------------------

// The plain definitions at the start of the text take the short way; from the first other one
// on, the tokenizer reads the rest.
void TKWFuzzyLogicParser::ParseFuzzyLogic(const std::string& text) {
  RequireFuzzyLogic(this);
  auto* logic = dynamic_cast<TFuzzyLogic*>(GetFuzzyLogic());
  if (logic == nullptr) {
    WithText(text, [this] { ParseFuzzyLogic(); });
    return;
  }
  TVariableNameIndex names(logic->GetItems());
  TVariableNameIndex* const outer = FVariableNames;
  FVariableNames = &names;
  try {
    const bool plain = TPlainDefinitions::Serves(this, logic);
    TTextPosition from;
    if (plain) from = TPlainDefinitions(text, logic, names).Read();
    if (!plain || from.Offset < text.size()) {
      TTokenizerScope scope(this, text, from);
      ParseFuzzyLogic();
    }
  } catch (...) {
    FVariableNames = outer;
    throw;
  }
  FVariableNames = outer;
}

TFuzzyVariable* TKWFuzzyLogicParser::ParseFuzzyVariable(const std::string& text) {
  RequireFuzzyLogic(this);
  return WithText(text, [this] { return ParseFuzzyVariable(); });
}

TFuzzySet* TKWFuzzyLogicParser::ParseFuzzySet(TFuzzyVariable* variable, const std::string& text) {
  return WithText(text, [this, variable] { return ParseFuzzySet(variable); });
}

// ---- Shared by both models ---------------------------------------------------------------------

// Stops at the end of the tokens, not at the end of the characters: the tokenizer reads a whole
// group ahead, so a definition whose ")" ends the text is still waiting to be read.
void TKWFuzzyLogicParser::ParseFuzzyLogic() {
  while (!GetTokenStream()->IsEof()) {
    const IPtr<IFuzzyStreamToken> token = NextToken();
    if (IsEndOfInput(token)) return;
    if (!IsPunctuation(token, '(')) {
      ParseError(SParseFuzzyLogic, SFzyUnexpectedToken, {token->ToString()});
    }
    PutBackToken(token);
    if (IsInterfaceModel(GetFuzzyLogic())) {
      ParseFuzzyVariableIntf();
    } else {
      ParseFuzzyVariable();
    }
  }
}

IPtr<IFuzzyStreamToken> TKWFuzzyLogicParser::ParseHeader(bool readComment,
                                                         const std::string& keyword,
                                                         const std::string& routine,
                                                         const std::string& message,
                                                         std::string& name, std::string& comment) {
  const IPtr<IFuzzyStreamToken> open = NextToken();
  const IPtr<IFuzzyStreamToken> word = NextToken();
  if (!IsPunctuation(open, '(') || !IsAtom(word) || word->GetText() != keyword) {
    ParseError(routine, message);
  }
  IPtr<IFuzzyStreamToken> token = NextToken();
  if (!IsAtom(token)) ParseError(routine, SFzyMissingName);
  name = token->GetText();
  comment.clear();
  token = NextToken();
  if (readComment && token->GetDataType() == fstString) {
    comment = token->GetText();
    token = NextToken();
  }
  return token;
}

void TKWFuzzyLogicParser::ParseClauses(const TClauseActions& actions,
                                       IPtr<IFuzzyStreamToken> token) {
  while (!IsPunctuation(token, ')')) {
    const IPtr<IFuzzyStreamToken> keyword = NextToken();
    if (!IsPunctuation(token, '(')) ParseError(SParseFuzzyVariable, SFzyMissingOpenParens);
    const std::string word = IsAtom(keyword) ? keyword->GetText() : std::string();
    if (word == "range") {
      const TFzyFloat minimum = ParseNumber(SParseFuzzyVariable);
      const TFzyFloat maximum = ParseNumber(SParseFuzzyVariable);
      // The setters would pull the range to one point and take the terms with it: in text a
      // reversed range is a mistake to be told, not data to be collapsed.
      if (minimum > maximum) {
        ParseError(SParseFuzzyVariable, SInvalidRangeArguments, {minimum, maximum});
      }
      actions.SetRange(minimum, maximum);
      token = NextToken();
    } else if (word == "units") {
      actions.SetUnits(NextToken()->ToString());
      token = NextToken();
    } else if (word == "values") {
      for (token = NextToken(); !IsPunctuation(token, ')'); token = NextToken()) {
        PutBackToken(token);
        actions.ParseTerm();
      }
    } else {
      ParseError(SParseFuzzyVariable, SFzyExpectedKeyword, {SClauseKeywords});
    }
    if (!IsPunctuation(token, ')')) ParseError(SParseFuzzyVariable, SFzyMissingCloseParens);
    token = NextToken();
  }
}

TKWFuzzyLogicParser::TTermBody TKWFuzzyLogicParser::PeekTermBody() {
  const IPtr<IFuzzyStreamToken> first = NextToken();
  if (!IsPunctuation(first, '(')) {
    PutBackToken(first);
    return tbExpression;
  }
  const IPtr<IFuzzyStreamToken> second = NextToken();
  PutBackToken(second);
  PutBackToken(first);
  return IsPunctuation(second, '(') ? tbValuePairs : tbFunction;
}

std::string TKWFuzzyLogicParser::ParseFunctionName() {
  if (!IsPunctuation(NextToken(), '(')) ParseError(SParseFuzzyFunction, SFzyMissingOpenParens);
  const IPtr<IFuzzyStreamToken> name = NextToken();
  if (!IsAtom(name)) ParseError(SParseFuzzyFunction, SFzyMissingName);
  return name->GetText();
}

// A pair's ")" is taken on trust: a third number stands in for it, and the list then ends at
// that pair's own ")".
void TKWFuzzyLogicParser::ParsePointList(
    const std::function<void(TFzyFloat x, TFzyFloat y)>& addPoint) {
  if (!IsPunctuation(NextToken(), '(')) ParseError(SParseFuzzyValuePairs, SFzyMissingOpenParens);
  IPtr<IFuzzyStreamToken> token = NextToken();
  while (IsPunctuation(token, '(')) {
    const TFzyFloat x = ParseNumber(SParseFuzzyValuePairs);
    const TFzyFloat y = ParseNumber(SParseFuzzyValuePairs);
    addPoint(x, y);
    NextToken();
    token = NextToken();
  }
  if (!IsPunctuation(token, ')')) ParseError(SParseFuzzyValuePairs, SFzyMissingCloseParens);
}

TFzyFloat TKWFuzzyLogicParser::ParseNumber(const std::string& routine) {
  const IPtr<IFuzzyStreamToken> token = NextToken();
  if (!IsNumber(token)) ParseError(routine, SFzyExpectedNumber);
  return token->GetNumber();
}

IPtr<IFuzzyStreamTokenList> TKWFuzzyLogicParser::ParseTokenList() {
  IPtr<IFuzzyStreamTokenList> list(TFuzzyStreamTokenList::Create());
  IPtr<IFuzzyStreamToken> token = NextToken();
  while (!IsEndOfInput(token) && !IsPunctuation(token, ')')) {
    if (IsPunctuation(token, '(')) {
      token->SetList(ParseTokenList());
      NextToken();
    }
    list->Add(token);
    token = NextToken();
  }
  PutBackToken(token);
  return list;
}

// ---- Object model ------------------------------------------------------------------------------

TFuzzyVariable* TKWFuzzyLogicParser::ParseFuzzyVariable() {
  std::string name;
  std::string comment;
  const IPtr<IFuzzyStreamToken> token = ParseHeader(true, SDefinitionKeyword, SParseFuzzyVariable,
                                                    SFzyExpectedFuzzyDefinition, name, comment);
  auto* logic = dynamic_cast<TFuzzyLogic*>(GetFuzzyLogic());
  if (logic == nullptr) throw EFzyParseException(SFuzzyLogicNotTFuzzyLogic);
  const bool known = FVariableNames != nullptr ? FVariableNames->Contains(logic->GetItems(), name)
                                               : logic->GetItems()->IndexOf(name) >= 0;
  if (known) ParseError(SParseFuzzyVariable, SFzyDuplicateVariableName, {name});

  TCollectionUpdate update(logic->GetItems());
  TFuzzyVariable* variable = logic->GetItems()->Add();
  TVariableOutside outside(variable, logic->GetAutoTerms());
  variable->SetName(name);
  variable->SetComment(comment);
  ParseClauses({.SetRange =
                    [variable](TFzyFloat minimum, TFzyFloat maximum) {
                      variable->SetMinimum(minimum);
                      variable->SetMaximum(maximum);
                    },
                .SetUnits = [variable](const std::string& units) { variable->SetUnits(units); },
                .ParseTerm = [this, variable] { ParseFuzzySet(variable)->SetDefined(true); }},
               token);
  outside.Return();
  if (FVariableNames != nullptr) FVariableNames->AddedLast(variable);
  update.End();
  CallEvent(FOnParseFuzzyVariable, this, variable);
  return variable;
}

TFuzzySet* TKWFuzzyLogicParser::ParseFuzzySet(TFuzzyVariable* variable) {
  if (variable == nullptr) ParseError(SParseFuzzySet, SFzyUndefinedVariable);
  std::string name;
  std::string comment;
  PutBackToken(
      ParseHeader(true, STermKeyword, SParseFuzzySet, SFzyExpectedFuzzySet, name, comment));
  RequireTermName(name);
  if (HasTerm(variable, name)) ParseError(SParseFuzzySet, SFzyDuplicateTermName, {name});
  TFuzzySet* fuzzySet = ParseFuzzyValues(variable);
  if (fuzzySet == nullptr) ParseError(SParseFuzzySet, SFzyInvalidToken, {name});
  // A body naming an existing term gives a copy: that term keeps its own name.
  if (fuzzySet->GetDefined()) fuzzySet = fuzzySet->Clone();
  fuzzySet->SetName(name);
  fuzzySet->SetComment(comment);
  if (!IsPunctuation(NextToken(), ')')) ParseError(SParseFuzzySet, SFzyMissingCloseParens);
  CallEvent(FOnParseFuzzySet, this, fuzzySet);
  return fuzzySet;
}

TFuzzySet* TKWFuzzyLogicParser::ParseFuzzyValues(TFuzzyVariable* variable) {
  switch (PeekTermBody()) {
    case tbFunction:
      return ParseFuzzyFunction(variable);
    case tbValuePairs:
      return ParseFuzzyValuePairs(variable);
    case tbExpression:
      break;
  }
  return EvalFuzzyExpression(variable, ParseTokenList());
}

TFuzzySet* TKWFuzzyLogicParser::ParseFuzzyFunction(TFuzzyVariable* variable) {
  const std::string name = ParseFunctionName();
  const IPtr<IFuzzyStreamTokenList> args = ParseTokenList();
  TFuzzySet* fuzzySet = CalcFuzzyFunction(variable->GetItems()->Add(), name, args);
  NextToken();
  return fuzzySet;
}

TFuzzySet* TKWFuzzyLogicParser::ParseFuzzyValuePairs(TFuzzyVariable* variable) {
  TFreeOnError<TFuzzySet> fuzzySet(variable->GetItems()->Add());
  ParsePointList([&fuzzySet](TFzyFloat x, TFzyFloat y) { fuzzySet->GetValues()->Add(x, y); });
  return fuzzySet.Release();
}

}  // namespace fuzzy
