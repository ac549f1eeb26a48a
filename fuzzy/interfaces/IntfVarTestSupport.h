// For tests of interface-model variables: a variable and a set class that count their live
// instances, a parser that answers fixed texts, and a recorder of a variable's events.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "fuzzy/interfaces/IFuzzySet.h"
#include "fuzzy/interfaces/IFuzzyVariable.h"

namespace fuzzy::testing_support {

class TCountedFuzzySet : public TIFuzzySet {
 public:
  static TCountedFuzzySet* Create(const IPtr<IFuzzyVariable>& variable, const std::string& name) {
    return Constructed(new TCountedFuzzySet(variable, name));
  }
  TIFuzzySetClass GetIFuzzySetClass() const override {
    return TIFuzzySetClass::Of<TCountedFuzzySet>();
  }
  static inline int Live = 0;

 protected:
  TCountedFuzzySet(const IPtr<IFuzzyVariable>& variable, const std::string& name)
      : TIFuzzySet(variable, name) {
    ++Live;
  }
  ~TCountedFuzzySet() override { --Live; }
};

// Its terms made by Add(name) are counted sets too.
class TCountedVariable : public TIFuzzyVariable {
 public:
  static TCountedVariable* Create(const std::string& name = "") {
    return Constructed(new TCountedVariable(name));
  }
  TIFuzzyVariableClass GetClassType() const override {
    return TIFuzzyVariableClass::Of<TCountedVariable>();
  }
  static inline int Live = 0;

 protected:
  explicit TCountedVariable(const std::string& name) : TIFuzzyVariable(name) {
    SetFuzzySetClass(TIFuzzySetClass::Of<TCountedFuzzySet>());
    ++Live;
  }
  ~TCountedVariable() override { --Live; }
};

// Live counted variables and sets together.
inline int LiveObjects() {
  return TCountedVariable::Live + TCountedFuzzySet::Live;
}

inline IPtr<IFuzzyVariable> NewCountedVariable(const std::string& name, TFzyFloat minimum = 0,
                                               TFzyFloat maximum = 10) {
  IPtr<IFuzzyVariable> variable(TCountedVariable::Create(name));
  variable->SetMaximum(maximum);
  variable->SetMinimum(minimum);
  return variable;
}

// A defined term with a triangle.
inline IPtr<IFuzzySet> AddTriangle(const IPtr<IFuzzyVariable>& variable, const std::string& name,
                                   TFzyFloat left, TFzyFloat middle, TFzyFloat right) {
  IPtr<IFuzzySet> term = variable->Add(name);
  term->CreateTriangleFunctionValues(left, middle, right);
  return term;
}

// Answers "<variable text>" for variables and the set's name for sets.
class TStubParser : public TInterfacedObject, public virtual IFuzzyParser {
 public:
  static TStubParser* Create() { return Constructed(new TStubParser()); }
  HResult QueryInterface(const TGUID& iid, void** object) override {
    if (QueryInterfaces<IFuzzyParser>(this, iid, object) == S_OK) return S_OK;
    return TInterfacedObject::QueryInterface(iid, object);
  }
  TFzyFloat EvalFuzzyExpression(const IPtr<IFuzzyVariable>&, const std::string&,
                                IPtr<IFuzzySet>&) override {
    return 0;
  }
  IPtr<IFuzzySet> EvalFuzzyExpression(const IPtr<IFuzzyVariable>&, const std::string&) override {
    return nullptr;
  }
  IPtr<IFuzzySet> ParseFuzzySet(const IPtr<IFuzzyVariable>&, const std::string&) override {
    return nullptr;
  }
  IPtr<IFuzzyVariable> ParseFuzzyVariableIntf(const std::string&) override { return nullptr; }
  std::string PrettyPrint(const IPtr<IFuzzySet>& fuzzySet, bool) override {
    return fuzzySet->GetName();
  }
  std::string PrettyPrint(const IPtr<IFuzzyVariable>& variable) override {
    return "(deffuzzy " + variable->GetName() + ")";
  }

 protected:
  TStubParser() = default;
};

// Records a variable's events as "added warm", "deleted warm", "set warm", "change",
// "variable"; a handler may be told to throw.
class TEventLog {
 public:
  explicit TEventLog(const IPtr<IFuzzyVariable>& variable) : FVariable(variable) {
    variable->SetOnFuzzySetAdded(SetHandler("added"));
    variable->SetOnFuzzySetDeleted(SetHandler("deleted"));
    variable->SetOnFuzzySetChange(SetHandler("set"));
    variable->SetOnChange([this](TObject*) { Record("change"); });
    variable->SetOnVariableChange([this](const IPtr<IFuzzyVariable>&) { Record("variable"); });
  }
  // The handlers go with the log, so a variable that outlives it cannot reach it.
  ~TEventLog() {
    FVariable->SetOnFuzzySetAdded(nullptr);
    FVariable->SetOnFuzzySetDeleted(nullptr);
    FVariable->SetOnFuzzySetChange(nullptr);
    FVariable->SetOnChange(nullptr);
    FVariable->SetOnVariableChange(nullptr);
  }
  TEventLog(const TEventLog&) = delete;
  TEventLog& operator=(const TEventLog&) = delete;
  // The next event of this kind ("added", "deleted", ...) throws after being recorded.
  void ThrowOn(const std::string& kind) { FThrowOn = kind; }

  std::vector<std::string> Events;

 private:
  TIFuzzySetEvent SetHandler(const std::string& kind) {
    return [this, kind](const IPtr<IFuzzyVariable>&, const IPtr<IFuzzySet>& fuzzySet) {
      Record(kind + " " + fuzzySet->GetName(), kind);
    };
  }
  void Record(const std::string& text, const std::string& kind = "") {
    Events.push_back(text);
    const std::string key = kind.empty() ? text : kind;
    if (key != FThrowOn) return;
    FThrowOn.clear();
    throw std::runtime_error("handler failed");
  }

  IPtr<IFuzzyVariable> FVariable;
  std::string FThrowOn;
};

}  // namespace fuzzy::testing_support
