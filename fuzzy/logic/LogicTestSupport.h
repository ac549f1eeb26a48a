// Helpers shared by the logic tests: a logic component that records the notifications reaching
// it, a parser that answers fixed text, and the message of the exception an action raises.
#pragma once

#include <string>
#include <vector>

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/logic/FuzzyLogic.h"

namespace fuzzy::testing_support {

inline std::string ActionName(TCollectionNotification action) {
  static constexpr const char* kNames[] = {"added", "extracting", "deleting"};
  return kNames[action];
}

// Every hook call as one line, e.g. "UpdateFuzzySet low" or "UpdateVariable *" (whole list).
class TRecordingFuzzyLogic : public TCustomFuzzyLogic {
 public:
  static TRecordingFuzzyLogic* Create() { return Constructed(new TRecordingFuzzyLogic()); }

  std::vector<std::string> Calls;
  // A call recorded with exactly this line then raises EFzyException.
  std::string ThrowOn;

 protected:
  TRecordingFuzzyLogic() : TCustomFuzzyLogic(nullptr) {}

  void Record(const std::string& call) {
    Calls.push_back(call);
    if (call == ThrowOn) throw EFzyException(call);
  }

  // Also shows what the variable holds at that moment: its maximum and its term count.
  void NotifyVariable(TFuzzyVariable* variable, TCollectionNotification action) override {
    Record("NotifyVariable " + ActionName(action) + " " + variable->GetName() +
           " max=" + FloatToStr(variable->GetMaximum()) +
           " terms=" + IntToStr(variable->GetItems()->GetCount()));
  }
  void NotifyFuzzySet(TFuzzySet* fuzzySet, TCollectionNotification action) override {
    Record("NotifyFuzzySet " + ActionName(action) + " " + fuzzySet->GetName());
  }
  void UpdateVariable(TFuzzyVariable* variable) override {
    Record("UpdateVariable " + (variable == nullptr ? "*" : variable->GetName()));
  }
  void UpdateFuzzySet(TFuzzySet* fuzzySet) override {
    Record("UpdateFuzzySet " + fuzzySet->GetName());
  }
  void ThresholdChanged() override { Record("ThresholdChanged"); }
};

// Writes every set as "set <name>" and every variable as "(deffuzzy <name>)".
class TFixedTextParser : public TCustomFuzzyLogicParser {
 public:
  static TFixedTextParser* Create(TComponent* owner) {
    return Constructed(new TFixedTextParser(owner));
  }

  std::string PrettyPrint(TFuzzySet* fuzzySet, bool asTerm) override {
    return (asTerm ? "term " : "set ") + fuzzySet->GetName();
  }
  std::string PrettyPrint(TFuzzyVariable* variable) override {
    return "(deffuzzy " + variable->GetName() + ")";
  }

 protected:
  explicit TFixedTextParser(TComponent* owner) : TCustomFuzzyLogicParser(owner) {}
};

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
