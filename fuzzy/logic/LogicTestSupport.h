// Helpers shared by the logic tests: a logic component that records the notifications reaching
// it, a parser that reads and writes a trivial text form, tokens for function arguments, and
// the message of the exception an action raises.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/interfaces/FuzzyStreamToken.h"
#include "fuzzy/interfaces/FuzzyStreamTokenList.h"
#include "fuzzy/logic/FuzzyLogic.h"

namespace fuzzy::testing_support {

inline std::string ActionName(TCollectionNotification action) {
  static constexpr const char* kNames[] = {"added", "extracting", "deleting"};
  return kNames[action];
}

// Every hook call as one line, e.g. "UpdateFuzzySet low" or "UpdateVariable *" (whole list),
// then the component's own handling. No automatic terms, so the lines stay few.
class TRecordingFuzzyLogic : public TFuzzyLogic {
 public:
  static TRecordingFuzzyLogic* Create() { return Constructed(new TRecordingFuzzyLogic()); }

  std::vector<std::string> Calls;
  // A call recorded with exactly this line then raises EFzyException.
  std::string ThrowOn;

 protected:
  TRecordingFuzzyLogic() : TFuzzyLogic(nullptr) { SetAutoTerms(false); }

  void Record(const std::string& call) {
    Calls.push_back(call);
    if (call == ThrowOn) throw EFzyException(call);
  }

  // Also shows what the variable holds at that moment: its maximum and its term count.
  void NotifyVariable(TFuzzyVariable* variable, TCollectionNotification action) override {
    Record("NotifyVariable " + ActionName(action) + " " + variable->GetName() +
           " max=" + FloatToStr(variable->GetMaximum()) +
           " terms=" + IntToStr(variable->GetItems()->GetCount()));
    TFuzzyLogic::NotifyVariable(variable, action);
  }
  void NotifyFuzzySet(TFuzzySet* fuzzySet, TCollectionNotification action) override {
    Record("NotifyFuzzySet " + ActionName(action) + " " + fuzzySet->GetName());
    TFuzzyLogic::NotifyFuzzySet(fuzzySet, action);
  }
  void UpdateVariable(TFuzzyVariable* variable) override {
    Record("UpdateVariable " + (variable == nullptr ? "*" : variable->GetName()));
    TFuzzyLogic::UpdateVariable(variable);
  }
  void UpdateFuzzySet(TFuzzySet* fuzzySet) override {
    Record("UpdateFuzzySet " + fuzzySet->GetName());
    TFuzzyLogic::UpdateFuzzySet(fuzzySet);
  }
  void ThresholdChanged() override {
    Record("ThresholdChanged");
    TFuzzyLogic::ThresholdChanged();
  }
};

// Writes a variable as "(deffuzzy <name>)" and a set as "set <name>" (or "term <name>"), and
// reads back every word of a text but "deffuzzy" as a new variable of that name (into a
// TFuzzyLogic; other components are only handed the text). What a real
// parser does beyond that (expressions, the interface model) raises EInvalidOperation.
class TFixedTextParser : public TCustomFuzzyLogicParser {
 public:
  static TFixedTextParser* Create(TComponent* owner) {
    return Constructed(new TFixedTextParser(owner));
  }

  // Every text handed to ParseFuzzyLogic.
  std::vector<std::string> Parsed;
  // What parse errors quote.
  std::string ParsedText;
  int LineNumber = 0;

  std::string PrettyPrint(TFuzzySet* fuzzySet, bool asTerm) override {
    return (asTerm ? "term " : "set ") + fuzzySet->GetName();
  }
  std::string PrettyPrint(TFuzzyVariable* variable) override {
    return "(deffuzzy " + variable->GetName() + ")";
  }
  // A word "fail" raises a parse error once the words before it are read.
  void ParseFuzzyLogic(const std::string& text) override {
    Parsed.push_back(text);
    std::string spaced = text;
    for (char& c : spaced) c = (c == '(' || c == ')') ? ' ' : c;
    std::istringstream words(spaced);
    for (std::string word; words >> word;) {
      if (word == "fail") ParseError("ParseFuzzyLogic", "failed on purpose");
      if (word != "deffuzzy" && Logic() != nullptr) Logic()->GetItems()->Add(word);
    }
  }
  std::string GetParsedText() const override { return ParsedText; }
  int GetLineNumber() const override { return LineNumber; }

  // The built-ins, reachable from the tests.
  using TCustomFuzzyLogicParser::CalcFuzzyFunction;

  TFuzzyVariable* ParseFuzzyVariable(const std::string&) override { Unsupported(); }
  IPtr<IFuzzyVariable> ParseFuzzyVariableIntf(const std::string&) override { Unsupported(); }
  TFuzzySet* ParseFuzzySet(TFuzzyVariable*, const std::string&) override { Unsupported(); }
  IPtr<IFuzzySet> ParseFuzzySet(const IPtr<IFuzzyVariable>&, const std::string&) override {
    Unsupported();
  }
  TFzyFloat EvalFuzzyExpression(const IPtr<IFuzzyVariable>&, const std::string&,
                                IPtr<IFuzzySet>&) override {
    Unsupported();
  }
  IPtr<IFuzzySet> EvalFuzzyExpression(const IPtr<IFuzzyVariable>&, const std::string&) override {
    Unsupported();
  }
  TFzyFloat EvalFuzzyExpression(TFuzzyVariable*, const std::string&, TFuzzySet*&) override {
    Unsupported();
  }
  TFuzzySet* EvalFuzzyExpression(TFuzzyVariable*, const std::string&) override { Unsupported(); }
  std::string PrettyPrint(const IPtr<IFuzzySet>&, bool) override { Unsupported(); }
  std::string PrettyPrint(const IPtr<IFuzzyVariable>&) override { Unsupported(); }

 protected:
  explicit TFixedTextParser(TComponent* owner) : TCustomFuzzyLogicParser(owner) {}

 private:
  TFuzzyLogic* Logic() const { return dynamic_cast<TFuzzyLogic*>(GetFuzzyLogic()); }
  [[noreturn]] static void Unsupported() { throw EInvalidOperation("not in the test parser"); }
};

// A token list of integers, floats and, for any text, atoms.
struct TArg {
  TArg(int number) : Kind(fstInteger), Number(number) {}
  TArg(double number) : Kind(fstFloat), Number(number) {}
  TArg(const char* atom) : Kind(fstAtom), Text(atom) {}
  TFuzzyStreamTokenType Kind;
  double Number = 0;
  std::string Text;
};

inline IPtr<IFuzzyStreamTokenList> Args(const std::vector<TArg>& args) {
  IPtr<TFuzzyStreamTokenList> list = TFuzzyStreamTokenList::Create();
  for (const TArg& arg : args) {
    const std::string text = arg.Kind == fstAtom ? arg.Text : FloatToStr(arg.Number);
    list->Add(IPtr<IFuzzyStreamToken>(TFuzzyStreamToken::Create(arg.Kind, text, arg.Number)));
  }
  return list;
}

// The message of the EFzyException that `action` raises; "no exception" when it raises none.
template <class TAction>
std::string FzyMessageOf(TAction&& action) {
  try {
    action();
  } catch (const EFzyException& error) {
    return error.GetMessage();
  }
  return "no exception";
}

}  // namespace fuzzy::testing_support
