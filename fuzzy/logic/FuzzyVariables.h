// The variable collection of a logic component: carries the notifications of its variables
// and of their terms up to the component.
// This is the collection's core; the typed Add and lookup by name, the set class, and with the
// component the events, Strings, automatic terms and parsing come with the component's full build.
#pragma once

#include <string>

#include "fuzzy/framework/GCollection.h"
#include "fuzzy/logic/FuzzyVariable.h"

namespace fuzzy {

class TCustomFuzzyLogic;
class TFuzzySet;

class TFuzzyVariables : public TGCollectionOf<TFuzzyVariable> {
 public:
  // Variables of class TFuzzyVariable owned by `owner` (may be null).
  static TFuzzyVariables* Create(TCustomFuzzyLogic* owner);

  // The owning logic component, or null.
  TCustomFuzzyLogic* GetFuzzy() const;

  // A term of one of the variables joined, left or changed: on to the component.
  void NotifyFuzzySet(TFuzzySet* fuzzySet, TCollectionNotification action);
  void UpdateFuzzySet(TFuzzySet* fuzzySet);

  std::string ClassName() const override { return "TFuzzyVariables"; }

 protected:
  explicit TFuzzyVariables(TCustomFuzzyLogic* owner);

  // The framework's handling, then the component's NotifyVariable.
  void Notify(TCollectionItem* item, TCollectionNotification action) override;
  // The framework's handling; the variable's ItemIndex is pulled back into its terms; then the
  // component's UpdateVariable (null: the collection as a whole changed).
  void Update(TCollectionItem* item) override;
};

}  // namespace fuzzy
