// The variable collection of a logic component: makes variables of a chosen class with terms of
// a chosen class, finds them by name, and carries the notifications of its variables and of
// their terms up to the component (a TFuzzyLogic) that owns it.
#pragma once

#include <concepts>
#include <string>

#include "fuzzy/framework/ClassRef.h"
#include "fuzzy/framework/GCollection.h"
#include "fuzzy/logic/FuzzyVariable.h"

namespace fuzzy {

class TCustomFuzzyLogic;
class TFuzzyLogic;
class TFuzzySet;

// "class of TFuzzyVariable": both constructors of a variable class chosen at run time, the one
// the collection framework calls (collection only) and the one taking the term class.
class TFuzzyVariableClass {
 public:
  using TItemClass = TClassRef<TFuzzyVariable, TCollection*>;
  using TCreator = TClassRef<TFuzzyVariable, TCollection*, TFuzzySetClass>;

  template <std::derived_from<TFuzzyVariable> T>
  static TFuzzyVariableClass Of() {
    return TFuzzyVariableClass(TItemClass::Of<T>(), TCreator::Of<T>());
  }

  TFuzzyVariable* Create(TCollection* collection, TFuzzySetClass fuzzySetClass) const {
    return FCreator.Create(collection, fuzzySetClass);
  }
  TItemClass GetItemClass() const { return FItemClass; }
  bool operator==(const TFuzzyVariableClass& other) const = default;

 private:
  TFuzzyVariableClass(TItemClass itemClass, TCreator creator)
      : FItemClass(itemClass), FCreator(creator) {}

  TItemClass FItemClass;
  TCreator FCreator;
};

// Enumerates the variables; GetCurrent answers a TFuzzyVariable. The caller frees it.
using TFuzzyVariablesEnumerator = TGCollectionEnumerator<TFuzzyVariable>;

class TFuzzyVariables : public TGCollectionOf<TFuzzyVariable> {
 public:
  // Variables of class TFuzzyVariable (or `itemClass`) with terms of class TFuzzySet (or
  // `fuzzySetClass`), owned by `owner` (may be null). Only a TFuzzyLogic owner hears of them.
  static TFuzzyVariables* Create(TPersistent* owner);
  static TFuzzyVariables* Create(TPersistent* owner, TFuzzyVariableClass itemClass);
  static TFuzzyVariables* Create(TPersistent* owner, TFuzzyVariableClass itemClass,
                                 TFuzzySetClass fuzzySetClass);

  // A new variable at the end, with terms of FuzzySetClass.
  TFuzzyVariable* Add();
  // Add, then the variable's SetName.
  TFuzzyVariable* Add(const std::string& name);
  // Add, then the new variable moves to `index` (0..GetCount()); another index raises the
  // list-index error before anything is added.
  TFuzzyVariable* Insert(int index);

  using TGCollectionOf<TFuzzyVariable>::GetItem;
  // The variable at `index` assigns itself from `value`; the stored variable stays.
  void SetItem(int index, TFuzzyVariable* value);
  // The variable with that name (case-sensitive); EFzyException SUnknownFuzzyVarName if none.
  TFuzzyVariable* GetItemByName(const std::string& name) const;
  void SetItemByName(const std::string& name, TFuzzyVariable* value);

  TFuzzyVariableClass GetVariableClass() const { return FVariableClass; }
  TFuzzySetClass GetFuzzySetClass() const { return FFuzzySetClass; }
  void SetFuzzySetClass(TFuzzySetClass value) { FFuzzySetClass = value; }
  // The owning logic component, or null.
  TCustomFuzzyLogic* GetFuzzy() const;
  TFuzzyVariablesEnumerator* GetEnumerator() const;

  // A term of one of the variables joined, left or changed: on to the component.
  void NotifyFuzzySet(TFuzzySet* fuzzySet, TCollectionNotification action);
  void UpdateFuzzySet(TFuzzySet* fuzzySet);

  // Counts the renames of the variables in the collection and the variables that left it, so
  // that an index of their names kept elsewhere can tell when it no longer holds.
  unsigned GetNamesRevision() const { return FNamesRevision; }
  void NameChanged() { ++FNamesRevision; }

  std::string ClassName() const override { return "TFuzzyVariables"; }

 protected:
  TFuzzyVariables(TPersistent* owner, TFuzzyVariableClass itemClass, TFuzzySetClass fuzzySetClass);

  // The framework's handling, then the component's NotifyVariable.
  void Notify(TCollectionItem* item, TCollectionNotification action) override;
  // The framework's handling; the variable's ItemIndex is pulled back into its terms; then the
  // component's UpdateVariable (null: the collection as a whole changed).
  void Update(TCollectionItem* item) override;

 private:
  // The owner as the component that hears the notifications, or null.
  TFuzzyLogic* GetLogic() const;
  int IndexOfKnownName(const std::string& name) const;

  TFuzzyVariableClass FVariableClass;
  TFuzzySetClass FFuzzySetClass;
  unsigned FNamesRevision = 0;
};

}  // namespace fuzzy
