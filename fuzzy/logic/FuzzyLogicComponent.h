// The logic component of the object model: owns the linguistic variables, gives every new
// variable the automatic terms "low", "medium" and "high", writes the definition text through
// its parser and turns the notifications coming up from variables and terms into the
// application's events.
#pragma once

#include <string>
#include <utility>

#include "fuzzy/framework/ClassRef.h"
#include "fuzzy/framework/Collection.h"
#include "fuzzy/logic/CustomFuzzyLogic.h"
#include "fuzzy/logic/FuzzyLogicEvents.h"

namespace fuzzy {

class TFuzzySet;
class TFuzzyVariable;
class TFuzzyVariables;

// "class of TFuzzyVariables": makes the variable collection for a given owner.
using TFuzzyVariablesClass = TClassRef<TFuzzyVariables, TPersistent*>;

class TFuzzyLogic : public TCustomFuzzyLogic {
 public:
  static TFuzzyLogic* Create(TComponent* owner);

  // ---- Variables ---------------------------------------------------------------------------
  // The variables, owned.
  TFuzzyVariables* GetItems() const { return FItems; }
  // The variables become copies of `value`'s.
  void SetItems(TFuzzyVariables* value);
  // The class CreateVariables makes the collection of.
  TFuzzyVariablesClass GetVariablesClass() const { return FVariablesClass; }

  // Adds "low" (falling), "medium" (a triangle peaking mid-range) and "high" (rising) over the
  // variable's present range, each only when the variable has no term of that name; each new
  // term's Expression is its name.
  virtual void AddAutoTerms(TFuzzyVariable* variable);

  // ---- Events (the component is the sender; none is raised while it is destroyed) ---------
  const TFuzzySetEvent& GetOnFuzzySetChange() const { return FOnFuzzySetChange; }
  void SetOnFuzzySetChange(TFuzzySetEvent value) { FOnFuzzySetChange = std::move(value); }
  const TFuzzyVariableEvent& GetOnVariableChange() const { return FOnVariableChange; }
  void SetOnVariableChange(TFuzzyVariableEvent value) { FOnVariableChange = std::move(value); }
  const TFuzzyVariableEvent& GetOnVariableDeleted() const { return FOnVariableDeleted; }
  void SetOnVariableDeleted(TFuzzyVariableEvent value) { FOnVariableDeleted = std::move(value); }
  // Raised before the variable's automatic terms are added.
  const TFuzzyVariableEvent& GetOnVariableAdded() const { return FOnVariableAdded; }
  void SetOnVariableAdded(TFuzzyVariableEvent value) { FOnVariableAdded = std::move(value); }
  const TFuzzySetEvent& GetOnFuzzySetDeleted() const { return FOnFuzzySetDeleted; }
  void SetOnFuzzySetDeleted(TFuzzySetEvent value) { FOnFuzzySetDeleted = std::move(value); }
  const TFuzzySetEvent& GetOnFuzzySetAdded() const { return FOnFuzzySetAdded; }
  void SetOnFuzzySetAdded(TFuzzySetEvent value) { FOnFuzzySetAdded = std::move(value); }

  // ---- Text --------------------------------------------------------------------------------
  // One block of definition text per variable, in collection order, written by the parser.
  void UpdateStrings() override;
  // Deletes every variable (with its events), then has the parser read the current text.
  void Parse() override;

  std::string ClassName() const override { return "TFuzzyLogic"; }
  // Makes the variable collection through CreateVariables.
  void AfterConstruction() override;
  // Silences the events, frees the variables, then the inherited part.
  void BeforeDestruction() override;

 protected:
  explicit TFuzzyLogic(TComponent* owner);

  // Takes effect when set before AfterConstruction, i.e. in a descendant's constructor.
  void SetVariablesClass(TFuzzyVariablesClass value) { FVariablesClass = value; }
  // A new collection of VariablesClass owned by this component; overridable factory.
  virtual TFuzzyVariables* CreateVariables();

  // The notifications coming up from TFuzzyVariables.
  // A variable joined: it takes the threshold, OnVariableAdded, then the automatic terms.
  // A variable or term leaving: OnVariableDeleted / OnFuzzySetDeleted.
  virtual void NotifyFuzzySet(TFuzzySet* fuzzySet, TCollectionNotification action);
  virtual void NotifyVariable(TFuzzyVariable* variable, TCollectionNotification action);
  // The text is stale; OnVariableChange, or OnChange when `variable` is null (the collection
  // as a whole changed).
  virtual void UpdateVariable(TFuzzyVariable* variable);
  // The text is stale; OnFuzzySetChange.
  virtual void UpdateFuzzySet(TFuzzySet* fuzzySet);
  // Every variable takes the component's threshold.
  void ThresholdChanged() override;

 private:
  friend class TFuzzyVariables;

  // Rebuilds the text; the caller has checked for the parser.
  void WriteStrings();
  void ClearEvents();

  TFuzzySetEvent FOnFuzzySetChange;
  TFuzzyVariableEvent FOnVariableChange;
  TFuzzyVariables* FItems = nullptr;
  TFuzzyVariablesClass FVariablesClass;
  TFuzzyVariableEvent FOnVariableDeleted;
  TFuzzyVariableEvent FOnVariableAdded;
  TFuzzySetEvent FOnFuzzySetDeleted;
  TFuzzySetEvent FOnFuzzySetAdded;
};

}  // namespace fuzzy
