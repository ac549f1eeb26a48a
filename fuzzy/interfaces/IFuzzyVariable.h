// TIFuzzyVariable: the linguistic variable of the interface model. It has the range, units,
// threshold and rule firing of the object-model variable, but it is reference counted, keeps its
// terms in a name-keyed table (TIFuzzySets) and raises its own events.
#pragma once

#include <string>
#include <utility>

#include "fuzzy/consts/FuzzyEnums.h"
#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/framework/ClassRef.h"
#include "fuzzy/framework/Interface.h"
#include "fuzzy/framework/Persistent.h"
#include "fuzzy/interfaces/FuzzyInterfaces.h"
#include "fuzzy/interfaces/IFuzzySet.h"
#include "fuzzy/interfaces/IFuzzySets.h"
#include "fuzzy/logic/ParserLink.h"

namespace fuzzy {

class TIFuzzyVariable;

// "class of TIFuzzyVariable": makes a variable of a class chosen at run time, by name.
using TIFuzzyVariableClass = TClassRef<TIFuzzyVariable, const std::string&>;

// The persistent base that gives the interface-model variable its published properties.
class TIFuzzyVariablePersistent : public TPersistent {
 public:
  std::string ClassName() const override { return "TIFuzzyVariablePersistent"; }

 protected:
  TIFuzzyVariablePersistent() = default;
};

// Lifetime: every term in the table holds the variable and the table holds every term. When
// the last reference from outside goes, _Release empties the table, so the terms that nobody
// else holds go and the variable goes with them; a term held elsewhere keeps it alive.
//
// Copying: the interface Assign(IInterface) is one operation whether it is reached through
// ICloneable or through IFuzzyVariable, and it copies the whole variable (fields, then terms),
// as Clone does. Copying the terms alone is AssignFuzzySets.
class TIFuzzyVariable : public TInterfaced<TIFuzzyVariablePersistent>,
                        public virtual IFuzzyVariable {
 public:
  // Range 0 to 1, 7 function values, terms of class TIFuzzySet; the count starts at 0.
  static TIFuzzyVariable* Create(const std::string& name = "") {
    return Constructed(new TIFuzzyVariable(name));
  }
  // The run-time class of this variable; Clone makes an instance of it.
  virtual TIFuzzyVariableClass GetClassType() const;
  std::string ClassName() const override { return "TIFuzzyVariable"; }

  // ---- Identity and lifetime --------------------------------------------------------------
  HResult QueryInterface(const TGUID& iid, void** object) override;
  // Counts down; when only the variable's own terms in the table are left holding it, empties
  // the table to let them go (see above). Never raises: an error of an event handler raised while
  // the table empties here is dropped.
  int _Release() override;

  // ---- Properties -------------------------------------------------------------------------
  std::string GetName() const override { return FName; }
  // Name, NumFunctionValues and the range report a change; the rest store silently.
  void SetName(const std::string& value) override;
  std::string GetUnits() const override { return FUnits; }
  void SetUnits(const std::string& value) override { FUnits = value; }
  std::string GetComment() const override { return FComment; }
  void SetComment(const std::string& value) override { FComment = value; }
  TFzyFloat GetMinimum() const override { return FMinimum; }
  // A value above Maximum pulls Maximum along (the range collapses to the value).
  void SetMinimum(TFzyFloat value) override;
  TFzyFloat GetMaximum() const override { return FMaximum; }
  // A value below Minimum pulls Minimum along.
  void SetMaximum(TFzyFloat value) override;
  int GetNumFunctionValues() const override { return FNumFunctionValues; }
  // Any value is stored, 1 and below included.
  void SetNumFunctionValues(int value) override;
  TDefuzzificationMethod GetDefuzzificationMethod() const override {
    return FDefuzzificationMethod;
  }
  void SetDefuzzificationMethod(TDefuzzificationMethod value) override {
    FDefuzzificationMethod = value;
  }
  TFzyFloat GetThreshold() const override { return FThreshold; }
  // Clamped into [0, 1]; reports nothing.
  void SetThreshold(TFzyFloat value) override;
  int GetTag() const override { return FTag; }
  void SetTag(int value) override { FTag = value; }
  IPtr<IFuzzyParser> GetParser() const override { return FParser.Get(); }
  // Also hands the parser to every term in the table.
  void SetParser(const IPtr<IFuzzyParser>& value) override;
  TIFuzzySets* GetItems() const { return FItems; }
  // The terms become copies of `value`'s terms.
  void SetItems(TIFuzzySets* value);
  TIFuzzySetClass GetFuzzySetClass() const { return FFuzzySetClass; }
  void SetFuzzySetClass(TIFuzzySetClass value) { FFuzzySetClass = value; }

  // ---- Events -----------------------------------------------------------------------------
  TNotifyEvent GetOnChange() const override { return FOnChange; }
  void SetOnChange(TNotifyEvent value) override { FOnChange = std::move(value); }
  TIFuzzyVariableEvent GetOnVariableChange() const override { return FOnVariableChange; }
  void SetOnVariableChange(TIFuzzyVariableEvent value) override {
    FOnVariableChange = std::move(value);
  }
  TIFuzzySetEvent GetOnFuzzySetChange() const override { return FOnFuzzySetChange; }
  void SetOnFuzzySetChange(TIFuzzySetEvent value) override { FOnFuzzySetChange = std::move(value); }
  TIFuzzySetEvent GetOnFuzzySetAdded() const override { return FOnFuzzySetAdded; }
  void SetOnFuzzySetAdded(TIFuzzySetEvent value) override { FOnFuzzySetAdded = std::move(value); }
  TIFuzzySetEvent GetOnFuzzySetDeleted() const override { return FOnFuzzySetDeleted; }
  void SetOnFuzzySetDeleted(TIFuzzySetEvent value) override {
    FOnFuzzySetDeleted = std::move(value);
  }

  // ---- The term table ---------------------------------------------------------------------
  int GetCount() const override { return FItems->GetCount(); }
  IPtr<IFuzzySet> GetFuzzySet(int index) const override { return FItems->GetFuzzySet(index); }
  IPtr<IFuzzySet> GetFuzzySetByName(const std::string& name) const override {
    return FItems->GetFuzzySetByName(name);
  }
  void Add(const IPtr<IFuzzySet>& fuzzySet) override { FItems->Add(fuzzySet); }
  IPtr<IFuzzySet> Add(const std::string& name) override { return FItems->Add(name); }
  void AssignFuzzySets(const IPtr<IFuzzyVariable>& source) override {
    FItems->AssignFuzzySets(source);
  }
  void BeginUpdate() override { FItems->BeginUpdate(); }
  void Clear() override { FItems->Clear(); }
  IPtr<IFuzzySet> ContainsFuzzySet(const std::string& name) const override {
    return FItems->ContainsFuzzySet(name);
  }
  void Remove(const IPtr<IFuzzySet>& fuzzySet) override { FItems->Remove(fuzzySet); }
  void EndUpdate() override { FItems->EndUpdate(); }
  // A term's points changed: OnFuzzySetChange, and no variable change.
  void FuzzySetChanged(const IPtr<IFuzzySet>& fuzzySet) override;

  // ---- Rules (IFuzzyVariableRules.cpp) ----------------------------------------------------
  // The smallest correlation strength of each premise with the input at its position; 1.0
  // without premises. Fewer inputs than premises raise EListError.
  TFzyFloat GetCorrelationStrength(const TIFuzzySetArray& premises,
                                   const TIFuzzySetArray& inputs) const override;
  // Below Threshold null. Otherwise a copy of the conclusion (linked to the conclusion's
  // variable, outside its table) cut off at the strength, then, with an accumulator, a new set
  // that is their union by maximum. The accumulator is not changed.
  IPtr<IFuzzySet> AssertRule(TFzyFloat strength, const IPtr<IFuzzySet>& conclusion,
                             const IPtr<IFuzzySet>& accumulator) override;
  IPtr<IFuzzySet> AssertRule(const TIFuzzySetArray& premises, const TIFuzzySetArray& inputs,
                             const IPtr<IFuzzySet>& conclusion,
                             const IPtr<IFuzzySet>& accumulator) override;
  IPtr<IFuzzySet> AssertRule(const IPtr<IFuzzySet>& premise, const IPtr<IFuzzySet>& conclusion,
                             const IPtr<IFuzzySet>& input,
                             const IPtr<IFuzzySet>& accumulator) override;

  // ---- Copying, comparing, text -----------------------------------------------------------
  // From another TIFuzzyVariable: defuzzification method, range, name, units, function values,
  // tag and parser, then copies of its terms, then one change. Comment, threshold and events
  // stay. Other sources raise the assignment error.
  void Assign(TPersistent* source) override;
  // The same through any IFuzzyVariable; a source without it changes nothing.
  void Assign(const IPtr<IInterface>& source) override;
  // Nothing can be copied into from a variable: the assignment error.
  void AssignTo(TPersistent* dest) override;
  // A new variable of this class with this name, assigned from this one.
  IPtr<IInterface> Clone() const override;
  // Same name, range and units (exact), and every Defined term matched by an equal term.
  bool Equals(const IPtr<IInterface>& other) const override;
  // The parser's definition text of this variable; the name without a parser.
  std::string ToString() const override;

  // Makes the term table.
  void AfterConstruction() override;
  // Drops the parser (terms included), the change handlers and the table.
  void BeforeDestruction() override;

 protected:
  explicit TIFuzzyVariable(const std::string& name);

  // OnChange (with this object), then OnVariableChange.
  virtual void Changed();
  // The term table of a new variable; overridable factory.
  virtual TIFuzzySets* CreateItems();
  // A term entered the table: OnFuzzySetAdded, then Changed.
  virtual void NewFuzzySet(const IPtr<IFuzzySet>& fuzzySet);
  // A term left the table: OnFuzzySetDeleted, then Changed.
  virtual void RemoveFuzzySet(const IPtr<IFuzzySet>& fuzzySet);
  // The table was emptied: Changed.
  virtual void ClearFuzzySets();

  // This variable as a counted interface, for events and parsers.
  IPtr<IFuzzyVariable> Self() const;

 private:
  friend class TIFuzzySets;

  // The copied fields as they are, without setter checks or events.
  void StoreFields(const IFuzzyVariable& source);
  // Raises a set event with this variable as sender, when assigned.
  void RaiseSetEvent(const TIFuzzySetEvent& event, const IPtr<IFuzzySet>& fuzzySet);
  // Whether the `count` references left all come from terms in the table.
  bool OnlyTermsHold(int count);
  // All that still holds the variable are its own terms: let them go, and the variable with
  // them when nothing else holds it meanwhile.
  void ReleaseOwnTerms();

  TIFuzzySets* FItems = nullptr;
  int FNumFunctionValues = 7;
  std::string FUnits;
  std::string FName;
  TDefuzzificationMethod FDefuzzificationMethod = dmCenterOfGravity;
  TFzyFloat FMinimum = 0.0;
  TFzyFloat FMaximum = 1.0;
  TIFuzzySetEvent FOnFuzzySetChange;
  TIFuzzyVariableEvent FOnVariableChange;
  TNotifyEvent FOnChange;
  int FTag = 0;
  TParserLink FParser;
  TFzyFloat FThreshold = 0.0;
  TIFuzzySetClass FFuzzySetClass;
  bool FDestroying = false;
  std::string FComment;
  TIFuzzySetEvent FOnFuzzySetDeleted;
  TIFuzzySetEvent FOnFuzzySetAdded;
};

}  // namespace fuzzy
