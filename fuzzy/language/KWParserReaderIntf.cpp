// Reading the definition language into the interface model: the same grammar as the object
// model, through IFuzzyVariable and IFuzzySet, with the variables stored in a TIFuzzyLogic.
#include <utility>

#include "fuzzy/framework/SysUtils.h"
#include "fuzzy/interfaces/IFuzzyLogic.h"
#include "fuzzy/interfaces/IFuzzyLogicComponent.h"
#include "fuzzy/language/KWFuzzyLogicParser.h"
#include "fuzzy/language/KWParserReading.h"
#include "fuzzy/logic/CallEvent.h"

namespace fuzzy {

using namespace reading;

namespace {

// A set that a function or a point list has just added to a variable's term table goes out of
// the table again should its making fail, so that no half-made term is left to be written.
class TTermOnTrial {
 public:
  TTermOnTrial(IPtr<IFuzzyVariable> variable, IPtr<IFuzzySet> fuzzySet)
      : FVariable(std::move(variable)), FSet(std::move(fuzzySet)) {}
  ~TTermOnTrial() {
    if (!FSet) return;
    try {
      FVariable->Remove(FSet);
    } catch (...) {
    }
  }
  TTermOnTrial(const TTermOnTrial&) = delete;
  TTermOnTrial& operator=(const TTermOnTrial&) = delete;

  const IPtr<IFuzzySet>& Get() const { return FSet; }
  // The making succeeded: the set stays.
  IPtr<IFuzzySet> Release() { return std::exchange(FSet, nullptr); }

 private:
  IPtr<IFuzzyVariable> FVariable;
  IPtr<IFuzzySet> FSet;
};

// Defined alone only marks a set; a set entering the term table is what makes it a term.
void MakeTerm(const IPtr<IFuzzyVariable>& variable, const IPtr<IFuzzySet>& fuzzySet) {
  fuzzySet->SetDefined(true);
  if (variable->ContainsFuzzySet(fuzzySet->GetName()) != fuzzySet) variable->Add(fuzzySet);
}

// A copy outside the term table, with the original's shape and expression.
IPtr<IFuzzySet> CopyOf(const IPtr<IFuzzySet>& fuzzySet) {
  return AsInterface<IFuzzySet>(fuzzySet->Clone());
}

}  // namespace

bool reading::IsInterfaceModel(const TCustomFuzzyLogic* logic) {
  return dynamic_cast<const TIFuzzyLogic*>(logic) != nullptr;
}

std::string TKWFuzzyLogicParser::GetUniqueName() {
  return "FuzzySet" + IntToStr(GetUniqueID());
}

// ---- Text-taking entries -----------------------------------------------------------------------

IPtr<IFuzzyVariable> TKWFuzzyLogicParser::ParseFuzzyVariableIntf(const std::string& text) {
  RequireFuzzyLogic(this);
  return WithText(text, [this] { return ParseFuzzyVariableIntf(); });
}

IPtr<IFuzzySet> TKWFuzzyLogicParser::ParseFuzzySet(const IPtr<IFuzzyVariable>& variable,
                                                   const std::string& text) {
  return WithText(text, [this, &variable] { return ParseFuzzySet(variable); });
}

// ---- Reading from the current tokenizer
// ----------------------------------------------------------

IPtr<IFuzzyVariable> TKWFuzzyLogicParser::ParseFuzzyVariableIntf() {
  std::string name;
  std::string comment;
  const IPtr<IFuzzyStreamToken> token = ParseHeader(true, SDefinitionKeyword, SParseFuzzyVariable,
                                                    SFzyExpectedFuzzyDefinition, name, comment);
  auto* logic = dynamic_cast<TIFuzzyLogic*>(GetFuzzyLogic());
  if (logic == nullptr) throw EFzyParseException(SFuzzyLogicNotTIFuzzyLogic);
  if (logic->GetItems()->Get(name)) {
    ParseError(SParseFuzzyVariable, SFzyDuplicateVariableName, {name});
  }

  const IPtr<IFuzzyVariable> variable(logic->GetVariableClass().Create(name));
  variable->SetComment(comment);
  variable->SetParser(IPtr<IFuzzyParser>(this));
  ParseClauses({.SetRange =
                    [&variable](TFzyFloat minimum, TFzyFloat maximum) {
                      variable->SetMinimum(minimum);
                      variable->SetMaximum(maximum);
                    },
                .SetUnits = [&variable](const std::string& units) { variable->SetUnits(units); },
                .ParseTerm = [this, &variable] { MakeTerm(variable, ParseFuzzySet(variable)); }},
               token);
  // Stored only now, so that its automatic terms span the range read and fill in only the
  // names the text left out.
  logic->GetItems()->Put(variable->GetName(), variable);
  CallEvent(FOnParseFuzzyVariableIntf, variable);
  return variable;
}

IPtr<IFuzzySet> TKWFuzzyLogicParser::ParseFuzzySet(const IPtr<IFuzzyVariable>& variable) {
  if (!variable) ParseError(SParseFuzzySet, SFzyUndefinedVariable);
  std::string name;
  std::string comment;
  PutBackToken(
      ParseHeader(true, STermKeyword, SParseFuzzySet, SFzyExpectedFuzzySet, name, comment));
  RequireTermName(name);
  if (variable->ContainsFuzzySet(name)) ParseError(SParseFuzzySet, SFzyDuplicateTermName, {name});
  // Functions and point lists make Defined sets of their own; only an expression can answer
  // an existing term.
  const bool expression = PeekTermBody() == tbExpression;
  IPtr<IFuzzySet> fuzzySet = ParseFuzzyValues(variable);
  if (!fuzzySet) ParseError(SParseFuzzySet, SFzyInvalidToken, {name});
  // A body naming an existing term gives a copy: that term keeps its own name.
  if (expression && fuzzySet->GetDefined()) fuzzySet = CopyOf(fuzzySet);
  fuzzySet->SetName(name);
  fuzzySet->SetComment(comment);
  if (!IsPunctuation(NextToken(), ')')) ParseError(SParseFuzzySet, SFzyMissingCloseParens);
  CallEvent(FOnParseFuzzySetIntf, variable, fuzzySet);
  return fuzzySet;
}

IPtr<IFuzzySet> TKWFuzzyLogicParser::ParseFuzzyValues(const IPtr<IFuzzyVariable>& variable) {
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

IPtr<IFuzzySet> TKWFuzzyLogicParser::ParseFuzzyFunction(const IPtr<IFuzzyVariable>& variable) {
  const std::string name = ParseFunctionName();
  const IPtr<IFuzzyStreamTokenList> args = ParseTokenList();
  TTermOnTrial fuzzySet(variable, variable->Add(GetUniqueName()));
  IPtr<IFuzzySet> result = CalcFuzzyFunction(fuzzySet.Get(), name, args);
  NextToken();
  fuzzySet.Release();
  return result;
}

IPtr<IFuzzySet> TKWFuzzyLogicParser::ParseFuzzyValuePairs(const IPtr<IFuzzyVariable>& variable) {
  TTermOnTrial fuzzySet(variable, variable->Add(GetUniqueName()));
  ParsePointList([&fuzzySet](TFzyFloat x, TFzyFloat y) { fuzzySet.Get()->Add(x, y); });
  return fuzzySet.Release();
}

}  // namespace fuzzy
