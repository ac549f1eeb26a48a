// TIFuzzySet: copying (both Assign forms, AssignTo, both Clone forms) and comparing (Equals,
// FuzzyEquals) through interfaces.
#include "fuzzy/interfaces/IFuzzySet.h"

namespace fuzzy {

void TIFuzzySet::Assign(const IPtr<IInterface>& source) {
  IPtr<IFuzzySet> set;
  if (!Supports(source, set)) return;
  // Taking its own type back would regenerate the default shape over the set's points.
  if (set.get() == static_cast<IFuzzySet*>(this)) return;
  SetVariable(set->GetVariable());
  SetSetType(set->GetSetType());
  SetInflectionPoint(set->GetInflectionPoint());
  // The refill leaves the set user-defined; the expression is taken after it.
  AssignValues(set);
  SetExpression(set->GetExpression());
  FParser = set->GetParser();
}

void TIFuzzySet::Assign(TPersistent* source) {
  // Through IFuzzySet this is the point list's Assign: a point list gives its points.
  if (auto* points = dynamic_cast<TFuzzySetValues*>(source)) {
    GetValues()->Assign(points);
    return;
  }
  auto* other = dynamic_cast<TFuzzySet*>(source);
  if (other == nullptr || other == this) {
    TFuzzySet::Assign(source);
    return;
  }
  if (auto* twin = dynamic_cast<TIFuzzySet*>(other)) {
    SetVariable(twin->FVariable);
    FParser = twin->FParser.Get();
  }
  // The object model stores the source's name directly; a Defined set must not stay in its
  // table under a name it no longer has.
  const bool renamed = other->GetName() != GetName();
  if (renamed) LeaveTable();
  TFuzzySet::Assign(other);
  if (renamed) EnterTable();
}

void TIFuzzySet::AssignTo(TPersistent* dest) {
  if (auto* points = dynamic_cast<TFuzzySetValues*>(dest)) {
    points->Assign(GetValues());
    return;
  }
  TFuzzySet::AssignTo(dest);
}

IPtr<IInterface> TIFuzzySet::IntfClone() const {
  // Not Defined: linked to the variable but kept out of its table.
  IPtr<TIFuzzySet> copy = NewSet(FVariable, GetName());
  copy->Assign(static_cast<TPersistent*>(const_cast<TIFuzzySet*>(this)));
  return IPtr<IFuzzySet>(copy);
}

IPtr<IFuzzySet> TIFuzzySet::IntfClone(const IPtr<IFuzzyVariable>& variable) const {
  // Linking to the variable gives the copy that variable's parser.
  IPtr<TIFuzzySet> copy = NewSet(variable, GetName());
  copy->AssignValues(Self());
  return copy;
}

bool TIFuzzySet::Equals(const IPtr<IInterface>& other) const {
  IPtr<IFuzzySet> set;
  if (!Supports(other, set)) return false;
  // The threshold belongs to the variable: without one there is nothing to compare against.
  if (!FVariable) throw EFzyException(SMissingFuzzyVariable);
  return Iterate(set, [this](TFzyFloat x1, TFzyFloat y1, TFzyFloat x2, TFzyFloat y2) {
    return FuzzyOperatorMinThreshold(x1, y1, x2, y2);
  });
}

TFzyFloat TIFuzzySet::FuzzyEquals(const IPtr<IInterface>& other) const {
  IPtr<IFuzzySet> set;
  if (!Supports(other, set)) return 0.0;
  return GetCorrelationStrength(set);
}

}  // namespace fuzzy
