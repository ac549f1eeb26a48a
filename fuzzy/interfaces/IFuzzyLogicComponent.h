// TIFuzzyLogic: the logic component of the interface model. It shares the settings, the parser
// link and the definition text with the object-model component, keeps its variables by counted
// reference in a name-keyed table, gives each new variable the automatic terms, and hears of
// their terms by hooking each stored variable's set events.
#pragma once

#include <memory>
#include <string>
#include <utility>

#include "fuzzy/interfaces/FuzzyInterfaces.h"
#include "fuzzy/interfaces/FuzzyVariableTable.h"
#include "fuzzy/interfaces/IFuzzyVariable.h"
#include "fuzzy/logic/CustomFuzzyLogic.h"

namespace fuzzy {

class TFuzzyVariableStrings;

// The variables it hooks keep only a link to it that dies with it: unhooking is done when a
// variable leaves the table (removed, cleared, replaced, the table freed), and a handler that
// got away regardless (copied by the application, or set through TFuzzyVariableStrings)
// reaches nothing once the component is gone.
class TIFuzzyLogic : public TCustomFuzzyLogic {
 public:
  static TIFuzzyLogic* Create(TComponent* owner);

  // ---- Variables ---------------------------------------------------------------------------
  // The variables, owned; not streamed (the text in Strings is).
  TFuzzyVariableTable* GetItems() const { return FItems; }
  // The variables become those of `value` (references to the same variables).
  void SetItems(TFuzzyVariableTable* value);
  // The class the definition reader makes variables of.
  TIFuzzyVariableClass GetVariableClass() const { return FVariableClass; }
  void SetVariableClass(TIFuzzyVariableClass value) { FVariableClass = value; }

  // Adds "low" (falling), "medium" (a triangle peaking mid-range) and "high" (rising) over the
  // range of the variable, each only when it has no term of that name; each new term's
  // Expression is its name.
  virtual void AddAutoTerms(const IPtr<IFuzzyVariable>& variable);
  // Marks the text stale, then OnVariableChange, or OnChange when `variable` is null. Nothing
  // in the library calls it: the variables' own change events are not hooked.
  virtual void UpdateVariable(const IPtr<IFuzzyVariable>& variable);

  // ---- Events (none is raised while the component is destroyed) ---------------------------
  const TIFuzzySetEvent& GetOnFuzzySetChange() const { return FOnFuzzySetChange; }
  void SetOnFuzzySetChange(TIFuzzySetEvent value) { FOnFuzzySetChange = std::move(value); }
  const TIFuzzyVariableEvent& GetOnVariableChange() const { return FOnVariableChange; }
  void SetOnVariableChange(TIFuzzyVariableEvent value) { FOnVariableChange = std::move(value); }
  const TIFuzzySetEvent& GetOnFuzzySetDeleted() const { return FOnFuzzySetDeleted; }
  void SetOnFuzzySetDeleted(TIFuzzySetEvent value) { FOnFuzzySetDeleted = std::move(value); }
  // Raised for terms added to a stored variable, not for its automatic terms.
  const TIFuzzySetEvent& GetOnFuzzySetAdded() const { return FOnFuzzySetAdded; }
  void SetOnFuzzySetAdded(TIFuzzySetEvent value) { FOnFuzzySetAdded = std::move(value); }
  const TIFuzzyVariableEvent& GetOnVariableDeleted() const { return FOnVariableDeleted; }
  void SetOnVariableDeleted(TIFuzzyVariableEvent value) { FOnVariableDeleted = std::move(value); }
  // Raised once the variable has its threshold, its automatic terms and its hooks.
  const TIFuzzyVariableEvent& GetOnVariableAdded() const { return FOnVariableAdded; }
  void SetOnVariableAdded(TIFuzzyVariableEvent value) { FOnVariableAdded = std::move(value); }

  // ---- Text --------------------------------------------------------------------------------
  // Each variable's own text (its parser's, or its name), in table order.
  void UpdateStrings() override;
  // Empties the table (announcing nothing), then has the parser read the current text.
  void Parse() override;

  std::string ClassName() const override { return "TIFuzzyLogic"; }
  // Makes the variable table through CreateVariables.
  void AfterConstruction() override;
  // Silences the events, frees the table (unhooking its variables), then the inherited part.
  void BeforeDestruction() override;

 protected:
  explicit TIFuzzyLogic(TComponent* owner);

  // Loading is over: the text read from the stream is parsed.
  void Loaded() override;
  // A new table owned by this component; overridable factory.
  virtual TFuzzyVariableTable* CreateVariables();
  // Every variable takes the component's threshold.
  void ThresholdChanged() override;

  // A variable entered the table: threshold, automatic terms, hooks, then OnVariableAdded.
  virtual void VariableAdded(const IPtr<IFuzzyVariable>& variable);
  // A variable was removed: its set events are cleared, then OnVariableDeleted.
  virtual void VariableDeleted(const IPtr<IFuzzyVariable>& variable);
  // The hooked set events of the stored variables.
  virtual void FuzzySetAdded(const IPtr<IFuzzyVariable>& variable, const IPtr<IFuzzySet>& fuzzySet);
  virtual void FuzzySetDeleted(const IPtr<IFuzzyVariable>& variable,
                               const IPtr<IFuzzySet>& fuzzySet);
  // Marks the text stale, then OnFuzzySetChange.
  virtual void UpdateFuzzySet(const IPtr<IFuzzyVariable>& variable,
                              const IPtr<IFuzzySet>& fuzzySet);

 private:
  friend class TFuzzyVariableTable;
  friend class TFuzzyVariableStrings;
  class THook;

  void HookVariable(const IPtr<IFuzzyVariable>& variable);
  // Clears those of the variable's set events that still lead here; announces nothing.
  void UnhookVariable(const IPtr<IFuzzyVariable>& variable) const;
  bool IsOwnHook(const TIFuzzySetEvent& event) const;
  void WriteStrings();
  void ClearEvents();

  // What the hooks reach the component through; emptied when the component goes.
  std::shared_ptr<TIFuzzyLogic*> FLink;
  TIFuzzySetEvent FOnFuzzySetChange;
  TIFuzzyVariableEvent FOnVariableChange;
  TFuzzyVariableTable* FItems = nullptr;
  TIFuzzyVariableClass FVariableClass;
  TIFuzzySetEvent FOnFuzzySetDeleted;
  TIFuzzySetEvent FOnFuzzySetAdded;
  TIFuzzyVariableEvent FOnVariableDeleted;
  TIFuzzyVariableEvent FOnVariableAdded;
};

}  // namespace fuzzy
