// TFuzzySet: the hedges. A base hedge shifts, scales, raises or clips every Y or every X by a
// constant; each of the twenty named hedges runs one of six algorithms (complement,
// intensification, contrast, approximation, the above and below rules, the slightly composite)
// and renames the set after itself. Normalisation lives here too. All of them change the set in
// place, and every point edit runs inside one batch of the point list, closed whatever happens.
#include <algorithm>
#include <string>

#include "fuzzy/framework/SysUtils.h"
#include "fuzzy/membership/FuzzySetValues.h"
#include "fuzzy/sets/FuzzySet.h"
#include "fuzzy/sets/FuzzySetSlightly.h"

namespace fuzzy {

namespace {

// The named hedges resample to this many points before a non-linear transformation, so that
// the transformed curve keeps its shape between the original corners.
constexpr int HedgePoints = 7;

// Every point through `edit` (point and index), inside one batch of the list. Edits inside a
// batch never move or delete points, so the indexes stay valid throughout.
template <class TEdit>
void EditPoints(TFuzzySetValues* values, TEdit&& edit) {
  TCollectionUpdate batch(values);
  for (int i = 0; i < values->GetCount(); ++i) edit(values->GetItem(i), i);
  batch.End();
}

// Raising only makes sense for a membership strictly between 0 and 1 (0 and 1 are fixed points,
// and a Y above 1 would grow), and for a positive X.
bool CanRaise(TFzyFloat u, bool onY) {
  return onY ? u > 0.0 && u < 1.0 : u > 0.0;
}

TFzyFloat BaseHedgeValue(TBaseFuzzyHedge hedge, TFzyFloat u, TFzyFloat v, bool onY) {
  switch (hedge) {
    case bfhAdd:
      return u + v;
    case bfhSubtract:
      return u - v;
    case bfhMultiply:
      return u * v;
    case bfhDivide:
      return u * (1 / v);
    case bfhPower:
      return CanRaise(u, onY) ? static_cast<TFzyFloat>(Power(u, v)) : u;
    case bfhCutLess:
      return u < v ? v : u;
    case bfgCutLessEq:
      return u <= v ? v : u;
    case bfhCutGreater:
      return u > v ? v : u;
    case bfhCutGreaterEq:
      return u >= v ? v : u;
  }
  return u;
}

// The name and expression a base hedge leaves: "low > 0.5000" and "> [old expression]"; on X
// the symbol carries an X ("low +X 2.0000", "+X ").
void NameAfterBaseHedge(TFuzzySet* set, TBaseFuzzyHedge hedge, TFzyFloat value, bool onY) {
  std::string symbol = BaseHedgeNames[hedge];
  if (!onY) symbol += 'X';
  set->SetName(CreateFuzzyName(set->GetName(), symbol, value));
  set->SetExpression(CreateFuzzyName(hedge, onY, set->GetExpression()));
}

// The expression a named hedge leaves: the hedge around the old expression, or the new name
// when the edit of the points has cleared it.
void ExpressAfterHedge(TFuzzySet* set, TFuzzyHedge hedge) {
  const std::string& expression = set->GetExpression();
  set->SetExpression(expression.empty()
                         ? FormatFuzzyExpression(EscapeFuzzyName(set->GetName()))
                         : CreateFuzzyName(hedge, FormatFuzzyExpression(expression)));
}

void Complement(TFuzzySetValues* values) {
  EditPoints(values, [](TFuzzySetValue* point, int) { point->SetY(1 - point->GetY()); });
}

// The peak of the above and below rules, walking from `first` by `step`: the last point met
// whose Y reaches the running maximum, the walk ending at the first full membership.
int PeakIndex(const TFuzzySetValues* values, int first, int step) {
  int peak = -1;
  TFzyFloat maximum = 0.0;
  for (int i = first; i >= 0 && i < values->GetCount(); i += step) {
    const TFzyFloat y = values->GetItem(i)->GetY();
    if (y >= maximum) {
      peak = i;
      maximum = y;
    }
    if (y == 1.0) break;
  }
  return peak;
}

// Above: nothing up to the peak, the complement beyond it.
void Above(TFuzzySetValues* values) {
  const int peak = PeakIndex(values, 0, 1);
  EditPoints(values, [peak](TFuzzySetValue* point, int i) {
    point->SetY(i <= peak ? 0.0 : 1 - point->GetY());
  });
}

// Below: the mirror image, the complement before the peak found from the right.
void Below(TFuzzySetValues* values) {
  const int peak = PeakIndex(values, values->GetCount() - 1, -1);
  EditPoints(values, [peak](TFuzzySetValue* point, int i) {
    point->SetY(i >= peak ? 0.0 : 1 - point->GetY());
  });
}

// Contrast intensification: Y below one half is pushed down, from one half up pushed up. An
// exponent below 1 flattens instead, and then leaves a zero membership alone.
TFzyFloat ContrastValue(TFzyFloat y, TFzyFloat exponent) {
  if (exponent < 1 && y <= 0.0) return y;
  if (y < 0.5) return std::min<TFzyFloat>(1, exponent * Power(y, exponent));
  return std::max<TFzyFloat>(0, 1 - exponent * Power(1 - y, exponent));
}

bool IsApproximation(TFuzzyHedge hedge) {
  return hedge >= fhAbout && hedge <= fhNeighboring;
}

void ApplyNamedHedge(TFuzzySet* set, TFuzzyHedge hedge) {
  const TFzyFloat modifier = HedgeModifiers[hedge];
  switch (hedge) {
    case fhNot:
      return Complement(set->GetValues());
    case fhSomewhat:
    case fhMoreOrLess:
    case fhGreatly:
    case fhPlus:
    case fhVery:
    case fhExtremely:
      return set->Intensify(HedgePoints, modifier);
    case fhAbove:
      return Above(set->GetValues());
    case fhBelow:
      return Below(set->GetValues());
    case fhSlightly:
      return ApplySlightly(set);
    case fhNormalize:
      set->Normalize();
      return;
    case fhAbout:
    case fhVicinity:
    case fhClose:
    case fhNear:
    case fhNeighboring:
      return set->FuzzyApproximation(HedgePoints, modifier);
    case fhPositively:
    case fhAbsolutely:
    case fhDefinitely:
    case fhGenerally:
      return set->FuzzyContrast(HedgePoints, modifier);
  }
}

}  // namespace

TFuzzySet* TFuzzySet::Hedge(TFuzzyHedge hedge) {
  // Nothing to spread: the set stays exactly as it is, name included.
  if (IsApproximation(hedge) && FValues->GetCount() == 0) return this;
  // Named after the set as it was: the algorithm may rename it on the way (Intensify does).
  const std::string name = CreateFuzzyName(hedge, GetName());
  ApplyNamedHedge(this, hedge);
  SetName(name);
  ExpressAfterHedge(this, hedge);
  return this;
}

TFuzzySet* TFuzzySet::Hedge(TBaseFuzzyHedge hedge, TFzyFloat value, bool onY) {
  // Dividing by zero would fill the set with infinities and not-a-numbers.
  if (hedge == bfhDivide && value == 0.0)
    throw EFzyException::CreateFmt(SInvalidFuzzyOperation, GetEnumName(hedge));
  EditPoints(FValues, [&](TFuzzySetValue* point, int) {
    if (onY) {
      point->SetY(BaseHedgeValue(hedge, point->GetY(), value, true));
    } else {
      point->SetX(BaseHedgeValue(hedge, point->GetX(), value, false));
    }
  });
  NameAfterBaseHedge(this, hedge, value, onY);
  return this;
}

void TFuzzySet::Intensify(int count, TFzyFloat exponent) {
  TCollectionUpdate batch(FValues);
  FValues->Expand(count);
  Hedge(bfhPower, exponent, true);
  batch.End();
}

void TFuzzySet::FuzzyContrast(int count, TFzyFloat exponent) {
  TCollectionUpdate batch(FValues);
  FValues->Expand(count);
  EditPoints(FValues, [exponent](TFuzzySetValue* point, int) {
    point->SetY(ContrastValue(point->GetY(), exponent));
  });
  batch.End();
}

TFuzzySet* TFuzzySet::Normalize() {
  const TFzyFloat maximum = FValues->GetMaxValue();
  if (maximum == 0.0) return this;
  const TFzyFloat factor = 1 / maximum;
  EditPoints(FValues,
             [factor](TFuzzySetValue* point, int) { point->SetY(point->GetY() * factor); });
  return this;
}

}  // namespace fuzzy
