// The terms of a linguistic variable: an owned, name-aware collection of fuzzy sets whose owner
// is the variable. Every added, removed or changed term is passed on to the variable, which
// carries it up to the logic component.
#pragma once

#include <string>

#include "fuzzy/framework/ClassRef.h"
#include "fuzzy/framework/GCollection.h"

namespace fuzzy {

class TFuzzySet;
class TFuzzyVariable;

// The class of the terms a variable makes (the same alias as beside TFuzzySet).
using TFuzzySetClass = TClassRef<TFuzzySet, TCollection*>;
// Enumerates the terms; GetCurrent answers a TFuzzySet. The caller frees it.
using TFuzzySetsEnumerator = TGCollectionEnumerator<TFuzzySet>;

class TFuzzySets : public TGCollectionOf<TFuzzySet> {
 public:
  // Terms of class TFuzzySet, or of `itemClass`, owned by `variable` (may be null).
  static TFuzzySets* Create(TFuzzyVariable* variable);
  static TFuzzySets* Create(TFuzzyVariable* variable, TFuzzySetClass itemClass);

  // A new term at the end, which becomes the variable's current term (its ItemIndex).
  TFuzzySet* Add();
  // Add, then the term's SetName (a reserved word raises there and leaves the unnamed term in
  // the collection); the term is Defined unless the name is empty or "__Empty".
  TFuzzySet* Add(const std::string& name);
  using TGCollectionOf<TFuzzySet>::Insert;

  using TGCollectionOf<TFuzzySet>::GetItem;
  // The term at `index` assigns itself from `value`; the stored term stays.
  void SetItem(int index, TFuzzySet* value);
  // The term with that name; EFzyException "Unknown Fuzzy Set name: "%s"" when there is none.
  TFuzzySet* GetItemByName(const std::string& name) const;
  void SetItemByName(const std::string& name, TFuzzySet* value);

  // The owning variable, or null.
  TFuzzyVariable* GetVariable() const;
  TFuzzySetsEnumerator* GetEnumerator() const;

  std::string ClassName() const override { return "TFuzzySets"; }

 protected:
  TFuzzySets(TFuzzyVariable* variable, TFuzzySetClass itemClass);

  // The framework's handling first, then the variable's Notify / Update.
  void Notify(TCollectionItem* item, TCollectionNotification action) override;
  void Update(TCollectionItem* item) override;

 private:
  int IndexOfKnownName(const std::string& name) const;

  // The owner, kept typed: every range check of every point asks for it.
  TFuzzyVariable* FVariable;
};

}  // namespace fuzzy
