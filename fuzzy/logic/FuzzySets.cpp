#include "fuzzy/logic/FuzzySets.h"

#include "fuzzy/consts/FuzzyConsts.h"
#include "fuzzy/logic/FuzzyVariable.h"
#include "fuzzy/sets/FuzzySet.h"

namespace fuzzy {

TFuzzySets* TFuzzySets::Create(TFuzzyVariable* variable) {
  return Create(variable, TFuzzySetClass::Of<TFuzzySet>());
}

TFuzzySets* TFuzzySets::Create(TFuzzyVariable* variable, TFuzzySetClass itemClass) {
  return Constructed(new TFuzzySets(variable, itemClass));
}

TFuzzySets::TFuzzySets(TFuzzyVariable* variable, TFuzzySetClass itemClass)
    : TGCollectionOf<TFuzzySet>(variable, itemClass), FVariable(variable) {}

TFuzzySet* TFuzzySets::Add() {
  TFuzzySet* fuzzySet = TGCollectionOf<TFuzzySet>::Add();
  // Straight into the field: the new term is current without a change report of its own.
  if (TFuzzyVariable* variable = GetVariable()) variable->FItemIndex = fuzzySet->GetIndex();
  return fuzzySet;
}

TFuzzySet* TFuzzySets::Add(const std::string& name) {
  TFuzzySet* fuzzySet = Add();
  fuzzySet->SetName(name);
  fuzzySet->SetDefined(!name.empty() && name != SEmptyFuzzy);
  return fuzzySet;
}

void TFuzzySets::SetItem(int index, TFuzzySet* value) {
  TCollection::SetItem(index, value);
}

int TFuzzySets::IndexOfKnownName(const std::string& name) const {
  const int index = IndexOf(name);
  if (index < 0) throw EFzyException::CreateFmt(SUnknownFuzzySetName, name);
  return index;
}

TFuzzySet* TFuzzySets::GetItemByName(const std::string& name) const {
  return GetItem(IndexOfKnownName(name));
}

void TFuzzySets::SetItemByName(const std::string& name, TFuzzySet* value) {
  SetItem(IndexOfKnownName(name), value);
}

TFuzzyVariable* TFuzzySets::GetVariable() const {
  return FVariable;
}

TFuzzySetsEnumerator* TFuzzySets::GetEnumerator() const {
  return TFuzzySetsEnumerator::Create(this);
}

void TFuzzySets::Notify(TCollectionItem* item, TCollectionNotification action) {
  TGCollectionOf<TFuzzySet>::Notify(item, action);
  if (TFuzzyVariable* variable = GetVariable()) {
    variable->Notify(static_cast<TFuzzySet*>(item), action);
  }
}

void TFuzzySets::Update(TCollectionItem* item) {
  TGCollectionOf<TFuzzySet>::Update(item);
  if (TFuzzyVariable* variable = GetVariable()) variable->Update(static_cast<TFuzzySet*>(item));
}

}  // namespace fuzzy
