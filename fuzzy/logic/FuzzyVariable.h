// A linguistic variable: a named X range with units, a comment, a rule threshold and its terms
// (TFuzzySets). It is an item of a logic component's variable collection and forwards every
// change of itself or of its terms up to that component.
#pragma once

#include <span>
#include <string>

#include "fuzzy/consts/FuzzyFloat.h"
#include "fuzzy/framework/GCollection.h"
#include "fuzzy/framework/TypedCollection.h"
#include "fuzzy/logic/FuzzySets.h"

namespace fuzzy {

class TCustomFuzzyLogic;
class TFuzzyVariables;

class TFuzzyVariable : public TGCollectionItem {
 public:
  // A complete variable (range 0 to 1, no terms) that then joins `collection` (may be null).
  static TFuzzyVariable* Create(TCollection* collection);
  static TFuzzyVariable* Create(TCollection* collection, TFuzzySetClass fuzzySetClass);

  // Owner chain.
  TFuzzyVariables* GetCollection() const;
  // The logic component owning the variable's collection, or null.
  TCustomFuzzyLogic* GetFuzzy() const;

  // Properties; the setters of the texts, the range and ItemIndex report a change.
  std::string GetName() const override { return FName; }
  void SetName(const std::string& value) override;
  std::string GetUnits() const { return FUnits; }
  void SetUnits(const std::string& value);
  std::string GetComment() const { return FComment; }
  void SetComment(const std::string& value);
  TFzyFloat GetMinimum() const { return FMinimum; }
  // A value above Maximum pulls Maximum along (the range collapses to the value).
  void SetMinimum(TFzyFloat value);
  TFzyFloat GetMaximum() const { return FMaximum; }
  // A value below Minimum pulls Minimum along.
  void SetMaximum(TFzyFloat value);
  int GetItemIndex() const { return FItemIndex; }
  // -1 (none) or a term index; anything else raises EFzyException "List index out of bounds".
  void SetItemIndex(int value);
  TFzyFloat GetThreshold() const { return FThreshold; }
  // Clamped into [0, 1]; reports nothing.
  void SetThreshold(TFzyFloat value);
  TFuzzySets* GetItems() const { return FItems; }
  // The terms become copies of `value`'s terms.
  void SetItems(TFuzzySets* value);
  TFuzzySetClass GetFuzzySetClass() const { return FFuzzySetClass; }

  // ---- Rules (FuzzyVariableRules.cpp) -------------------------------------------------------
  // The strength of a conjunction: the smallest correlation strength of each premise with the
  // input at its position; 1.0 without premises. Fewer inputs than premises raise EListError.
  TFzyFloat GetCorrelationStrength(std::span<TFuzzySet* const> antecedents,
                                   std::span<TFuzzySet* const> inputs) const;
  // Fires a rule of the given strength: below Threshold null; otherwise a copy of `consequent`
  // correlated with the strength, inferred by union into `accumulator` when there is one (a new
  // set; the copy goes). The caller owns the set returned.
  virtual TFuzzySet* AssertRule(TFzyFloat strength, TFuzzySet* consequent, TFuzzySet* accumulator);
  // The same with the strength of the premises against the inputs.
  virtual TFuzzySet* AssertRule(std::span<TFuzzySet* const> antecedents,
                                std::span<TFuzzySet* const> inputs, TFuzzySet* consequent,
                                TFuzzySet* accumulator);
  // The same with the strength of one premise against one input.
  virtual TFuzzySet* AssertRule(TFuzzySet* antecedent, TFuzzySet* consequent, TFuzzySet* input,
                                TFuzzySet* accumulator);

  // The name, or the class name when the name is empty.
  std::string GetDisplayName() const override;
  // The parser's definition text when the component has a parser, else GetDisplayName.
  virtual std::string ToString() const;

  // From another variable: the fields as they are, then copies of its terms.
  void Assign(TPersistent* source) override;

  std::string ClassName() const override { return "TFuzzyVariable"; }
  // Makes the terms, then joins the collection, so that its added-notification meets a
  // complete variable.
  void AfterConstruction() override;
  // The terms leave (each notified), then the variable leaves its collection.
  void BeforeDestruction() override;

 protected:
  TFuzzyVariable(TCollection* collection, TFuzzySetClass fuzzySetClass);

  // The term collection of this variable; overridable factory.
  virtual TFuzzySets* CreateItems();
  // A term joined or left: on to the variable collection, if any.
  virtual void Notify(TFuzzySet* fuzzySet, TCollectionNotification action);
  // A term (or, for null, the whole term collection) changed: ItemIndex is pulled back into
  // the terms, then the change goes on to the variable collection.
  virtual void Update(TFuzzySet* fuzzySet);
  // To a TStrings: one line per term, its name with the term as object.
  void AssignTo(TPersistent* dest) override;

 private:
  TTypedCollection<TFuzzyVariables> FCollectionView;
  friend class TFuzzySets;
  friend class TFuzzyVariables;

  // Keeps ItemIndex within the terms without reporting anything.
  void ClampItemIndex();

  TFzyFloat FMaximum = 1.0;
  std::string FName;
  TFzyFloat FMinimum = 0.0;
  int FItemIndex = -1;
  std::string FUnits;
  TFuzzySets* FItems = nullptr;
  TFuzzySetClass FFuzzySetClass;
  std::string FComment;
  TFzyFloat FThreshold = 0.0;
};

}  // namespace fuzzy
